#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace corvella::language {

enum class Language {
    Source, ///< no catalogue: the texts as the program is written, for the C/POSIX locale
    Turkish,
    English,
};

/// Reads one environment variable; empty when unset.
using Environment = std::function<QString(const char* name)>;

/// The language the locale settings ask for. As with gettext, LANGUAGE counts only when the locale (LC_ALL, then
/// LC_MESSAGES, then LANG) is neither unset nor C/POSIX; its first entry, else the locale, picks Turkish for "tr*"
/// and English for anything else.
Language fromEnvironment(const Environment& environment);
/// The language the process's own environment asks for.
Language fromEnvironment();

/// The language of a `--lang` value: "tr" or "en"; nothing for any other.
std::optional<Language> fromName(const QString& name);

/// Takes `--lang NAME` or `--lang=NAME` out of the arguments, wherever it stands, and returns NAME; nothing when
/// the option is absent. The option given without a value returns an empty name.
std::optional<QString> takeOption(int& argc, char** argv);

/// Loads the language's catalogue, and Qt's own for standard buttons where installed, into the application in place
/// of those loaded before. Returns false when the language's catalogue cannot be loaded; `Source` only removes them.
bool install(Language language);

} // namespace corvella::language
