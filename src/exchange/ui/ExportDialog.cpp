#include "ExportDialog.h"

#include "ui/Dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace corvella::exchange {

namespace {

QString extensionOf(ExportFormat format)
{
    return format == ExportFormat::Csv ? u".csv"_qs : u".vcf"_qs;
}

} // namespace

ExportDialog::ExportDialog(const QString& title, std::optional<ExportFormat> fixedFormat, QWidget* parent)
    : QDialog(parent)
    , m_file(new QLineEdit(this))
    , m_csv(new QRadioButton(tr("&CSV (spreadsheets, other address books)"), this))
    , m_vCard(new QRadioButton(tr("&vCard (phones, mail programs)"), this))
    , m_byteOrderMark(new QCheckBox(tr("Byte-order &mark for spreadsheet programs"), this))
{
    setObjectName(u"exportDialog"_qs);
    setWindowTitle(title);
    m_file->setObjectName(u"exportFile"_qs);
    m_file->setMinimumWidth(320);
    m_csv->setObjectName(u"csvFormat"_qs);
    m_vCard->setObjectName(u"vCardFormat"_qs);
    m_byteOrderMark->setObjectName(u"byteOrderMark"_qs);
    m_byteOrderMark->setChecked(true);
    m_csv->setChecked(fixedFormat.value_or(ExportFormat::Csv) == ExportFormat::Csv);
    m_vCard->setChecked(!m_csv->isChecked());
    m_csv->setVisible(!fixedFormat);
    m_vCard->setVisible(!fixedFormat);
    const bool csvOnly = fixedFormat == ExportFormat::Csv;
    m_file->setText(QDir::home().filePath(u"contacts"_qs + extensionOf(format())));

    auto* browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(u"browseButton"_qs);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file);
    fileRow->addWidget(browse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_exportButton = buttons->addButton(tr("&Export"), QDialogButtonBox::AcceptRole);
    m_exportButton->setObjectName(u"exportButton"_qs);

    auto* form = new QFormLayout(this);
    auto* fileLabel = new QLabel(tr("&File:"), this);
    fileLabel->setBuddy(m_file);
    form->addRow(fileLabel, fileRow);
    if (!fixedFormat) {
        form->addRow(tr("Format:"), m_csv);
        form->addRow(QString(), m_vCard);
    }
    if (!fixedFormat || csvOnly)
        form->addRow(QString(), m_byteOrderMark);
    else
        m_byteOrderMark->hide();
    form->addRow(buttons);

    connect(browse, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { this->browse(); }); });
    connect(m_file, &QLineEdit::textChanged, this, &ExportDialog::update);
    connect(m_csv, &QRadioButton::toggled, this, [this](bool csv) {
        // The file's extension follows the format while it is one of ours.
        const QString path = filePath();
        const QString from = extensionOf(csv ? ExportFormat::VCard : ExportFormat::Csv);
        if (path.endsWith(from, Qt::CaseInsensitive))
            m_file->setText(path.chopped(from.size()) + extensionOf(format()));
        update();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update();
}

QString ExportDialog::filePath() const
{
    return m_file->text().trimmed();
}

void ExportDialog::setFilePath(const QString& path)
{
    m_file->setText(path);
}

ExportFormat ExportDialog::format() const
{
    return m_vCard->isChecked() ? ExportFormat::VCard : ExportFormat::Csv;
}

void ExportDialog::setFormat(ExportFormat format)
{
    (format == ExportFormat::Csv ? m_csv : m_vCard)->setChecked(true);
}

bool ExportDialog::byteOrderMark() const
{
    return format() == ExportFormat::Csv && m_byteOrderMark->isChecked();
}

void ExportDialog::setByteOrderMark(bool on)
{
    m_byteOrderMark->setChecked(on);
}

void ExportDialog::browse()
{
    const QString filter = format() == ExportFormat::Csv ? tr("CSV files (*.csv);;All files (*)")
                                                         : tr("vCard files (*.vcf);;All files (*)");
    const QString path = ui::chooseFileToSave(this, windowTitle(), filter, filePath());
    if (path.isEmpty())
        return;
    m_browsedPath = QDir::toNativeSeparators(path);
    m_file->setText(m_browsedPath);
}

void ExportDialog::accept()
{
    const QString path = filePath();
    if (path != m_browsedPath && QFileInfo::exists(path) &&
        ui::showMessage(this, tr("'%1' already exists. Replace it?").arg(path), QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Question) != QMessageBox::Yes)
        return;
    QDialog::accept();
}

void ExportDialog::update()
{
    m_byteOrderMark->setEnabled(format() == ExportFormat::Csv);
    m_exportButton->setEnabled(!filePath().isEmpty() && !QFileInfo(filePath()).isDir());
}

} // namespace corvella::exchange
