#include "RecordingSurface.h"

namespace corvella::test {

RecordingSurface::RecordingSurface(QSize portraitPrintableDots)
    : m_portraitDots(portraitPrintableDots)
{}

QList<RecordingSurface::Call> RecordingSurface::calls(Kind kind) const
{
    QList<Call> matching;
    for (const Call& call : m_calls)
        if (call.kind == kind)
            matching << call;
    return matching;
}

QStringList RecordingSurface::texts() const
{
    QStringList drawn;
    for (const Call& call : m_calls)
        if (call.kind == Kind::Text)
            drawn << call.text;
    return drawn;
}

QList<RecordingSurface::Call> RecordingSurface::textCalls(const QString& text) const
{
    QList<Call> matching;
    for (const Call& call : m_calls)
        if (call.kind == Kind::Text && call.text == text)
            matching << call;
    return matching;
}

void RecordingSurface::record(Kind kind, QPoint from, QPoint to, const QString& text, const print::DrawState& state)
{
    m_calls << Call{kind, m_page, from, to, text, state, m_orientation};
}

void RecordingSurface::beginDocument(const QString& jobName)
{
    m_page = 1;
    record(Kind::BeginDocument, {}, {}, jobName);
}

void RecordingSurface::newPage()
{
    ++m_page;
    record(Kind::NewPage);
}

QString RecordingSurface::endDocument()
{
    record(Kind::EndDocument);
    m_page = 0;
    return m_outputFile;
}

void RecordingSurface::abortDocument()
{
    record(Kind::AbortDocument);
    m_page = 0;
}

int RecordingSurface::printableHeightDots() const
{
    return m_orientation == print::Orientation::Landscape ? m_portraitDots.width() : m_portraitDots.height();
}

void RecordingSurface::drawText(QPoint topLeft, const QString& text, const print::DrawState& state)
{
    record(Kind::Text, topLeft, topLeft, text, state);
}

void RecordingSurface::drawLine(QPoint from, QPoint to, const print::DrawState& state)
{
    record(Kind::Line, from, to, {}, state);
}

void RecordingSurface::drawRectangle(QPoint topLeft, QPoint bottomRight, const print::DrawState& state)
{
    record(Kind::Rectangle, topLeft, bottomRight, {}, state);
}

} // namespace corvella::test
