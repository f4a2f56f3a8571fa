#pragma once

#include "PrintSurface.h"

#include <QSizeF>

#include <memory>

class QPagedPaintDevice;
class QPainter;

namespace corvella::print {

/// Draws through QPainter on a paged device (a printer or a PDF file). Nominal dots are scaled to the device's real
/// resolution, so positions keep their millimetres and fonts their true point size at any resolution.
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

    void drawText(QPoint topLeft, const QString& text, const DrawState& state) override;
    void drawLine(QPoint from, QPoint to, const DrawState& state) override;
    void drawRectangle(QPoint topLeft, QPoint bottomRight, const DrawState& state) override;

protected:
    /// Makes the device for a new job, laid out in `orientation`; it stays owned by the subclass.
    virtual QPagedPaintDevice* openDevice(const QString& jobName, Orientation orientation) = 0;
    /// Releases the device after painting ended; returns the file written, or an empty text for a printer.
    virtual QString closeDevice(bool completed) = 0;
    /// The printable area in millimetres while no job runs.
    virtual QSizeF idlePrintableSizeMm(Orientation orientation) const = 0;
    /// Names the target in the error raised when a job cannot start.
    virtual QString targetName() const = 0;

private:
    QPointF toDevice(QPoint dots) const;
    double penWidth() const;
    void requirePainter() const;

    Orientation m_orientation = Orientation::Portrait;
    QPagedPaintDevice* m_device = nullptr;
    std::unique_ptr<QPainter> m_painter;
    double m_scaleX = 1;
    double m_scaleY = 1;
};

} // namespace corvella::print
