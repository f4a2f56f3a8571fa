#include "ImageSurface.h"

#include <QCoreApplication>
#include <cmath>

namespace corvella::print {

ImageSurface::ImageSurface(int dotsPerInch, QPageLayout paper)
    : m_dotsPerInch(dotsPerInch)
    , m_paper(std::move(paper))
{}

ImageSurface::~ImageSurface()
{
    abortDocument();
}

QPaintDevice* ImageSurface::openDevice(const QString&, Orientation orientation)
{
    m_imageOrientation = orientation;
    const QSizeF sizeMm = paperLayout(orientation).fullRect(QPageLayout::Millimeter).size();
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

QPageLayout ImageSurface::paperLayout(Orientation orientation) const
{
    return turned(m_paper, orientation);
}

QPointF ImageSurface::printableOrigin() const
{
    return paperLayout(m_imageOrientation).paintRect(QPageLayout::Millimeter).topLeft() * (m_dotsPerInch / 25.4);
}

QString ImageSurface::targetName() const
{
    return QCoreApplication::translate("print", "the preview");
}

} // namespace corvella::print
