#include "SheetCatalogue.h"

#include "core/Error.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>

namespace corvella::print {

using namespace Qt::StringLiterals;

namespace {

constexpr double MmPerInch = 25.4;
const QString BuiltInSource = u"built-in"_qs;
// The largest length the label settings take, as their range check has it.
constexpr double LongestMm = 2000;

int wholeMm(double mm)
{
    return int(std::nearbyint(std::clamp(mm, -1e6, 1e6))); // halves to even, as the settings are read
}

QString number(double mm)
{
    return QString::number(mm, 'f', 1);
}

/// The papers every catalogue knows, for template folders without a sizes file.
PaperSizes standardPapers()
{
    return {{u"A4"_qs, {u"A4"_qs, {210, 297}}},
            {u"US-Letter"_qs, {u"US Letter"_qs, {8.5 * MmPerInch, 11 * MmPerInch}}}};
}

/// Reads a template file or fails with the reason, which names the file.
QList<CatalogueSheet> readTemplateFile(const QString& path, const PaperSizes& papers)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(u"%1: %2"_qs.arg(QDir::toNativeSeparators(path), file.errorString()));
    return readTemplates(file, QDir::toNativeSeparators(path), papers);
}

[[noreturn]] void brokenFile(const QXmlStreamReader& xml, const QString& source)
{
    throw Error(u"%1, line %2: %3"_qs.arg(source).arg(xml.lineNumber()).arg(xml.errorString()));
}

QString attribute(const QXmlStreamReader& xml, QLatin1StringView name)
{
    return xml.attributes().value(name).toString();
}

double length(const QXmlStreamReader& xml, QLatin1StringView name)
{
    return templateLengthMm(attribute(xml, name));
}

/// What a template's label element says about its shape when the settings cannot print it.
QString shapeReason(QStringView element)
{
    if (element == u"Label-rectangle")
        return {};
    if (element == u"Label-round")
        return QCoreApplication::translate("print", "round labels");
    if (element == u"Label-ellipse")
        return QCoreApplication::translate("print", "oval labels");
    if (element == u"Label-cd")
        return QCoreApplication::translate("print", "CD or DVD labels");
    return QCoreApplication::translate("print", "labels of a shape other than a rectangle");
}

/// A sheet of the built-in list, in mm.
CatalogueSheet sheet(const char16_t* brand, const char16_t* part, const char16_t* description, bool letter,
                     double width, double height, int across, int down, double left, double top, double pitchX,
                     double pitchY)
{
    CatalogueSheet s;
    s.brand = QString::fromUtf16(brand);
    s.part = QString::fromUtf16(part);
    s.description = QString::fromUtf16(description);
    const PaperSize paper = standardPapers().value(letter ? u"US-Letter"_qs : u"A4"_qs);
    s.paper = paper.name;
    s.pageWidthMm = paper.sizeMm.width();
    s.pageHeightMm = paper.sizeMm.height();
    s.labelWidthMm = width;
    s.labelHeightMm = height;
    s.across = across;
    s.down = down;
    s.leftMarginMm = left;
    s.topMarginMm = top;
    s.pitchXMm = pitchX;
    s.pitchYMm = pitchY;
    return s;
}

constexpr double in(double inches)
{
    return inches * MmPerInch;
}

QString searchText(const CatalogueSheet& sheet)
{
    return sheet.brand + u' ' + sheet.part + u' ' + sheet.description + u' ' + sheet.paper;
}

} // namespace

LabelSheet labelSheetOf(const CatalogueSheet& sheet)
{
    LabelSheet s;
    s.pageWidthMm = wholeMm(sheet.pageWidthMm);
    s.pageHeightMm = wholeMm(sheet.pageHeightMm);
    s.leftMarginMm = wholeMm(sheet.leftMarginMm);
    s.topMarginMm = wholeMm(sheet.topMarginMm);
    s.labelWidthMm = wholeMm(sheet.labelWidthMm);
    s.labelHeightMm = wholeMm(sheet.labelHeightMm);
    // A single column or row has no neighbour: its pitch reaches the paper's edge, so the grid counts one.
    const int pitchX = sheet.across > 1 ? wholeMm(sheet.pitchXMm) : s.pageWidthMm - s.leftMarginMm;
    const int pitchY = sheet.down > 1 ? wholeMm(sheet.pitchYMm) : s.pageHeightMm - s.topMarginMm;
    s.horizontalGapMm = pitchX - s.labelWidthMm;
    s.verticalGapMm = pitchY - s.labelHeightMm;
    // The settings count a gap after every label, the last of a row too, and whole millimetres lose fractions: when
    // the paper's edge then cuts off the last label, or leaves room for one the sheet lacks, the page size (which
    // serves only this count) is the one that gives the sheet's labels.
    const LabelGrid grid = labelGrid(s);
    if (sheet.across > 1 && grid.columns != sheet.across && pitchX > 0)
        s.pageWidthMm = s.leftMarginMm + sheet.across * pitchX;
    if (sheet.down > 1 && grid.rows != sheet.down && pitchY > 0)
        s.pageHeightMm = s.topMarginMm + sheet.down * pitchY;
    return s;
}

