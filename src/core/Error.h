#pragma once

#include <QString>

#include <exception>

namespace corvella {

/// An error that carries the message the user is shown. Thrown by core code, caught at the window's event handler.
class Error : public std::exception {
public:
    explicit Error(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    {}

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

/// Errors raised by the data layer (engine and data sets).
class DatabaseError : public Error {
public:
    using Error::Error;
};

/// The user was told why an action cannot go on and chose to stop it: the handler ends without a second message.
class CancelledError : public Error {
public:
    using Error::Error;
};

} // namespace corvella
