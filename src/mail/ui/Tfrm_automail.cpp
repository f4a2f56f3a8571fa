#include "Tfrm_automail.h"

#include "MailListRows.h"
#include "MailRunLog.h"

#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "mail/TNMSMTP.h"
#include "store/Columns.h"
#include "store/ConnectDataSets.h"
#include "store/ConnectionString.h"
#include "store/DataSet.h"
#include "ui/Dialogs.h"
#include "ui/FormBuilder.h"
#include "ui/InputBox.h"
#include "ui/WindowStyle.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace corvella::mail {

namespace {

/// The "Security" choice at `index`: none, STARTTLS, TLS from the first byte.
SmtpSecurity securityAt(int index)
{
    constexpr std::array choices{SmtpSecurity::None, SmtpSecurity::StartTls, SmtpSecurity::ImplicitTls};
    return choices[std::clamp(index, 0, int(choices.size()) - 1)];
}

QString summary(const RunCounts& counts)
{
    return QCoreApplication::translate("corvella::mail::Tfrm_automail",
                                       "%1 accepted, %2 refused, %3 skipped, %4 not sent.")
        .arg(counts.accepted)
        .arg(counts.refused)
        .arg(counts.skipped)
        .arg(counts.notSent);
}

/// The outcome as the details list shows it; the saved details keep the untranslated names.
QString outcomeCaption(AddressOutcome outcome)
{
    static const char* const captions[] = {
        QT_TRANSLATE_NOOP("corvella::mail::Tfrm_automail", "accepted"),
        QT_TRANSLATE_NOOP("corvella::mail::Tfrm_automail", "refused"),
        QT_TRANSLATE_NOOP("corvella::mail::Tfrm_automail", "skipped"),
        QT_TRANSLATE_NOOP("corvella::mail::Tfrm_automail", "not sent"),
    };
    const QString name = MailRunLog::outcomeName(outcome);
    for (const char* caption : captions) {
        if (name == QLatin1String(caption))
            return Tfrm_automail::tr(caption);
    }
    return name;
}

/// A CSV field, quoted when it holds a separator, a quote or a line break.
QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u'"', u"\"\""_qs) + u'"';
}

/// Rows the user can do something about: those the server refused and those never mailed for their address.
QList<AddressResult> reportedRows(const QList<AddressResult>& results)
{
    QList<AddressResult> rows;
    for (const AddressResult& result : results) {
        if (result.outcome == AddressOutcome::Refused || result.outcome == AddressOutcome::Skipped)
            rows << result;
    }
    return rows;
}

} // namespace

Tfrm_automail::Tfrm_automail(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_mailList(new store::TableDataSet(this))
    , m_smtp(new TNMSMTP(this))
    , m_listMailer(*m_smtp)
{
    setObjectName(u"frm_automail"_qs);
    m_mailList->setObjectName(u"Table1"_qs);
    m_mailList->setTableName(store::tables::MailList);
    m_smtp->setObjectName(u"NMSMTP1"_qs);
    m_listMailer.server = [this] { return mailServer(); };
    m_listMailer.trustCertificate = [this](const QString& failure, const QByteArray& sha256) {
        return trustCertificate(failure, sha256);
    };
    m_listMailer.progress = [this](int percent) { setProgress(percent); };
    m_listMailer.contactOf = [this](const QString& address) { return m_runLog->contactsWithAddress(address); };
    buildUi();
    wireMailer();
    ui::guard(this, [this] { FormCreate(); });
}

Tfrm_automail::~Tfrm_automail() = default;

void Tfrm_automail::buildUi()
{
    setWindowTitle(tr("Auto-mail"));
    setGeometry(192, 109, 591, 454);
    ui::keepOnScreenOnFirstShow(this);
    ui::applyWindowColour(this);

    ui::FormBuilder form(this);
    m_closeButton =
        form.onClick(form.button(u"BitBtn2"_qs, tr("&Kapat"), {}, tr("Bu tuşa basıldığında pencere kapanır.")),
                     [this] { BitBtn2Click(); });
    m_closeButton->setFlat(true);
    m_closeButton->setStyleSheet(u"color: red;"_qs);
    m_pages = form.add<QTabWidget>(u"PageControl1"_qs);
    m_connectionPage = form.add<QWidget>(u"TabSheet1"_qs);
    m_messagePage = form.add<QWidget>(u"TabSheet2"_qs);
    m_pages->addTab(m_connectionPage, tr("Connection Info"));
    m_pages->addTab(m_messagePage, tr("Send Mail"));
    for (QWidget* page : {m_connectionPage, m_messagePage})
        ui::applyWindowColour(page);
    buildConnectionPage(form.on(m_connectionPage));
    buildMessagePage(form.on(m_messagePage));
    m_statusBar = form.on(this).add<QStatusBar>(u"StatusBar1"_qs);
    m_statusBar->setSizeGripEnabled(false);
    ui::applyWindowColour(m_statusBar);

    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(top);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_statusBar);
    m_pages->setCurrentWidget(m_connectionPage);
}

