#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace corvella::fuzz {

/// Takes a fuzzer's input apart: single bytes for the choices a target makes, then pieces cut at a separator.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_bytes(reinterpret_cast<const char*>(data), qsizetype(size))
    {}

    bool atEnd() const { return m_position >= m_bytes.size(); }
    /// The next byte; 0 once the input is used up, so that a short input still makes every choice.
    quint8 byte() { return atEnd() ? 0 : quint8(m_bytes.at(m_position++)); }
    /// The bytes up to the next separator or the end, the separator dropped.
    QByteArray piece(char separator = '\0')
    {
        const qsizetype end = m_bytes.indexOf(separator, m_position);
        const qsizetype stop = end < 0 ? m_bytes.size() : end;
        QByteArray part = m_bytes.mid(m_position, stop - m_position);
        m_position = end < 0 ? m_bytes.size() : end + 1;
        return part;
    }
    QString text(char separator = '\0') { return QString::fromUtf8(piece(separator)); }
    QByteArray rest()
    {
        QByteArray part = m_bytes.mid(m_position);
        m_position = m_bytes.size();
        return part;
    }

private:
    QByteArray m_bytes;
    qsizetype m_position = 0;
};

/// Targets that read through Qt's event loop, text codecs or locale make the application once.
inline void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "corvella-fuzz";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv); // lives as long as the process
}

/// The locales whose number and date formats the readers meet: C, Turkish (decimal comma, dotted İ), US English.
inline QLocale localeFor(quint8 choice)
{
    switch (choice % 3) {
    case 1:
        return QLocale(QLocale::Turkish, QLocale::Turkey);
    case 2:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    default:
        return QLocale::c();
    }
}

/// A broken invariant: prints why and aborts, so that the fuzzer keeps the input.
[[noreturn]] inline void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "invariant broken: %s %s\n", what, qPrintable(detail));
    std::abort();
}

} // namespace corvella::fuzz
