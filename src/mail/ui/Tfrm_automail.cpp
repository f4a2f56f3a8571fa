#include "Tfrm_automail.h"

#include "mail/TNMSMTP.h"
#include "ui/InputBox.h"
#include "store/ConnectDataSets.h"
#include "store/DataSet.h"
#include "core/Error.h"
#include "ui/Dialogs.h"
#include "ui/WindowStyle.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace corvella::mail {

namespace {

/// Ends a run after the user has already been told why; not shown again.
struct RunEnded {};

int wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw Error(u"'%1' is not a valid integer value"_qs.arg(text));
    return value;
}

} // namespace

Tfrm_automail::Tfrm_automail(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , Table1(new store::TableDataSet(this))
    , NMSMTP1(new TNMSMTP(this))
{
    setObjectName(u"frm_automail"_qs);
    Table1->setObjectName(u"Table1"_qs);
    Table1->setTableName(u"maillist"_qs);
    NMSMTP1->setObjectName(u"NMSMTP1"_qs);
    NMSMTP1->SetPort(25);
    NMSMTP1->SetReportLevel(0);
    // A server that stops answering must end the run with an error rather than hold it for ever.
    NMSMTP1->SetTimeOut(WaitTimeOutMs);
    NMSMTP1->SetEncodeType(UUMethods::uuMime);
    NMSMTP1->SetClearParams(true);
    NMSMTP1->SetSubType(TSubType::mtHtml);
    NMSMTP1->SetCharset(u"us-ascii"_qs);
    NMSMTP1->PostMessage().LocalProgram = u"Dorlune V2.0"_qs;
    buildUi();
    wireMailer();
    ui::guard(this, [this] { FormCreate(); });
}

Tfrm_automail::~Tfrm_automail() = default;

void Tfrm_automail::buildUi()
{
    setWindowTitle(u"Auto-mail"_qs);
    setGeometry(192, 109, 591, 454);
    ui::applyWindowColour(this);

    BitBtn2 = new QPushButton(u"&Kapat"_qs, this);
    BitBtn2->setObjectName(u"BitBtn2"_qs);
    BitBtn2->setFlat(true);
    BitBtn2->setToolTip(u"Bu tuşa basıldığında pencere kapanır."_qs);
    BitBtn2->setStyleSheet(u"color: red;"_qs);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { BitBtn2Click(); }); });

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(u"PageControl1"_qs);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(u"TabSheet1"_qs);
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(u"TabSheet2"_qs);
    PageControl1->addTab(TabSheet1, u"Connection Info"_qs);
    PageControl1->addTab(TabSheet2, u"Send Mail"_qs);
    for (QWidget* page : {TabSheet1, TabSheet2})
        ui::applyWindowColour(page);

    auto edit = [](const QString& name, QWidget* page) {
        auto* field = new QLineEdit(page);
        field->setObjectName(name);
        return field;
    };

    auto* connection = new QGridLayout(TabSheet1);
    Edit1 = edit(u"Edit1"_qs, TabSheet1);
    Edit2 = edit(u"Edit2"_qs, TabSheet1);
    Edit2->setText(u"25"_qs);
    // Only the user's own typing pins the port; emptying the field lets it follow the security choice again.
    connect(Edit2, &QLineEdit::textEdited, this, [this](const QString& text) { m_portTyped = !text.isEmpty(); });
    Edit4 = edit(u"Edit4"_qs, TabSheet1);
    Edit5 = edit(u"Edit5"_qs, TabSheet1);
    Edit6 = edit(u"Edit6"_qs, TabSheet1);
    ComboBox2 = new QComboBox(TabSheet1);
    ComboBox2->setObjectName(u"ComboBox2"_qs);
    ComboBox2->addItems({u"None"_qs, u"STARTTLS"_qs, u"SSL/TLS"_qs});
    connect(ComboBox2, &QComboBox::currentIndexChanged, this,
            [this](int index) { ui::guard(this, [&] { ComboBox2Change(index); }); });
    // Held in this field only: never written to the contact file or any settings.
    Edit8 = edit(u"Edit8"_qs, TabSheet1);
    Edit8->setEchoMode(QLineEdit::Password);
    CheckBox1 = new QCheckBox(u"Allow login without encryption"_qs, TabSheet1);
    CheckBox1->setObjectName(u"CheckBox1"_qs);

    const std::pair<QString, QWidget*> connectionRows[] = {
        {u"Mail Server"_qs, Edit1},
        {u"Security"_qs, ComboBox2},
        {u"Port"_qs, Edit2},
        {u"User ID "_qs, Edit4},
    };
    int row = 0;
    for (const auto& [caption, field] : connectionRows) {
        connection->addWidget(new QLabel(caption, TabSheet1), row, 0);
        connection->addWidget(field, row, 1);
        ++row;
    }
    // The password sits beside the user id it belongs to.
    connection->addWidget(new QLabel(u"Password"_qs, TabSheet1), row - 1, 2);
    connection->addWidget(Edit8, row - 1, 3);
    connection->addWidget(CheckBox1, row, 3);
    ++row;
    for (const auto& [caption, field] : {std::pair{u"Name"_qs, Edit5}, std::pair{u"e-mail"_qs, Edit6}}) {
        connection->addWidget(new QLabel(caption, TabSheet1), row, 0);
        connection->addWidget(field, row, 1);
        ++row;
    }
    connection->setRowStretch(row, 1);
    connection->setColumnStretch(1, 1);
    connection->setColumnStretch(3, 1);

    auto* sending = new QGridLayout(TabSheet2);
    Edit7 = edit(u"Edit7"_qs, TabSheet2);
    sending->addWidget(new QLabel(u"To"_qs, TabSheet2), 0, 0);
    sending->addWidget(Edit7, 0, 1, 1, 3);

    ListBox1 = new QListWidget(TabSheet2);
    ListBox1->setObjectName(u"ListBox1"_qs);
    ListBox1->setMaximumHeight(70);
    Button4 = new QPushButton(u"&Add"_qs, TabSheet2);
    Button4->setObjectName(u"Button4"_qs);
    connect(Button4, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { Button4Click(); }); });
    Button5 = new QPushButton(u"&Remove"_qs, TabSheet2);
    Button5->setObjectName(u"Button5"_qs);
    connect(Button5, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { Button5Click(); }); });
    auto* attachmentButtons = new QVBoxLayout;
    attachmentButtons->addWidget(Button4);
    attachmentButtons->addWidget(Button5);
    attachmentButtons->addStretch();
    sending->addWidget(new QLabel(u"Attachments"_qs, TabSheet2), 1, 0, Qt::AlignTop);
    sending->addWidget(ListBox1, 1, 1, 1, 2);
    sending->addLayout(attachmentButtons, 1, 3);

    Edit3 = edit(u"Edit3"_qs, TabSheet2);
    Edit3->setText(u"200"_qs);
    Edit3->setFixedWidth(50);
    Button9 = new QPushButton(u"Send To List"_qs, TabSheet2);
    Button9->setObjectName(u"Button9"_qs);
    QFont bold = Button9->font();
    bold.setBold(true);
    Button9->setFont(bold);
    connect(Button9, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { Button9Click(); }); });
    ProgressBar1 = new QProgressBar(TabSheet2);
    ProgressBar1->setObjectName(u"ProgressBar1"_qs);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto* batchRow = new QHBoxLayout;
    batchRow->addWidget(new QLabel(u"Max."_qs, TabSheet2));
    batchRow->addWidget(Edit3);
    batchRow->addWidget(new QLabel(u"addresses per mail"_qs, TabSheet2));
    batchRow->addWidget(Button9);
    batchRow->addWidget(ProgressBar1, 1);
    sending->addLayout(batchRow, 2, 0, 1, 4);

    Edit10 = edit(u"Edit10"_qs, TabSheet2);
    ComboBox1 = new QComboBox(TabSheet2);
    ComboBox1->setObjectName(u"ComboBox1"_qs);
    ComboBox1->addItems({u"Düz Metin"_qs, u"HTML"_qs, u"RTF"_qs, u"SGML"_qs, u"Tab Ayraçlı Metin"_qs});
    ComboBox1->setCurrentIndex(-1);
    connect(ComboBox1, &QComboBox::activated, this,
            [this](int index) { ui::guard(this, [&] { ComboBox1Change(index); }); });
    Button8 = new QPushButton(u"Clear"_qs, TabSheet2);
    Button8->setObjectName(u"Button8"_qs);
    connect(Button8, &QPushButton::clicked, this, [this] { ui::guard(this, [this] { Button8Click(); }); });
    sending->addWidget(new QLabel(u"Subject"_qs, TabSheet2), 3, 0);
    sending->addWidget(Edit10, 3, 1);
    sending->addWidget(ComboBox1, 3, 2);
    sending->addWidget(Button8, 3, 3);

    Memo1 = new QPlainTextEdit(TabSheet2);
    Memo1->setObjectName(u"Memo1"_qs);
    sending->addWidget(Memo1, 4, 0, 1, 4);
    sending->setRowStretch(4, 1);
    sending->setColumnStretch(1, 1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(u"StatusBar1"_qs);
    StatusBar1->setSizeGripEnabled(false);
    ui::applyWindowColour(StatusBar1);

    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(top);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(StatusBar1);
    PageControl1->setCurrentWidget(TabSheet1);
}

