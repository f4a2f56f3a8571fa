#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <functional>
#include <memory>

namespace corvella::print {

/// The width in mm of a text in a font of `points` true points.
using TextWidthMm = std::function<double(const QString& text, const QString& fontName, int points)>;

/// A text as it is drawn within its room.
struct FittedText {
    QString text;
    int fontSize = 0;

    friend bool operator==(const FittedText&, const FittedText&) = default;
};

/// The smallest share of its size a text is drawn at before it is cut.
inline constexpr double SmallestFontShare = 0.7;

/// Fits a text into `roomMm`: unchanged when it fits; otherwise in the largest whole size, down to 70 % of
/// `fontSize`, at which it fits; otherwise at that smallest size, cut after the last character that fits. A size of
/// 0 stands for the surfaces' default of 10 points.
FittedText fitText(const QString& text, const QString& fontName, int fontSize, double roomMm, const TextWidthMm& width);

/// Measures texts in the fonts the surfaces draw with, at their true point size. Advances of single characters are
/// kept per font, so a text that plainly fits is not shaped; the rest are measured whole. Needs a GUI application.
class FontTextWidth {
public:
    FontTextWidth();
    ~FontTextWidth();
    FontTextWidth(const FontTextWidth&) = delete;
    FontTextWidth& operator=(const FontTextWidth&) = delete;

    double operator()(const QString& text, const QString& fontName, int points);
    /// An upper estimate from the characters' own advances: close to the width, never much below it.
    double estimate(const QString& text, const QString& fontName, int points);

private:
    struct Face;
    Face& face(const QString& fontName, int points);

    QHash<QString, std::shared_ptr<Face>> m_faces;
    Face* m_last = nullptr;
    QString m_lastKey;
};

/// A width function over one FontTextWidth, for runs that measure many texts.
TextWidthMm fontTextWidth();

} // namespace corvella::print
