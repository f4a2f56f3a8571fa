#include "ContactSchema.h"

#include "Connection.h"
#include "DataSet.h"
#include "core/Error.h"
#include "TurkishCollation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace corvella::store {

const QList<ContactColumn>& contactColumns()
{
    static const QList<ContactColumn> columns = {
        {"Ad", 25},
        {"Soyad", 30},
        {"E-mail", 25},
        {"Meslek", 30},
        {"Firma Adi", 30},
        {"Is Telefonu", 25},
        {"Ev Telefonu", 25},
        {"Cep Telefonu", 25},
        {"Dahili N#", 5},
        {"Faks", 25},
        {"Adres 1", 70},
        {"Adres 2", 70},
        {"Posta Kodu", 10},
        {"Sehir", 30},
        {"Fat# Adresi 1", 70},
        {"Fat# Adresi 2", 70},
        {"Vergi Dairesi", 30},
        {"Vergi N#", 10},
        {"Ek Bilgi", 70},
        {"Sektör", 50},
        {"Alt Sektör", 50},
    };
    return columns;
}

namespace {

struct SettingsColumn {
    QString name;
    int textSize; // 0 for a number column
};

QList<SettingsColumn> settingsColumns()
{
    QList<SettingsColumn> columns = {
        {u"Başlık Fontu Adı"_qs, 50},
        {u"Başlık Fontu Boyutu"_qs, 0},
        {u"Normal Yazı Fontu Adı"_qs, 50},
        {u"Normal Yazı Fontu Boyutu"_qs, 0},
        {u"Liste Fontu Adı"_qs, 50},
        {u"Liste Fontu Boyutu"_qs, 0},
        {u"Liste Satır Aralığı"_qs, 0},
        {u"Yazdırma X Eksen Oranı"_qs, 0},
        {u"Yazdırma Y Eksen Oranı"_qs, 0},
        {u"Yazıcı Tipi"_qs, 13},
        {u"Karakter Genişliği"_qs, 0},
        {u"Etiket Y Eksen Oranı"_qs, 0},
        {u"Etiket Genişliği"_qs, 0},
        {u"Etiket Yüksekliği"_qs, 0},
        {u"Yatay Etiket Aralığı"_qs, 0},
        {u"Dikey Etiket Aralığı"_qs, 0},
        {u"Satırdaki Etiket Sayısı"_qs, 0},
        {u"Sayfa Genişliği"_qs, 0},
        {u"Sayfa Yüksekliği"_qs, 0},
        {u"Sol Boşluk"_qs, 0},
        {u"Üst Boşluk"_qs, 0},
    };
    for (const QString& prefix :
         {u"İsim"_qs, u"F# Adı"_qs, u"Adres"_qs, u"İl"_qs, u"İlçe"_qs, u"P#K#"_qs, u"Ülke"_qs}) {
        columns.append({prefix + u" Yazıtipi Adı"_qs, 30});
        columns.append({prefix + u" Yazıtipi Boyutu"_qs, 0});
        columns.append({prefix + u" Yazıtipi Rengi"_qs, 10});
        columns.append({prefix + u" X Koordinatı"_qs, 0});
        columns.append({prefix + u" Y Koordinatı"_qs, 0});
    }
    columns.append({u"Kullanıcı Adı"_qs, 100});
    columns.append({u"Karakter Analizi Y# T# A#"_qs, 50});
    columns.append({u"Karakter Analizi Y# T# B#"_qs, 0});
    columns.append({u"InkJet/LASER/Dot Matrix"_qs, 35});
    return columns;
}

QString bracketed(const QString& name)
{
    return u'[' + name + u']';
}

} // namespace

QStringList contactFileSchema()
{
    const QString collate = u" COLLATE "_qs + QString::fromLatin1(TurkishCollationName);
    QStringList contact = {u"[No] INTEGER PRIMARY KEY"_qs};
    for (const ContactColumn& column : contactColumns())
        contact << bracketed(column.qname()) + u" VARCHAR("_qs + QString::number(column.size) + u')' + collate;

    QStringList settings;
    for (const SettingsColumn& column : settingsColumns())
        settings << bracketed(column.name) +
                        (column.textSize ? u" VARCHAR("_qs + QString::number(column.textSize) + u')' : u" DOUBLE"_qs);

    return {
        u"CREATE TABLE kayit ("_qs + contact.join(u", "_qs) + u')',
        u"CREATE TABLE YAYAR ("_qs + settings.join(u", "_qs) + u')',
        u"CREATE TABLE maillist ([e-mail] VARCHAR(50)"_qs + collate + u')',
    };
}