void Tfrm_automail::buildConnectionPage(ui::FormBuilder& form)
{
    m_serverEdit = form.edit(u"Edit1"_qs, {});
    m_portEdit = form.edit(u"Edit2"_qs, {});
    m_portEdit->setText(u"25"_qs);
    // Only the user's own typing pins the port; emptying the field lets it follow the security choice again.
    connect(m_portEdit, &QLineEdit::textEdited, this, [this](const QString& text) { m_portTyped = !text.isEmpty(); });
    m_userIdEdit = form.edit(u"Edit4"_qs, {});
    m_senderNameEdit = form.edit(u"Edit5"_qs, {});
    m_senderAddressEdit = form.edit(u"Edit6"_qs, {});
    m_securityCombo = form.add<QComboBox>(u"ComboBox2"_qs);
    m_securityCombo->addItems({tr("None"), u"STARTTLS"_qs, u"SSL/TLS"_qs});
    form.onSignal(m_securityCombo, &QComboBox::currentIndexChanged, [this](int index) { ComboBox2Change(index); });
    // Held in this field only: never written to the contact file or any settings.
    m_passwordEdit = form.edit(u"Edit8"_qs, {});
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_plainTextLoginCheck = form.add<QCheckBox>(u"CheckBox1"_qs);
    m_plainTextLoginCheck->setText(tr("Allow login without encryption"));
    m_unsubscribeEdit = form.edit(u"Edit9"_qs, {});
    m_unsubscribeEdit->setPlaceholderText(tr("mailto: or https:// address (optional)"));

    QWidget* page = form.parent();
    auto* grid = new QGridLayout(page);
    const std::pair<QString, QWidget*> rows[] = {
        {tr("Mail Server"), m_serverEdit},
        {tr("Security"), m_securityCombo},
        {tr("Port"), m_portEdit},
        {tr("User ID "), m_userIdEdit},
        {QString(), nullptr}, // the check box below the password
        {tr("Name"), m_senderNameEdit},
        {tr("e-mail"), m_senderAddressEdit},
        {tr("Unsubscribe"), m_unsubscribeEdit},
    };
    int row = 0;
    for (const auto& [caption, field] : rows) {
        if (field) {
            grid->addWidget(new QLabel(caption, page), row, 0);
            grid->addWidget(field, row, 1);
        }
        ++row;
    }
    // The password sits beside the user id it belongs to.
    grid->addWidget(new QLabel(tr("Password"), page), 3, 2);
    grid->addWidget(m_passwordEdit, 3, 3);
    grid->addWidget(m_plainTextLoginCheck, 4, 3);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void Tfrm_automail::buildMessagePage(ui::FormBuilder& form)
{
    m_toEdit = form.edit(u"Edit7"_qs, {});
    m_attachmentList = form.add<QListWidget>(u"ListBox1"_qs);
    m_attachmentList->setMaximumHeight(70);
    m_addButton = form.onClick(form.button(u"Button4"_qs, tr("&Add"), {}), [this] { Button4Click(); });
    m_removeButton = form.onClick(form.button(u"Button5"_qs, tr("&Remove"), {}), [this] { Button5Click(); });
    m_batchSizeEdit = form.edit(u"Edit3"_qs, {});
    m_batchSizeEdit->setText(u"200"_qs);
    m_batchSizeEdit->setFixedWidth(50);
    m_sendButton = form.onClick(form.button(u"Button9"_qs, tr("Send To List"), {}), [this] { Button9Click(); });
    QFont bold = m_sendButton->font();
    bold.setBold(true);
    m_sendButton->setFont(bold);
    m_progressBar = form.add<QProgressBar>(u"ProgressBar1"_qs);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_subjectEdit = form.edit(u"Edit10"_qs, {});
    m_formatCombo = form.add<QComboBox>(u"ComboBox1"_qs);
    m_formatCombo->addItems({tr("Düz Metin"), u"HTML"_qs, u"RTF"_qs, u"SGML"_qs, tr("Tab Ayraçlı Metin")});
    m_formatCombo->setCurrentIndex(-1);
    form.onSignal(m_formatCombo, &QComboBox::activated, [this](int index) { ComboBox1Change(index); });
    m_clearButton = form.onClick(form.button(u"Button8"_qs, tr("Clear"), {}), [this] { Button8Click(); });
    m_messageEdit = form.add<QPlainTextEdit>(u"Memo1"_qs);
    m_resumeButton = form.onClick(form.button(u"Button10"_qs, tr("Resume"), {}), [this] { resumeClick(); });
    m_resumeButton->setEnabled(false);
    m_testSendButton =
        form.onClick(form.button(u"Button11"_qs, tr("Send a test to me"), {}), [this] { testSendClick(); });

    QWidget* page = form.parent();
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(tr("To"), page), 0, 0);
    grid->addWidget(m_toEdit, 0, 1, 1, 3);
    auto* attachmentButtons = new QVBoxLayout;
    attachmentButtons->addWidget(m_addButton);
    attachmentButtons->addWidget(m_removeButton);
    attachmentButtons->addStretch();
    grid->addWidget(new QLabel(tr("Attachments"), page), 1, 0, Qt::AlignTop);
    grid->addWidget(m_attachmentList, 1, 1, 1, 2);
    grid->addLayout(attachmentButtons, 1, 3);
    auto* batchRow = new QHBoxLayout;
    batchRow->addWidget(new QLabel(tr("Max."), page));
    batchRow->addWidget(m_batchSizeEdit);
    batchRow->addWidget(new QLabel(tr("addresses per mail"), page));
    batchRow->addWidget(m_sendButton);
    batchRow->addWidget(m_progressBar, 1);
    grid->addLayout(batchRow, 2, 0, 1, 4);
    grid->addWidget(new QLabel(tr("Subject"), page), 3, 0);
    grid->addWidget(m_subjectEdit, 3, 1);
    grid->addWidget(m_formatCombo, 3, 2);
    grid->addWidget(m_clearButton, 3, 3);
    grid->addWidget(m_messageEdit, 4, 0, 1, 4);
    auto* runRow = new QHBoxLayout;
    runRow->addStretch();
    runRow->addWidget(m_testSendButton);
    runRow->addWidget(m_resumeButton);
    grid->addLayout(runRow, 5, 0, 1, 4);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
}

