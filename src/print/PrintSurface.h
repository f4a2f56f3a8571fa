#pragma once

#include <QPoint>
#include <QString>

namespace corvella::print {

enum class Orientation { Portrait, Landscape };

/// The pen and font a drawing call uses. Colours are colour values (red in the low byte, blue in the third).
struct DrawState {
    QString fontName = u"Arial"_qs;
    int fontSize = 10; // points
    int fontColour = 0;
    int penColour = 0;

    friend bool operator==(const DrawState&, const DrawState&) = default;
};

/// A target the print helpers draw on. Positions are nominal dots (`DotsPerMm` to the millimetre) from the top-left
/// corner of the printable area; each surface maps them onto its own device.
class PrintSurface {
public:
    virtual ~PrintSurface();

    /// Starts a job; `jobName` names it in the printer queue, or the file it is saved as.
    virtual void beginDocument(const QString& jobName) = 0;
    virtual void newPage() = 0;
    /// Ends the job; returns the file the printout was saved to, or an empty text when a printer took it.
    virtual QString endDocument() = 0;
    /// Drops a running job after a failure part-way.
    virtual void abortDocument() = 0;

    virtual Orientation orientation() const = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    /// Height of the printable area in nominal dots, in the current orientation.
    virtual int printableHeightDots() const = 0;

    /// Draws text with the top-left corner of its first character cell at `topLeft`, on an opaque white background.
    virtual void drawText(QPoint topLeft, const QString& text, const DrawState& state) = 0;
    /// Draws a line one nominal dot wide in the pen colour.
    virtual void drawLine(QPoint from, QPoint to, const DrawState& state) = 0;
    /// Draws a rectangle outline in the pen colour, filled white.
    virtual void drawRectangle(QPoint topLeft, QPoint bottomRight, const DrawState& state) = 0;
};

} // namespace corvella::print
