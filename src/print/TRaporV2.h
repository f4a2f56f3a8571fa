#pragma once

#include "LabelLayout.h"
#include "store/DataSet.h"

#include <memory>

namespace corvella::print {

class Tgenel;

/// The label engine: a query over the listed contacts (the list's own statement, run again) that prints one label
/// per row on sheets laid out by its geometry, with its field and text elements. Each run replaces geometry,
/// elements and statement; they are kept between runs.
class TRaporV2 : public store::QueryDataSet {
    Q_OBJECT
public:
    static constexpr int MaxElements = 50;

    explicit TRaporV2(QObject* parent = nullptr);

    /// The print helpers the labels are drawn through.
    void setPrinter(Tgenel* printer) { m_printer = printer; }

    const LabelSheet& sheet() const { return m_sheet; }
    void setSheet(const LabelSheet& sheet) { m_sheet = sheet; }
    /// The first label used on the first sheet, from 1 at the top left; later sheets start at their first.
    int firstLabel() const { return m_firstLabel; }
    void setFirstLabel(int label) { m_firstLabel = label; }

    /// Appends an element; a list holds at most `MaxElements`, and a further one is refused with an error.
    void AddFieldElement(int x, int y, const QString& column, const QString& fontName, int fontSize, int colour);
    void AddTextElement(int x, int y, const QString& text, const QString& fontName, int fontSize, int colour);
    void clearFieldElements() { m_fields.clear(); }
    void clearTextElements() { m_texts.clear(); }
    const QList<LabelElement>& fieldElements() const { return m_fields; }
    const QList<LabelElement>& textElements() const { return m_texts; }

    /// Runs the statement and prints every row as one label. Its rows must carry the contact's record number `No`,
    /// through which the label's contact columns are read, in the statement's order. Settings that fit no label
    /// and a first label off the sheet stop the run before the statement runs. `progress` follows the sheets printed
    /// and may stop the run. Returns the file the job was saved to, if any.
    QString PrintLabels(const PageProgress& progress = {});

    /// Runs the statement and keeps its rows open, to be read a page at a time (as a preview does) until the engine
    /// closes. Checks what `PrintLabels` checks before it runs.
    std::unique_ptr<LabelRowsAt> openPages();

protected:
    QString openSource(QSqlDatabase db) override;

private:
    Tgenel* m_printer = nullptr;
    LabelSheet m_sheet;
    int m_firstLabel = 1;
    QList<LabelElement> m_fields;
    QList<LabelElement> m_texts;
    QString m_result; // the table holding the statement's rows, in their order
};

} // namespace corvella::print