QString unusableReason(const CatalogueSheet& sheet)
{
    const double values[] = {sheet.pageWidthMm,  sheet.pageHeightMm, sheet.labelWidthMm, sheet.labelHeightMm,
                             sheet.leftMarginMm, sheet.topMarginMm,  sheet.pitchXMm,     sheet.pitchYMm};
    if (std::any_of(std::begin(values), std::end(values), [](double v) { return !std::isfinite(v); }))
        return QCoreApplication::translate("print", "impossible dimensions: a size is missing or not a length");
    if (sheet.pageWidthMm <= 0 || sheet.pageHeightMm <= 0 || sheet.labelWidthMm <= 0 || sheet.labelHeightMm <= 0 ||
        sheet.across < 1 || sheet.down < 1)
        return QCoreApplication::translate("print", "impossible dimensions: a size or count of zero or less");
    if ((sheet.across > 1 && sheet.pitchXMm < sheet.labelWidthMm) ||
        (sheet.down > 1 && sheet.pitchYMm < sheet.labelHeightMm))
        return QCoreApplication::translate("print", "impossible dimensions: the labels overlap");
    constexpr double Tolerance = 0.5;
    const double right = sheet.leftMarginMm + (sheet.across - 1) * sheet.pitchXMm + sheet.labelWidthMm;
    const double bottom = sheet.topMarginMm + (sheet.down - 1) * sheet.pitchYMm + sheet.labelHeightMm;
    if (sheet.leftMarginMm < -Tolerance || sheet.topMarginMm < -Tolerance || right > sheet.pageWidthMm + Tolerance ||
        bottom > sheet.pageHeightMm + Tolerance)
        return QCoreApplication::translate("print", "impossible dimensions: the labels reach past the %1 × %2 mm paper")
            .arg(number(sheet.pageWidthMm), number(sheet.pageHeightMm));
    if (sheet.pageWidthMm > LongestMm || sheet.pageHeightMm > LongestMm)
        return QCoreApplication::translate("print", "paper longer than the label settings take (%1 mm)").arg(LongestMm);
    // The settings hold whole millimetres: a label that rounds to none would print nothing.
    if (wholeMm(sheet.labelWidthMm) < 1 || wholeMm(sheet.labelHeightMm) < 1)
        return QCoreApplication::translate("print", "impossible dimensions: labels smaller than a millimetre");
    const LabelGrid grid = labelGrid(labelSheetOf(sheet));
    if (grid.columns != sheet.across || grid.rows != sheet.down)
        return QCoreApplication::translate(
                   "print", "in whole millimetres the label settings would place %1 × %2 labels on it, not %3 × %4")
            .arg(grid.columns)
            .arg(grid.rows)
            .arg(sheet.across)
            .arg(sheet.down);
    return {};
}

double templateLengthMm(const QString& text)
{
    static const QRegularExpression shape(uR"(^\s*([-+]?(?:\d+\.?\d*|\.\d+))\s*(pt|in|mm|cm|pc)?\s*$)"_qs);
    const auto match = shape.match(text);
    if (!match.hasMatch())
        return std::numeric_limits<double>::quiet_NaN();
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    if (unit == u"in"_qs)
        return value * MmPerInch;
    if (unit == u"mm"_qs)
        return value;
    if (unit == u"cm"_qs)
        return value * 10;
    if (unit == u"pc"_qs)
        return value * MmPerInch / 6;
    return value * MmPerInch / 72; // points, the templates' unit when none is written
}

