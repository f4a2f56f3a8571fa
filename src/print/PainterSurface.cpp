#include "PainterSurface.h"

#include "ColourText.h"
#include "PrintGeometry.h"
#include "core/Error.h"
#include "store/FieldDef.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

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
        throw Error(u"The print job could not be started on %1."_qs.arg(targetName()));
    }
    // Painter units are device pixels; one nominal dot covers dpi / 25.4 / DotsPerMm of them.
    m_scaleX = m_device->logicalDpiX() / 25.4 / DotsPerMm;
    m_scaleY = m_device->logicalDpiY() / 25.4 / DotsPerMm;
    m_painter->setBackgroundMode(Qt::OpaqueMode);
    m_painter->setBackground(Qt::white);
    m_painter->setRenderHint(QPainter::Antialiasing, false);
}

void PainterSurface::newPage()
{
    requirePainter();
    if (!m_device->newPage())
        throw Error(u"A new page could not be started on %1."_qs.arg(targetName()));
}

QString PainterSurface::endDocument()
{
    requirePainter();
    const bool ended = m_painter->end();
    m_painter.reset();
    m_device = nullptr;
    const QString output = closeDevice(ended);
    if (!ended)
        throw Error(u"The print job could not be completed on %1."_qs.arg(targetName()));
    return output;
}

void PainterSurface::abortDocument()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
    m_device = nullptr;
    closeDevice(false);
}

int PainterSurface::printableHeightDots() const
{
    const double heightMm = m_device ? m_device->pageLayout().paintRect(QPageLayout::Millimeter).height()
                                     : idlePrintableSizeMm(m_orientation).height();
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
        throw Error(u"Printer is not currently printing"_qs);
}

void PainterSurface::drawText(QPoint topLeft, const QString& text, const DrawState& state)
{
    requirePainter();
    // Font engines round a font's size to whole device pixels, which at 300 dpi makes 10 points nearly 1% too wide.
    // The font is made in whole pixels of a finer frame, and the frame is scaled so that the size comes out exact.
    constexpr double Oversampling = 16;
    const int points = state.fontSize > 0 ? state.fontSize : DrawState().fontSize;
    const double exactPixels = points * m_device->logicalDpiY() / 72.0;
    const int framePixels = std::max(1, qRound(exactPixels * Oversampling));
    const double scale = exactPixels / framePixels;
    QFont font(state.fontName);
    font.setPixelSize(framePixels);
    const QPointF at = toDevice(topLeft);
    m_painter->save();
    m_painter->translate(at);
    m_painter->scale(scale * m_device->logicalDpiX() / m_device->logicalDpiY(), scale);
    m_painter->setFont(font);
    m_painter->setPen(toQColor(state.fontColour));
    // QPainter places text on its baseline; the helpers give the top of the character cell.
    const QFontMetricsF metrics(font, m_device);
    m_painter->drawText(QPointF(0, metrics.ascent()), text);
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