void Tfrm_automail::wireMailer()
{
    TNMSMTP& smtp = *m_smtp;
    smtp.OnConnect = [this](TPowersock&) { setStatus(tr("Bağlanıldı.")); };
    smtp.OnDisconnect = [this](TPowersock&) { setStatus(tr("Bağlantı kesildi.")); };
    smtp.OnHostResolved = [this](TPowersock&) { setStatus(tr("Sunucu bulundu.")); };
    smtp.OnInvalidHost = [this](TPowersock& sender, bool& handled) {
        // An empty answer would only fail the same way again.
        const QString host = ui::inputBox(this, tr("Sunucu geçersiz !"), tr("Yeni bir sunucu belirtiniz :"), {});
        if (host.isEmpty())
            return;
        sender.SetHost(host);
        handled = true;
    };
    smtp.OnConnectionFailed = [this](TPowersock&) { ui::showMessage(this, tr("Bağlantı sırasında hata oldu.")); };
    smtp.OnConnectionRequired = [this](TPowersock& sender, bool& handled) {
        if (ui::showMessage(this, tr("Sunucuyla bağlantı kurulması gerekiyor. Bağlantı kurulsun mu ?"),
                            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question) != QMessageBox::Ok)
            return;
        handled = true;
        sender.Connect();
    };
    smtp.OnHeaderIncomplete = [this](TPowersock&, bool&, int) { ui::showMessage(this, tr("Başlık eksik.")); };
    smtp.OnSendStart = [this](TPowersock&) { setStatus(tr("Mesaj gönderiliyor...")); };
    smtp.OnEncodeStart = [this](TPowersock&, const QString& file) { setStatus(tr("%1 kodlanıyor...").arg(file)); };
    smtp.OnEncodeEnd = [this](TPowersock&, const QString& file) {
        setStatus(tr("%1 dosyasının kodlanması bitti.").arg(file));
    };
    smtp.OnPacketSent = [this](TPowersock& sender) {
        setStatus(tr("%1 / %2 gönderildi.").arg(sender.SentBytes()).arg(sender.StreamBytes()));
    };
    smtp.OnSuccess = [this](TPowersock&) { setStatus(tr("İşlem başarıyla tamamlandı.")); };
    smtp.OnFailure = [this](TPowersock&) {
        setRunFieldsEnabled(true);
        setStatus(tr("HATA !!!"));
    };
    smtp.OnStatus = [this](TPowersock&, const QString& status) { setStatus(status); };
}

