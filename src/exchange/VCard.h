#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace corvella::exchange {

/// One property of a card, decoded: its name in upper case ("TEL"), its types in lower case ("work", "fax"; from
/// `TYPE=` in 3.0 and 4.0, bare words in 2.1), and its value split into components at unescaped semicolons
/// (`N`, `ADR`, `ORG` have several), with escapes and quoted-printable undone.
struct VCardProperty {
    QString name;
    QStringList types;
    QStringList values;

    QString value() const { return values.isEmpty() ? QString() : values.first(); }
    bool operator==(const VCardProperty&) const = default;
};

struct VCard {
    QString version;
    QList<VCardProperty> properties;
    /// The line of its BEGIN:VCARD, counting from 1.
    int line = 0;

    QList<VCardProperty> all(const QString& name) const;
    VCardProperty first(const QString& name) const;
};

/// The cards of a vCard file (versions 2.1, 3.0 and 4.0; several cards a file; folded lines; quoted-printable values
/// in their CHARSET). The text is UTF-8, or Windows-1254 when its bytes are not valid UTF-8. Raises a ParseError
/// naming the file and line for an empty file, binary data, text outside a card or a card without END:VCARD.
QList<VCard> readVCards(const QByteArray& bytes, const QString& fileName);

/// One card as vCard 3.0 in UTF-8: VERSION first, values escaped, lines folded at 75 octets and ended by CR LF.
QByteArray writeVCard(const QList<VCardProperty>& properties);

} // namespace corvella::exchange