void Tfrm_automail::wireMailer()
{
    TNMSMTP& smtp = *NMSMTP1;
    smtp.OnConnect = [this](TPowersock&) { setStatus(u"Bağlanıldı."_qs); };
    smtp.OnDisconnect = [this](TPowersock&) { setStatus(u"Bağlantı kesildi."_qs); };
    smtp.OnHostResolved = [this](TPowersock&) { setStatus(u"Sunucu bulundu."_qs); };
    smtp.OnInvalidHost = [this](TPowersock& sender, bool& handled) {
        // An empty answer would only fail the same way again.
        const QString host = ui::inputBox(this, u"Sunucu geçersiz !"_qs, u"Yeni bir sunucu belirtiniz :"_qs, {});
        if (host.isEmpty())
            return;
        sender.SetHost(host);
        handled = true;
    };
    smtp.OnConnectionFailed = [this](TPowersock&) { ui::showMessage(this, u"Bağlantı sırasında hata oldu."_qs); };
    smtp.OnConnectionRequired = [this](TPowersock& sender, bool& handled) {
        if (ui::showMessage(this, u"Sunucuyla bağlantı kurulması gerekiyor. Bağlantı kurulsun mu ?"_qs,
                            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question) != QMessageBox::Ok)
            return;
        handled = true;
        sender.Connect();
    };
    smtp.OnHeaderIncomplete = [this](TPowersock&, bool&, int) { ui::showMessage(this, u"Başlık eksik."_qs); };
    smtp.OnSendStart = [this](TPowersock&) { setStatus(u"Mesaj gönderiliyor..."_qs); };
    smtp.OnEncodeStart = [this](TPowersock&, const QString& file) { setStatus(file + u" kodlanıyor..."_qs); };
    smtp.OnEncodeEnd = [this](TPowersock&, const QString& file) {
        setStatus(file + u" dosyasının kodlanması bitti."_qs);
    };
    smtp.OnPacketSent = [this](TPowersock& sender) {
        setStatus(QString::number(sender.SentBytes()) + u" / "_qs + QString::number(sender.StreamBytes()) +
                  u" gönderildi."_qs);
    };
    smtp.OnSuccess = [this](TPowersock&) { setStatus(u"İşlem başarıyla tamamlandı."_qs); };
    smtp.OnFailure = [this](TPowersock&) {
        setRunFieldsEnabled(true);
        setStatus(u"HATA !!!"_qs);
    };
    smtp.OnRecipientNotFound = [this](TPowersock&, const QString&) { ++m_refusedInBatch; };
    smtp.OnStatus = [this](TPowersock&, const QString& status) { setStatus(status); };
}

