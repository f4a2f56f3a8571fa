#include "TextFit.h"

#include "PrintSurface.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace corvella::print {

namespace {

// Fonts are measured this many pixels to the point, fine enough that hinting rounds nothing that matters.
constexpr int PixelsPerPoint = 16;
constexpr double MmPerPoint = 25.4 / 72;

int effectiveSize(int fontSize)
{
    return fontSize > 0 ? fontSize : DrawState().fontSize;
}

/// Character positions where a text may be cut: grapheme boundaries, so no accent or surrogate pair is split.
QList<qsizetype> cutPoints(const QString& text)
{
    QList<qsizetype> points;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        points << at;
    return points;
}

} // namespace

FittedText fitText(const QString& text, const QString& fontName, int fontSize, double roomMm, const TextWidthMm& width)
{
    if (roomMm <= 0)
        return {QString(), fontSize};
    const int size = effectiveSize(fontSize);
    if (width(text, fontName, size) <= roomMm)
        return {text, fontSize};
    const int smallest = std::max(1, int(std::ceil(size * SmallestFontShare - 1e-9)));
    for (int smaller = size - 1; smaller >= smallest; --smaller)
        if (width(text, fontName, smaller) <= roomMm)
            return {text, smaller};
    // Still too long: the longest start of it that fits, found by halving over the cut points.
    const QList<qsizetype> points = cutPoints(text);
    qsizetype low = 0;                  // points[low - 1] fits (none when 0)
    qsizetype high = points.size() - 1; // the whole text does not fit
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (width(text.left(points.at(middle - 1)), fontName, smallest) <= roomMm)
            low = middle;
        else
            high = middle - 1;
    }
    return {low == 0 ? QString() : text.left(points.at(low - 1)), smallest};
}

struct FontTextWidth::Face {
    QFont font;
    QFontMetricsF metrics;
    double mmPerPixel;
    QHash<char16_t, double> advances;

    Face(const QString& fontName, int points)
        : font(sized(fontName, points))
        , metrics(font)
        , mmPerPixel(MmPerPoint / PixelsPerPoint)
    {}

    static QFont sized(const QString& fontName, int points)
    {
        QFont font(fontName);
        font.setPixelSize(points * PixelsPerPoint);
        return font;
    }
};

FontTextWidth::FontTextWidth() = default;
FontTextWidth::~FontTextWidth() = default;

FontTextWidth::Face& FontTextWidth::face(const QString& fontName, int points)
{
    QString key = fontName;
    key += u'\x1f';
    key += QString::number(points);
    if (m_last && key == m_lastKey)
        return *m_last;
    auto& slot = m_faces[key];
    if (!slot)
        slot = std::make_shared<Face>(fontName, points);
    m_last = slot.get();
    m_lastKey = key;
    return *slot;
}

double FontTextWidth::estimate(const QString& text, const QString& fontName, int points)
{
    Face& f = face(fontName, points);
    double pixels = 0;
    for (QChar c : text) {
        auto found = f.advances.constFind(c.unicode());
        if (found == f.advances.cend())
            found = f.advances.insert(c.unicode(), f.metrics.horizontalAdvance(c));
        pixels += *found;
    }
    return pixels * f.mmPerPixel;
}

double FontTextWidth::operator()(const QString& text, const QString& fontName, int points)
{
    Face& f = face(fontName, points);
    return f.metrics.horizontalAdvance(text) * f.mmPerPixel;
}

TextWidthMm fontTextWidth()
{
    auto measure = std::make_shared<FontTextWidth>();
    return [measure](const QString& text, const QString& fontName, int points) {
        return (*measure)(text, fontName, points);
    };
}

} // namespace corvella::print