PaperSizes readPaperSizes(QIODevice& device, const QString& source)
{
    PaperSizes papers;
    QXmlStreamReader xml(&device);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"Paper-size")
            continue;
        const QString id = attribute(xml, "id"_L1);
        QString name = attribute(xml, "_name"_L1);
        if (name.isEmpty())
            name = attribute(xml, "name"_L1);
        papers.insert(id, {name.isEmpty() ? id : name, {length(xml, "width"_L1), length(xml, "height"_L1)}});
    }
    if (xml.hasError())
        brokenFile(xml, source);
    return papers;
}

QList<CatalogueSheet> readTemplates(QIODevice& device, const QString& source, const PaperSizes& papers)
{
    QList<CatalogueSheet> sheets;
    QXmlStreamReader xml(&device);
    CatalogueSheet current;
    bool inTemplate = false;
    int labels = 0;
    int layouts = 0;
    QString shape;
    const auto finish = [&] {
        if (current.sameAs.isEmpty()) {
            if (labels == 0)
                current.unusable = QCoreApplication::translate("print", "no label is described");
            else if (labels > 1)
                current.unusable = QCoreApplication::translate("print", "several kinds of label on one sheet");
            else if (!shape.isEmpty())
                current.unusable = shape;
            else if (layouts != 1)
                current.unusable = layouts == 0 ? QCoreApplication::translate("print", "no layout is described")
                                                : QCoreApplication::translate("print", "several layouts on one sheet");
            if (current.usable())
                current.unusable = unusableReason(current);
        }
        sheets << current;
        inTemplate = false;
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"Template" && inTemplate) {
            finish();
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        if (name == u"Template") {
            current = CatalogueSheet();
            inTemplate = true;
            labels = layouts = 0;
            shape.clear();
            current.brand = attribute(xml, "brand"_L1);
            current.part = attribute(xml, "part"_L1);
            current.description = attribute(xml, "_description"_L1);
            if (current.description.isEmpty())
                current.description = attribute(xml, "description"_L1);
            current.sameAs = attribute(xml, "equiv"_L1);
            const QString size = attribute(xml, "size"_L1);
            if (!current.sameAs.isEmpty() && size.isEmpty())
                continue;
            if (size == u"Other"_qs || size.isEmpty()) {
                current.paper = u"Other"_qs;
                current.pageWidthMm = length(xml, "width"_L1);
                current.pageHeightMm = length(xml, "height"_L1);
            } else if (papers.contains(size)) {
                const PaperSize& paper = papers[size];
                current.paper = paper.name;
                current.pageWidthMm = paper.sizeMm.width();
                current.pageHeightMm = paper.sizeMm.height();
            } else {
                current.paper = size;
                current.unusable = QCoreApplication::translate("print", "the paper size '%1' is unknown").arg(size);
            }
        } else if (inTemplate && name.startsWith(u"Label-")) {
            ++labels;
            shape = shapeReason(name);
            current.labelWidthMm = length(xml, "width"_L1);
            current.labelHeightMm = length(xml, "height"_L1);
        } else if (inTemplate && name == u"Layout") {
            ++layouts;
            current.across = attribute(xml, "nx"_L1).toInt();
            current.down = attribute(xml, "ny"_L1).toInt();
            current.leftMarginMm = length(xml, "x0"_L1);
            current.topMarginMm = length(xml, "y0"_L1);
            // A single label across or down needs no pitch, and templates often leave it out.
            const QString dx = attribute(xml, "dx"_L1);
            const QString dy = attribute(xml, "dy"_L1);
            current.pitchXMm = dx.isEmpty() ? 0 : templateLengthMm(dx);
            current.pitchYMm = dy.isEmpty() ? 0 : templateLengthMm(dy);
        }
    }
    if (xml.hasError())
        brokenFile(xml, source);
    return sheets;
}

QString SheetCatalogue::systemTemplateFolder()
{
    const QString folder = qEnvironmentVariable("CORVELLA_LABEL_TEMPLATES");
    return folder.isEmpty() ? u"/usr/share/libglabels-3.0/templates"_qs : folder;
}

SheetCatalogue SheetCatalogue::load(const QString& folder)
{
    const QDir dir(folder);
    const QStringList files = dir.entryList({u"*-templates.xml"_qs}, QDir::Files | QDir::Hidden, QDir::Name);
    if (files.isEmpty())
        return builtIn();
    SheetCatalogue catalogue;
    PaperSizes papers = standardPapers();
    QFile sizes(dir.filePath(u"paper-sizes.xml"_qs));
    if (sizes.exists()) {
        try {
            if (!sizes.open(QIODevice::ReadOnly))
                throw Error(u"%1: %2"_qs.arg(QDir::toNativeSeparators(sizes.fileName()), sizes.errorString()));
            papers.insert(readPaperSizes(sizes, QDir::toNativeSeparators(sizes.fileName())));
        } catch (const Error& error) {
            catalogue.m_problems << error.message();
        }
    }
    for (const QString& name : files) {
        try {
            catalogue.m_sheets << readTemplateFile(dir.filePath(name), papers);
        } catch (const Error& error) {
            catalogue.m_problems << error.message();
        }
    }
    catalogue.m_fromTemplates = true;
    catalogue.resolveSameSheets();
    return catalogue;
}

