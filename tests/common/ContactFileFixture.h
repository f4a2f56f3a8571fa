#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

#include <functional>
#include <memory>

namespace corvella::store {
class Connection;
}

namespace corvella::test {

/// A program folder in a temporary directory holding a new contact file at VT/Dorlune.mdb; the program's
/// connection string points at it for the fixture's lifetime.
class ContactFileFixture {
public:
    explicit ContactFileFixture(bool createFile = true);
    ~ContactFileFixture();

    QString folder() const { return m_dir.path() + u'/'; }
    QString filePath() const;

    /// Adds a contact with the given number and columns, written straight to the file.
    void addContact(int no, const QVariantMap& columns = {});
    /// Adds contacts with the given numbers in one transaction; `columnsOf` gives each one's columns.
    void addContacts(const QList<int>& numbers, const std::function<QVariantMap(int no)>& columnsOf = {});
    /// The numbers from `first` to `last`, both included.
    static QList<int> numbers(int first, int last);
    /// Runs one statement on the file and returns the first column of its first row.
    QVariant scalar(const QString& sql);
    /// Closes the fixture's connection: the next statement reads the file through a new one.
    void reconnect();

private:
    store::Connection& connection();

    QTemporaryDir m_dir;
    std::unique_ptr<store::Connection> m_connection;
};

} // namespace corvella::test