void Tfrm_automail::FormCreate()
{
    store::ConnectDataSets(this);
    loadConnectionSettings();
}

namespace {

// Keys of the remembered connection page; the password has none on purpose.
constexpr auto ServerKey = u"server";
constexpr auto SecurityKey = u"security";
constexpr auto PortKey = u"port";
constexpr auto UserKey = u"user";
constexpr auto PlainLoginKey = u"plainTextLogin";
constexpr auto SenderNameKey = u"senderName";
constexpr auto SenderAddressKey = u"senderAddress";
constexpr auto UnsubscribeKey = u"unsubscribe";

QSettings programSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Corvella"_qs, u"Corvella"_qs);
}

} // namespace

QString Tfrm_automail::settingsGroup() const
{
    // One group a contact file: a path is made one key by encoding its slashes.
    const QString file = QFileInfo(store::dataSourceOf(m_mailList->connectionString())).absoluteFilePath();
    return u"AutoMail/"_qs + QString::fromLatin1(QUrl::toPercentEncoding(file));
}

void Tfrm_automail::loadConnectionSettings()
{
    QSettings settings = programSettings();
    settings.beginGroup(settingsGroup());
    if (!settings.contains(ServerKey))
        return;
    const auto text = [&settings](QAnyStringView key) { return settings.value(key).toString(); };
    m_serverEdit->setText(text(ServerKey));
    m_securityCombo->setCurrentIndex(std::clamp(settings.value(SecurityKey).toInt(), 0, 2));
    const QString port = text(PortKey);
    if (!port.isEmpty()) {
        m_portEdit->setText(port);
        m_portTyped = port != QString::number(defaultPort(security()));
    }
    m_userIdEdit->setText(text(UserKey));
    m_plainTextLoginCheck->setChecked(settings.value(PlainLoginKey).toBool());
    m_senderNameEdit->setText(text(SenderNameKey));
    m_senderAddressEdit->setText(text(SenderAddressKey));
    m_unsubscribeEdit->setText(text(UnsubscribeKey));
}