void SheetCatalogue::resolveSameSheets()
{
    QHash<QString, qsizetype> byCode;
    for (qsizetype i = 0; i < m_sheets.size(); ++i)
        if (m_sheets.at(i).sameAs.isEmpty())
            byCode.insert(m_sheets.at(i).code().toCaseFolded(), i);
    for (CatalogueSheet& sheet : m_sheets) {
        if (sheet.sameAs.isEmpty())
            continue;
        const QString code = sheet.brand + u' ' + sheet.sameAs;
        const auto found = byCode.constFind(code.toCaseFolded());
        if (found == byCode.cend()) {
            sheet.unusable =
                QCoreApplication::translate("print", "it is given as the same as %1, which no template describes")
                    .arg(code);
            continue;
        }
        CatalogueSheet same = m_sheets.at(*found);
        same.brand = sheet.brand;
        same.part = sheet.part;
        if (!sheet.description.isEmpty())
            same.description = sheet.description;
        same.sameAs = sheet.sameAs;
        sheet = same;
    }
    std::stable_sort(m_sheets.begin(), m_sheets.end(), [](const CatalogueSheet& a, const CatalogueSheet& b) {
        const int brand = QString::compare(a.brand, b.brand, Qt::CaseInsensitive);
        return brand != 0 ? brand < 0 : QString::compare(a.part, b.part, Qt::CaseInsensitive) < 0;
    });
}

