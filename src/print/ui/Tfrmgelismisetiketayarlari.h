#pragma once

#include <QDialog>
#include <QFont>

class QLabel;
class QPushButton;

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

    store::TableDataSet* table() const { return Table1; }
    QLabel* sample() const { return Label15; }
    ui::RadioGroup* sampleGroup() const { return RadioGroup1; }

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildUi();
    void FormCreate();
    void chooseFont(const QString& prefix);

    store::TableDataSet* Table1;
    ui::RadioGroup* RadioGroup1 = nullptr;
    QLabel* Label15 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QFont m_dialogFont;
    int m_dialogColour;
    bool m_centred = false;
};

} // namespace corvella::print
