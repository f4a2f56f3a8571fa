#include "Tgenel.h"

#include "PrintGeometry.h"
#include "PrinterSurface.h"
#include "core/Error.h"

#include <QCoreApplication>

namespace corvella::print {

namespace {

QString printingInProgress()
{
    return QCoreApplication::translate("print", "Printing in progress");
}

QPoint dotsFromMm(int x, int y)
{
    return {print::dotsFromMm(x), print::dotsFromMm(y)};
}

} // namespace

Tgenel::Tgenel()
    : Tgenel(std::make_unique<PrinterSurface>(printsFolder()))
{}

Tgenel::Tgenel(std::unique_ptr<PrintSurface> surface)
    : m_surface(std::move(surface))
{}

Tgenel::~Tgenel()
{
    if (m_printing)
        m_surface->abortDocument();
}

void Tgenel::setSurface(std::unique_ptr<PrintSurface> surface)
{
    if (m_printing)
        throw Error(printingInProgress());
    m_surface = std::move(surface);
}

void Tgenel::requirePrinting() const
{
    if (!m_printing)
        throw Error(QCoreApplication::translate("print", "Printer is not currently printing"));
}

void Tgenel::SetFontColor(int colour)
{
    m_state.fontColour = colour;
}

void Tgenel::SetPenColor(int colour)
{
    m_state.penColour = colour;
}

void Tgenel::SetFont(const QString& name, int size)
{
    m_state.fontName = name;
    m_state.fontSize = size;
}

void Tgenel::SetOrientationByWord(const QString& word)
{
    Orientation wanted;
    if (word == u"Yan"_qs)
        wanted = Orientation::Landscape;
    else if (word == u"Düz"_qs)
        wanted = Orientation::Portrait;
    else
        return;
    if (m_printing)
        throw Error(printingInProgress());
    m_surface->setOrientation(wanted);
}

void Tgenel::BeginDocument(const QString& jobName)
{
    if (m_printing)
        throw Error(printingInProgress());
    m_surface->beginDocument(jobName);
    m_printing = true;
}

void Tgenel::NewPage()
{
    requirePrinting();
    m_surface->newPage();
}

QString Tgenel::EndDocument()
{
    requirePrinting();
    // The job is over even when the surface fails to finish it; a new one can start.
    m_printing = false;
    return m_surface->endDocument();
}

void Tgenel::AbortDocument()
{
    if (!m_printing)
        return;
    m_printing = false;
    m_surface->abortDocument();
}

void Tgenel::PrintText(int x, int y, const QString& text)
{
    printTextAtDots(dotsFromMm(x, y), text);
}

void Tgenel::DrawLine(int x1, int y1, int x2, int y2)
{
    requirePrinting();
    m_surface->drawLine(dotsFromMm(x1, y1), dotsFromMm(x2, y2), m_state);
}

int Tgenel::PageHeightMm() const
{
    return mmFromDots(m_surface->printableHeightDots());
}

void Tgenel::printTextAtDots(QPoint topLeft, const QString& text)
{
    requirePrinting();
    m_surface->drawText(topLeft, text, m_state);
}

void Tgenel::drawRectangleAtDots(QPoint topLeft, QPoint bottomRight)
{
    requirePrinting();
    m_surface->drawRectangle(topLeft, bottomRight, m_state);
}

} // namespace corvella::print