void Tfrm_automail::saveConnectionSettings() const
{
    QSettings settings = programSettings();
    settings.beginGroup(settingsGroup());
    settings.setValue(ServerKey, m_serverEdit->text());
    settings.setValue(SecurityKey, m_securityCombo->currentIndex());
    settings.setValue(PortKey, m_portEdit->text());
    settings.setValue(UserKey, m_userIdEdit->text());
    settings.setValue(PlainLoginKey, m_plainTextLoginCheck->isChecked());
    settings.setValue(SenderNameKey, m_senderNameEdit->text());
    settings.setValue(SenderAddressKey, m_senderAddressEdit->text());
    settings.setValue(UnsubscribeKey, m_unsubscribeEdit->text());
}

void Tfrm_automail::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ui::guard(this, [this] { FormActivate(); });
}

void Tfrm_automail::FormActivate()
{
    // The run walks this table; reopening it under a run would start the mailing again from the first row.
    if (running())
        return;
    m_mailList->close();
    m_mailList->open();
}

void Tfrm_automail::closeEvent(QCloseEvent* event)
{
    m_listMailer.abort();
    m_toEdit->setEnabled(true);
    event->accept();
}

void Tfrm_automail::BitBtn2Click()
{
    setRunFieldsEnabled(true);
    if (running()) {
        // The run's loop is still on the stack: it ends after the current batch's reply with QUIT, and the window
        // goes once it has unwound. A second press does not wait for a server that has stopped answering.
        if (m_freeWhenStopped)
            m_listMailer.abort();
        m_freeWhenStopped = true;
        m_listMailer.stop();
        return;
    }
    deleteLater();
    if (m_smtp->LinkOpen())
        m_smtp->Disconnect();
}

// Form values -----------------------------------------------------------------------------------------------------

int Tfrm_automail::port() const
{
    bool ok = false;
    const int value = m_portEdit->text().trimmed().toInt(&ok);
    if (!ok)
        throw Error(tr("'%1' is not a valid integer value").arg(m_portEdit->text()));
    return value;
}

SmtpSecurity Tfrm_automail::security() const
{
    return securityAt(m_securityCombo->currentIndex());
}

int Tfrm_automail::batchSize() const
{
    bool ok = false;
    const int size = QString(u"0"_qs + m_batchSizeEdit->text().trimmed()).toInt(&ok);
    return ok && size > 0 ? size : 0;
}

QStringList Tfrm_automail::messageLines() const
{
    return m_messageEdit->toPlainText().split(u'\n');
}

QStringList Tfrm_automail::attachments() const
{
    QStringList paths;
    for (int row = 0; row < m_attachmentList->count(); ++row)
        paths << m_attachmentList->item(row)->text();
    return paths;
}

MailServer Tfrm_automail::mailServer() const
{
    return {m_serverEdit->text(),   port(),
            m_userIdEdit->text(),   security(),
            m_passwordEdit->text(), m_plainTextLoginCheck->isChecked()};
}

ListMessage Tfrm_automail::listMessage() const
{
    return {m_senderNameEdit->text(),
            m_senderAddressEdit->text(),
            m_subjectEdit->text(),
            messageLines(),
            attachments(),
            m_unsubscribeEdit->text().trimmed()};
}

// Sending ---------------------------------------------------------------------------------------------------------

bool Tfrm_automail::checkConnectionFields()
{
    const std::pair<QLineEdit*, QString> required[] = {
        {m_serverEdit, tr("Mail Server")},   {m_portEdit, tr("Port")},
        {m_userIdEdit, tr("User ID ")},      {m_senderNameEdit, tr("Name")},
        {m_senderAddressEdit, tr("e-mail")},
    };
    for (const auto& [field, caption] : required) {
        if (field->text().trimmed().isEmpty()) {
            m_pages->setCurrentWidget(m_connectionPage);
            field->setFocus();
            ui::showMessage(this,
                            tr("Fill in the field \"%1\" on the page \"%2\".")
                                .arg(caption.trimmed(), m_pages->tabText(m_pages->indexOf(m_connectionPage))),
                            QMessageBox::Ok, QMessageBox::Warning);
            return false;
        }
    }
    saveConnectionSettings();
    return true;
}

