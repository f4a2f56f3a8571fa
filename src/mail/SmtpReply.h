#pragma once

#include <QString>
#include <QStringList>

namespace corvella::mail {

class TPowersock;

/// The code of a reply line: its leading digits, at most ten; 0 without digits or beyond 16 bits.
int replyCode(const QString& line);

/// A reply line begins with three digits followed by a blank, "-" or the line's end.
bool isReplyLine(const QString& line);

/// A reply may hold at most this many lines and bytes: a server that sends continuation lines without end must
/// not hold the run nor fill the memory.
constexpr int MaxReplyLines = 512;
constexpr qint64 MaxReplyBytes = 64 * 1024;

/// Reads SMTP replies through a socket client, which keeps the code and text of the first line of each. A reply may
/// run over several lines; the lines after the first are read past, since left unread they would answer the next
/// command.
class ReplyReader {
public:
    explicit ReplyReader(TPowersock& socket)
        : m_socket(socket)
    {}

    /// Sends a command line and returns the first line of its reply.
    QString command(const QString& command);
    /// The next reply, for a greeting or the reply to a pipelined command.
    QString next();
    /// The code of the last reply.
    int code() const;
    /// Raises "Connection closed by the server" for an empty reply and the line itself for one without a code: neither
    /// may pass for acceptance.
    static void require(const QString& reply);
    /// Reads the continuation lines that follow `line` and returns the last one read.
    QString skipContinuation(QString line);
    /// Sends a command and returns every line of its reply, the first and its continuation lines.
    QStringList commandLines(const QString& command);

    /// One time-out for a whole reply, from the command to its last line, while it lives.
    class Deadline {
    public:
        explicit Deadline(TPowersock& socket);
        ~Deadline();
        Deadline(const Deadline&) = delete;
        Deadline& operator=(const Deadline&) = delete;

    private:
        TPowersock& m_socket;
        bool m_outer;
    };

private:
    /// Appends to `lines` the continuation lines that follow its last one, within the reply's limits.
    void readContinuation(QStringList& lines);

    TPowersock& m_socket;
};

} // namespace corvella::mail
