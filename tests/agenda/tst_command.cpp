#include "tests.h"

#include "AgendaFixture.h"
#include "platform/Shell.h"
#include "store/Database.h"

#include <QtCore/QCryptographicHash>
#include <QtCore/QDirIterator>
#include <QtCore/QProcess>
#include <QtTest/QTest>

using namespace vellamora;
using namespace vellamora::agenda;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runAgenda(const QStringList &args, const QString &program = QStringLiteral(VELLAMORA_AGENDA_EXECUTABLE))
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return { p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
        QString::fromUtf8(p.readAllStandardError()) };
}

// A database with a small week of appointments around Friday 11 December 2026.
void makeDatabase(const QString &folder, const std::vector<Appointment> &list)
{
    QDir().mkpath(folder);
    test::AgendaDatabase fx;
    std::vector<Appointment> copy = list;
    fx.addAll(copy);
    fx.db.close();
    QVERIFY(QFile::copy(fx.file(), QDir(folder).filePath(QStringLiteral("vmarc.abs"))));
}

std::vector<Appointment> smallWeek()
{
    const Regional it = Regional::italian();
    std::vector<Appointment> list;
    Appointment a = test::oneShot(QStringLiteral("Dentista"), QDate(2026, 12, 11));
    list.push_back(test::withTimes(a, QStringLiteral("09:30"), QStringLiteral("10:30")));
    list.push_back(test::weekly(QStringLiteral("Palestra"), QDate(2026, 12, 4), it));
    a = test::yearly(QStringLiteral("Compleanno di Anna"), QDate(1990, 12, 11), it);
    a.dayofmonth = marker::yearCountOn;
    list.push_back(test::withTimes(a, QStringLiteral("18:00"), QStringLiteral("  :  ")));
    a = test::oneShot(QStringLiteral("Sospeso"), QDate(2026, 12, 11));
    a.sospeso = marker::yes;
    list.push_back(test::withTimes(a, QStringLiteral("07:00"), QStringLiteral("  :  ")));
    a = test::oneShot(QStringLiteral("Cena"), QDate(2026, 12, 12));
    list.push_back(test::withTimes(a, QStringLiteral("20:00"), QStringLiteral("23:00")));
    a = test::oneShot(QStringLiteral("Riga uno\r\nriga\tdue"), QDate(2026, 12, 13));
    list.push_back(test::withTimes(a, QStringLiteral("08:00"), QStringLiteral("  :  ")));
    a = test::oneShot(QStringLiteral("Da cancellare"), QDate(2026, 12, 1));
    a.dayofweek = marker::autoDelete;
    list.push_back(a);
    return list;
}

QByteArray fingerprint(const QString &folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    QStringList files;
    while (it.hasNext())
        files << it.next();
    files.sort();
    for (const QString &f : files) {
        QFile file(f);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(QByteArray(f.toUtf8() + file.readAll()
                + QFileInfo(f).lastModified().toString(Qt::ISODateWithMs).toUtf8()));
    }
    return hash.result();
}

} // namespace

void TestAgendaCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    makeDatabase(folder(), smallWeek());
}

void TestAgendaCommand::output_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    const QString friday = QStringLiteral("venerdì 11 dicembre 2026\n"
                                          "                 Palestra\n"
                                          "  09:30 - 10:30  Dentista\n"
                                          "  18:00          Compleanno di Anna\n");
    QTest::newRow("one day") << QStringList { "--date", "2026-12-11" } << friday;
    QTest::newRow("option=value") << QStringList { "--date=2026-12-11", "--days=1" } << friday;
    QTest::newRow("three days") << QStringList { "--date", "2026-12-11", "--days", "3" }
                                << friday
            + QStringLiteral("\nsabato 12 dicembre 2026\n"
                             "  20:00 - 23:00  Cena\n"
                             "\ndomenica 13 dicembre 2026\n"
                             "  08:00          Riga uno  riga\tdue\n");
    QTest::newRow("empty day") << QStringList { "--date", "2026-12-14" }
                               << QStringLiteral("lunedì 14 dicembre 2026\n  (nessun impegno)\n");
    QTest::newRow("tab-separated") << QStringList { "--tsv", "--date", "2026-12-11", "--days", "4" }
                                   << QStringLiteral("2026-12-11\t2\tW\t  :  \t  :  \tPalestra\n"
                                                     "2026-12-11\t1\tO\t09:30\t10:30\tDentista\n"
                                                     "2026-12-11\t3\tY\t18:00\t  :  \tCompleanno di Anna\n"
                                                     "2026-12-12\t5\tO\t20:00\t23:00\tCena\n"
                                                     "2026-12-13\t6\tO\t08:00\t  :  \tRiga uno  riga due\n");
}

void TestAgendaCommand::output()
{
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    const Run run = runAgenda(QStringList { "--folder", folder() } + args);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, expected);
}

