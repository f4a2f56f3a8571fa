#include "PostgresServer.h"

#include <QTest>

using corvella::test::PostgresServer;

class TestPostgres : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void serverAnswersOnLoopback();
};

void TestPostgres::initTestCase()
{
    try {
        PostgresServer::shared();
    } catch (const std::exception& error) {
        QFAIL(error.what());
    }
}

void TestPostgres::serverAnswersOnLoopback()
{
    const PostgresServer& server = PostgresServer::shared();
    server.createDatabase(u"probe"_qs);
    QCOMPARE(server.psql(u"probe"_qs, u"SHOW listen_addresses; SELECT current_database();"_qs),
             u"127.0.0.1\nprobe\n"_qs);
}

QTEST_GUILESS_MAIN(TestPostgres)
#include "tst_postgres.moc"
