#pragma once

#include "print/PrintGeometry.h"
#include "print/PrintSurface.h"
#include "print/Tgenel.h"

#include <QList>
#include <QSize>
#include <QStringList>

namespace corvella::test {

/// Keeps every call made on it, with its nominal dot coordinates, drawing state and page, for tests.
class RecordingSurface : public print::PrintSurface {
public:
    enum class Kind { BeginDocument, NewPage, EndDocument, AbortDocument, Text, Line, Rectangle };

    struct Call {
        Kind kind;
        int page = 0; // counted from 1 within a job, 0 outside one
        QPoint from;  // text: top-left corner; line and rectangle: first point
        QPoint to;
        QString text; // text drawn, or the job name of BeginDocument
        print::DrawState state;
        print::Orientation orientation = print::Orientation::Portrait;
    };

    /// `portraitPrintableDots` is the printable area in portrait; landscape swaps it.
    explicit RecordingSurface(QSize portraitPrintableDots = QSize(2471, 3494));

    const QList<Call>& calls() const { return m_calls; }
    QList<Call> calls(Kind kind) const;
    /// Every text drawn, in drawing order.
    QStringList texts() const;
    /// The text calls that drew exactly `text`.
    QList<Call> textCalls(const QString& text) const;
    void clear() { m_calls.clear(); }

    void setPortraitPrintableDots(QSize dots) { m_portraitDots = dots; }
    /// What `endDocument` reports, as if the job had been saved to this file.
    void setOutputFile(const QString& filePath) { m_outputFile = filePath; }

    void beginDocument(const QString& jobName) override;
    void newPage() override;
    QString endDocument() override;
    void abortDocument() override;

    print::Orientation orientation() const override { return m_orientation; }
    void setOrientation(print::Orientation orientation) override { m_orientation = orientation; }
    int printableHeightDots() const override;

    void drawText(QPoint topLeft, const QString& text, const print::DrawState& state) override;
    void drawLine(QPoint from, QPoint to, const print::DrawState& state) override;
    void drawRectangle(QPoint topLeft, QPoint bottomRight, const print::DrawState& state) override;

private:
    void record(Kind kind, QPoint from = {}, QPoint to = {}, const QString& text = {},
                const print::DrawState& state = {});

    QList<Call> m_calls;
    QSize m_portraitDots;
    print::Orientation m_orientation = print::Orientation::Portrait;
    QString m_outputFile;
    int m_page = 0;
};

/// A recorded point in whole millimetres, as the layout states it.
inline QPoint mm(QPoint dots)
{
    return {print::mmFromDots(dots.x()), print::mmFromDots(dots.y())};
}

/// A Tgenel drawing on a recording surface that it owns and hands out.
struct RecordedPrinter {
    RecordingSurface* surface;
    print::Tgenel printer;

    explicit RecordedPrinter(QSize portraitPrintableDots = QSize(2471, 3494))
        : surface(new RecordingSurface(portraitPrintableDots))
        , printer(std::unique_ptr<print::PrintSurface>(surface))
    {}
};

} // namespace corvella::test
