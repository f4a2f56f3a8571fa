#include "ContactSchema.h"

#include "Columns.h"
#include "Connection.h"
#include "DataSet.h"
#include "ServerDatabase.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace corvella::store {

const QList<ContactColumn>& contactColumns()
{
    static const QList<ContactColumn> columns = {
        {contact::FirstName, 25},       {contact::LastName, 30},
        {contact::Email, 25},           {contact::Occupation, 30},
        {contact::Company, 30},         {contact::WorkPhone, 25},
        {contact::HomePhone, 25},       {contact::MobilePhone, 25},
        {contact::Extension, 5},        {contact::Fax, 25},
        {contact::Address1, 70},        {contact::Address2, 70},
        {contact::PostalCode, 10},      {contact::City, 30},
        {contact::InvoiceAddress1, 70}, {contact::InvoiceAddress2, 70},
        {contact::TaxOffice, 30},       {contact::TaxNumber, 10},
        {contact::Notes, 70},           {contact::Sector, 50},
        {contact::SubSector, 50},
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
        {settings::TitleFontName, 50},   {settings::TitleFontSize, 0},  {settings::NormalFontName, 50},
        {settings::NormalFontSize, 0},   {settings::ListFontName, 50},  {settings::ListFontSize, 0},
        {settings::ListLinePitch, 0},    {settings::PrintXScale, 0},    {settings::PrintYScale, 0},
        {settings::PrinterType, 13},     {settings::CharacterWidth, 0}, {settings::LabelYScale, 0},
        {settings::LabelWidth, 0},       {settings::LabelHeight, 0},    {settings::LabelHorizontalGap, 0},
        {settings::LabelVerticalGap, 0}, {settings::LabelsPerRow, 0},   {settings::PageWidth, 0},
        {settings::PageHeight, 0},       {settings::LeftMargin, 0},     {settings::TopMargin, 0},
    };
    using settings::LabelAttribute;
    for (const settings::LabelPart part : settings::LabelParts) {
        columns.append({settings::labelColumn(part, LabelAttribute::FontName), 30});
        columns.append({settings::labelColumn(part, LabelAttribute::FontSize), 0});
        columns.append({settings::labelColumn(part, LabelAttribute::FontColour), 10});
        columns.append({settings::labelColumn(part, LabelAttribute::X), 0});
        columns.append({settings::labelColumn(part, LabelAttribute::Y), 0});
    }
    columns.append({settings::UserName, 100});
    columns.append({settings::CharacterAnalysisA, 50});
    columns.append({settings::CharacterAnalysisB, 0});
    columns.append({settings::PrinterKind, 35});
    return columns;
}

QString bracketed(const QString& name)
{
    return u'[' + name + u']';
}

} // namespace

QStringList contactFileSchema()
{
    // A collation every SQLite tool knows, so the file can be queried outside the program; the program itself
    // compares these columns the Turkish way by naming its collation in each statement (withTurkishComparisons).
    const QString collate = u" COLLATE NOCASE"_qs;
    QStringList contactSql = {bracketed(contact::RecordNumber) + u" INTEGER PRIMARY KEY"_qs};
    for (const ContactColumn& column : contactColumns())
        contactSql << bracketed(column.name) + u" VARCHAR("_qs + QString::number(column.size) + u')' + collate;

    QStringList settingsSql;
    for (const SettingsColumn& column : settingsColumns())
        settingsSql << bracketed(column.name) + (column.textSize
                                                     ? u" VARCHAR("_qs + QString::number(column.textSize) + u')'
                                                     : u" DOUBLE"_qs);

    return {
        u"CREATE TABLE "_qs + tables::Contacts + u" ("_qs + contactSql.join(u", "_qs) + u')',
        u"CREATE TABLE "_qs + tables::Settings + u" ("_qs + settingsSql.join(u", "_qs) + u')',
        u"CREATE TABLE "_qs + tables::MailList + u" ("_qs + bracketed(maillist::Address) + u" VARCHAR(50)"_qs +
            collate + u')',
    };
}

