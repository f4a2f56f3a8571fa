#pragma once

#include "store/DataSet.h"

#include <QFont>
#include <QWidget>

#include <functional>
#include <memory>

namespace corvella::print {

class Tgenel;

/// The print settings window: edits the single settings row (fonts, label sheet, line height, printer kind) through
/// its own view of it and runs the two printer measuring procedures. Created once, then only shown and hidden;
/// close requests are refused.
class Tfrmyazdirmaayarlari : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmyazdirmaayarlari(QWidget* parent = nullptr);
    ~Tfrmyazdirmaayarlari() override;

    /// The window's view of the settings row; report printing reads it, unsaved changes included.
    store::TableDataSet* table() const { return m_settings; }

    /// The print helpers the printer ratio test prints through; until set, the window uses helpers of its own.
    void setPrinter(Tgenel* printer) { m_printer = printer; }
    /// What "Advanced &Label Settings" opens after it has saved the row.
    void setAdvancedLabelSettingsAction(std::function<void()> action) { m_advancedLabelSettings = std::move(action); }
    /// The companion program of the label printer test, and the folder it signals in.
    void setTestPrintProgram(const QString& path) { m_testPrintProgram = path; }
    void setSignalFolder(const QString& folder) { m_signalFolder = folder; }
    const QString& testPrintProgram() const { return m_testPrintProgram; }
    const QString& signalFolder() const { return m_signalFolder; }

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn8Click();
    void BitBtn9Click();
    /// Fills the label sheet values (page, margins, labels, gaps, labels in a row) from a sheet chosen by its
    /// product code; nothing is saved yet.
    void chooseSheetClick();
    /// Where the sheet choice looks for label templates; the system's folder until set.
    void setTemplateFolder(const QString& folder) { m_templateFolder = folder; }

    /// Runs the label printer test program and waits for its signal: true once it signalled, false when the user
    /// stopped waiting.
    bool runTestPrint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void FormCreate();
    void chooseFont(const QString& nameColumn, const QString& sizeColumn);
    void tellSavedPrintout(const QString& filePath);
    Tgenel& printer();

    store::TableDataSet* m_settings; // "Table1"
    QFont m_dialogFont;
    Tgenel* m_printer = nullptr;
    std::unique_ptr<Tgenel> m_ownPrinter;
    std::function<void()> m_advancedLabelSettings;
    QString m_testPrintProgram;
    QString m_signalFolder;
    QString m_templateFolder;
    bool m_testPrintRunning = false;
    bool m_applicationQuitting = false;
};

} // namespace corvella::print