void Tfrm_automail::FormCreate()
{
    store::ConnectDataSets(this);
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
    if (m_running)
        return;
    Table1->close();
    Table1->open();
}

void Tfrm_automail::closeEvent(QCloseEvent* event)
{
    NMSMTP1->Abort();
    if (m_running)
        m_stopRequested = true;
    Edit7->setEnabled(true);
    event->accept();
}

void Tfrm_automail::BitBtn2Click()
{
    setRunFieldsEnabled(true);
    if (m_running) {
        // The run's loop is still on the stack: stop its wait and free the window once it has unwound.
        m_stopRequested = true;
        m_freeWhenStopped = true;
        NMSMTP1->Abort();
        return;
    }
    deleteLater();
    if (NMSMTP1->LinkOpen())
        NMSMTP1->Disconnect();
}

bool Tfrm_automail::checkConnectionFields()
{
    for (QLineEdit* field : {Edit1, Edit2, Edit4, Edit5, Edit6}) {
        if (field->text().trimmed().isEmpty()) {
            PageControl1->setCurrentWidget(TabSheet1);
            field->setFocus();
            return false;
        }
    }
    return true;
}

int Tfrm_automail::batchSize()
{
    bool ok = false;
    const int size = QString(u"0"_qs + Edit3->text().trimmed()).toInt(&ok);
    if (ok && size > 0)
        return size;
    // Without a whole number above zero there is no batch boundary to mail by.
    PageControl1->setCurrentWidget(TabSheet2);
    Edit3->setFocus();
    ui::showMessage(this, u"Max. alanına sıfırdan büyük bir tam sayı yazınız."_qs, QMessageBox::Ok,
                    QMessageBox::Warning);
    return 0;
}

