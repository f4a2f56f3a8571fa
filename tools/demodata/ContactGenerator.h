#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

namespace corvella::demodata {

/// A small, fast generator whose sequence depends only on the seed (the standard distributions differ between
/// library implementations, so they are not used).
class Random {
public:
    explicit Random(uint64_t seed);

    uint64_t next();
    /// A whole number in [0, bound).
    uint32_t below(uint32_t bound) { return uint32_t(static_cast<unsigned __int128>(next()) * bound >> 64); }
    /// True with the given probability, in percent.
    bool chance(uint32_t percent) { return below(100) < percent; }
    const QString& pick(const QStringList& list) { return list.at(below(uint32_t(list.size()))); }

private:
    uint64_t m_state[4];
};

/// Makes plausible contacts for the contact table: Turkish and foreign people, their companies, phones and
/// addresses, with some fields left NULL and a few empty. The same seed always gives the same rows.
class ContactGenerator {
public:
    explicit ContactGenerator(uint64_t seed);

    /// Fills `values` with the next contact, one value per entry of `contactColumns()`, in that order; a
    /// missing field is a null QVariant, a blank one an empty text. Every text fits its column.
    void next(QVariantList& values);

    /// Lower-case ASCII for mail addresses: Turkish and accented letters lose their marks, anything other than a
    /// letter or digit is dropped.
    static QString asciiSlug(const QString& text);
    /// Upper case by Turkish rules (i -> İ, ı -> I).
    static QString turkishUpper(const QString& text);

private:
    struct Contact;
    struct Slot {
        QVariant Contact::*member;
        int size;
    };
    struct Sector {
        QString name;
        QStringList subSectors;
        QStringList companyWords;
    };
    struct City {
        QString name;
        QString phonePattern;  // '#' stands for a random digit
        QString mobilePattern; // empty in Turkey, where an operator prefix is picked
        QString postalPattern; // '#' a digit, '@' a capital letter
        QStringList districts;
        QStringList streets; // abroad only; a leading '#' puts the house number first
        bool turkish;
    };

    void makePerson(Contact& c, bool turkish);
    void makeCompany(Contact& c, bool turkish, const Sector& sector, QString& domainStem);
    /// Returns the district the address lies in.
    QString makeAddress(Contact& c, const City& city);
    /// An address of at most 25 characters, or a null text when the name gives nothing to build one from.
    QString mailAddress(const QString& firstName, const QString& surname, const QString& domain);
    QString landline(const City& city);
    QString mobile(const City& city);
    void appendDigits(QString& text, int count);

    Random m_random;
    QList<Slot> m_slots;

    QStringList m_femaleTr, m_maleTr, m_foreignFirst;
    QStringList m_surnameTr, m_surnameTrUpper, m_surnameForeign;
    QStringList m_occupations, m_foreignOccupations;
    QList<Sector> m_sectors;
    QStringList m_legalTr, m_legalForeign, m_brandsTr, m_brandsForeign, m_foreignWords;
    QStringList m_freeMail;
    QList<City> m_citiesTr, m_citiesForeign;
    QStringList m_neighbourhoods, m_streetKinds, m_buildings, m_notes;
    QStringList m_mobilePrefixes;
};

} // namespace corvella::demodata
