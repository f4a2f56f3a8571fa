#pragma once

#include <QString>
#include <QStringList>

namespace corvella::mail {

/// The message the SMTP client sends next.
struct TPostMessage {
    QString FromName;
    QString FromAddress;
    QStringList ToAddress;
    QStringList ToCarbonCopy;
    /// Envelope only: never written into the header.
    QStringList ToBlindCarbonCopy;
    /// One entry a line.
    QStringList Body;
    /// Full paths of the files to attach.
    QStringList Attachments;
    QString Subject;
    /// The "X-Mailer" header.
    QString LocalProgram;
    /// The "Date" header; when empty, the time of composing in RFC 5322 form with the local offset.
    QString Date;
    /// The "Message-ID" header with its angle brackets; when empty, a new unique one is made for every message.
    QString MessageId;
    QString ReplyTo;
    /// A mailto: or https: address for the List-Unsubscribe header; empty for none.
    QString ListUnsubscribe;
};

} // namespace corvella::mail
