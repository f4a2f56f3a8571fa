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

#include <algorithm>
#include <memory>

namespace corvella::exchange {

namespace {

/// A progress window over a run that reports the fraction done; Cancel makes the run's callback answer false.
/// It is modal from the start, so nothing else in the program acts on the file while the run lets events through.
class ProgressWindow {
public:
    ProgressWindow(QWidget* parent, const QString& title, const QString& countText)
        : m_dialog(title, u"&Cancel"_qs, 0, 1000, parent)
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
        return u"a Corvella export"_qs;
    case CsvLayout::Google:
        return u"a Google Contacts export"_qs;
    case CsvLayout::Outlook:
        return u"an Outlook export"_qs;
    case CsvLayout::Unknown:
        break;
    }
    return u"CSV with the columns you chose"_qs;
}

QString describe(const CsvContactSource& source)
{
    const ColumnMap& map = source.columnMap();
    const qsizetype used = source.heading().size() - map.contactColumnOf.count(QString());
    const QChar delimiter = source.delimiter();
    const QString separator = delimiter == u'\t' ? u"tab"_qs : u"'"_qs + delimiter + u'\'';
    return u"Read as %1: %2 of its %3 columns are imported (%4, separated by %5)."_qs.arg(
        layoutName(map.layout), QString::number(used + map.phoneTypeAndValue.size()),
        QString::number(source.heading().size()), encodingName(source.encoding()), separator);
}

} // namespace

bool importContactFile(QWidget* parent, const QString& connectionString)
{
    const QString path = ui::chooseFileToOpen(
        parent, u"Import Contacts"_qs,
        u"Contact files (*.csv *.txt *.vcf *.vcard);;CSV files (*.csv *.txt);;vCard files (*.vcf *.vcard);;"
        "All files (*)"_qs);
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(u"Cannot open '%1': %2"_qs.arg(path, file.errorString()));

    std::unique_ptr<ContactSource> source;
    QString description;
    if (isVCardFile(path)) {
        source = std::make_unique<VCardContactSource>(file, path);
        description = u"Read as a vCard file."_qs;
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
        ProgressWindow progress(parent, u"Importing contacts"_qs, u"%1 contacts read"_qs);
        report = importContacts(connection.database(), *source, options.policy(), progress.callback());
    } catch (const ParseError& error) {
        throw Error(error.message() + u"\n\nNo contact was imported; the contact file is unchanged."_qs);
    }
    if (report.cancelled) {
        ui::showMessage(parent, u"The import was cancelled; the contact file is unchanged."_qs);
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
        throw Error(u"Cannot write '%1': %2"_qs.arg(path, file.errorString()));

    store::Connection connection(connectionString);
    const QSqlDatabase db = connection.database();
    ProgressWindow progress(parent, title, u"%1 contacts written"_qs);
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
        ui::showMessage(parent, u"The export was cancelled; no file was written."_qs);
        return;
    }
    progress.close();
    if (!file.commit())
        throw Error(u"Cannot write '%1': %2"_qs.arg(path, file.errorString()));
    ui::showMessage(parent, u"%1 contacts written to '%2'."_qs.arg(QString::number(written), path));
}

} // namespace corvella::exchange