bool Tfrm_automail::confirmRun(qint64 addresses, int batchSize)
{
    const qint64 batches = (addresses + batchSize - 1) / batchSize;
    const QString question = tr("The message will be sent to %1 addresses in %2 mails of at most %3 addresses each. "
                                "Start sending?")
                                 .arg(addresses)
                                 .arg(batches)
                                 .arg(batchSize);
    return ui::showMessage(this, question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question) ==
           QMessageBox::Ok;
}

void Tfrm_automail::askForBatchSize()
{
    // Without a whole number above zero there is no batch boundary to mail by.
    m_pages->setCurrentWidget(m_messagePage);
    m_batchSizeEdit->setFocus();
    ui::showMessage(this, tr("Max. alanına sıfırdan büyük bir tam sayı yazınız."), QMessageBox::Ok,
                    QMessageBox::Warning);
}

void Tfrm_automail::Button9Click()
{
    // A click that arrives while a wait of the run lets events through must not start a second run.
    if (running() || !checkConnectionFields())
        return;
    const int size = batchSize();
    if (size == 0) {
        askForBatchSize();
        return;
    }
    m_mailList->close();
    m_mailList->open();
    if (const qint64 count = m_mailList->recordCount(); count > 0 && !confirmRun(count, size))
        return;
    runMailing([this, size] {
        m_mailList->close();
        m_mailList->open();
        MailListRows rows(*m_mailList);
        return m_listMailer.run(rows, listMessage(), size);
    });
}

void Tfrm_automail::resumeClick()
{
    if (running() || !m_listMailer.canResume() || !checkConnectionFields())
        return;
    const int size = batchSize();
    if (size == 0) {
        askForBatchSize();
        return;
    }
    runMailing([this, size] { return m_listMailer.resume(listMessage(), size); });
}

void Tfrm_automail::runMailing(const std::function<ListMailer::Outcome()>& mailing)
{
    runLogOpened();
    setRunFieldsEnabled(false);
    ListMailer::Outcome outcome;
    try {
        OnFailure stopped([this] { runStopped(); });
        outcome = mailing();
    } catch (const Error& error) {
        if (!m_freeWhenStopped)
            showEndReport(error.message(), QMessageBox::Critical);
        return;
    }
    switch (outcome) {
    case ListMailer::Outcome::Finished:
        m_mailList->close();
        setStatus(summary(m_listMailer.counts()));
        setRunFieldsEnabled(true);
        showEndReport(tr("Gönderme tamamlandı..."), QMessageBox::Information);
        break;
    case ListMailer::Outcome::NoConnection:
        runStopped();
        showEndReport(tr("Bir  SMTP sunucuya baglanti yok..."), QMessageBox::Critical);
        break;
    case ListMailer::Outcome::Stopped:
        runStopped();
        // Stopped by closing the window: nobody is there to read a report.
        if (!m_freeWhenStopped && isVisible())
            showEndReport(m_statusBar->currentMessage(), QMessageBox::Warning);
        break;
    }
}

void Tfrm_automail::showEndReport(const QString& text, QMessageBox::Icon icon)
{
    updateRunButtons();
    const QList<AddressResult> rows = reportedRows(m_listMailer.results());
    QStringList details;
    for (const AddressResult& row : rows) {
        QString line =
            u"%1: %2 (%3) %4"_qs.arg(row.row).arg(row.address.simplified(), outcomeCaption(row.outcome), row.detail);
        if (!row.contact.isEmpty())
            line += u" [%1]"_qs.arg(row.contact);
        details << line;
    }
    ui::MessageRequest request{this, text, icon, QMessageBox::Ok, QMessageBox::Ok};
    request.informativeText = summary(m_listMailer.counts());
    request.detailedText = details.join(u'\n');
    if (!details.isEmpty())
        request.buttons |= QMessageBox::Save;
    if (ui::showMessage(request) != QMessageBox::Save)
        return;
    const QString path = ui::chooseFileToSave(this, tr("Save the details"), tr("CSV files (*.csv);;All files (*)"),
                                              u"mail-details.csv"_qs);
    if (!path.isEmpty())
        ui::guard(this, [&] { saveDetails(path); });
}

