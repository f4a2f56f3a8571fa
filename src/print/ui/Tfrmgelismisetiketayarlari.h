#pragma once

#include "store/Columns.h"

#include <QDialog>
#include <QFont>

class QLabel;

namespace corvella::store {
class TableDataSet;
}

namespace corvella::ui {
class RadioGroup;
}

namespace corvella::print {

/// The advanced label settings window: edits the page, the label sheet and every label element's font, colour and
/// position in its own view of the settings row, with a sample of any element's stored font. Made anew for each
/// opening and shown modally.
class Tfrmgelismisetiketayarlari : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmgelismisetiketayarlari(QWidget* parent = nullptr);

    store::TableDataSet* table() const { return m_settings; }
    QLabel* sample() const { return m_sample; }
    ui::RadioGroup* sampleGroup() const { return m_sampleGroup; }

    /// Font choice for one element: Name, Address, City, District, Country, Company, Postal Code.
    void BitBtn2Click();
    void BitBtn1Click();
    void BitBtn8Click();
    void BitBtn7Click();
    void BitBtn9Click();
    void BitBtn10Click();
    void BitBtn11Click();
    void RadioGroup1Click();
    void BitBtn3Click();
    void BitBtn4Click();

    /// Esc and a close request from the system discard the changes, as Cancel does.
    void reject() override;

private:
    void buildUi();
    void FormCreate();
    void chooseFont(store::settings::LabelPart part);

    store::TableDataSet* m_settings;         // "Table1"
    ui::RadioGroup* m_sampleGroup = nullptr; // "RadioGroup1"
    QLabel* m_sample = nullptr;              // "Label15"
    QFont m_dialogFont;
    int m_dialogColour;
};

} // namespace corvella::print
