#include "CachedShaper.h"

#include <QTextLayout>

#include <cmath>

namespace corvella::print {

namespace {

// Pairs learnt per font before the store starts afresh: a few thousand cover the names and addresses of any list.
constexpr qsizetype MaxPairs = 100000;

/// Characters whose glyphs follow each other one for one, as the pairs tell: Latin and common letters, digits and
/// signs, left to right, without controls, marks or invisible formatting.
bool plainCharacter(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Other_PrivateUse:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        break;
    }
    const QChar::Script script = c.script();
    if (script != QChar::Script_Latin && script != QChar::Script_Common)
        return false;
    switch (c.direction()) {
    case QChar::DirL:
    case QChar::DirEN:
    case QChar::DirES:
    case QChar::DirET:
    case QChar::DirCS:
    case QChar::DirWS:
    case QChar::DirON:
        return true;
    default:
        return false;
    }
}

CachedShaper::Fixed toFixed(double pixels)
{
    return CachedShaper::Fixed(std::llround(pixels * 64));
}

} // namespace

CachedShaper::CachedShaper(const QFont& font, QPaintDevice* device)
    : m_font(font)
    , m_device(device)
{
    const Line sample = layOut(u"x"_qs, font, device);
    m_rawFont = sample.run.rawFont();
    m_ascent = sample.run.positions().value(0).y();
}

CachedShaper::Line CachedShaper::layOut(const QString& text, const QFont& font, QPaintDevice* device)
{
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    textLine.setLineWidth(1e7);
    textLine.setPosition(QPointF(0, 0));
    layout.endLayout();
    Line line;
    const QList<QGlyphRun> runs = textLine.glyphRuns();
    if (runs.size() == 1)
        line.run = runs.first();
    line.width = textLine.horizontalAdvance();
    return line;
}

CachedShaper::Fixed CachedShaper::step(quint32 glyph, quint32 next, QChar first, QChar second)
{
    const quint64 key = (quint64(glyph) << 32) | next;
    if (const auto known = m_steps.constFind(key); known != m_steps.cend())
        return *known;
    if (m_steps.size() >= MaxPairs)
        m_steps.clear();
    const Line pair = layOut(QString(first) + second, m_font, m_device);
    const QList<quint32> glyphs = pair.run.glyphIndexes();
    const QList<QPointF> positions = pair.run.positions();
    Fixed distance = Unsafe;
    if (glyphs == QList<quint32>{glyph, next} && positions.size() == 2 && positions[0] == QPointF(0, m_ascent) &&
        positions[1].y() == m_ascent)
        distance = toFixed(positions[1].x());
    m_steps.insert(key, distance);
    return distance;
}

CachedShaper::Fixed CachedShaper::lastAdvance(quint32 glyph, QChar c)
{
    if (const auto known = m_advances.constFind(glyph); known != m_advances.cend())
        return *known;
    const Line single = layOut(QString(c), m_font, m_device);
    Fixed advance = Unsafe;
    if (single.run.glyphIndexes() == QList<quint32>{glyph} && single.run.positions().value(0) == QPointF(0, m_ascent))
        advance = toFixed(single.width);
    m_advances.insert(glyph, advance);
    return advance;
}

bool CachedShaper::shape(const QString& text, Line& line)
{
    if (text.isEmpty() || !m_rawFont.isValid() || text.back().isSpace())
        return false;
    for (const QChar c : text) {
        if (!plainCharacter(c))
            return false;
    }
    int count = int(text.size());
    m_glyphs.resize(count);
    if (!m_rawFont.glyphIndexesForChars(text.constData(), count, m_glyphs.data(), &count) || count != text.size())
        return false;
    m_positions.resize(count);
    Fixed x = 0;
    for (int i = 0; i < count; ++i) {
        if (m_glyphs[i] == 0)
            return false; // the font lacks it: the full layout finds another font
        m_positions[i] = QPointF(double(x) / 64, m_ascent);
        const Fixed distance = i + 1 < count ? step(m_glyphs[i], m_glyphs[i + 1], text[i], text[i + 1])
                                             : lastAdvance(m_glyphs[i], text[i]);
        if (distance == Unsafe)
            return false;
        x += distance;
    }
    line.run = QGlyphRun();
    line.run.setRawFont(m_rawFont);
    line.run.setGlyphIndexes(m_glyphs);
    line.run.setPositions(m_positions);
    line.width = double(x) / 64;
    return true;
}

} // namespace corvella::print
