#include "ColourText.h"

#include "core/Error.h"

#include <QRegularExpression>

#include <QCoreApplication>
#include <array>
#include <limits>

namespace corvella::print {

namespace {

constexpr quint32 SystemColourBase = 0x80000000u;

struct SystemIdentifier {
    const char16_t* name;
    quint32 value;
};

const QString PlainPrefix = u"cl"_qs;

// The system colours in index order, then the one that stands for no colour.
constexpr std::array<SystemIdentifier, 26> SystemIdentifiers = {{
    {u"clScrollBar", SystemColourBase + 0},      {u"clBackground", SystemColourBase + 1},
    {u"clActiveCaption", SystemColourBase + 2},  {u"clInactiveCaption", SystemColourBase + 3},
    {u"clMenu", SystemColourBase + 4},           {u"clWindow", SystemColourBase + 5},
    {u"clWindowFrame", SystemColourBase + 6},    {u"clMenuText", SystemColourBase + 7},
    {u"clWindowText", SystemColourBase + 8},     {u"clCaptionText", SystemColourBase + 9},
    {u"clActiveBorder", SystemColourBase + 10},  {u"clInactiveBorder", SystemColourBase + 11},
    {u"clAppWorkSpace", SystemColourBase + 12},  {u"clHighlight", SystemColourBase + 13},
    {u"clHighlightText", SystemColourBase + 14}, {u"clBtnFace", SystemColourBase + 15},
    {u"clBtnShadow", SystemColourBase + 16},     {u"clGrayText", SystemColourBase + 17},
    {u"clBtnText", SystemColourBase + 18},       {u"clInactiveCaptionText", SystemColourBase + 19},
    {u"clBtnHighlight", SystemColourBase + 20},  {u"cl3DDkShadow", SystemColourBase + 21},
    {u"cl3DLight", SystemColourBase + 22},       {u"clInfoText", SystemColourBase + 23},
    {u"clInfoBk", SystemColourBase + 24},        {u"clNone", 0x1FFFFFFF},
}};

// Light-theme values for the system colours, as RGB, in index order.
constexpr std::array<QRgb, 25> SystemColours = {
    0xC8C8C8, 0x000000, 0x0054E3, 0x7A96DF, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x316AC5, 0xFFFFFF, 0xECE9D8, 0xACA899, 0xACA899,
    0x000000, 0xD8E4F8, 0xFFFFFF, 0x716F64, 0xF1EFE2, 0x000000, 0xFFFFE1,
};

} // namespace

QString colourToText(int colour)
{
    for (const PlainColour& plain : PlainColours)
        if (plain.value == colour)
            return PlainPrefix + QStringView(plain.name);
    const auto bits = quint32(colour);
    for (const SystemIdentifier& identifier : SystemIdentifiers)
        if (identifier.value == bits)
            return QString::fromUtf16(identifier.name);
    return u'$' + QString::number(bits, 16).toUpper().rightJustified(8, u'0');
}

int colourFromText(const QString& text)
{
    if (text.startsWith(PlainPrefix, Qt::CaseInsensitive)) {
        const QStringView name = QStringView(text).mid(PlainPrefix.size());
        for (const PlainColour& plain : PlainColours)
            if (name.compare(QStringView(plain.name), Qt::CaseInsensitive) == 0)
                return plain.value;
    }
    for (const SystemIdentifier& identifier : SystemIdentifiers)
        if (text.compare(QStringView(identifier.name), Qt::CaseInsensitive) == 0)
            return int(identifier.value);

    static const QRegularExpression hex(uR"(^\s*\$([0-9A-Fa-f]{1,8})\s*$)"_qs);
    static const QRegularExpression decimal(uR"(^\s*([+-]?[0-9]+)\s*$)"_qs);
    bool ok = false;
    if (const auto match = hex.match(text); match.hasMatch()) {
        const quint32 bits = match.captured(1).toUInt(&ok, 16);
        if (ok)
            return int(bits); // all 32 bits, as a system colour "$80000005" needs
    } else if (const auto match = decimal.match(text); match.hasMatch()) {
        const qlonglong value = match.captured(1).toLongLong(&ok);
        if (ok && value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
            return int(value);
    }
    throw Error(QCoreApplication::translate("print", "'%1' is not a valid integer value").arg(text));
}

QColor toQColor(int colour)
{
    const auto bits = quint32(colour);
    if ((bits & 0xFF000000u) == SystemColourBase && (bits & 0xFFFFFFu) < SystemColours.size())
        return QColor::fromRgb(SystemColours.at(bits & 0xFFFFFFu));
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

int colourValue(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

} // namespace corvella::print
