#include "ImportReportDialog.h"

#include "exchange/CsvWriter.h"
#include "ui/Dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace corvella::exchange {

ImportReportDialog::ImportReportDialog(const ImportReport& report, QWidget* parent)
    : QDialog(parent)
    , m_report(report)
    , m_summary(new QLabel(report.summary(), this))
    , m_detailsButton(new QPushButton(tr("&Details"), this))
    , m_details(new QPlainTextEdit(this))
    , m_saveButton(new QPushButton(tr("&Save Details..."), this))
{
    setObjectName(u"importReportDialog"_qs);
    setWindowTitle(tr("Import Contacts"));
    m_summary->setObjectName(u"summary"_qs);
    m_summary->setWordWrap(true);
    m_summary->setMinimumWidth(480);

    const QStringList lines = report.details();
    m_details->setObjectName(u"details"_qs);
    m_details->setReadOnly(true);
    m_details->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_details->setPlainText(lines.join(u'\n'));
    m_details->setMinimumSize(480, 200);
    m_details->hide();
    m_detailsButton->setObjectName(u"detailsButton"_qs);
    m_detailsButton->setCheckable(true);
    m_saveButton->setObjectName(u"saveDetailsButton"_qs);
    m_detailsButton->setEnabled(!lines.isEmpty());
    m_saveButton->setEnabled(!lines.isEmpty());
    connect(m_detailsButton, &QPushButton::toggled, this, [this](bool shown) {
        m_details->setVisible(shown);
        adjustSize();
    });
    connect(m_saveButton, &QPushButton::clicked, this, [this] {
        ui::guard(this, [this] {
            const QString path = ui::chooseFileToSave(
                this, tr("Save Import Details"), tr("Text files (*.txt);;CSV files (*.csv)"), u"import-details.txt"_qs);
            if (!path.isEmpty())
                saveDetails(path);
        });
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_detailsButton, QDialogButtonBox::ActionRole);
    buttons->addButton(m_saveButton, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_details);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ImportReportDialog::saveDetails(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(tr("Cannot write '%1': %2").arg(path, file.errorString()));
    if (path.endsWith(u".csv"_qs, Qt::CaseInsensitive)) {
        CsvWriter csv(file, path, true);
        csv.write({u"line"_qs, u"what"_qs, u"note"_qs});
        for (const ImportNote& note : m_report.rejected)
            csv.write({QString::number(note.line), u"rejected"_qs, note.text});
        if (m_report.rejectedRows > m_report.rejected.size())
            csv.write({QString(), u"rejected"_qs,
                       u"and %1 more rows"_qs.arg(m_report.rejectedRows - m_report.rejected.size())});
        for (const ImportNote& note : m_report.longValues)
            csv.write({QString::number(note.line), u"long value"_qs, note.text});
        if (m_report.longValueRows > m_report.longValues.size())
            csv.write({QString(), u"long value"_qs,
                       u"and %1 more rows"_qs.arg(m_report.longValueRows - m_report.longValues.size())});
        csv.finish();
    } else {
        QString text;
        for (const QString& line : m_report.details())
            text += line + u'\n';
        if (file.write(text.toUtf8()) < 0)
            throw Error(tr("Cannot write '%1': %2").arg(path, file.errorString()));
    }
    if (!file.commit())
        throw Error(tr("Cannot write '%1': %2").arg(path, file.errorString()));
}

} // namespace corvella::exchange
