#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>

#include <limits>

class QPaintDevice;

namespace corvella::print {

/// Lays out one-line Latin texts in one font as Qt's text layout does, from advances learnt once per glyph pair.
///
/// Shaping every name and address afresh is most of the cost of a label run: the font engine reloads each glyph
/// from the font file for its advance once a font is larger than its glyph cache takes, and a print font in a fine
/// frame always is. Within a line of Latin letters the layout comes from each glyph's advance and the kerning
/// between neighbours, so the step from one glyph to the next is learnt from Qt's own layout of the pair and reused;
/// the results are the same glyphs at the same positions. A text with something the pairs cannot tell (a ligature,
/// a mark, a character the font lacks) is left to the full layout.
class CachedShaper {
public:
    using Fixed = qint64; // 1/64 pixel, as the layout counts

    CachedShaper(const QFont& font, QPaintDevice* device);

    struct Line {
        QGlyphRun run; // positions from the start of the baseline, which lies at the font's ascent
        double width = 0;
    };
    /// False when the text needs the full layout.
    bool shape(const QString& text, Line& line);

    /// Qt's own layout of a text on one line from (0, 0), in the same form.
    static Line layOut(const QString& text, const QFont& font, QPaintDevice* device);

private:
    static constexpr Fixed Unsafe = std::numeric_limits<Fixed>::min();

    Fixed step(quint32 glyph, quint32 next, QChar first, QChar second);
    Fixed lastAdvance(quint32 glyph, QChar c);

    QFont m_font;
    QPaintDevice* m_device;
    QRawFont m_rawFont;
    double m_ascent = 0;
    QHash<quint64, Fixed> m_steps;    // glyph pair -> distance from the first glyph to the second
    QHash<quint32, Fixed> m_advances; // glyph -> its advance at the end of a text
    QList<quint32> m_glyphs;
    QList<QPointF> m_positions;
};

} // namespace corvella::print