QList<QPair<QString, QVariant>> defaultPrintSettings()
{
    const QString arial = u"Arial"_qs;
    QList<QPair<QString, QVariant>> values = {
        {settings::TitleFontName, arial},
        {settings::TitleFontSize, 14.0},
        {settings::NormalFontName, arial},
        {settings::NormalFontSize, 10.0},
        {settings::ListFontName, arial},
        {settings::ListFontSize, 8.0},
        {settings::ListLinePitch, 5.0},
        {settings::PrintXScale, 100.0},
        {settings::PrintYScale, 100.0},
        {settings::PrinterType, u"B/W"_qs},
        {settings::CharacterWidth, 2.550632911},
        {settings::LabelYScale, 100.0},
        {settings::LabelWidth, 70.0},
        {settings::LabelHeight, 37.0},
        {settings::LabelHorizontalGap, 0.0},
        {settings::LabelVerticalGap, 0.0},
        {settings::LabelsPerRow, 3.0},
        {settings::PageWidth, 210.0},
        {settings::PageHeight, 297.0},
        {settings::LeftMargin, 0.0},
        {settings::TopMargin, 0.0},
    };
    // Element positions inside a 70 x 37 mm label: "Sayın" sits 15 mm left of the name, "/" 5 mm left of the city.
    using settings::LabelAttribute;
    using settings::LabelPart;
    struct Element {
        LabelPart part;
        double size, x, y;
    };
    const Element elements[] = {
        {LabelPart::Name, 10, 20, 4},    {LabelPart::Company, 10, 5, 10},  {LabelPart::Address, 9, 5, 16},
        {LabelPart::District, 9, 5, 28}, {LabelPart::Province, 9, 30, 28}, {LabelPart::PostalCode, 9, 5, 33},
        {LabelPart::Country, 9, 30, 33},
    };
    for (const Element& e : elements) {
        values.append({settings::labelColumn(e.part, LabelAttribute::FontName), arial});
        values.append({settings::labelColumn(e.part, LabelAttribute::FontSize), e.size});
        values.append({settings::labelColumn(e.part, LabelAttribute::FontColour), u"clBlack"_qs});
        values.append({settings::labelColumn(e.part, LabelAttribute::X), e.x});
        values.append({settings::labelColumn(e.part, LabelAttribute::Y), e.y});
    }
    return values;
}

void createContactFile(const QString& filePath)
{
    if (QFileInfo::exists(filePath))
        throw DatabaseError(QCoreApplication::translate("store", "The file '%1' already exists.")
                                .arg(QDir::toNativeSeparators(filePath)));
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        throw DatabaseError(QCoreApplication::translate("store", "Cannot create the folder '%1'.")
                                .arg(QDir::toNativeSeparators(QFileInfo(filePath).absolutePath())));
    // A file left half made would be refused next time as existing: take it away again.
    OnFailure removeFile([&filePath] { QFile::remove(filePath); });
    auto connection = Connection::openFile(filePath, true);
    createContactTables(connection->database());
}

void createContactTables(const QSqlDatabase& db)
{
    if (server::isServer(db)) {
        server::createContactTables(db);
        return;
    }
    const QStringList existing = db.tables();
    static const QRegularExpression createTable(u"^CREATE TABLE (\\S+) "_qs);
    execOrThrow(db, u"BEGIN IMMEDIATE"_qs);
    OnFailure rollback([&db] { QSqlQuery(db).exec(u"ROLLBACK"_qs); });
    bool settingsCreated = false;
    for (const QString& statement : contactFileSchema()) {
        const QString table = createTable.match(statement).captured(1);
        if (existing.contains(table, Qt::CaseInsensitive))
            continue;
        execOrThrow(db, statement);
        settingsCreated = settingsCreated || table.compare(tables::Settings, Qt::CaseInsensitive) == 0;
    }
    if (settingsCreated) {
        const auto settings = defaultPrintSettings();
        QStringList columns, marks;
        QVariantList values;
        for (const auto& [name, value] : settings) {
            columns << bracketed(name);
            marks << u"?"_qs;
            values << value;
        }
        runQuery(db,
                 u"INSERT INTO "_qs + tables::Settings + u" ("_qs + columns.join(u", "_qs) + u") VALUES ("_qs +
                     marks.join(u", "_qs) + u')',
                 values);
    }
    execOrThrow(db, u"COMMIT"_qs);
}

int nextRecordNumber(QueryDataSet& maxQuery)
{
    const QVariant highest = maxQuery.firstValue();
    const qint64 taken = highest.isNull() ? 10 : highest.toLongLong();
    return int(taken + 1);
}

} // namespace corvella::store
