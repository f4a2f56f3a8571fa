#pragma once

#include "CachedShaper.h"
#include "PrintSurface.h"

#include <QFont>
#include <QHash>
#include <QPageLayout>
#include <QSizeF>

#include <memory>

class QPaintDevice;
class QPainter;

namespace corvella::print {

/// Draws through QPainter on a device (a printer, a PDF file, a preview's page image). Nominal dots are scaled to the
/// device's real resolution, so positions keep their millimetres and fonts their true point size at any resolution.
class PainterSurface : public PrintSurface {
public:
    PainterSurface();
    ~PainterSurface() override;

    void beginDocument(const QString& jobName) override;
    void newPage() override;
    QString endDocument() override;
    void abortDocument() override;

    Orientation orientation() const override { return m_orientation; }
    void setOrientation(Orientation orientation) override { m_orientation = orientation; }
    int printableHeightDots() const override;
    /// The paper a job in `orientation` goes on, with the margins the device cannot print: the open device's, or
    /// while no job runs the one a job would get.
    virtual QPageLayout paperLayout(Orientation orientation) const = 0;

    void drawText(QPoint topLeft, const QString& text, const DrawState& state) override;
    void drawLine(QPoint from, QPoint to, const DrawState& state) override;
    void drawRectangle(QPoint topLeft, QPoint bottomRight, const DrawState& state) override;

protected:
    /// Makes the device for a new job, laid out in `orientation`; it stays owned by the subclass.
    virtual QPaintDevice* openDevice(const QString& jobName, Orientation orientation) = 0;
    /// Moves the open device on to a new page; false when it cannot.
    virtual bool startNewPage() = 0;
    /// Tells the open device, before painting ends, that the job is dropped: what it holds must not be printed.
    virtual void abandonDevice() {}
    /// Releases the device after painting ended; returns the file written, or an empty text for a printer. A job not
    /// completed leaves no file behind.
    virtual QString closeDevice(bool completed) = 0;
    /// Where the printable area starts on the open device, in its pixels: a device that is the whole paper returns
    /// the margins, one that is only the printable area (a printer) returns nothing.
    virtual QPointF printableOrigin() const { return {}; }
    /// Names the target in the error raised when a job cannot start.
    virtual QString targetName() const = 0;

private:
    /// A font as text is drawn in it: made in whole pixels of a frame finer than the device, and the scale that
    /// brings the frame back to the device.
    struct FontFrame {
        QFont font;
        double scaleX = 1;
        double scaleY = 1;
        double ascent = 0; // from the top of the character cell to the baseline, in frame pixels
        double cellHeight = 0;
        std::shared_ptr<CachedShaper> shaper; // made on the first text drawn on a PDF page
    };

    FontFrame& fontFrame(const DrawState& state);
    QPointF toDevice(QPoint dots) const;
    double penWidth() const;
    void requirePainter() const;

    Orientation m_orientation = Orientation::Portrait;
    QPaintDevice* m_device = nullptr;
    std::unique_ptr<QPainter> m_painter;
    double m_scaleX = 1;
    double m_scaleY = 1;
    QHash<QPair<QString, int>, FontFrame> m_frames; // for the device of the running job
    CachedShaper::Line m_line;
};

/// `paper` turned to `orientation`: a landscape page keeps the paper and its margins, turned.
QPageLayout turned(QPageLayout paper, Orientation orientation);
/// A page of `size` printable to its edges, as a file or a screen has it.
QPageLayout edgeToEdge(const QPageSize& size, Orientation orientation);

} // namespace corvella::print
