#pragma once

#include <QLocale>

namespace corvella::test {

/// Makes `locale` the default while it lives, then puts back the one before.
struct LocaleScope {
    QLocale saved;
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};

} // namespace corvella::test
