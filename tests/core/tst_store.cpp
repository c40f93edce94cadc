#include "tests.h"

#include "store/Database.h"
#include "store/Schema.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

#include <atomic>
#include <thread>

using namespace vellamora;

struct TestStore::Fixture
{
    QTemporaryDir dir;
    Database db;
    QString path() const { return dir.filePath(QStringLiteral("vmarc.abs")); }
    Fixture()
    {
        db.open(path());
        for (const char *name : {"VNarc66", "VNshot80", "VNset63", "VNcon63"})
            db.exec(schema::createTableSql(schema::table(QString::fromLatin1(name))));
    }
    QString text(const QString &sql) { return db.scalar(sql).toString(); }
};

void TestStore::init()
{
    m = new Fixture;
}

void TestStore::cleanup()
{
    delete m;
    m = nullptr;
}

void TestStore::emptyTextIsNull()
{
    m->db.insert(QStringLiteral("VNcon63"), {{QStringLiteral("ragsoc"), QStringLiteral("Rossi")},
                                             {QStringLiteral("gruppo"), QString(QLatin1String(""))}});
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT count(*) FROM VNcon63 WHERE gruppo IS NULL")).toInt(), 1);
    m->db.exec(QStringLiteral("UPDATE VNcon63 SET ragsoc = :r"), {{QStringLiteral("r"), QString()}});
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT count(*) FROM VNcon63 WHERE ragsoc IS NULL")).toInt(), 1);
}

void TestStore::charColumnsAreCut_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::newRow("start page -1") << "startab" << "-1" << "-";
    QTest::newRow("fits exactly") << "psw" << QString(30, QLatin1Char('x')) << QString(30, QLatin1Char('x'));
    QTest::newRow("too long password") << "psw" << QString(31, QLatin1Char('y')) << QString(30, QLatin1Char('y'));
    QTest::newRow("accented letters count as one") << "blocco" << "èé" << "è";
    QTest::newRow("column name in other case") << "STARTAB" << "12" << "1";
}