void Tfrm_automail::Button9Click()
{
    // A click that arrives while a wait of the run lets events through must not start a second run.
    if (m_running || !checkConnectionFields())
        return;
    const int k = batchSize();
    if (k == 0)
        return;
    setRunFieldsEnabled(false);
    m_running = true;
    m_stopRequested = false;
    m_sentCount = 0;
    bool finished = false;
    try {
        runBatches(k);
        finished = true;
    } catch (const RunEnded&) {
        stopRun();
    } catch (...) {
        stopRun();
        throw;
    }
    m_running = false;
    if (finished) {
        forgetCredentials();
        ui::showMessage(this, u"Gönderme tamamlandı..."_qs);
        setRunFieldsEnabled(true);
    }
}

void Tfrm_automail::forgetCredentials()
{
    // The password lives on in its field only, and a trusted certificate is asked about again next run.
    NMSMTP1->SetPassword(QString());
    NMSMTP1->AcceptCertificate(QByteArray());
}

void Tfrm_automail::stopRun()
{
    m_running = false;
    forgetCredentials();
    setRunFieldsEnabled(true);
    // A connection broken off mid-message would carry the next run's commands into that message's text.
    if (NMSMTP1->LinkOpen())
        NMSMTP1->TPowersock::Disconnect();
    setStatus(u"HATA !!! Gönderme durdu: %1 adrese gönderildi."_qs.arg(m_sentCount));
    if (m_freeWhenStopped)
        deleteLater();
}

void Tfrm_automail::runBatches(int k)
{
    Table1->close();
    Table1->open();
    qint64 n = Table1->recordCount();
    Table1->first();
    const int field = Table1->fieldByName(u"e-mail"_qs).index();
    QStringList attachments;
    for (int row = 0; row < ListBox1->count(); ++row)
        attachments << ListBox1->item(row)->text();
    prepareMessage(attachments);

    qint64 i = 0;
    while (!Table1->eof()) {
        if (m_stopRequested)
            throw RunEnded();
        const QString address = Table1->value(field).toString().trimmed();
        if (!address.isEmpty()) {
            NMSMTP1->PostMessage().ToBlindCarbonCopy << address;
            ++i;
        } else if (n > 0) {
            --n;
        }
        if ((i > 0 && i % k == 0) || i >= n)
            sendBatch(attachments);
        // Every row empty leaves nothing to divide by: the run is then complete.
        setProgress(n > 0 ? int(i * 100 / n) : 100);
        Table1->next();
    }
    Table1->close();
}

void Tfrm_automail::prepareMessage(const QStringList& attachments)
{
    TPostMessage& message = NMSMTP1->PostMessage();
    message.Body.clear();
    message.ToCarbonCopy.clear();
    message.FromAddress = Edit6->text();
    message.FromName = Edit5->text();
    message.Subject = Edit10->text();
    message.Body = Memo1->toPlainText().split(u'\n');
    message.ToBlindCarbonCopy.clear();
    restoreSharedParts(attachments);
}

void Tfrm_automail::restoreSharedParts(const QStringList& attachments)
{
    // The component clears these after each send; every batch carries the same message.
    TPostMessage& message = NMSMTP1->PostMessage();
    message.ToAddress = QStringList{Edit6->text()};
    message.Attachments = attachments;
}

void Tfrm_automail::sendBatch(const QStringList& attachments)
{
    TNMSMTP& smtp = *NMSMTP1;
    if (!smtp.LinkOpen())
        connectMailer();
    if (!smtp.LinkOpen()) {
        ui::showMessage(this, u"Bir  SMTP sunucuya baglanti yok..."_qs, QMessageBox::Ok, QMessageBox::Critical);
        throw RunEnded();
    }
    TPostMessage& message = smtp.PostMessage();
    if (!message.ToBlindCarbonCopy.isEmpty()) {
        const qint64 batch = message.ToBlindCarbonCopy.size();
        restoreSharedParts(attachments);
        m_refusedInBatch = 0;
        smtp.SendMail();
        m_sentCount += batch - std::min(m_refusedInBatch, batch);
    }
    if (smtp.LinkOpen())
        smtp.Disconnect();
    message.ToBlindCarbonCopy.clear();
}

