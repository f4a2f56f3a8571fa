#include "ContactTransfer.h"

#include "ColumnMappingDialog.h"
#include "ImportOptionsDialog.h"
#include "ImportReportDialog.h"
#include "exchange/ContactImport.h"
#include "store/Connection.h"
#include "ui/Dialogs.h"
#include "ui/ModalDialog.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSaveFile>
#include <QSqlQuery>

#include <QCoreApplication>
#include <algorithm>
#include <memory>

namespace corvella::exchange {

namespace {

/// A progress window over a run that reports the fraction done; Cancel makes the run's callback answer false.
/// It is modal from the start, so nothing else in the program acts on the file while the run lets events through.
class ProgressWindow {
public:
    ProgressWindow(QWidget* parent, const QString& title, const QString& countText)
        : m_dialog(title, QCoreApplication::translate("ContactTransfer", "&Cancel"), 0, 1000, parent)
        , m_countText(countText)
    {
        m_dialog.setObjectName(u"transferProgress"_qs);
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setAutoReset(false);
        m_dialog.setAutoClose(false);
        m_dialog.setMinimumDuration(0);
        m_dialog.show();
        QCoreApplication::processEvents();
    }

    /// The rows to come when the run itself cannot tell the fraction done.
    void setTotal(qint64 rows) { m_total = rows; }
    void close() { m_dialog.close(); }

    ImportProgress callback()
    {
        return [this](qint64 rows, double fraction) {
            if (m_total > 0)
                fraction = double(rows) / double(m_total);
            m_dialog.setLabelText(m_countText.arg(rows));
            m_dialog.setValue(int(std::clamp(fraction, 0.0, 1.0) * 1000));
            QCoreApplication::processEvents();
            return !m_dialog.wasCanceled();
        };
    }
    bool cancelled() const { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
    QString m_countText;
    qint64 m_total = 0;
};

bool isVCardFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"vcf"_qs || suffix == u"vcard"_qs;
}

QString layoutName(CsvLayout layout)
{
    switch (layout) {
    case CsvLayout::Corvella:
        return QCoreApplication::translate("ContactTransfer", "a Corvella export");
    case CsvLayout::Google:
        return QCoreApplication::translate("ContactTransfer", "a Google Contacts export");
    case CsvLayout::Outlook:
        return QCoreApplication::translate("ContactTransfer", "an Outlook export");
    case CsvLayout::Unknown:
        break;
    }
    return QCoreApplication::translate("ContactTransfer", "CSV with the columns you chose");
}

QString describe(const CsvContactSource& source)
{
    const ColumnMap& map = source.columnMap();
    const qsizetype used = source.heading().size() - map.contactColumnOf.count(QString());
    const QChar delimiter = source.delimiter();
    const QString separator =
        delimiter == u'\t' ? QCoreApplication::translate("ContactTransfer", "tab") : u"'"_qs + delimiter + u'\'';
    return QCoreApplication::translate("ContactTransfer",
                                       "Read as %1: %2 of its %3 columns are imported (%4, separated by %5).")
        .arg(layoutName(map.layout), QString::number(used + map.phoneTypeAndValue.size()),
             QString::number(source.heading().size()), encodingName(source.encoding()), separator);
}

} // namespace

bool importContactFile(QWidget* parent, const QString& connectionString)
{
    const QString path = ui::chooseFileToOpen(
        parent, QCoreApplication::translate("ContactTransfer", "Import Contacts"),
        QCoreApplication::translate(
            "ContactTransfer",
            "Contact files (*.csv *.txt *.vcf *.vcard);;CSV files (*.csv *.txt);;vCard files (*.vcf *.vcard);;"
            "All files (*)"));
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            QCoreApplication::translate("ContactTransfer", "Cannot open '%1': %2").arg(path, file.errorString()));

    std::unique_ptr<ContactSource> source;
    QString description;
    if (isVCardFile(path)) {
        source = std::make_unique<VCardContactSource>(file, path);
        description = QCoreApplication::translate("ContactTransfer", "Read as a vCard file.");
    } else {
        auto csv = std::make_unique<CsvContactSource>(file, path);
        if (csv->columnMap().layout == CsvLayout::Unknown) {
            ColumnMappingDialog mapping(path, csv->heading(), csv->previewRecords(), csv->columnMap(), parent);
            if (ui::execModal(mapping) != QDialog::Accepted)
                return false;
            csv->setColumnMap(mapping.columnMap());
        }
        description = describe(*csv);
        source = std::move(csv);
    }
    ImportOptionsDialog options(path, description, parent);
    if (ui::execModal(options) != QDialog::Accepted)
        return false;

    ImportReport report;
    try {
        store::Connection connection(connectionString);
        ProgressWindow progress(parent, QCoreApplication::translate("ContactTransfer", "Importing contacts"),
                                QCoreApplication::translate("ContactTransfer", "%1 contacts read"));
        report = importContacts(connection.database(), *source, options.policy(), progress.callback());
    } catch (const ParseError& error) {
        throw Error(error.message() +
                    QCoreApplication::translate("ContactTransfer",
                                                "\n\nNo contact was imported; the contact file is unchanged."));
    }
    if (report.cancelled) {
        ui::showMessage(parent, QCoreApplication::translate(
                                    "ContactTransfer", "The import was cancelled; the contact file is unchanged."));
        return false;
    }
    ImportReportDialog shown(report, parent);
    ui::execModal(shown);
    return report.added + report.updated > 0;
}

void exportContacts(QWidget* parent, const QString& connectionString, const QString& sql, const QString& title,
                    std::optional<ExportFormat> format)
{
    ExportDialog dialog(title, format, parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return;
    const QString path = dialog.filePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(
            QCoreApplication::translate("ContactTransfer", "Cannot write '%1': %2").arg(path, file.errorString()));

    store::Connection connection(connectionString);
    const QSqlDatabase db = connection.database();
    ProgressWindow progress(parent, title, QCoreApplication::translate("ContactTransfer", "%1 contacts written"));
    qint64 written = 0;
    try {
        {
            QSqlQuery count = store::runQuery(db, u"SELECT count(*) FROM ("_qs + sql + u')');
            progress.setTotal(count.next() ? count.value(0).toLongLong() : 0);
        }
        written = dialog.format() == ExportFormat::Csv
                      ? exportCsv(db, sql, file, path, dialog.byteOrderMark(), progress.callback())
                      : exportVCards(db, sql, file, path, progress.callback());
    } catch (const Error&) {
        file.cancelWriting();
        if (!progress.cancelled())
            throw;
        // The export stops a cancelled run with an error; here it is the user's choice, not a failure.
        progress.close();
        ui::showMessage(
            parent, QCoreApplication::translate("ContactTransfer", "The export was cancelled; no file was written."));
        return;
    }
    progress.close();
    if (!file.commit())
        throw Error(
            QCoreApplication::translate("ContactTransfer", "Cannot write '%1': %2").arg(path, file.errorString()));
    ui::showMessage(parent, QCoreApplication::translate("ContactTransfer", "%1 contacts written to '%2'.")
                                .arg(QString::number(written), path));
}

} // namespace corvella::exchange
