#pragma once

#include "Printout.h"
#include "SettingsRange.h"
#include "TextFit.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QVariant>

namespace corvella::print {

class Tgenel;

/// A sheet of labels, in whole millimetres.
struct LabelSheet {
    int pageWidthMm = 0;
    int pageHeightMm = 0;
    int leftMarginMm = 0;
    int topMarginMm = 0;
    int labelWidthMm = 0;
    int labelHeightMm = 0;
    int horizontalGapMm = 0;
    int verticalGapMm = 0;

    friend bool operator==(const LabelSheet&, const LabelSheet&) = default;
};

/// How many labels a sheet holds across and down.
struct LabelGrid {
    int columns = 0;
    int rows = 0;

    qint64 perPage() const { return qint64(columns) * rows; }
    friend bool operator==(const LabelGrid&, const LabelGrid&) = default;
};

/// Where one label of the run goes: its page (from 0), its place on that page and its top-left corner in mm.
struct LabelSlot {
    qint64 page = 0;
    qint64 slot = 0;
    QPoint cornerMm;
};

/// Labels across: Trunc((page width − left margin) ÷ (label width + horizontal gap)), and the same down. A pitch of
/// 0 or less holds no label.
LabelGrid labelGrid(const LabelSheet& sheet);

/// The grid of a sheet that holds at least one label; raises a message naming the axis otherwise, so that a run can
/// stop before its job starts.
LabelGrid requireLabelGrid(const LabelSheet& sheet);

/// The place of the label for row `index` (from 0): sheets fill left to right, then row by row downwards. With a
/// first label after 1, the first sheet's labels before it stay blank and every later sheet starts at its first.
LabelSlot labelSlot(const LabelSheet& sheet, const LabelGrid& grid, qint64 index, int firstLabel = 1);

/// Refuses a first label that is not on the sheet, naming the labels it holds.
void requireFirstLabel(const LabelGrid& grid, int firstLabel);

/// One thing printed on every label: a contact column (field element) or a fixed text (text element), in its font
/// and colour, offset from the label's top-left corner.
struct LabelElement {
    int xMm = 0;
    int yMm = 0;
    QString text; // the column name of a field element, the printed text of a text element
    QString fontName;
    int fontSize = 0;
    int colour = 0;

    friend bool operator==(const LabelElement&, const LabelElement&) = default;
};

/// The name and company questions of the label dialog.
enum class LabelNameChoice { ContactPerson, Owner, None };
enum class LabelCompanyChoice { Print, Omit };

struct LabelElements {
    QList<LabelElement> fields;
    QList<LabelElement> texts;
};

/// The sheet geometry stored in the settings row, each value rounded to whole millimetres (halves to even). A value
/// out of its range raises a message naming the field.
LabelSheet labelSheetFromSettings(const SettingsReader& settings);

/// The label's elements, in drawing order, from the settings row and the dialog's choices. An empty colour takes
/// the colour of the nearest element before it that has one, else black; a colour text that is not a colour raises
/// "'%s' is not a valid integer value"; a size or place out of its range a message naming the field.
LabelElements labelElementsFromSettings(const SettingsReader& settings, LabelNameChoice name,
                                        LabelCompanyChoice company);

/// What a label prints of one contact.
struct LabelContact {
    QString name; // first and last name joined by one blank
    QString company;
    QString address1;
    QString address2;
    QString city;
    QString postalCode;
};

/// The text a field element's column gives for a contact: "Firma_Yetkilisi" and "Sahibi" the name, "Firma Adı" the
/// company, "Firma_Adresi1" and "Firma_Adresi2" the address lines, "İl" the city, "Posta Kodu" the postal code;
/// "İlçe" and "Ülke" have no contact column and give an empty text. Any other name raises "Field '%s' not found".
QString labelColumnText(const LabelContact& contact, const QString& column);

/// The listed contacts in list order, read once from the first.
class LabelRows {
public:
    virtual ~LabelRows() = default;
    /// How many contacts there are to read, for the run's page count.
    virtual qint64 count() = 0;
    /// Reads the next contact; false after the last.
    virtual bool next(LabelContact& contact) = 0;
};

/// How a label run goes beyond its sheet and elements.
struct LabelRunOptions {
    /// The first label used on the first sheet, from 1 at the top left, across then down.
    int firstLabel = 1;
    /// Measures texts for the fit to the label's right edge; empty for the fonts themselves.
    TextWidthMm textWidth;
    /// Told of the sheets printed (`printLabels` only).
    PageProgress progress;
};

/// How many sheets `contacts` labels fill from label `firstLabel` on: at least one, which a list without contacts
/// prints empty.
qint64 labelPageCount(const LabelGrid& grid, qint64 contacts, int firstLabel);

/// The listed contacts reached by their place in the list, for a printout drawn a page at a time.
class LabelRowsAt {
public:
    virtual ~LabelRowsAt() = default;
    virtual qint64 count() = 0;
    /// The contacts from place `first` (from 0) on, at most `count` of them, in list order.
    virtual QList<LabelContact> read(qint64 first, qint64 count) = 0;
};

/// The labels as a printout: any sheet drawn on its own, from the contacts it holds. It prints as the printer
/// stands; a list without contacts is one empty page.
class LabelPrintout : public Printout {
public:
    /// Settings that fit no label, a first label off the sheet and unknown columns are refused here, before anything
    /// is drawn.
    LabelPrintout(const LabelSheet& sheet, QList<LabelElement> fields, QList<LabelElement> texts, LabelRowsAt& rows,
                  LabelRunOptions options = {});

    QString jobName() const override;
    std::optional<Orientation> orientation() const override;
    qint64 pageCount(const Tgenel& printer) override;
    void drawPage(Tgenel& printer, qint64 page) override;

private:
    LabelSheet m_sheet;
    LabelGrid m_grid;
    QList<LabelElement> m_fields;
    QList<int> m_columns; // what each field element prints of a contact
    QList<LabelElement> m_texts;
    LabelRowsAt& m_rows;
    LabelRunOptions m_options;
};

/// Prints one label per contact. Settings that fit no label, a first label off the sheet and unknown columns stop
/// the run before the job starts; an error part-way, or the progress asking to stop, drops the job before it goes on.
/// Empty texts are not drawn; a text that would run past its label's right edge is drawn smaller or cut (`fitText`).
/// Returns the file the job was saved to, if any.
QString printLabels(Tgenel& printer, const LabelSheet& sheet, const QList<LabelElement>& fields,
                    const QList<LabelElement>& texts, LabelRows& rows, const LabelRunOptions& options = {});

} // namespace corvella::print
