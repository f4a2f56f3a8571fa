#pragma once

#include "LabelLayout.h"

#include <QHash>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QIODevice;

namespace corvella::print {

/// A sheet of labels as its maker describes it, in millimetres.
struct CatalogueSheet {
    QString brand;
    QString part;
    QString description;
    QString paper; // the paper's name, e.g. "A4", "US Letter"
    double pageWidthMm = 0;
    double pageHeightMm = 0;
    double labelWidthMm = 0;
    double labelHeightMm = 0;
    double leftMarginMm = 0;
    double topMarginMm = 0;
    double pitchXMm = 0; // from one label's left edge to the next one's
    double pitchYMm = 0;
    int across = 0;
    int down = 0;
    QString sameAs;   // the part of the same brand whose sheet this one is
    QString unusable; // why the label settings cannot print this sheet; empty when they can

    /// "BRAND PART", as the user names it.
    QString code() const { return brand + u' ' + part; }
    bool usable() const { return unusable.isEmpty(); }
};

/// The label settings for a sheet, in whole millimetres: the pitch is kept whole, so the gap is the rounded pitch
/// less the rounded label size and rounding errors do not add up across the sheet.
LabelSheet labelSheetOf(const CatalogueSheet& sheet);

/// Says why the settings cannot print a sheet (shaped labels and several layouts are refused as they are read),
/// or nothing: impossible dimensions, or a grid the settings' whole millimetres do not reproduce.
QString unusableReason(const CatalogueSheet& sheet);

/// Paper sizes by their template name ("A4", "US-Letter"), with the name shown for them.
struct PaperSize {
    QString name;
    QSizeF sizeMm;
};
using PaperSizes = QHash<QString, PaperSize>;

/// A length of the templates ("2.625in", "5mm", "12pt"; points when no unit) in mm; NaN when it is no length.
double templateLengthMm(const QString& text);

/// Reads a paper sizes file; raises a message naming `source` when it is not well formed.
PaperSizes readPaperSizes(QIODevice& device, const QString& source);
/// Reads the sheets of one template file; raises a message naming `source` and the line when it is not well formed,
/// so that a broken file gives no sheets at all. Sheets that are the same as another keep it in `sameAs` until
/// the catalogue resolves them.
QList<CatalogueSheet> readTemplates(QIODevice& device, const QString& source, const PaperSizes& papers);

/// Every sheet the program knows: the label templates of the system (the glabels-data package) when installed, or
/// a built-in list of common A4 and US Letter address-label sheets.
class SheetCatalogue {
public:
    /// Where the system's templates are looked for.
    static QString systemTemplateFolder();

    /// The templates of `folder`; a file that cannot be read or is broken is left out and named in `problems`. With
    /// no template file in the folder, the built-in list.
    static SheetCatalogue load(const QString& folder = systemTemplateFolder());
    static SheetCatalogue builtIn();

    const QList<CatalogueSheet>& sheets() const { return m_sheets; }
    /// One line per template file left out, naming it and why.
    const QStringList& problems() const { return m_problems; }
    /// False for the built-in list.
    bool fromTemplates() const { return m_fromTemplates; }

    /// The sheets whose brand, part or description hold every word of `text`, without regard to case.
    QList<qsizetype> search(const QString& text) const;
    /// The sheet named "BRAND PART" (brand and part without regard to case), or null.
    const CatalogueSheet* find(const QString& code) const;
    /// The sheet named "BRAND PART" when the settings can print it; raises a message saying why not otherwise.
    const CatalogueSheet& require(const QString& code) const;

private:
    void resolveSameSheets();

    QList<CatalogueSheet> m_sheets;
    QStringList m_problems;
    bool m_fromTemplates = false;
};

} // namespace corvella::print
