#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace corvella::language {

namespace {

bool isSourceLocale(const QString& locale)
{
    return locale.isEmpty() || locale == u"C"_qs || locale == u"POSIX"_qs || locale.startsWith(u"C."_qs);
}

Language fromLocaleName(const QString& name)
{
    return name.startsWith(u"tr"_qs) ? Language::Turkish : Language::English;
}

} // namespace

Language fromEnvironment(const Environment& environment)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (isSourceLocale(locale))
        return Language::Source;
    const QString preferred = environment("LANGUAGE").section(u':', 0, 0);
    return fromLocaleName(preferred.isEmpty() ? locale : preferred);
}

Language fromEnvironment()
{
    return fromEnvironment([](const char* name) { return qEnvironmentVariable(name); });
}

std::optional<Language> fromName(const QString& name)
{
    if (name == u"tr"_qs)
        return Language::Turkish;
    if (name == u"en"_qs)
        return Language::English;
    return std::nullopt;
}

std::optional<QString> takeOption(int& argc, char** argv)
{
    std::optional<QString> name;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0) {
            name = i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString();
        } else if (std::strncmp(argv[i], "--lang=", 7) == 0) {
            name = QString::fromLocal8Bit(argv[i] + 7);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argv[kept] = nullptr;
    argc = kept;
    return name;
}

bool install(Language language)
{
    // The catalogues installed last; a second call replaces them, so a test can switch languages.
    static QList<QTranslator*> installed;
    for (QTranslator* catalogue : std::as_const(installed)) {
        QCoreApplication::removeTranslator(catalogue);
        delete catalogue;
    }
    installed.clear();
    if (language == Language::Source)
        return true;
    const QString code = language == Language::Turkish ? u"tr"_qs : u"en"_qs;
    auto catalogue = std::make_unique<QTranslator>();
    if (!catalogue->load(u":/i18n/corvella_"_qs + code + u".qm"_qs))
        return false;
    // Qt's own catalogue names the standard buttons; a machine without it shows them in English.
    auto qtCatalogue = std::make_unique<QTranslator>();
    if (qtCatalogue->load(u"qtbase_"_qs + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtCatalogue.get());
        installed << qtCatalogue.release();
    }
    QCoreApplication::installTranslator(catalogue.get());
    installed << catalogue.release();
    return true;
}

} // namespace corvella::language
