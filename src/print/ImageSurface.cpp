#include "ImageSurface.h"

#include <QCoreApplication>
#include <cmath>

namespace corvella::print {

ImageSurface::ImageSurface(int dotsPerInch, QPageSize pageSize)
    : m_dotsPerInch(dotsPerInch)
    , m_pageSize(std::move(pageSize))
{}

ImageSurface::~ImageSurface()
{
    abortDocument();
}

QPaintDevice* ImageSurface::openDevice(const QString&, Orientation orientation)
{
    const QSizeF sizeMm = printableSizeMm(orientation);
    const double pixelsPerMm = double(m_dotsPerInch) / 25.4;
    m_image = QImage(int(std::lround(sizeMm.width() * pixelsPerMm)), int(std::lround(sizeMm.height() * pixelsPerMm)),
                     QImage::Format_RGB32);
    // The painter takes the device's resolution from these; they must give back the chosen dots per inch.
    m_image.setDotsPerMeterX(int(std::lround(pixelsPerMm * 1000)));
    m_image.setDotsPerMeterY(int(std::lround(pixelsPerMm * 1000)));
    m_image.fill(Qt::white);
    return &m_image;
}

bool ImageSurface::startNewPage()
{
    return false;
}

QString ImageSurface::closeDevice(bool)
{
    return {};
}

QSizeF ImageSurface::printableSizeMm(Orientation orientation) const
{
    const QSizeF size = m_pageSize.size(QPageSize::Millimeter);
    return orientation == Orientation::Landscape ? size.transposed() : size;
}

QString ImageSurface::targetName() const
{
    return QCoreApplication::translate("print", "the preview");
}

} // namespace corvella::print