QList<QPair<QString, QVariant>> defaultPrintSettings()
{
    const QString arial = u"Arial"_qs;
    QList<QPair<QString, QVariant>> values = {
        {u"Başlık Fontu Adı"_qs, arial},
        {u"Başlık Fontu Boyutu"_qs, 14.0},
        {u"Normal Yazı Fontu Adı"_qs, arial},
        {u"Normal Yazı Fontu Boyutu"_qs, 10.0},
        {u"Liste Fontu Adı"_qs, arial},
        {u"Liste Fontu Boyutu"_qs, 8.0},
        {u"Liste Satır Aralığı"_qs, 5.0},
        {u"Yazdırma X Eksen Oranı"_qs, 100.0},
        {u"Yazdırma Y Eksen Oranı"_qs, 100.0},
        {u"Yazıcı Tipi"_qs, u"B/W"_qs},
        {u"Karakter Genişliği"_qs, 2.550632911},
        {u"Etiket Y Eksen Oranı"_qs, 100.0},
        {u"Etiket Genişliği"_qs, 70.0},
        {u"Etiket Yüksekliği"_qs, 37.0},
        {u"Yatay Etiket Aralığı"_qs, 0.0},
        {u"Dikey Etiket Aralığı"_qs, 0.0},
        {u"Satırdaki Etiket Sayısı"_qs, 3.0},
        {u"Sayfa Genişliği"_qs, 210.0},
        {u"Sayfa Yüksekliği"_qs, 297.0},
        {u"Sol Boşluk"_qs, 0.0},
        {u"Üst Boşluk"_qs, 0.0},
    };
    // Element positions inside a 70 x 37 mm label: "Sayın" sits 15 mm left of the name, "/" 5 mm left of the city.
    struct Element {
        QString prefix;
        double size, x, y;
    };
    const Element elements[] = {
        {u"İsim"_qs, 10, 20, 4}, {u"F# Adı"_qs, 10, 5, 10}, {u"Adres"_qs, 9, 5, 16}, {u"İlçe"_qs, 9, 5, 28},
        {u"İl"_qs, 9, 30, 28},   {u"P#K#"_qs, 9, 5, 33},    {u"Ülke"_qs, 9, 30, 33},
    };
    for (const Element& e : elements) {
        values.append({e.prefix + u" Yazıtipi Adı"_qs, arial});
        values.append({e.prefix + u" Yazıtipi Boyutu"_qs, e.size});
        values.append({e.prefix + u" Yazıtipi Rengi"_qs, u"clBlack"_qs});
        values.append({e.prefix + u" X Koordinatı"_qs, e.x});
        values.append({e.prefix + u" Y Koordinatı"_qs, e.y});
    }
    return values;
}

void createContactFile(const QString& filePath)
{
    if (QFileInfo::exists(filePath))
        throw DatabaseError(u"The file '%1' already exists."_qs.arg(QDir::toNativeSeparators(filePath)));
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        throw DatabaseError(
            u"Cannot create the folder '%1'."_qs.arg(QDir::toNativeSeparators(QFileInfo(filePath).absolutePath())));
    try {
        auto connection = Connection::openFile(filePath, true);
        const QSqlDatabase db = connection->database();
        execOrThrow(db, u"BEGIN"_qs);
        for (const QString& statement : contactFileSchema())
            execOrThrow(db, statement);
        const auto settings = defaultPrintSettings();
        QStringList columns, marks;
        for (const auto& [name, value] : settings) {
            columns << bracketed(name);
            marks << u"?"_qs;
        }
        QSqlQuery insert(db);
        insert.prepare(u"INSERT INTO YAYAR ("_qs + columns.join(u", "_qs) + u") VALUES ("_qs + marks.join(u", "_qs) +
                       u')');
        for (const auto& [name, value] : settings)
            insert.addBindValue(value);
        if (!insert.exec())
            throw DatabaseError(engineMessage(insert.lastError()));
        execOrThrow(db, u"COMMIT"_qs);
    } catch (...) {
        QFile::remove(filePath);
        throw;
    }
}

int nextRecordNumber(QueryDataSet& maxQuery)
{
    maxQuery.close();
    maxQuery.open();
    const Field highest = maxQuery.field(0);
    const qint64 taken = highest.isNull() ? 10 : highest.asInteger();
    maxQuery.close();
    return int(taken + 1);
}

} // namespace corvella::store
