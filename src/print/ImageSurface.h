#pragma once

#include "PainterSurface.h"

#include <QImage>
#include <QPageSize>

namespace corvella::print {

/// Draws one page into an image at a chosen resolution, through the same painting as the printer and the PDF file,
/// for a preview. Every job starts a fresh white page; a job cannot go on to a second page.
class ImageSurface : public PainterSurface {
public:
    /// Draws pages of `paper`, its margins left blank as a printer leaves them.
    explicit ImageSurface(int dotsPerInch = 96,
                          QPageLayout paper = edgeToEdge(QPageSize(QPageSize::A4), Orientation::Portrait));
    ~ImageSurface() override;

    int dotsPerInch() const { return m_dotsPerInch; }
    void setDotsPerInch(int dotsPerInch) { m_dotsPerInch = dotsPerInch; }
    /// The page drawn by the last job.
    const QImage& image() const { return m_image; }
    QPageLayout paperLayout(Orientation orientation) const override;

protected:
    QPaintDevice* openDevice(const QString& jobName, Orientation orientation) override;
    bool startNewPage() override;
    QString closeDevice(bool completed) override;
    QPointF printableOrigin() const override;
    QString targetName() const override;

private:
    int m_dotsPerInch;
    QPageLayout m_paper;
    Orientation m_imageOrientation = Orientation::Portrait; // of the page drawn last
    QImage m_image;
};

} // namespace corvella::print