void TestAgendaCommand::errors_data()
{
    QTest::addColumn<QString>("setup"); // what the folder given with --folder holds
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    QTest::newRow("no database") << "empty" << QStringList {} << "Nessun archivio di Vellamora";
    QTest::newRow("no such folder") << "missing" << QStringList {} << "non esiste";
    QTest::newRow("not a database") << "text" << QStringList {} << "non è un archivio leggibile";
    QTest::newRow("empty file") << "zero" << QStringList {} << "manca la tabella degli impegni";
    QTest::newRow("another database") << "other" << QStringList {} << "manca la tabella degli impegni";
    QTest::newRow("month 13") << "good" << QStringList { "--date", "2026-13-01" } << "non è una data";
    QTest::newRow("30 February") << "good" << QStringList { "--date", "2026-02-30" } << "non è una data";
    QTest::newRow("regional date") << "good" << QStringList { "--date", "11/12/2026" } << "non è una data";
    QTest::newRow("zero days") << "good" << QStringList { "--days", "0" } << "tra 1 e 366";
    QTest::newRow("too many days") << "good" << QStringList { "--days", "367" } << "tra 1 e 366";
    QTest::newRow("days not a number") << "good" << QStringList { "--days", "tre" } << "tra 1 e 366";
    QTest::newRow("unknown option") << "good" << QStringList { "--verbose" } << "\"verbose\" non esiste";
    QTest::newRow("missing value") << "good" << QStringList { "--days" } << "manca il valore";
    QTest::newRow("stray word") << "good" << QStringList { "oggi" } << "\"oggi\"";
    QTest::newRow("given twice") << "good" << QStringList { "--days", "1", "--days", "2" } << "più volte";
}

void TestAgendaCommand::errors()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QString target = dir.path();
    const QString db = dir.filePath(QStringLiteral("vmarc.abs"));
    if (setup == QLatin1String("missing")) {
        target = dir.filePath(QStringLiteral("nowhere"));
    } else if (setup == QLatin1String("text") || setup == QLatin1String("zero")) {
        QFile f(db);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (setup == QLatin1String("text"))
            f.write(QByteArray("Questo non è un database.\n").repeated(200));
    } else if (setup == QLatin1String("other")) {
        Database other;
        other.open(db);
        other.exec(QStringLiteral("CREATE TABLE altro (x INTEGER)"));
    } else if (setup == QLatin1String("good")) {
        target = folder();
    }
    const Run run = runAgenda(QStringList { "--folder", target } + args);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(says), qPrintable(run.err));
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1); // one sentence on one line
    QVERIFY(run.err.endsWith(QLatin1String(".\n")));
    if (setup == QLatin1String("empty"))
        QVERIFY(!QFileInfo::exists(db)); // never creates a database
}

// Reading never creates, upgrades, cleans or touches anything in the working folder.
void TestAgendaCommand::readsWithoutWriting()
{
    const QByteArray before = fingerprint(folder());
    const Run run = runAgenda({ "--folder", folder(), "--date", "2026-12-11", "--days", "31" });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(fingerprint(folder()), before);
    Database db;
    db.open(QDir(folder()).filePath(QStringLiteral("vmarc.abs")), Database::Access::ReadOnly);
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM VNarc66 WHERE dayofweek = 'X'")), QVariant(1));
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'")).toInt(), 2);
}

void TestAgendaCommand::defaultFolderHonoursNetTxt_data()
{
    QTest::addColumn<QString>("netTxt"); // "" none; "{other}" replaced by the other folder
    QTest::addColumn<QString>("reads");
    QTest::newRow("default working folder") << ""
                                            << "Predefinita";
    QTest::newRow("redirected") << "{other}\r\n"
                                << "Rediretta";
    QTest::newRow("redirected, no line end") << "{other}"
                                             << "Rediretta";
    QTest::newRow("redirected folder missing") << "{other}/sparita\r\n"
                                               << "Predefinita";
    QTest::newRow("empty Net.txt") << "\r\n"
                                   << "Predefinita";
}

void TestAgendaCommand::defaultFolderHonoursNetTxt()
{
    QFETCH(QString, netTxt);
    QFETCH(QString, reads);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("programma/vellamora-agenda"));
    QDir().mkpath(QFileInfo(program).path());
    QVERIFY(QFile::copy(QStringLiteral(VELLAMORA_AGENDA_EXECUTABLE), program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString logon = DesktopShell().logonName();
    const QString work = dir.filePath(QStringLiteral("programma/vellarcs/"))
        + (logon.isEmpty() ? QStringLiteral("generic") : logon + QStringLiteral("Arc"));
    const QString other = dir.filePath(QStringLiteral("altrove"));
    const QDate day(2026, 12, 11);
    makeDatabase(work, { test::oneShot(QStringLiteral("Predefinita"), day) });
    makeDatabase(other, { test::oneShot(QStringLiteral("Rediretta"), day) });
    const QString net = QDir(work).filePath(QStringLiteral("Net.txt"));
    if (!netTxt.isEmpty()) {
        QFile f(net);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QString(netTxt).replace(QStringLiteral("{other}"), other).toUtf8());
    }

    const Run run = runAgenda({ "--tsv", "--date", "2026-12-11" }, program);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out.section(QLatin1Char('\t'), 5).trimmed(), reads);
    QCOMPARE(QFileInfo::exists(net), !netTxt.isEmpty()); // never deleted
}
