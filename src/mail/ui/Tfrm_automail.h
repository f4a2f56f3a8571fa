#pragma once

#include <QWidget>

#include <functional>

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

namespace corvella::mail {

class TNMSMTP;

/// The auto-mail window: one message, written here, mailed to every address in table `maillist` in batches of
/// blind copies, one SMTP connection a batch.
class Tfrm_automail : public QWidget {
    Q_OBJECT
public:
    /// Every wait of the mail component ends after this long without an answer.
    static constexpr int WaitTimeOutMs = 60000;

    explicit Tfrm_automail(QWidget* parent = nullptr);
    ~Tfrm_automail() override;

    TNMSMTP* mailer() const { return NMSMTP1; }
    bool running() const { return m_running; }
    /// The "To" field, which the list window fills and disables.
    QLineEdit* edit7() const { return Edit7; }

    void FormActivate();
    void Button9Click();
    void Button4Click();
    void Button5Click();
    void Button8Click();
    void BitBtn2Click();
    void ComboBox1Change(int index);
    void ComboBox2Change(int index);

    /// The port each "Security" choice uses unless the user typed another.
    static int defaultPort(int securityIndex);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void wireMailer();
    void FormCreate();
    bool checkConnectionFields();
    int batchSize();
    void runBatches(int k);
    void stopRun();
    void forgetCredentials();
    void prepareMessage(const QStringList& attachments);
    void restoreSharedParts(const QStringList& attachments);
    void sendBatch(const QStringList& attachments);
    void connectMailer();
    bool acceptCertificate(const QString& failure);
    void setRunFieldsEnabled(bool enabled);
    void setStatus(const QString& text);
    void setProgress(int position);

    store::TableDataSet* Table1;
    TNMSMTP* NMSMTP1;
    QPushButton* BitBtn2 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit10 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

    bool m_portTyped = false;
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_freeWhenStopped = false;
    /// Addresses of the run so far that the server took: those of sent batches, less refused recipients.
    qint64 m_sentCount = 0;
    qint64 m_refusedInBatch = 0;
};

} // namespace corvella::mail
