#include "PainterSurface.h"

#include "ColourText.h"
#include "PrintGeometry.h"
#include "core/Error.h"
#include "store/FieldDef.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <QCoreApplication>
#include <algorithm>

namespace corvella::print {

PainterSurface::PainterSurface() = default;

PainterSurface::~PainterSurface()
{
    // Subclasses own the device and release it in their own destructors; only the painter is left here.
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void PainterSurface::beginDocument(const QString& jobName)
{
    m_device = openDevice(jobName, m_orientation);
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_device)) {
        m_painter.reset();
        m_device = nullptr;
        closeDevice(false);
        throw Error(
            QCoreApplication::translate("print", "The print job could not be started on %1.").arg(targetName()));
    }
    // Painter units are device pixels; one nominal dot covers dpi / 25.4 / DotsPerMm of them.
    m_scaleX = m_device->logicalDpiX() / 25.4 / DotsPerMm;
    m_scaleY = m_device->logicalDpiY() / 25.4 / DotsPerMm;
    m_frames.clear();
    m_painter->translate(printableOrigin());
    m_painter->setBackgroundMode(Qt::OpaqueMode);
    m_painter->setBackground(Qt::white);
    m_painter->setRenderHint(QPainter::Antialiasing, false);
}

void PainterSurface::newPage()
{
    requirePainter();
    if (!startNewPage())
        throw Error(QCoreApplication::translate("print", "A new page could not be started on %1.").arg(targetName()));
}

QString PainterSurface::endDocument()
{
    requirePainter();
    const bool ended = m_painter->end();
    m_painter.reset();
    m_device = nullptr;
    const QString output = closeDevice(ended);
    if (!ended)
        throw Error(
            QCoreApplication::translate("print", "The print job could not be completed on %1.").arg(targetName()));
    return output;
}

void PainterSurface::abortDocument()
{
    if (m_painter) {
        abandonDevice();
        m_painter->end();
        m_painter.reset();
    }
    m_device = nullptr;
    closeDevice(false);
}

QPageLayout turned(QPageLayout paper, Orientation orientation)
{
    paper.setOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return paper;
}

QPageLayout edgeToEdge(const QPageSize& size, Orientation orientation)
{
    return turned(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter),
                  orientation);
}

int PainterSurface::printableHeightDots() const
{
    const double heightMm = paperLayout(m_orientation).paintRect(QPageLayout::Millimeter).height();
    return int(store::roundHalfEven(heightMm * DotsPerMm));
}

QPointF PainterSurface::toDevice(QPoint dots) const
{
    return {dots.x() * m_scaleX, dots.y() * m_scaleY};
}

double PainterSurface::penWidth() const
{
    return (m_scaleX + m_scaleY) / 2;
}

void PainterSurface::requirePainter() const
{
    if (!m_painter)
        throw Error(QCoreApplication::translate("print", "Printer is not currently printing"));
}

PainterSurface::FontFrame& PainterSurface::fontFrame(const DrawState& state)
{
    const int points = state.fontSize > 0 ? state.fontSize : DrawState().fontSize;
    const QPair<QString, int> key(state.fontName, points);
    if (auto known = m_frames.find(key); known != m_frames.end())
        return *known;
    // Font engines round a font's size to whole device pixels, which at 300 dpi makes 10 points nearly 1% too wide.
    // The font is made in whole pixels of a finer frame, and the frame is scaled so that the size comes out exact.
    constexpr double Oversampling = 16;
    const double exactPixels = points * m_device->logicalDpiY() / 72.0;
    const int framePixels = std::max(1, qRound(exactPixels * Oversampling));
    const double scale = exactPixels / framePixels;
    FontFrame frame;
    frame.font = QFont(state.fontName);
    frame.font.setPixelSize(framePixels);
    frame.scaleX = scale * m_device->logicalDpiX() / m_device->logicalDpiY();
    frame.scaleY = scale;
    const QFontMetricsF metrics(frame.font, m_device);
    frame.ascent = metrics.ascent();
    frame.cellHeight = metrics.ascent() + metrics.descent();
    return *m_frames.insert(key, std::move(frame));
}

void PainterSurface::drawText(QPoint topLeft, const QString& text, const DrawState& state)
{
    requirePainter();
    if (text.isEmpty())
        return;
    FontFrame& frame = fontFrame(state);
    m_painter->save();
    m_painter->translate(toDevice(topLeft));
    m_painter->scale(frame.scaleX, frame.scaleY);
    m_painter->setPen(toQColor(state.fontColour));
    const QRectF cell(0, 0, 0, frame.cellHeight);
    // The PDF engine (which printers use too) takes glyph runs as QPainter::drawText hands them over; an image
    // places runs in a scaled frame wrongly, and takes the full text path.
    const bool pdf = m_painter->paintEngine()->type() == QPaintEngine::Pdf;
    if (pdf && !frame.shaper)
        frame.shaper = std::make_shared<CachedShaper>(frame.font, m_device);
    if (pdf && frame.shaper->shape(text, m_line)) {
        // What QPainter::drawText does on a PDF page, with the layout taken from glyph pairs met before: the
        // character cells backed in the background colour, then the glyphs on the baseline.
        m_painter->fillRect(cell.adjusted(0, 0, m_line.width, 0), m_painter->background());
        m_painter->drawGlyphRun(QPointF(0, 0), m_line.run);
    } else {
        m_painter->setFont(frame.font);
        // The PDF engine backs the text itself; an image is backed here, so that a preview shows what prints.
        if (!pdf)
            m_painter->fillRect(cell.adjusted(0, 0, QFontMetricsF(frame.font, m_device).horizontalAdvance(text), 0),
                                m_painter->background());
        // QPainter places text on its baseline; the helpers give the top of the character cell.
        m_painter->drawText(QPointF(0, frame.ascent), text);
    }
    m_painter->restore();
}

void PainterSurface::drawLine(QPoint from, QPoint to, const DrawState& state)
{
    requirePainter();
    if (from == to)
        return; // a line that starts where it ends leaves no mark
    QPen pen(toQColor(state.penColour), penWidth());
    pen.setCapStyle(Qt::FlatCap);
    m_painter->setPen(pen);
    m_painter->drawLine(toDevice(from), toDevice(to));
}

void PainterSurface::drawRectangle(QPoint topLeft, QPoint bottomRight, const DrawState& state)
{
    requirePainter();
    QPen pen(toQColor(state.penColour), penWidth());
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
    m_painter->setBrush(Qt::white);
    m_painter->drawRect(QRectF(toDevice(topLeft), toDevice(bottomRight)));
    m_painter->setBrush(Qt::NoBrush);
}

} // namespace corvella::print
