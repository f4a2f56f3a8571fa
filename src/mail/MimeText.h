#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>

/// Header and body text as it must travel: 7-bit, lines of at most 998 octets. Plain ASCII passes unchanged.
namespace corvella::mail::mime {

constexpr qsizetype MaxLineOctets = 998;
/// Lines the client folds or breaks itself stay within this.
constexpr qsizetype FoldWidth = 78;

bool isAscii(QStringView text);
/// True for CR, LF or NUL: characters that would end a command or a header line early.
bool hasLineBreak(QStringView text);

/// The lines of a text, split at CR LF, CR or LF.
QStringList splitLines(const QString& text);

/// RFC 2047 encoded words (UTF-8, base64) for an unstructured value, folded with CR LF SP between words.
QString encodedWords(const QString& text);

/// An unstructured header value: unchanged when it is ASCII and `name: value` fits on one line, else encoded words.
QString headerText(const QString& name, const QString& value);

/// An address entry for a header starting at `column`: a display name that is not ASCII becomes encoded words
/// before "<address>".
QString headerAddress(const QString& entry, qsizetype column = 0);

/// "name: " followed by the entries joined by ",", folded before an entry that would pass the fold width.
QString addressList(const QString& name, const QStringList& entries);

/// Quoted-printable wire lines (RFC 2045) for one text line, soft breaks keeping each under 77 characters.
QByteArrayList quotedPrintable(const QString& line);

/// A MIME parameter for a file name: `key="name"` quoted as needed, or RFC 2231 `key*=utf-8''...` when not ASCII.
QString fileNameParameter(const QString& key, const QString& fileName);

/// Whether a text holds HTML: a tag, a comment or a character reference.
bool hasHtmlMarkup(const QStringList& lines);
/// Typed text as HTML that reads as typed: "<", ">" and "&" escaped, a "<br>" at the end of every line but the last.
QStringList textAsHtml(const QStringList& lines);

/// A mailto: or https: address that fits between the angle brackets of a List-Unsubscribe header.
bool isUnsubscribeAddress(const QString& address);

} // namespace corvella::mail::mime