void Tfrm_automail::connectMailer()
{
    TNMSMTP& smtp = *NMSMTP1;
    smtp.SetHost(Edit1->text());
    smtp.SetPort(wholeNumber(Edit2->text()));
    smtp.SetUserID(Edit4->text());
    smtp.SetSecurity(std::array{SmtpSecurity::None, SmtpSecurity::StartTls,
                                SmtpSecurity::ImplicitTls}[std::max(0, ComboBox2->currentIndex())]);
    smtp.SetPassword(Edit8->text());
    smtp.SetAllowPlainTextLogin(CheckBox1->isChecked());
    try {
        smtp.Connect();
    } catch (const ESockError& error) {
        if (smtp.RefusedCertificateSha256().isEmpty() || !acceptCertificate(error.message()))
            throw;
        smtp.Connect();
    }
}

bool Tfrm_automail::acceptCertificate(const QString& failure)
{
    // The user compares the fingerprint with the one the provider publishes; the exception lasts for this run.
    const QString fingerprint = QString::fromLatin1(NMSMTP1->RefusedCertificateSha256().toHex(':').toUpper());
    const QString question = u"%1\n\nSHA-256 fingerprint of the server's certificate:\n%2\n\n"
                             u"Trust this certificate for this sending?"_qs.arg(failure, fingerprint);
    if (ui::showMessage(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning) != QMessageBox::Yes)
        return false;
    NMSMTP1->AcceptCertificate(NMSMTP1->RefusedCertificateSha256());
    return true;
}

int Tfrm_automail::defaultPort(int securityIndex)
{
    switch (securityIndex) {
    case 1:
        return 587; // submission, upgraded with STARTTLS
    case 2:
        return 465; // submission over TLS from the first byte
    default:
        return 25;
    }
}

void Tfrm_automail::ComboBox2Change(int index)
{
    if (!m_portTyped)
        Edit2->setText(QString::number(defaultPort(index)));
}

void Tfrm_automail::setRunFieldsEnabled(bool enabled)
{
    Edit3->setEnabled(enabled);
    ComboBox1->setEnabled(enabled);
}

void Tfrm_automail::setStatus(const QString& text)
{
    StatusBar1->showMessage(text);
}

void Tfrm_automail::setProgress(int position)
{
    if (ProgressBar1->value() == position)
        return;
    ProgressBar1->setValue(position);
    ProgressBar1->repaint(); // the run holds the event loop between waits
}

void Tfrm_automail::ComboBox1Change(int index)
{
    NMSMTP1->SetSubType(TSubType::mtPlain);
    switch (index) {
    case 0:
        NMSMTP1->SetSubType(TSubType::mtPlain);
        break;
    case 1:
        NMSMTP1->SetSubType(TSubType::mtHtml);
        break;
    case 2:
        NMSMTP1->SetSubType(TSubType::mtEnriched);
        break;
    case 3:
        NMSMTP1->SetSubType(TSubType::mtSgml);
        break;
    case 4:
        NMSMTP1->SetSubType(TSubType::mtTabSeperated);
        break;
    default:
        break;
    }
}

void Tfrm_automail::Button4Click()
{
    const QString path = ui::chooseFileToOpen(this);
    if (!path.isEmpty())
        ListBox1->addItem(path);
}

void Tfrm_automail::Button5Click()
{
    const int row = ListBox1->currentRow();
    if (row >= 0 && ListBox1->currentItem()->isSelected())
        delete ListBox1->takeItem(row);
}

void Tfrm_automail::Button8Click()
{
    const auto ask = [this](const QString& question) {
        return ui::showMessage(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) ==
               QMessageBox::Yes;
    };
    // Only the message text: the server name on the other page is not the user's to lose here.
    if (ask(u"Tüm metni temizlemek istediginizden emin misiniz ?"_qs) &&
        ask(u"Tüm metni temizlemek istediginizden GERÇEKTEN emin misiniz ?"_qs))
        Memo1->clear();
}

} // namespace corvella::mail
