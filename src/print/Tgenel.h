#pragma once

#include "PrintSurface.h"

#include <memory>

namespace corvella::print {

/// The shared print helpers: whole millimetres turned into printer dots, text, lines, fonts, colours, orientation
/// and job control on one surface. The current font, colours and orientation persist between calls and jobs.
/// Errors are raised with the printing platform's texts and reach the caller unchanged.
class Tgenel {
public:
    /// Prints on the system's default printer, or into a PDF file in the Prints folder when none is installed.
    Tgenel();
    explicit Tgenel(std::unique_ptr<PrintSurface> surface);
    ~Tgenel();
    Tgenel(const Tgenel&) = delete;
    Tgenel& operator=(const Tgenel&) = delete;

    PrintSurface& surface() const { return *m_surface; }
    /// Replaces the surface; refused with "Printing in progress" while a job runs.
    void setSurface(std::unique_ptr<PrintSurface> surface);
    bool isPrinting() const { return m_printing; }
    const DrawState& state() const { return m_state; }

    void SetFontColor(int colour);
    void SetPenColor(int colour);
    void SetFont(const QString& name, int size);
    /// "Yan" turns the page to landscape, "Düz" to portrait; any other word changes nothing.
    void SetOrientationByWord(const QString& word);
    void BeginDocument(const QString& jobName = u"Corvella"_qs);
    void NewPage();
    /// Ends the job; returns the PDF file it was saved to when no printer took it, otherwise an empty text.
    QString EndDocument();
    /// Drops a running job, for callers that clean up after an error; does nothing outside a job.
    void AbortDocument();
    void PrintText(int x, int y, const QString& text);
    void DrawLine(int x1, int y1, int x2, int y2);
    int PageHeightMm() const;

    /// Text and rectangles placed in nominal printer dots, for pages that are laid out in dots.
    void printTextAtDots(QPoint topLeft, const QString& text);
    void drawRectangleAtDots(QPoint topLeft, QPoint bottomRight);

private:
    void requirePrinting() const;

    std::unique_ptr<PrintSurface> m_surface;
    DrawState m_state;
    bool m_printing = false;
};

} // namespace corvella::print