void TestStore::charColumnsAreCut()
{
    QFETCH(QString, column);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    m->db.insert(QStringLiteral("VNset63"), {SqlParams::value_type(column, value)});
    QCOMPARE(m->text(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM VNset63")), stored);
    const QString twice = value + value;
    m->db.update(QStringLiteral("vnset63"), {SqlParams::value_type(column, twice)});
    QCOMPARE(m->text(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM VNset63")), twice.left(stored.size()));
}

void TestStore::namesIgnoreCase()
{
    m->db.insert(QStringLiteral("vnSET63"), {{QStringLiteral("DATASHOT"), QStringLiteral("d mmmm")}});
    QCOMPARE(m->text(QStringLiteral("select datashot from VNSET63")), QStringLiteral("d mmmm"));
    QVERIFY(m->db.tableExists(QStringLiteral("vnset63")));
    QVERIFY(!m->db.tableExists(QStringLiteral("VNnothere")));
    QVERIFY(m->db.columns(QStringLiteral("VNset63")).contains(QStringLiteral("datashot"), Qt::CaseInsensitive));
}

void TestStore::upperFoldsEveryLetter_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::newRow("accented") << "società" << "SOCIETÀ";
    QTest::newRow("accented search lower") << "Perché" << "perché";
    QTest::newRow("german") << "straße" << "STRASSE";
    QTest::newRow("ascii") << "Nessuno" << "NESSUNO";
}

void TestStore::upperFoldsEveryLetter()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    m->db.insert(QStringLiteral("VNcon63"), {SqlParams::value_type(QStringLiteral("ragsoc"), stored)});
    const QVariant n = m->db.scalar(QStringLiteral("SELECT count(*) FROM VNcon63 WHERE UPPER(ragsoc) LIKE UPPER(:s)"),
                                    {{QStringLiteral("s"), QString(QLatin1Char('%') + typed + QLatin1Char('%'))}});
    QCOMPARE(n.toInt(), 1);
}

void TestStore::monthOfADate()
{
    m->db.insert(QStringLiteral("VNarc66"), {{QStringLiteral("id"), QStringLiteral("a")},
                                             {QStringLiteral("datefull"), QDate(2024, 11, 3)}});
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT CAST(strftime('%m', datefull) AS INTEGER) FROM VNarc66")).toInt(), 11);
}

void TestStore::alterAddsSeveralColumns()
{
    m->db.insert(QStringLiteral("VNset63"), {{QStringLiteral("autostart"), QStringLiteral("N")}});
    m->db.addColumns(QStringLiteral("VNset63"), {{QStringLiteral("a1"), QStringLiteral("INTEGER")},
                                                 {QStringLiteral("a2"), QStringLiteral("CHAR(3)")}});
    const QStringList cols = m->db.columns(QStringLiteral("VNset63"));
    QCOMPARE(cols.mid(cols.size() - 2), (QStringList{QStringLiteral("a1"), QStringLiteral("a2")}));
    QVERIFY(m->db.scalar(QStringLiteral("SELECT a1 FROM VNset63")).isNull());
    m->db.update(QStringLiteral("VNset63"), {{QStringLiteral("a2"), QStringLiteral("abcdef")}});
    QCOMPARE(m->text(QStringLiteral("SELECT a2 FROM VNset63")), QStringLiteral("abc"));
}

void TestStore::insertSelectBetweenTwins()
{
    for (int i = 0; i < 3; ++i)
        m->db.insert(QStringLiteral("VNarc66"), {{QStringLiteral("id"), QStringLiteral("imp %1").arg(i)},
                                                 {QStringLiteral("flag"), QStringLiteral("O")},
                                                 {QStringLiteral("datefull"), QDate(2024, 1, 1 + i)}});
    m->db.exec(QStringLiteral("INSERT INTO VNshot80 SELECT * FROM VNarc66 WHERE datefull < :d"),
               {{QStringLiteral("d"), QDate(2024, 1, 3)}});
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT count(*) FROM VNshot80")).toInt(), 2);
    QCOMPARE(m->text(QStringLiteral("SELECT id FROM VNshot80 WHERE codimp = 2")), QStringLiteral("imp 1"));
}

void TestStore::severalStatementsInOneText()
{
    m->db.exec(QStringLiteral("INSERT INTO VNcon63 (ragsoc) VALUES ('a;b');\nUPDATE VNcon63 SET tel = :t;"
                              "\nUPDATE VNcon63 SET email = \"x@y\" WHERE ragsoc = 'a;b'"),
               {{QStringLiteral("t"), QStringLiteral("123")}});
    QCOMPARE(m->text(QStringLiteral("SELECT ragsoc || tel || email FROM VNcon63")), QStringLiteral("a;b123x@y"));
}

void TestStore::booleansAndDates()
{
    m->db.addColumns(QStringLiteral("VNset63"), {{QStringLiteral("flagx"), QStringLiteral("INTEGER")}});
    m->db.insert(QStringLiteral("VNset63"), {{QStringLiteral("flagx"), true}});
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT count(*) FROM VNset63 WHERE flagx = 1")).toInt(), 1);
    m->db.update(QStringLiteral("VNset63"), {{QStringLiteral("flagx"), false}});
    QCOMPARE(m->db.scalar(QStringLiteral("SELECT flagx FROM VNset63")).toInt(), 0);

    const QList<QDate> dates{QDate(2023, 12, 31), QDate(2024, 1, 1), QDate(2024, 10, 2), QDate(2024, 9, 30)};
    for (const QDate &d : dates)
        m->db.insert(QStringLiteral("VNarc66"), {{QStringLiteral("datefull"), d}});
    QSqlQuery q = m->db.select(QStringLiteral("SELECT datefull FROM VNarc66 WHERE datefull >= :d ORDER BY datefull"),
                               {{QStringLiteral("d"), QDate(2024, 1, 1)}});
    QStringList got;
    while (q.next())
        got << q.value(0).toString();
    QCOMPARE(got, (QStringList{QStringLiteral("2024-01-01"), QStringLiteral("2024-09-30"), QStringLiteral("2024-10-02")}));
}

void TestStore::memoKeepsLeadingZeros()
{
    m->db.insert(QStringLiteral("VNarc66"), {{QStringLiteral("note"), QStringLiteral("0012")},
                                             {QStringLiteral("dayofmonth"), QStringLiteral("05")}});
    QCOMPARE(m->text(QStringLiteral("SELECT note || '|' || dayofmonth FROM VNarc66")), QStringLiteral("0012|05"));
}

void TestStore::notADatabaseRaises()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vmarc.abs"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'z'));
    f.close();
    Database db;
    try {
        db.open(path);
        QFAIL("a file that is not a database was opened");
    } catch (const StoreError &e) {
        QVERIFY2(e.text().contains(QLatin1String("not a database")), qPrintable(e.text()));
    }
    QVERIFY(!db.isOpen());
}

void TestStore::twoConnectionsShareTheFile()
{
    Database other;
    other.open(m->path());
    m->db.exec(QStringLiteral("CREATE TABLE counter (n INTEGER)"));
    m->db.exec(QStringLiteral("INSERT INTO counter VALUES (0)"));
    for (int i = 0; i < 50; ++i) {
        Database &db = i % 2 ? other : m->db;
        db.exec(QStringLiteral("UPDATE counter SET n = n + 1"));
    }
    QCOMPARE(other.scalar(QStringLiteral("SELECT n FROM counter")).toInt(), 50);

    // A write that meets another connection's open transaction waits for it instead of failing.
    std::atomic<bool> holding = false;
    std::thread holder([&] {
        Database locker;
        locker.open(m->path());
        locker.exec(QStringLiteral("BEGIN IMMEDIATE"));
        locker.exec(QStringLiteral("UPDATE counter SET n = n + 1"));
        holding = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        locker.exec(QStringLiteral("COMMIT"));
    });
    while (!holding)
        std::this_thread::yield();
    m->db.exec(QStringLiteral("UPDATE counter SET n = n + 10"));
    holder.join();
    QCOMPARE(other.scalar(QStringLiteral("SELECT n FROM counter")).toInt(), 61);
}

void TestStore::compactCopy()
{
    m->db.insert(QStringLiteral("VNcon63"), {{QStringLiteral("ragsoc"), QStringLiteral("Bianchi")}});
    const QString copy = m->dir.filePath(QStringLiteral("copy.abs"));
    m->db.compactCopyTo(copy);
    Database db;
    db.open(copy);
    QCOMPARE(db.scalar(QStringLiteral("SELECT ragsoc FROM VNcon63")).toString(), QStringLiteral("Bianchi"));
}

void TestStore::splitStatements_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("statements");
    QTest::newRow("one") << "SELECT 1" << QStringList{"SELECT 1"};
    QTest::newRow("trailing semicolon") << "SELECT 1;\n" << QStringList{"SELECT 1"};
    QTest::newRow("two") << "A;\nB;" << QStringList{"A", "B"};
    QTest::newRow("quoted semicolons") << "X 'a;b' \"c;d\"; Y" << QStringList{"X 'a;b' \"c;d\"", "Y"};
    QTest::newRow("doubled quote") << "X 'it''s;'; Y" << QStringList{"X 'it''s;'", "Y"};
}

void TestStore::splitStatements()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, statements);
    QCOMPARE(Database::splitStatements(sql), statements);
}
