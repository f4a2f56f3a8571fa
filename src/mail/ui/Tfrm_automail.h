#pragma once

#include "mail/ListMailer.h"

#include <QMessageBox>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTabWidget;

namespace corvella::store {
class TableDataSet;
}

namespace corvella::ui {
class FormBuilder;
}

namespace corvella::mail {

class MailRunLog;
class TNMSMTP;

/// The auto-mail window: one message, written here, mailed to every address in table `maillist` in batches of
/// blind copies, one SMTP connection a batch.
class Tfrm_automail : public QWidget {
    Q_OBJECT
public:
    explicit Tfrm_automail(QWidget* parent = nullptr);
    ~Tfrm_automail() override;

    TNMSMTP* mailer() const { return m_smtp; }
    bool running() const { return m_listMailer.running(); }
    const ListMailer& listMailer() const { return m_listMailer; }
    /// The log of this window's runs in the contact file; null before the first run.
    MailRunLog* runLog() const { return m_runLog.get(); }
    /// The "To" field, which the list window fills and disables.
    QLineEdit* edit7() const { return m_toEdit; }

    void FormActivate();
    void Button9Click();
    /// "Resume": the last run's message again, to its rows the server has not taken.
    void resumeClick();
    /// "Send a test to me": the message once, to the sender's own address.
    void testSendClick();
    void Button4Click();
    void Button5Click();
    void Button8Click();
    void BitBtn2Click();
    void ComboBox1Change(int index);
    void ComboBox2Change(int index);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void buildConnectionPage(ui::FormBuilder& form);
    void buildMessagePage(ui::FormBuilder& form);
    void wireMailer();
    void FormCreate();

    /// Raises "'text' is not a valid integer value" for a port that is not a whole number.
    int port() const;
    SmtpSecurity security() const;
    /// Addresses per mail; 0 unless the field holds a whole number above zero.
    int batchSize() const;
    QStringList messageLines() const;
    QStringList attachments() const;
    /// The server as the "Connection Info" page names it.
    MailServer mailServer() const;
    /// The message as the "Send Mail" page holds it.
    ListMessage listMessage() const;

    /// Whether the required connection fields are filled; the first empty one is shown and named. Filled ones
    /// are remembered for this contact file.
    bool checkConnectionFields();
    /// The connection page as it was last used with this contact file, the password aside.
    void loadConnectionSettings();
    void saveConnectionSettings() const;
    /// The settings group of this window's contact file.
    QString settingsGroup() const;
    /// Asks before a run how many addresses will be mailed in how many batches; true to go on.
    bool confirmRun(qint64 addresses, int batchSize);
    void askForBatchSize();
    /// Runs a mailing with its fields locked and ends it with the report of its rows.
    void runMailing(const std::function<ListMailer::Outcome()>& mailing);
    /// The closing message: `text` with the counts, and the refused and skipped rows as details that can be saved.
    void showEndReport(const QString& text, QMessageBox::Icon icon);
    void saveDetails(const QString& path) const;
    void updateRunButtons();
    RunLog& runLogOpened();
    bool trustCertificate(const QString& failure, const QByteArray& sha256);
    void runStopped();
    void setRunFieldsEnabled(bool enabled);
    void setStatus(const QString& text);
    void setProgress(int position);

    store::TableDataSet* m_mailList;
    TNMSMTP* m_smtp;
    ListMailer m_listMailer;
    std::unique_ptr<MailRunLog> m_runLog;

    QPushButton* m_closeButton = nullptr;
    QTabWidget* m_pages = nullptr;
    QWidget* m_connectionPage = nullptr;
    QWidget* m_messagePage = nullptr;
    QLineEdit* m_serverEdit = nullptr;
    QLineEdit* m_portEdit = nullptr;
    QLineEdit* m_batchSizeEdit = nullptr;
    QLineEdit* m_userIdEdit = nullptr;
    QLineEdit* m_senderNameEdit = nullptr;
    QLineEdit* m_senderAddressEdit = nullptr;
    QComboBox* m_securityCombo = nullptr;
    QLineEdit* m_passwordEdit = nullptr;
    QCheckBox* m_plainTextLoginCheck = nullptr;
    QLineEdit* m_unsubscribeEdit = nullptr;
    QLineEdit* m_toEdit = nullptr;
    QLineEdit* m_subjectEdit = nullptr;
    QListWidget* m_attachmentList = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    QPushButton* m_clearButton = nullptr;
    QPushButton* m_sendButton = nullptr;
    QPushButton* m_resumeButton = nullptr;
    QPushButton* m_testSendButton = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QComboBox* m_formatCombo = nullptr;
    QPlainTextEdit* m_messageEdit = nullptr;
    QStatusBar* m_statusBar = nullptr;

    bool m_portTyped = false;
    /// "&Kapat" was pressed during a run: the window goes once the run has unwound.
    bool m_freeWhenStopped = false;
};

} // namespace corvella::mail
