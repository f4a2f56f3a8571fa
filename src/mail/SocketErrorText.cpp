#include "SocketErrorText.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace corvella::mail {

namespace {

struct ErrorRow {
    int code;
    const char* text;
};

constexpr ErrorRow g_errorTable[] = {
    {10004, QT_TRANSLATE_NOOP("mail", "Interrupted system call")},
    {10009, QT_TRANSLATE_NOOP("mail", "Bad file number")},
    {10013, QT_TRANSLATE_NOOP("mail", "Permission denied")},
    {10014, QT_TRANSLATE_NOOP("mail", "Bad address")},
    {10022, QT_TRANSLATE_NOOP("mail", "Invalid argument")},
    {10024, QT_TRANSLATE_NOOP("mail", "Too many open files")},
    {10035, QT_TRANSLATE_NOOP("mail", "Operation would block")},
    {10036, QT_TRANSLATE_NOOP("mail", "Operation now in progress")},
    {10037, QT_TRANSLATE_NOOP("mail", "Operation already in progress")},
    {10038, QT_TRANSLATE_NOOP("mail", "Socket operation on non-socket")},
    {10039, QT_TRANSLATE_NOOP("mail", "Destination address required")},
    {10040, QT_TRANSLATE_NOOP("mail", "Message too long")},
    {10041, QT_TRANSLATE_NOOP("mail", "Wrong protocol type for socket")},
    {10042, QT_TRANSLATE_NOOP("mail", "Bad protocol option")},
    {10043, QT_TRANSLATE_NOOP("mail", "Protocol not supported")},
    {10044, QT_TRANSLATE_NOOP("mail", "Socket type not supported")},
    {10045, QT_TRANSLATE_NOOP("mail", "Operation not supported on socket")},
    {10046, QT_TRANSLATE_NOOP("mail", "Protocol family not supported")},
    {10047, QT_TRANSLATE_NOOP("mail", "Address family not supported by protocol family")},
    {10048, QT_TRANSLATE_NOOP("mail", "Address already in use")},
    {10049, QT_TRANSLATE_NOOP("mail", "Can't assign requested address")},
    {10050, QT_TRANSLATE_NOOP("mail", "Network is down")},
    {10051, QT_TRANSLATE_NOOP("mail", "Network is unreachable")},
    {10052, QT_TRANSLATE_NOOP("mail", "Network dropped connection or reset")},
    {10053, QT_TRANSLATE_NOOP("mail", "Software caused connection abort")},
    {10054, QT_TRANSLATE_NOOP("mail", "Connection reset by peer")},
    {10055, QT_TRANSLATE_NOOP("mail", "No buffer space available")},
    {10056, QT_TRANSLATE_NOOP("mail", "Socket is already connected")},
    {10057, QT_TRANSLATE_NOOP("mail", "Socket is not connected")},
    {10058, QT_TRANSLATE_NOOP("mail", "Can't send after socket shutdown")},
    {10059, QT_TRANSLATE_NOOP("mail", "Too many references, can't splice")},
    {10060, QT_TRANSLATE_NOOP("mail", "Connection timed out")},
    {10061, QT_TRANSLATE_NOOP("mail", "Connection refused")},
    {10062, QT_TRANSLATE_NOOP("mail", "Too many levels of symbolic links")},
    {10063, QT_TRANSLATE_NOOP("mail", "File name too long")},
    {10064, QT_TRANSLATE_NOOP("mail", "Host is down")},
    {10065, QT_TRANSLATE_NOOP("mail", "No route to Host")},
    {10066, QT_TRANSLATE_NOOP("mail", "Directory not empty")},
    {10067, QT_TRANSLATE_NOOP("mail", "Too many processes")},
    {10068, QT_TRANSLATE_NOOP("mail", "Too many users")},
    {10069, QT_TRANSLATE_NOOP("mail", "Disc quota exceeded")},
    {10070, QT_TRANSLATE_NOOP("mail", "Stale NFS file handle")},
    {10071, QT_TRANSLATE_NOOP("mail", "Too many levels of remote in path")},
    {10091, QT_TRANSLATE_NOOP("mail", "Network subsystem is unavailable")},
    {10092, QT_TRANSLATE_NOOP("mail", "Incompatible version of WINSOCK.DLL")},
    {10093, QT_TRANSLATE_NOOP("mail", "Successful WSAStartup not yet performed")},
    {11001, QT_TRANSLATE_NOOP("mail", "Host not found")},
    {11002, QT_TRANSLATE_NOOP("mail", "Non-Authoritative Host not found")},
    {11003, QT_TRANSLATE_NOOP("mail", "Non-Recoverable error: FORMERR, REFUSED, NOTIMP")},
    {11004, QT_TRANSLATE_NOOP("mail", "Valid name, no data record of requested type")},
};

} // namespace

QString socketErrorText(int code)
{
    const auto row = std::find_if(std::begin(g_errorTable), std::end(g_errorTable),
                                  [code](const ErrorRow& entry) { return entry.code == code; });
    if (row == std::end(g_errorTable))
        return QCoreApplication::translate("mail", "Unknown Error No. %1").arg(code);
    return QString::number(code) + u':' + QCoreApplication::translate("mail", row->text);
}

} // namespace corvella::mail
