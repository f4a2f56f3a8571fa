#pragma once

#include <QString>

namespace corvella::mail {

/// "code:text" for a socket error number, such as "10061:Connection refused"; "Unknown Error No. code" for a number
/// the table does not hold.
QString socketErrorText(int code);

} // namespace corvella::mail
