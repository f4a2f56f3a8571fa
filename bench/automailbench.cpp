// The auto-mail window's whole run, from "Send To List" to its closing message, over a maillist of N addresses.
// usage: corvella-automailbench PORT ADDRESSES BATCH [pipelining]
// With "pipelining" the window logs in (password, login without encryption allowed), so the session is an EHLO one
// and the envelope of each batch goes pipelined when the server announces it.
#include "mail/TNMSMTP.h"
#include "mail/ui/Tfrm_automail.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/ContactSchema.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

using namespace corvella;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool pipelining = argc == 5 && qstrcmp(argv[4], "pipelining") == 0;
    if (argc != 4 && !pipelining) {
        std::fprintf(stderr, "usage: corvella-automailbench PORT ADDRESSES BATCH [pipelining]\n");
        return 2;
    }
    const QString port = QString::fromLatin1(argv[1]);
    const int count = QString::fromLatin1(argv[2]).toInt();

    QTemporaryDir dir;
    store::setProgramFolder(dir.path() + u'/');
    const QString file = dir.path() + u'/' + QString::fromLatin1(store::ContactFileName);
    store::createContactFile(file);
    {
        auto connection = store::Connection::openFile(file, false);
        QSqlDatabase db = connection->database();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(u"insert into maillist values (?)"_qs);
        for (int i = 0; i < count; ++i) {
            // Every hundredth is refused by bench/refusing_smtp.py.
            insert.bindValue(0,
                             (i % 100 == 99 ? u"refused%1@example.com"_qs : u"%1recipient@example.com"_qs).arg(i + 1));
            insert.exec();
        }
        insert.finish();
        db.commit();
    }

    QStringList shown;
    ui::DialogHooks hooks;
    hooks.message = [&](const ui::MessageRequest& request) {
        shown << request.text;
        return QMessageBox::Ok;
    };
    ui::setDialogHooks(hooks);
    mail::Tfrm_automail window;
    const std::pair<const char*, QString> fields[] = {
        {"Edit1", u"127.0.0.1"_qs},
        {"Edit2", port},
        {"Edit4", u"corvella.bench"_qs},
        {"Edit5", u"Bench"_qs},
        {"Edit6", u"sender@example.com"_qs},
        {"Edit3", QString::fromLatin1(argv[3])},
        {"Edit10", u"Bench"_qs},
    };
    for (const auto& [name, text] : fields)
        window.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
    if (pipelining) {
        window.findChild<QLineEdit*>(u"Edit8"_qs)->setText(u"bench"_qs);
        window.findChild<QCheckBox*>(u"CheckBox1"_qs)->setChecked(true);
    }
    window.show();

    QElapsedTimer timer;
    timer.start();
    window.findChild<QPushButton*>(u"Button9"_qs)->click();
    const qint64 ms = timer.elapsed();
    if (shown != QStringList{u"Gönderme tamamlandı..."_qs}) {
        std::fprintf(stderr, "run failed: %s\n", qPrintable(shown.join(u" | "_qs)));
        return 1;
    }
    if (pipelining && !window.mailer()->Extensions().has(u"PIPELINING"_qs)) {
        std::fprintf(stderr, "the server did not announce PIPELINING\n");
        return 1;
    }
    const mail::RunCounts& counts = window.listMailer().counts();
    std::fprintf(stderr, "run %lld ms\n", static_cast<long long>(ms));
    std::fprintf(stderr, "logged: %lld accepted, %lld refused, %lld skipped, %lld not sent\n",
                 static_cast<long long>(counts.accepted), static_cast<long long>(counts.refused),
                 static_cast<long long>(counts.skipped), static_cast<long long>(counts.notSent));
    return 0;
}
