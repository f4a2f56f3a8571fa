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
    /// The "Date" header, written only when not empty; none is generated.
    QString Date;
    QString ReplyTo;
};

} // namespace corvella::mail