SheetCatalogue SheetCatalogue::builtIn()
{
    const bool A4 = false;
    const bool Letter = true;
    SheetCatalogue catalogue;
    catalogue.m_sheets = {
        sheet(u"Avery", u"L7159", u"Address labels 63.5 x 33.9 mm", A4, 63.5, 33.9, 3, 8, 6.5, 12.9, 66.0, 33.9),
        sheet(u"Avery", u"L7160", u"Address labels 63.5 x 38.1 mm", A4, 63.5, 38.1, 3, 7, 7.2, 15.1, 66.0, 38.1),
        sheet(u"Avery", u"L7161", u"Address labels 63.5 x 46.6 mm", A4, 63.5, 46.6, 3, 6, 7.2, 8.7, 66.0, 46.6),
        sheet(u"Avery", u"L7162", u"Address labels 99.1 x 33.9 mm", A4, 99.1, 33.9, 2, 8, 4.6, 12.9, 101.6, 33.9),
        sheet(u"Avery", u"L7163", u"Address labels 99.1 x 38.1 mm", A4, 99.1, 38.1, 2, 7, 4.6, 15.1, 101.6, 38.1),
        sheet(u"Avery", u"L7165", u"Parcel labels 99.1 x 67.7 mm", A4, 99.1, 67.7, 2, 4, 4.6, 13.0, 101.6, 67.7),
        sheet(u"Avery", u"L7166", u"Parcel labels 99.1 x 93.1 mm", A4, 99.1, 93.1, 2, 3, 4.6, 8.8, 101.6, 93.1),
        sheet(u"Avery", u"L7169", u"Parcel labels 99.1 x 139 mm", A4, 99.1, 139.0, 2, 2, 4.6, 9.5, 101.6, 139.0),
        sheet(u"Avery", u"L7173", u"Parcel labels 99.1 x 57 mm", A4, 99.1, 57.0, 2, 5, 4.6, 6.0, 101.6, 57.0),
        sheet(u"Avery", u"L7651", u"Mini address labels 38.1 x 21.2 mm", A4, 38.1, 21.2, 5, 13, 4.7, 10.7, 40.6, 21.2),
        sheet(u"Zweckform", u"3474", u"Address labels 70 x 37 mm", A4, 70, 37, 3, 8, 0, 0.5, 70, 37),
        sheet(u"Zweckform", u"3475", u"Address labels 70 x 36 mm", A4, 70, 36, 3, 8, 0, 4.5, 70, 36),
        sheet(u"Zweckform", u"3477", u"Address labels 105 x 41 mm", A4, 105, 41, 2, 7, 0, 5, 105, 41),
        sheet(u"Zweckform", u"3425", u"Address labels 105 x 57 mm", A4, 105, 57, 2, 5, 0, 6, 105, 57),
        sheet(u"Zweckform", u"3427", u"Address labels 105 x 74 mm", A4, 105, 74, 2, 4, 0, 0.5, 105, 74),
        sheet(u"Herma", u"4457", u"Address labels 105 x 48 mm", A4, 105, 48, 2, 6, 0, 5.5, 105, 48),
        sheet(u"Herma", u"4452", u"Address labels 105 x 42.3 mm", A4, 105, 42.3, 2, 7, 0, 0.4, 105, 42.3),
        sheet(u"Avery", u"5160", u"Address labels 1 x 2 5/8 in", Letter, in(2.625), in(1), 3, 10, in(0.1875), in(0.5),
              in(2.75), in(1)),
        sheet(u"Avery", u"5161", u"Address labels 1 x 4 in", Letter, in(4), in(1), 2, 10, in(0.15625), in(0.5),
              in(4.1875), in(1)),
        sheet(u"Avery", u"5162", u"Address labels 1 1/3 x 4 in", Letter, in(4), in(4.0 / 3), 2, 7, in(0.15625),
              in(0.8333), in(4.1875), in(4.0 / 3)),
        sheet(u"Avery", u"5163", u"Shipping labels 2 x 4 in", Letter, in(4), in(2), 2, 5, in(0.15625), in(0.5),
              in(4.1875), in(2)),
        sheet(u"Avery", u"5164", u"Shipping labels 3 1/3 x 4 in", Letter, in(4), in(10.0 / 3), 2, 3, in(0.15625),
              in(0.5), in(4.1875), in(10.0 / 3)),
        sheet(u"Avery", u"5167", u"Return address labels 1/2 x 1 3/4 in", Letter, in(1.75), in(0.5), 4, 20, in(0.28125),
              in(0.5), in(2.0625), in(0.5)),
        sheet(u"Avery", u"5168", u"Shipping labels 3 1/2 x 5 in", Letter, in(3.5), in(5), 2, 2, in(0.5), in(0.5), in(4),
              in(5)),
        sheet(u"Avery", u"8160", u"Inkjet address labels 1 x 2 5/8 in", Letter, in(2.625), in(1), 3, 10, in(0.1875),
              in(0.5), in(2.75), in(1)),
        sheet(u"Avery", u"8163", u"Inkjet shipping labels 2 x 4 in", Letter, in(4), in(2), 2, 5, in(0.15625), in(0.5),
              in(4.1875), in(2)),
    };
    for (CatalogueSheet& s : catalogue.m_sheets)
        s.unusable = unusableReason(s);
    return catalogue;
}

QList<qsizetype> SheetCatalogue::search(const QString& text) const
{
    const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
    QList<qsizetype> found;
    for (qsizetype i = 0; i < m_sheets.size(); ++i) {
        const QString haystack = searchText(m_sheets.at(i));
        if (std::all_of(words.cbegin(), words.cend(),
                        [&](const QString& word) { return haystack.contains(word, Qt::CaseInsensitive); }))
            found << i;
    }
    return found;
}

const CatalogueSheet* SheetCatalogue::find(const QString& code) const
{
    const QString wanted = code.simplified();
    for (const CatalogueSheet& sheet : m_sheets)
        if (sheet.code().simplified().compare(wanted, Qt::CaseInsensitive) == 0)
            return &sheet;
    return nullptr;
}

const CatalogueSheet& SheetCatalogue::require(const QString& code) const
{
    const CatalogueSheet* sheet = find(code);
    if (!sheet) {
        QString message =
            QCoreApplication::translate(
                "print", "No label sheet is called '%1'. Give the brand and the product code, e.g. \"Avery "
                         "L7160\".")
                .arg(code.simplified());
        if (!m_problems.isEmpty())
            message += QCoreApplication::translate("print", " These template files could not be read: ") +
                       m_problems.join(u"; "_qs) + u'.';
        throw Error(message);
    }
    if (!sheet->usable())
        throw Error(
            QCoreApplication::translate("print", "The label sheet %1 cannot be printed with the label settings: %2.")
                .arg(sheet->code(), sheet->unusable));
    return *sheet;
}

} // namespace corvella::print
