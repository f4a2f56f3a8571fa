#pragma once

#include <QStringList>

namespace corvella::mail {

class ReplyReader;

/// Logs in with AUTH PLAIN, or with AUTH LOGIN when the server offers only that among `methods`. A refusal raises
/// the server's reply line, never a command: the commands carry the password.
void logIn(ReplyReader& replies, const QStringList& methods, const QString& userId, const QString& password);

} // namespace corvella::mail
