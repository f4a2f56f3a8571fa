#include "ContactGenerator.h"

#include "core/Error.h"
#include "store/Columns.h"
#include "store/ContactSchema.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace corvella::demodata {

namespace {

QStringList words(QStringView list)
{
    QStringList out;
    for (QStringView word : list.split(u'|'))
        out << word.toString();
    return out;
}

uint64_t splitMix(uint64_t& x)
{
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t rotl(uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

Random::Random(uint64_t seed)
{
    for (uint64_t& s : m_state)
        s = splitMix(seed);
}

// xoshiro256**
uint64_t Random::next()
{
    const uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
}

struct ContactGenerator::Contact {
    QVariant firstName, lastName, email, occupation, company, workPhone, homePhone, mobilePhone, extension, fax,
        address1, address2, postalCode, city, invoiceAddress1, invoiceAddress2, taxOffice, taxNumber, notes, sector,
        subSector;
};

ContactGenerator::ContactGenerator(uint64_t seed)
    : m_random(seed)
{
    const std::pair<const QString&, QVariant Contact::*> members[] = {
        {store::contact::FirstName, &Contact::firstName},
        {store::contact::LastName, &Contact::lastName},
        {store::contact::Email, &Contact::email},
        {store::contact::Occupation, &Contact::occupation},
        {store::contact::Company, &Contact::company},
        {store::contact::WorkPhone, &Contact::workPhone},
        {store::contact::HomePhone, &Contact::homePhone},
        {store::contact::MobilePhone, &Contact::mobilePhone},
        {store::contact::Extension, &Contact::extension},
        {store::contact::Fax, &Contact::fax},
        {store::contact::Address1, &Contact::address1},
        {store::contact::Address2, &Contact::address2},
        {store::contact::PostalCode, &Contact::postalCode},
        {store::contact::City, &Contact::city},
        {store::contact::InvoiceAddress1, &Contact::invoiceAddress1},
        {store::contact::InvoiceAddress2, &Contact::invoiceAddress2},
        {store::contact::TaxOffice, &Contact::taxOffice},
        {store::contact::TaxNumber, &Contact::taxNumber},
        {store::contact::Notes, &Contact::notes},
        {store::contact::Sector, &Contact::sector},
        {store::contact::SubSector, &Contact::subSector},
    };
    // Matched by name, so a column added to the table without a generator for it is noticed at once.
    for (const store::ContactColumn& column : store::contactColumns()) {
        const auto found = std::find_if(std::begin(members), std::end(members),
                                        [&](const auto& member) { return column.name == member.first; });
        if (found == std::end(members))
            throw Error(u"No demo values for the column '%1'."_qs.arg(column.name));
        m_slots.append({found->second, column.size});
    }

    m_femaleTr = words(u"Ayşe|Fatma|Zeynep|Elif|Emine|Hatice|Merve|Büşra|Özge|Gülşen|Şule|Çiğdem|Ebru|Derya|Selin|"
                       u"İpek|Işıl|Gizem|Tuğba|Yasemin|Sevgi|Nur|Dilek|Pınar|Gökçe|Aslı|Ece|Buket|Nazlı|Şeyma|Gül|"
                       u"Ülkü|Öznur|Müge|Hülya|Filiz|İlknur|Çağla|Irmak|Damla|Esra|Sibel|Nilüfer|Ilgın|Feyza");
    m_maleTr = words(u"Mehmet|Mustafa|Ahmet|Ali|Hüseyin|Hasan|İbrahim|İsmail|Osman|Yusuf|Murat|Ömer|Emre|Burak|Can|"
                     u"Cem|Çağrı|Gökhan|Oğuz|Serkan|Ümit|Şükrü|Tarık|Uğur|Volkan|Barış|Kağan|Doğan|Ilgaz|Özgür|"
                     u"Erdoğan|Sinan|Tolga|Koray|Levent|Selçuk|Eşref|Alper|Berk|Tuncay|İlker|Ishak|Halil|Kemal");
    m_foreignFirst = words(u"John|Maria|Anna|David|Sarah|Michael|Laura|Thomas|Sophie|Pierre|Hans|Jürgen|Ingrid|José|"
                           u"François|Björn|Zoë|Chloé|Andrés|Łukasz|Søren|Emma|Luca|Giulia|Mateo|Noah|Olivia|"
                           u"James|Élodie|Marco|Ines|Karl|Agnieszka|Mónica|Lars");
    m_surnameTr = words(u"Yılmaz|Kaya|Demir|Şahin|Çelik|Yıldız|Yıldırım|Öztürk|Aydın|Özdemir|Arslan|Doğan|Kılıç|"
                        u"Aslan|Çetin|Kara|Koç|Kurt|Özkan|Şimşek|Polat|Özcan|Korkmaz|Çakır|Erdoğan|Yavuz|Can|"
                        u"Acar|Şen|Aktaş|Güler|Yalçın|Güneş|Bozkurt|Bulut|Keskin|Ünal|Turan|Gül|Özer|İnce|Işık|"
                        u"Tekin|Uçar|Sarı|Kahraman|Ateş|Akgül|Çiftçi|Ekinci|Karataş|Uysal|Tunç|Güven|Altıntaş|"
                        u"Oğuz|Eren|Öz|Küçük|İpekçi|Ilıcak|Ağaoğlu|Gündoğdu|Karaosmanoğlu|Çalışkan|Büyükşener");
    for (const QString& surname : std::as_const(m_surnameTr))
        m_surnameTrUpper << turkishUpper(surname);
    m_surnameForeign = words(u"Smith|Müller|Schmidt|García|Rossi|Dubois|Johnson|Williams|Brown|Novák|Kowalski|"
                             u"Andersen|Nielsen|Fernández|Martínez|Bianchi|Lefèvre|Schäfer|O'Brien|van den Berg|"
                             u"Jansen|Dupont|Weber|Fischer|Larsen|Costa|Silva|Ivanova|Petrov|Taylor|Østergaard");

    m_occupations = words(u"Muhasebeci|Mali Müşavir|Satış Müdürü|Satın Alma Uzmanı|Yazılım Mühendisi|"
                          u"İnşaat Mühendisi|Makine Mühendisi|Elektrik Mühendisi|Avukat|Doktor|Diş Hekimi|Eczacı|"
                          u"Mimar|Öğretmen|Genel Müdür|İnsan Kaynakları Uzmanı|Pazarlama Müdürü|"
                          u"Lojistik Sorumlusu|Grafik Tasarımcı|Veteriner|Hemşire|Teknisyen|Şoför|Aşçı|Gazeteci|"
                          u"Sekreter|Danışman|Proje Yöneticisi|Kalite Kontrol Uzmanı|Üretim Şefi|Serbest Meslek|"
                          u"İhracat Sorumlusu|Bölge Müdürü|Ziraat Mühendisi|Öğretim Görevlisi");
    m_foreignOccupations = words(u"Sales Manager|Account Executive|Software Developer|Consultant|"
                                 u"Purchasing Manager|Managing Director|Export Manager|Ingénieur commercial|"
                                 u"Einkaufsleiter|Geschäftsführer|Project Manager|Buyer|Architect");

    const struct {
        const char16_t* name;
        const char16_t* subSectors;
        const char16_t* companyWords;
    } sectors[] = {
        {u"Bilişim", u"Yazılım|Donanım|Ağ ve Güvenlik|E-ticaret|Veri Merkezi", u"Bilişim|Yazılım|Teknoloji|Bilgisayar"},
        {u"Tekstil", u"Hazır Giyim|İplik|Dokuma|Ev Tekstili|Deri ve Kürk", u"Tekstil|Konfeksiyon|Örme|Dokuma"},
        {u"Gıda", u"Süt Ürünleri|Unlu Mamuller|Et ve Et Ürünleri|İçecek|Şekerleme", u"Gıda|Un|Süt|Şekerleme"},
        {u"İnşaat", u"Konut|Yapı Malzemeleri|Taahhüt|Altyapı|İç Mimarlık", u"İnşaat|Yapı|Mimarlık|Beton"},
        {u"Otomotiv", u"Yedek Parça|Bayi|Servis|Lastik", u"Otomotiv|Oto|Motorlu Araçlar"},
        {u"Sağlık", u"Hastane|Medikal Cihaz|İlaç|Laboratuvar|Diş Kliniği", u"Sağlık|Medikal|İlaç|Tıp"},
        {u"Eğitim", u"Özel Okul|Kurs|Yabancı Dil|Üniversite", u"Eğitim|Kolej|Akademi"},
        {u"Finans", u"Bankacılık|Sigorta|Muhasebe|Yatırım", u"Finans|Sigorta|Danışmanlık|Yatırım"},
        {u"Turizm", u"Otel|Seyahat Acentesi|Restoran|Araç Kiralama", u"Turizm|Otelcilik|Seyahat"},
        {u"Lojistik", u"Kara Taşımacılığı|Deniz Taşımacılığı|Depolama|Kargo|Gümrük Müşavirliği",
         u"Lojistik|Nakliyat|Taşımacılık"},
        {u"Enerji", u"Elektrik|Doğalgaz|Güneş Enerjisi|Rüzgâr Enerjisi", u"Enerji|Elektrik|Güç Sistemleri"},
        {u"Kimya", u"Boya|Plastik|Temizlik Ürünleri|Kozmetik", u"Kimya|Plastik|Boya|Kozmetik"},
        {u"Medya", u"Reklam|Yayıncılık|Matbaa|Prodüksiyon", u"Medya|Reklam|Yayıncılık|Matbaacılık"},
        {u"Tarım", u"Tohum|Gübre|Seracılık|Hayvancılık", u"Tarım|Ziraat|Tohumculuk"},
        {u"Perakende", u"Market|Mağazacılık|Toptan Ticaret|Kırtasiye", u"Ticaret|Pazarlama|Mağazacılık"},
    };
    for (const auto& s : sectors)
        m_sectors.append({QString::fromUtf16(s.name), words(s.subSectors), words(s.companyWords)});

    m_legalTr = words(u"Ltd. Şti.|A.Ş.|San. ve Tic. A.Ş.|San. Tic. Ltd. Şti.|Tic. Ltd. Şti.|Koll. Şti.");
    m_legalForeign = words(u"Ltd.|GmbH|S.A.|Inc.|B.V.|AG|S.r.l.|LLC");
    m_brandsTr = words(u"Akdeniz|Anadolu|Ege|Marmara|Karadeniz|Toros|Kartal|Doruk|Zirve|Yeni|Öncü|Gökkuşağı|Başak|"
                       u"Çınar|Umut|Birlik|Güven|Atlas|Mavi|Ufuk|Işıltı|İkbal|Yıldız|Özgün|Şahika|Ilgaz|Çağdaş");
    m_brandsForeign = words(u"Northwind|Bluewave|Silverline|Greenfield|Nordic|Apex|Vertex|Crescent|Lindqvist|"
                            u"Rheinland|Albion|Sierra|Baltic|Helvetia");
    m_foreignWords = words(u"Systems|Trading|Logistics|Foods|Textiles|Consulting|Media|Energy|Chemicals|Software");
    m_freeMail = words(u"gmail.com|hotmail.com|yahoo.com|outlook.com|yandex.com|superonline.net|ttmail.com");

    struct CityRow {
        const char16_t* name;
        const char16_t* phonePattern;  // '#' is a random digit
        const char16_t* mobilePattern; // empty for a Turkish number
        const char16_t* postalPattern; // '#' a digit, '@' a capital letter
        const char16_t* districts;
        const char16_t* streets; // abroad only
        int weight;
    };
    const CityRow turkish[] = {
        {u"İstanbul", u"(0212) ### ## ##", u"", u"34###", u"Beşiktaş|Şişli|Bakırköy|Beyoğlu|Fatih|Sarıyer|Esenyurt",
         u"", 12},
        {u"İstanbul", u"(0216) ### ## ##", u"", u"34###", u"Kadıköy|Üsküdar|Ataşehir|Maltepe|Kartal|Ümraniye", u"", 10},
        {u"Ankara", u"(0312) ### ## ##", u"", u"06###", u"Çankaya|Keçiören|Yenimahalle|Etimesgut|Mamak|Altındağ", u"",
         9},
        {u"İzmir", u"(0232) ### ## ##", u"", u"35###", u"Karşıyaka|Bornova|Konak|Buca|Çiğli|Bayraklı", u"", 7},
        {u"Bursa", u"(0224) ### ## ##", u"", u"16###", u"Nilüfer|Osmangazi|Yıldırım|İnegöl", u"", 4},
        {u"Antalya", u"(0242) ### ## ##", u"", u"07###", u"Muratpaşa|Konyaaltı|Kepez|Alanya|Manavgat", u"", 4},
        {u"Adana", u"(0322) ### ## ##", u"", u"01###", u"Seyhan|Çukurova|Yüreğir|Ceyhan", u"", 3},
        {u"Konya", u"(0332) ### ## ##", u"", u"42###", u"Selçuklu|Meram|Karatay|Ereğli", u"", 3},
        {u"Gaziantep", u"(0342) ### ## ##", u"", u"27###", u"Şahinbey|Şehitkamil|Nizip", u"", 3},
        {u"Kocaeli", u"(0262) ### ## ##", u"", u"41###", u"İzmit|Gebze|Darıca|Körfez|Gölcük", u"", 3},
        {u"Eskişehir", u"(0222) ### ## ##", u"", u"26###", u"Odunpazarı|Tepebaşı", u"", 2},
        {u"Trabzon", u"(0462) ### ## ##", u"", u"61###", u"Ortahisar|Akçaabat|Of|Yomra", u"", 2},
        {u"Diyarbakır", u"(0412) ### ## ##", u"", u"21###", u"Bağlar|Kayapınar|Yenişehir|Sur", u"", 2},
        {u"Muğla", u"(0252) ### ## ##", u"", u"48###", u"Bodrum|Fethiye|Marmaris|Menteşe|Milas", u"", 2},
        {u"Kayseri", u"(0352) ### ## ##", u"", u"38###", u"Melikgazi|Kocasinan|Talas", u"", 2},
        {u"Şanlıurfa", u"(0414) ### ## ##", u"", u"63###", u"Haliliye|Eyyübiye|Siverek", u"", 1},
        {u"Çanakkale", u"(0286) ### ## ##", u"", u"17###", u"Merkez|Biga|Gelibolu", u"", 1},
        {u"Ağrı", u"(0472) ### ## ##", u"", u"04###", u"Merkez|Doğubayazıt|Patnos", u"", 1},
        {u"Iğdır", u"(0476) ### ## ##", u"", u"76###", u"Merkez|Aralık|Tuzluca", u"", 1},
        {u"Muş", u"(0436) ### ## ##", u"", u"49###", u"Merkez|Malazgirt|Bulanık", u"", 1},
        {u"Düzce", u"(0380) ### ## ##", u"", u"81###", u"Merkez|Akçakoca", u"", 1},
        {u"Isparta", u"(0246) ### ## ##", u"", u"32###", u"Merkez|Eğirdir|Yalvaç", u"", 1},
        {u"Çorum", u"(0364) ### ## ##", u"", u"19###", u"Merkez|Sungurlu|Osmancık", u"", 1},
        {u"Ordu", u"(0452) ### ## ##", u"", u"52###", u"Altınordu|Ünye|Fatsa", u"", 1},
    };
    // Street names abroad: a leading '#' puts the house number first, as the country writes it.
    const CityRow foreign[] = {
        {u"Berlin", u"+49 30 #### ####", u"+49 15# ### ####", u"1####", u"Mitte|Kreuzberg|Charlottenburg",
         u"Friedrichstraße|Kurfürstendamm|Unter den Linden|Torstraße", 1},
        {u"München", u"+49 89 #### ####", u"+49 17# ### ####", u"80###", u"Schwabing|Maxvorstadt|Sendling",
         u"Leopoldstraße|Maximilianstraße|Sendlinger Straße", 1},
        {u"London", u"+44 20 #### ####", u"+44 7### ######", u"SW# #@@", u"Westminster|Camden|Chelsea",
         u"#Baker Street|#Oxford Street|#King's Road", 1},
        {u"Paris", u"+33 1 ## ## ## ##", u"+33 6 ## ## ## ##", u"750##", u"Le Marais|Montmartre|La Défense",
         u"#Rue de Rivoli|#Boulevard Haussmann|#Avenue Montaigne", 1},
        {u"Amsterdam", u"+31 20 ### ####", u"+31 6 #### ####", u"10## @@", u"Centrum|Zuid|Oost",
         u"Keizersgracht|Prinsengracht|Damrak", 1},
        {u"Wien", u"+43 1 ### ####", u"+43 664 ### ####", u"1###", u"Innere Stadt|Leopoldstadt|Döbling",
         u"Mariahilfer Straße|Kärntner Straße|Währinger Straße", 1},
        {u"New York", u"+1 212 ### ####", u"+1 917 ### ####", u"100##", u"Manhattan|Brooklyn|Queens",
         u"#Broadway|#Fifth Avenue|#Madison Avenue", 1},
        {u"Madrid", u"+34 91 ### ## ##", u"+34 6## ### ###", u"280##", u"Salamanca|Chamberí|Retiro",
         u"Calle de Alcalá|Gran Vía|Paseo de la Castellana", 1},
    };
    auto addCities = [](QList<City>& into, const auto& rows, bool isTurkish) {
        for (const CityRow& row : rows) {
            const City city{QString::fromUtf16(row.name),
                            QString::fromUtf16(row.phonePattern),
                            QString::fromUtf16(row.mobilePattern),
                            QString::fromUtf16(row.postalPattern),
                            words(row.districts),
                            *row.streets ? words(row.streets) : QStringList(),
                            isTurkish};
            for (int i = 0; i < row.weight; ++i)
                into.append(city);
        }
    };
    addCities(m_citiesTr, turkish, true);
    addCities(m_citiesForeign, foreign, false);

    m_neighbourhoods = words(u"Cumhuriyet|Atatürk|Fatih|Yeni|Bahçelievler|Gazi|Zafer|İstiklal|Mimar Sinan|Yıldız|"
                             u"Güzelyalı|Çamlık|Hürriyet|Kazım Karabekir|Barbaros|Sakarya|İnönü|Şirinevler|"
                             u"Esentepe|Ihlamurkuyu|Ortaköy|Çiçekli|Ulus|Kızılay");
    m_streetKinds = words(u"Cad.|Sok.|Caddesi|Sokak|Bulvarı");
    m_buildings = words(u"Plaza|İş Merkezi|Apt.|Sitesi|İş Hanı|Residence|Çarşısı");
    m_notes = words(u"Fuarda tanışıldı.|Yılbaşında tebrik kartı gönderilecek.|Öğleden sonra aranmalı.|"
                    u"Katalog ve fiyat listesi istendi.|Eski müşteri; ödemeleri düzenli.|"
                    u"Toplantı için İzmir'e gelecek.|Sadece e-posta ile iletişim kuruluyor.|Referans: Ömer Bey.|"
                    u"Şubat ayında teklif verilecek.|Prefers English; call after 14:00 CET.|"
                    u"Met at the Hannover trade fair.|Doğum günü: 12 Haziran|"
                    u"Sekreteri Gülşen Hanım'a bırakın.|Çağrı merkezi üzerinden ulaşılıyor.|"
                    u"Kargo adresi farklıdır, fatura adresine dikkat!|IŞIK Holding grubuna bağlı.|"
                    u"İade talebi var; önce muhasebeyle görüşülmeli.");
    m_mobilePrefixes = words(u"0530|0531|0532|0533|0535|0536|0537|0538|0539|0541|0542|0543|0544|0545|0505|0506|"
                             u"0507|0551|0552|0553|0554|0555|0559");
}

QString ContactGenerator::asciiSlug(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) {
            out += ch;
        } else if (c >= u'A' && c <= u'Z') {
            out += QChar(char16_t(c + (u'a' - u'A')));
        } else if (c == u'ı' || c == u'İ') {
            out += u'i';
        } else if (c == u'ß') {
            out += u"ss";
        } else if (c == u'ø' || c == u'Ø') {
            out += u'o';
        } else if (c == u'ł' || c == u'Ł') {
            out += u'l';
        } else if (c >= 0x80 && ch.isLetter()) {
            const QString decomposed = ch.decomposition();
            const QChar base = decomposed.isEmpty() ? QChar() : decomposed.at(0).toLower();
            if (base.unicode() >= u'a' && base.unicode() <= u'z')
                out += base;
        }
    }
    return out;
}

QString ContactGenerator::turkishUpper(const QString& text)
{
    QString out = text;
    for (QChar& ch : out) {
        if (ch == u'i')
            ch = u'İ';
        else if (ch == u'ı')
            ch = u'I';
        else
            ch = ch.toUpper();
    }
    return out;
}

void ContactGenerator::appendDigits(QString& text, int count)
{
    for (int i = 0; i < count; ++i)
        text += QChar(char16_t(u'0' + m_random.below(10)));
}

namespace {

// An optional text: usually the value, sometimes NULL, now and then blank.
QVariant maybe(Random& random, uint32_t presentPercent, const QString& value)
{
    const uint32_t roll = random.below(100);
    if (roll < presentPercent)
        return value;
    return roll < presentPercent + 3 ? QVariant(QString(u""_qs)) : QVariant();
}

QString fillPattern(Random& random, const QString& pattern)
{
    QString out = pattern;
    for (QChar& ch : out) {
        if (ch == u'#')
            ch = QChar(char16_t(u'0' + random.below(10)));
        else if (ch == u'@')
            ch = QChar(char16_t(u'A' + random.below(26)));
    }
    return out;
}

} // namespace

QString ContactGenerator::landline(const City& city)
{
    return fillPattern(m_random, city.phonePattern);
}

QString ContactGenerator::mobile(const City& city)
{
    if (!city.mobilePattern.isEmpty())
        return fillPattern(m_random, city.mobilePattern);
    QString number = m_random.pick(m_mobilePrefixes);
    number += u' ';
    appendDigits(number, 3);
    number += u' ';
    appendDigits(number, 2);
    number += u' ';
    appendDigits(number, 2);
    return number;
}

QString ContactGenerator::mailAddress(const QString& firstName, const QString& surname, const QString& domain)
{
    constexpr int MaxLength = 25;
    const QString first = asciiSlug(firstName.section(u' ', 0, 0));
    const QString last = asciiSlug(surname);
    const QString at = u'@' + domain;
    const qsizetype room = MaxLength - at.size();
    QStringList candidates;
    if (!first.isEmpty() && !last.isEmpty())
        candidates << first + u'.' + last << first + last << first.left(1) + u'.' + last;
    candidates << (last.isEmpty() ? first : last);
    if (candidates.last().isEmpty())
        return {};
    for (const QString& local : std::as_const(candidates))
        if (local.size() <= room)
            return local + at;
    return candidates.last().left(room) + at;
}

void ContactGenerator::makePerson(Contact& c, bool turkish)
{
    QString first;
    QString surname;
    if (turkish) {
        const QStringList& names = m_random.chance(50) ? m_femaleTr : m_maleTr;
        first = m_random.pick(names);
        if (m_random.chance(8))
            first += u' ' + m_random.pick(names);
        const uint32_t index = m_random.below(uint32_t(m_surnameTr.size()));
        // Some people are typed in capitals, which the Turkish collation must still order correctly.
        surname = m_random.chance(4) ? m_surnameTrUpper.at(index) : m_surnameTr.at(index);
        c.occupation = maybe(m_random, 80, m_random.pick(m_occupations));
    } else {
        first = m_random.pick(m_foreignFirst);
        surname = m_random.pick(m_surnameForeign);
        c.occupation = maybe(m_random, 75, m_random.pick(m_foreignOccupations));
    }
    c.firstName = maybe(m_random, 96, first);
    c.lastName = maybe(m_random, 95, surname);
}

void ContactGenerator::makeCompany(Contact& c, bool turkish, const Sector& sector, QString& domainStem)
{
    QString name;
    if (turkish) {
        const QString& word = m_random.pick(sector.companyWords);
        const bool family = m_random.chance(50);
        const QString& owner = family ? m_random.pick(m_surnameTr) : m_random.pick(m_brandsTr);
        const QString base = owner + u' ' + word;
        name = base + u' ' + m_random.pick(m_legalTr);
        if (name.size() > 30)
            name = base + u" A.Ş.";
        if (name.size() > 30)
            name = base;
        // Short domains leave room for a readable name in the 25 characters of an address.
        const QString ownerSlug = asciiSlug(owner);
        const QString joined = ownerSlug + asciiSlug(word);
        domainStem = (joined.size() <= 10 ? joined : ownerSlug.left(10)) + u".com.tr";
    } else {
        const QString& owner = m_random.pick(m_brandsForeign);
        const QString& word = m_random.pick(m_foreignWords);
        const QString& legal = m_random.pick(m_legalForeign);
        name = owner + u' ' + word + u' ' + legal;
        domainStem = asciiSlug(owner) + u".com";
    }
    if (m_random.chance(5))
        name = turkishUpper(name);
    c.company = name;
}

QString ContactGenerator::makeAddress(Contact& c, const City& city)
{
    const QString district = m_random.pick(city.districts);
    QString line1;
    QString line2;
    const QString number = QString::number(1 + m_random.below(m_random.chance(80) ? 120 : 900));
    if (city.turkish) {
        // One draw a statement: the operands of + are evaluated in no fixed order, and the same seed must give
        // the same contacts whatever the compiler.
        const QString& neighbourhood = m_random.pick(m_neighbourhoods);
        const QString& street = m_random.pick(m_neighbourhoods);
        const QString& streetKind = m_random.pick(m_streetKinds);
        line1 = neighbourhood + u" Mah. " + street + u' ' + streetKind + u" No: " + number;
        if (m_random.chance(40))
            line1 += u'/' + QString::number(1 + m_random.below(30));
        if (m_random.chance(30)) {
            const QString& brand = m_random.pick(m_brandsTr);
            const QString& building = m_random.pick(m_buildings);
            const QString floor = QString::number(1 + m_random.below(20));
            line2 = brand + u' ' + building + u" Kat: " + floor + u' ' + district;
        } else {
            line2 = district;
        }
    } else {
        const QString& street = m_random.pick(city.streets);
        line1 = street.startsWith(u'#') ? number + u' ' + street.mid(1) : street + u' ' + number;
        line2 = district;
    }
    c.address1 = maybe(m_random, 85, line1);
    c.address2 = maybe(m_random, 60, line2);
    c.postalCode = maybe(m_random, 70, fillPattern(m_random, city.postalPattern));
    c.city = maybe(m_random, 92, city.turkish && m_random.chance(8) ? turkishUpper(city.name) : city.name);
    if (city.turkish && m_random.chance(15)) {
        c.invoiceAddress1 = line1;
        c.invoiceAddress2 = line2;
    } else {
        c.invoiceAddress1 = c.invoiceAddress2 = QVariant();
    }
    return district;
}

void ContactGenerator::next(QVariantList& values)
{
    Contact c;
    const bool turkish = m_random.chance(85);
    makePerson(c, turkish);

    const Sector& sector = m_sectors.at(m_random.below(uint32_t(m_sectors.size())));
    QString domainStem;
    const uint32_t companyRoll = m_random.below(100);
    if (companyRoll < 78)
        makeCompany(c, turkish, sector, domainStem);
    else if (companyRoll < 82)
        c.company = QString(u""_qs);
    const bool hasCompany = !domainStem.isEmpty();
    if (hasCompany || m_random.chance(20)) {
        c.sector = maybe(m_random, 90, sector.name);
        c.subSector = maybe(m_random, 75, m_random.pick(sector.subSectors));
    }

    const QList<City>& cities = turkish ? m_citiesTr : m_citiesForeign;
    const City& city = cities.at(m_random.below(uint32_t(cities.size())));
    const QString district = makeAddress(c, city);
    if (hasCompany && city.turkish && m_random.chance(70))
        c.taxOffice = QString(district + u" V.D.");

    c.workPhone = maybe(m_random, hasCompany ? 85 : 30, landline(city));
    c.extension = hasCompany && m_random.chance(30)
                      ? QVariant(QString::number(10 + m_random.below(m_random.chance(50) ? 90 : 9990)))
                      : QVariant();
    c.homePhone = maybe(m_random, 35, landline(city));
    c.mobilePhone = maybe(m_random, 80, mobile(city));
    c.fax = maybe(m_random, hasCompany ? 30 : 3, landline(city));

    if (hasCompany && m_random.chance(75)) {
        QString taxNumber;
        appendDigits(taxNumber, 10);
        c.taxNumber = taxNumber;
    }

    const QString domain = hasCompany && m_random.chance(70) ? domainStem : m_random.pick(m_freeMail);
    const QString mail = mailAddress(c.firstName.toString(), c.lastName.toString(), domain);
    if (!mail.isEmpty())
        c.email = maybe(m_random, 80, mail);
    c.notes = maybe(m_random, 22, m_random.pick(m_notes));

    if (values.size() != m_slots.size())
        values.resize(m_slots.size());
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        QVariant& value = c.*(m_slots.at(i).member);
        // The pools are written to fit; this only guards a future edit of a column's length.
        if (value.typeId() == QMetaType::QString && value.toString().size() > m_slots.at(i).size)
            value = value.toString().left(m_slots.at(i).size).trimmed();
        values[i] = std::move(value);
    }
}

} // namespace corvella::demodata
