#include "ContactFileFixture.h"

#include "app/Tfrmkayit.h"
#include "core/Language.h"
#include "mail/SocketErrorText.h"
#include "print/ui/Tfrmetiketdm.h"

#include <QAbstractButton>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>

#include <vector>

using namespace corvella;
using language::Language;

Q_DECLARE_METATYPE(corvella::language::Language)

namespace {
using Environment = QHash<QString, QString>;
}

namespace {

/// The caption of the control named `name` in `window`: a button's or label's text, or the window's title for "".
QString captionOf(QWidget& window, const QString& name)
{
    if (name.isEmpty())
        return window.windowTitle();
    if (auto* button = window.findChild<QAbstractButton*>(name))
        return button->text();
    if (auto* label = window.findChild<QLabel*>(name))
        return label->text();
    if (auto* tabs = window.findChild<QTabWidget*>(name))
        return tabs->tabText(0);
    return u"(no control %1)"_qs.arg(name);
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { language::install(Language::Source); }

    void localeRule_data()
    {
        QTest::addColumn<Environment>("environment");
        QTest::addColumn<Language>("expected");
        using Env = Environment;
        QTest::newRow("nothing set") << Env{} << Language::Source;
        QTest::newRow("C") << Env{{u"LANG"_qs, u"C"_qs}} << Language::Source;
        QTest::newRow("C.UTF-8 in LC_ALL")
            << Env{{u"LC_ALL"_qs, u"C.UTF-8"_qs}, {u"LANG"_qs, u"tr_TR.UTF-8"_qs}} << Language::Source;
        QTest::newRow("POSIX ignores LANGUAGE")
            << Env{{u"LANG"_qs, u"POSIX"_qs}, {u"LANGUAGE"_qs, u"tr"_qs}} << Language::Source;
        QTest::newRow("Turkish LANG") << Env{{u"LANG"_qs, u"tr_TR.UTF-8"_qs}} << Language::Turkish;
        QTest::newRow("LC_MESSAGES before LANG")
            << Env{{u"LC_MESSAGES"_qs, u"tr_TR"_qs}, {u"LANG"_qs, u"de_DE.UTF-8"_qs}} << Language::Turkish;
        QTest::newRow("LC_ALL before LC_MESSAGES")
            << Env{{u"LC_ALL"_qs, u"fr_FR.UTF-8"_qs}, {u"LC_MESSAGES"_qs, u"tr_TR"_qs}} << Language::English;
        QTest::newRow("LANGUAGE first entry wins")
            << Env{{u"LANGUAGE"_qs, u"tr:en"_qs}, {u"LANG"_qs, u"en_GB.UTF-8"_qs}} << Language::Turkish;
        QTest::newRow("LANGUAGE English over Turkish locale")
            << Env{{u"LANGUAGE"_qs, u"en_US"_qs}, {u"LANG"_qs, u"tr_TR.UTF-8"_qs}} << Language::English;
        QTest::newRow("any other locale") << Env{{u"LANG"_qs, u"de_DE.UTF-8"_qs}} << Language::English;
    }
    void localeRule()
    {
        QFETCH(Environment, environment);
        QFETCH(Language, expected);
        const auto read = [&environment](const char* name) { return environment.value(QString::fromLatin1(name)); };
        QCOMPARE(language::fromEnvironment(read), expected);
    }

    void catalogues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("socketError");
        QTest::newRow("tr") << u"tr"_qs << QStringList{u"corvella"_qs, u"--lang"_qs, u"tr"_qs} << Language::Turkish
                            << u"Communication Information"_qs << u"İletişim Bilgileri"_qs
                            << u"10061:Bağlantı reddedildi"_qs;
        QTest::newRow("en") << u"en"_qs << QStringList{u"corvella"_qs, u"export"_qs, u"--lang=en"_qs, u"--bom"_qs}
                            << Language::English << u"Fatura Bilgileri"_qs << u"Invoice Information"_qs
                            << u"10061:Connection refused"_qs;
    }
    // Every entry of the catalogue in the repository is translated, and the one `--lang` picks loads: the windows'
    // texts and those the core libraries make come out in its language.
    void catalogues()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, arguments);
        QFETCH(Language, language);
        QFETCH(QString, source);
        QFETCH(QString, translation);
        QFETCH(QString, socketError);
        QFile file(QStringLiteral(CORVELLA_TRANSLATIONS_DIR "/corvella_") + code + u".ts"_qs);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString lastSource;
        int entries = 0;
        QStringList unfinished;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source") {
                lastSource = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const bool marked = !xml.attributes().value(u"type"_qs).isEmpty();
                if (marked || xml.readElementText().trimmed().isEmpty())
                    unfinished << lastSource;
                ++entries;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(entries > 300);
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(u" | "_qs)));

        QList<QByteArray> bytes;
        std::vector<char*> argv;
        for (const QString& argument : std::as_const(arguments))
            bytes << argument.toLocal8Bit();
        for (QByteArray& argument : bytes)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = int(arguments.size());
        const std::optional<QString> option = language::takeOption(argc, argv.data());
        QVERIFY(option);
        QCOMPARE(*option, code);
        // The option leaves the arguments; the others stay for the command line.
        QCOMPARE(argc, int(arguments.size()) - (arguments.contains(u"--lang"_qs) ? 2 : 1));
        QCOMPARE(language::fromName(*option), language);
        QVERIFY(language::install(language));
        QCOMPARE(QCoreApplication::translate("corvella::app::Tfrmkayit", source.toUtf8().constData()), translation);
        QCOMPARE(mail::socketErrorText(10061), socketError);
    }

    void windowCaptions_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* tag, Language language, const char* window, const char* objectName,
                            const char16_t* caption) {
            QTest::newRow(tag) << language << QString::fromLatin1(window) << QString::fromLatin1(objectName)
                               << QString::fromUtf16(caption);
        };
        row("source: report", Language::Source, "main", "BitBtn1", u"&Report");
        row("source: label dialog", Language::Source, "labels", "", u"Etiket Dökümü");
        row("tr: report", Language::Turkish, "main", "BitBtn1", u"&Rapor");
        row("tr: settings", Language::Turkish, "main", "Button1", u"Baskı Ayarları");
        row("tr: tab", Language::Turkish, "main", "PageControl1", u"İletişim Bilgileri");
        row("tr: field", Language::Turkish, "main", "Label4", u"Firma");
        row("tr: label dialog", Language::Turkish, "labels", "", u"Etiket Dökümü");
        row("en: report", Language::English, "main", "BitBtn1", u"&Report");
        row("en: field", Language::English, "main", "Label4", u"Company");
        row("en: label dialog", Language::English, "labels", "", u"Label Printout");
    }
    // A window made in a language shows that language's captions.
    void windowCaptions()
    {
        QFETCH(Language, language);
        QFETCH(QString, window);
        QFETCH(QString, objectName);
        QFETCH(QString, caption);
        test::ContactFileFixture fixture;
        QVERIFY(language::install(language));
        std::unique_ptr<QWidget> shown;
        if (window == u"main")
            shown = std::make_unique<app::Tfrmkayit>();
        else
            shown = std::make_unique<print::Tfrmetiketdm>();
        QCOMPARE(captionOf(*shown, objectName), caption);
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
