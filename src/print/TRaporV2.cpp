#include "TRaporV2.h"

#include "Tgenel.h"
#include "core/Error.h"
#include "core/ScopeGuard.h"
#include "store/Columns.h"
#include "store/Connection.h"
#include "store/ServerDatabase.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace corvella::print {

namespace {

/// The contacts of the engine's rows, read by record number from the contact table in the rows' order. The engine's
/// rows are the list's statement run again, so the labels come out as the list shows the contacts, whatever columns
/// the list selected; one forward pass keeps memory flat however long the list is.
class ListedContacts : public LabelRows {
public:
    /// The rows from place `first` (from 0) on, `count` of them; all rows when `count` is negative.
    ListedContacts(const QSqlDatabase& db, const QString& result, qint64 first = 0, qint64 count = -1)
    {
        namespace contact = store::contact;
        QStringList columns;
        for (const QString& column : {contact::FirstName, contact::LastName, contact::Company, contact::Address1,
                                      contact::Address2, contact::City, contact::PostalCode})
            columns << u"k.["_qs + column + u']';
        const QString select = u"SELECT "_qs + columns.join(u", "_qs) + u" FROM "_qs + result +
                               u" AS liste LEFT JOIN "_qs + (store::server::isServer(db) ? u""_qs : u"main."_qs) +
                               store::tables::Contacts + u" AS k ON k.["_qs + contact::RecordNumber +
                               u"] = liste.["_qs + contact::RecordNumber + u"]"_qs;
        // The rows are numbered from 1 in list order, so a page of them is a range of rowids.
        const QString range =
            count < 0 ? QString() : u" WHERE liste.rowid > %1 AND liste.rowid <= %2"_qs.arg(first).arg(first + count);
        const QString sql = select + range + u" ORDER BY liste.rowid"_qs;
        // Through the data layer, which puts the statement in the server's terms when there is one.
        m_query = store::runQuery(db, sql);
    }

    qint64 count() override { return m_count; }
    /// The caller knows how many rows the statement gives; -1 until told.
    void setCount(qint64 count) { m_count = count; }

    bool next(LabelContact& contact) override
    {
        if (!m_query.next()) {
            if (m_query.lastError().isValid())
                throw DatabaseError(store::engineMessage(m_query.lastError()));
            return false;
        }
        const QString first = m_query.value(0).toString().trimmed();
        const QString last = m_query.value(1).toString().trimmed();
        contact.name = QString(first + u' ' + last).trimmed();
        contact.company = m_query.value(2).toString();
        contact.address1 = m_query.value(3).toString();
        contact.address2 = m_query.value(4).toString();
        contact.city = m_query.value(5).toString();
        contact.postalCode = m_query.value(6).toString();
        return true;
    }

private:
    QSqlQuery m_query;
    qint64 m_count = -1;
};

/// The engine's rows a page at a time, while the engine stays open.
class ListedPages : public LabelRowsAt {
public:
    ListedPages(const TRaporV2& engine, QSqlDatabase db, QString result)
        : m_engine(engine)
        , m_db(std::move(db))
        , m_result(std::move(result))
    {}
    qint64 count() override { return m_engine.isActive() ? m_engine.recordCount() : 0; }
    QList<LabelContact> read(qint64 first, qint64 count) override
    {
        QList<LabelContact> contacts;
        if (!m_engine.isActive())
            return contacts;
        ListedContacts rows(m_db, m_result, first, count);
        for (LabelContact contact; rows.next(contact);)
            contacts << contact;
        return contacts;
    }

private:
    const TRaporV2& m_engine;
    QSqlDatabase m_db; // the engine's connection, used only while the engine is open
    QString m_result;
};

LabelElement element(int x, int y, const QString& text, const QString& fontName, int fontSize, int colour)
{
    return LabelElement{x, y, text, fontName, fontSize, colour};
}

void requireRoom(const QList<LabelElement>& elements)
{
    if (elements.size() >= TRaporV2::MaxElements)
        throw Error(QCoreApplication::translate("print", "A label holds at most %1 elements of a kind.")
                        .arg(TRaporV2::MaxElements));
}

} // namespace

TRaporV2::TRaporV2(QObject* parent)
    : QueryDataSet(parent)
{}

void TRaporV2::AddFieldElement(int x, int y, const QString& column, const QString& fontName, int fontSize, int colour)
{
    requireRoom(m_fields);
    m_fields << element(x, y, column, fontName, fontSize, colour);
}

void TRaporV2::AddTextElement(int x, int y, const QString& text, const QString& fontName, int fontSize, int colour)
{
    requireRoom(m_texts);
    m_texts << element(x, y, text, fontName, fontSize, colour);
}

QString TRaporV2::openSource(QSqlDatabase db)
{
    m_result = QueryDataSet::openSource(db);
    return m_result;
}

QString TRaporV2::PrintLabels(const PageProgress& progress)
{
    if (!m_printer)
        throw Error(QCoreApplication::translate("print", "Printing is not available."));
    close();
    // Before the statement runs: a long list is not read for a sheet that holds nothing.
    requireFirstLabel(requireLabelGrid(m_sheet), m_firstLabel);
    open();
    const ScopeExit closeAfterRun([this] { close(); });
    if (findField(store::contact::RecordNumber) < 0)
        throw DatabaseError(
            QCoreApplication::translate("print", "Field '%1' not found").arg(store::contact::RecordNumber));
    // The reading statement ends, with this scope, before closing drops the rows it read.
    ListedContacts contacts(database(), m_result);
    contacts.setCount(recordCount());
    LabelRunOptions options;
    options.firstLabel = m_firstLabel;
    options.progress = progress;
    return printLabels(*m_printer, m_sheet, m_fields, m_texts, contacts, options);
}

std::unique_ptr<LabelRowsAt> TRaporV2::openPages()
{
    close();
    requireFirstLabel(requireLabelGrid(m_sheet), m_firstLabel);
    open();
    OnFailure closeAgain([this] { close(); });
    if (findField(store::contact::RecordNumber) < 0)
        throw DatabaseError(
            QCoreApplication::translate("print", "Field '%1' not found").arg(store::contact::RecordNumber));
    return std::make_unique<ListedPages>(*this, database(), m_result);
}

} // namespace corvella::print