void Tfrm_automail::saveDetails(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Error(tr("Cannot create file %1").arg(path));
    QByteArray csv = "row,address,contact,outcome,reason\r\n";
    for (const AddressResult& row : reportedRows(m_listMailer.results())) {
        const QStringList fields{QString::number(row.row), csvField(row.address), csvField(row.contact),
                                 MailRunLog::outcomeName(row.outcome), csvField(row.detail)};
        csv += fields.join(u',').toUtf8() + "\r\n";
    }
    if (file.write(csv) != csv.size() || !file.flush())
        throw Error(tr("Cannot write file %1").arg(path));
}

void Tfrm_automail::testSendClick()
{
    if (running() || !checkConnectionFields())
        return;
    const QString address = m_senderAddressEdit->text().trimmed();
    const bool sent = m_listMailer.sendTest(listMessage());
    if (!sent) {
        ui::showMessage(this, tr("Bir  SMTP sunucuya baglanti yok..."), QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    setStatus(tr("A test message went to %1.").arg(address));
}

RunLog& Tfrm_automail::runLogOpened()
{
    if (!m_runLog) {
        m_runLog = std::make_unique<MailRunLog>(m_mailList->connectionString());
        m_listMailer.log = m_runLog.get();
    }
    return *m_runLog;
}

void Tfrm_automail::updateRunButtons()
{
    m_resumeButton->setEnabled(!running() && m_listMailer.canResume());
}

void Tfrm_automail::runStopped()
{
    setRunFieldsEnabled(true);
    setStatus(tr("HATA !!! Gönderme durdu: %1 adrese gönderildi.").arg(m_listMailer.sentCount()));
    updateRunButtons();
    if (m_freeWhenStopped)
        deleteLater();
}

bool Tfrm_automail::trustCertificate(const QString& failure, const QByteArray& sha256)
{
    // The user compares the fingerprint with the one the provider publishes; the exception lasts for this run.
    const QString fingerprint = QString::fromLatin1(sha256.toHex(':').toUpper());
    const QString question = tr("%1\n\nSHA-256 fingerprint of the server's certificate:\n%2\n\n"
                                "Trust this certificate for this sending?")
                                 .arg(failure, fingerprint);
    return ui::showMessage(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) ==
           QMessageBox::Yes;
}

void Tfrm_automail::ComboBox2Change(int index)
{
    if (!m_portTyped)
        m_portEdit->setText(QString::number(defaultPort(securityAt(index))));
}

void Tfrm_automail::setRunFieldsEnabled(bool enabled)
{
    m_batchSizeEdit->setEnabled(enabled);
    m_formatCombo->setEnabled(enabled);
}

void Tfrm_automail::setStatus(const QString& text)
{
    m_statusBar->showMessage(text);
}

void Tfrm_automail::setProgress(int position)
{
    if (m_progressBar->value() == position)
        return;
    m_progressBar->setValue(position);
    m_progressBar->repaint(); // the run holds the event loop between waits
}

void Tfrm_automail::ComboBox1Change(int index)
{
    m_smtp->SetSubType(ListMailer::bodyFormat(index));
}

void Tfrm_automail::Button4Click()
{
    const QString path = ui::chooseFileToOpen(this);
    if (!path.isEmpty())
        m_attachmentList->addItem(path);
}

void Tfrm_automail::Button5Click()
{
    const int row = m_attachmentList->currentRow();
    if (row >= 0 && m_attachmentList->currentItem()->isSelected())
        delete m_attachmentList->takeItem(row);
}

void Tfrm_automail::Button8Click()
{
    const auto ask = [this](const QString& question) {
        return ui::showMessage(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) ==
               QMessageBox::Yes;
    };
    // Only the message text: the server name on the other page is not the user's to lose here.
    if (ask(tr("Tüm metni temizlemek istediginizden emin misiniz ?")) &&
        ask(tr("Tüm metni temizlemek istediginizden GERÇEKTEN emin misiniz ?")))
        m_messageEdit->clear();
}

} // namespace corvella::mail
