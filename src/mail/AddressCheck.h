#pragma once

#include <QString>

namespace corvella::mail {

/// Why a listed entry cannot be mailed, in words; empty when it can. The entry may carry a display name
/// ("Name <box@host>"); the mailbox is checked against SMTP's syntax (RFC 5321 4.1.2): a dot-atom or quoted local
/// part of at most 64 characters, one "@", a domain of letter-digit-hyphen labels or an address literal.
QString addressProblem(const QString& entry);

} // namespace corvella::mail
