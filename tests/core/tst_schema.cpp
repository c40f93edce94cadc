#include "tests.h"

#include "app/Regional.h"
#include "store/Database.h"
#include "store/OpenDatabase.h"
#include "store/Schema.h"
#include "support/TestDoubles.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

using namespace vellamora;

namespace {

struct Folder
{
    QTemporaryDir dir;
    QString program() const { return dir.path() + QStringLiteral("/"); }
    QString work() const { return dir.path() + QStringLiteral("/vellarcs/marioArc/"); }
    QString file(const QString &name) const { return work() + name; }
    void touch(const QString &path) const
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
};

QString ensure(Database &db, const Folder &f, bool restoreMarker = true)
{
    return schema::ensureSchema(db, {f.work(), f.program(), restoreMarker});
}

QStringList column(Database &db, const QString &sql)
{
    QSqlQuery q = db.select(sql);
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

// The settings columns in their final order.
QStringList finalSettingsColumns()
{
    QStringList out;
    for (const ColumnDef &c : schema::table(QStringLiteral("VNset63")).columns)
        out << c.name;
    out << QStringList{"futuro_flag", "futuro_days", "scala_index", "ampm", "theme_name",
                       "TabShotVisible", "TabYearVisible", "TabMonthVisible", "TabWeekVisible",
                       "TabTodayVisible", "TabContactsVisible", "TabNotesVisible", "TabToDoVisible",
                       "centralino", "charset", "gridmode", "hidetips", "migrationinfo", "solalettura",
                       "mem_group_contact", "mem_group_note", "mem_group_list"};
    return out;
}

} // namespace

void TestSchema::newFolderGetsEverything()
{
    Folder f;
    test::ScriptedPrompter prompter;
    Database db;
    QVERIFY(!openWorkingDatabase(db, f.work(), QDateTime::currentDateTime(), Regional::italian(), prompter));
    QVERIFY(QFileInfo::exists(f.file(QStringLiteral("vmarc.abs"))));
    const QString log = ensure(db, f);
    QCOMPARE(log, QStringLiteral("-> Archivio GRUPPI <<creato ex-novo>>\r-> Archivio NOTE <<creato ex-novo>>\r"
                                 "-> Archivio LISTA <<creato ex-novo>>\r-> Archivio IMPEGNI <<creato ex-novo>>\r"
                                 "-> Archivio DEPOSITO <<creato ex-novo>>\r-> Archivio CONTATTI <<creato ex-novo>>\r"
                                 "-> Archivio OPZIONI <<creato ex-novo>>\r"));
    QVERIFY(prompter.shown.empty());

    QCOMPARE(db.columns(QStringLiteral("VNset63")), finalSettingsColumns());
    QCOMPARE(db.columns(QStringLiteral("VNnot80")), (QStringList{"codnot", "id", "note", "gruppo"}));
    QCOMPARE(db.columns(QStringLiteral("VNarc66")), db.columns(QStringLiteral("VNshot80")));
    QCOMPARE(db.columns(QStringLiteral("VNarc66")).size(), 19);

    const QString row = QStringLiteral(
        "SELECT autostart||minimized||soundon||wavesound||breakline||formatbar||fontname||fontcolor||fontsize||"
        "backcolor||timecheck||shotcolor||yearcolor||monthcolor||weekcolor||todaycolor||contactcolor||notescolor||"
        "todocolor||usercolor||'|'||datashot||'|'||datayear||datashotindex||datayearindex||winwidth||winheight||"
        "winstato||ifnull(psw,'-')||blocco||showcale||startab FROM VNset63");
    QCOMPARE(column(db, row), QStringList{QStringLiteral(
        "NNYmailbeepYNFixedsysclBlack8clWhiteY$00A6A6D2$00A7E3F5$0058A554$00BC8F07$00CE9D9D$009A9A4E$00AEAEAE"
        "$00BADCF8$0053A9FF|dddd d mmmm yyyy|d mmmm30670592wsNormal-YY4")});
    const QString upgrades = QStringLiteral(
        "SELECT futuro_flag||futuro_days||scala_index||ampm||theme_name||TabShotVisible||TabToDoVisible||"
        "centralino||charset||gridmode||hidetips||migrationinfo||solalettura||"
        "ifnull(mem_group_contact,'-')||ifnull(mem_group_note,'-')||ifnull(mem_group_list,'-') FROM VNset63");
    QCOMPARE(column(db, upgrades), QStringList{QStringLiteral("0500default11000000---")});

    for (const QChar section : {QLatin1Char('C'), QLatin1Char('N'), QLatin1Char('L')}) {
        QStringList groups = column(db, QStringLiteral("SELECT ifnull(id,'') FROM VNcat80 WHERE sezione = '%1' ORDER BY codcat").arg(section));
        QCOMPARE(groups, schema::defaultGroups(section));
    }
    QCOMPARE(column(db, QStringLiteral("SELECT count(*) FROM VNcat80 WHERE id IS NULL")), QStringList{"3"});
}

void TestSchema::secondStartOnlyReads()
{
    Folder f;
    test::ScriptedPrompter prompter;
    {
        Database db;
        openWorkingDatabase(db, f.work(), QDateTime::currentDateTime(), Regional::italian(), prompter);
        ensure(db, f);
    }
    Database db;
    openWorkingDatabase(db, f.work(), QDateTime::currentDateTime(), Regional::italian(), prompter);
    db.setLogging(true);
    db.clearLog();
    QCOMPARE(ensure(db, f), QString());
    QVERIFY2(db.counters().writes == 0, qPrintable(db.log().join(QLatin1Char('\n'))));
    QVERIFY(db.counters().reads > 0);
}

void TestSchema::onlyMissingStepRuns()
{
    Folder f;
    test::ScriptedPrompter prompter;
    Database db;
    openWorkingDatabase(db, f.work(), QDateTime::currentDateTime(), Regional::italian(), prompter);
    ensure(db, f);
    db.exec(QStringLiteral("ALTER TABLE VNset63 DROP COLUMN solalettura"));
    db.update(QStringLiteral("VNset63"), {{QStringLiteral("theme_name"), QStringLiteral("mio")}});
    db.setLogging(true);
    db.clearLog();
    ensure(db, f);
    QStringList writes;
    for (const QString &s : db.log()) {
        if (!s.startsWith(QLatin1String("SELECT")) && !s.startsWith(QLatin1String("PRAGMA")))
            writes << s;
    }
    QCOMPARE(writes, (QStringList{QStringLiteral("ALTER TABLE VNset63 ADD COLUMN solalettura INTEGER"),
                                  QStringLiteral("UPDATE VNset63 SET solalettura = 0")}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT theme_name FROM VNset63")).toString(), QStringLiteral("mio"));
    QCOMPARE(db.columns(QStringLiteral("VNset63")).last(), QStringLiteral("solalettura"));
}

void TestSchema::oldLayoutUpgradesGroups()
{
    Folder f;
    QDir().mkpath(f.work());
    Database db;
    db.open(f.file(QStringLiteral("vmarc.abs")));
    // A database of an older version: settings without futuro_flag, notes and tasks without groups.
    for (const char *name : {"VNcat80", "VNnot80", "VNtod63", "VNarc66", "VNshot80", "VNcon63", "VNset63"})
        db.exec(schema::createTableSql(schema::table(QString::fromLatin1(name))));
    db.insert(QStringLiteral("VNset63"), {{QStringLiteral("autostart"), QStringLiteral("Y")}});
    for (const char *g : {"NESSUNO", "nessuno", "Nessuno ", "Lavoro", "NeSsUnO"})
        db.insert(QStringLiteral("VNcon63"), {{QStringLiteral("ragsoc"), QString::fromLatin1(g)},
                                              {QStringLiteral("gruppo"), QString::fromLatin1(g)}});
    QCOMPARE(ensure(db, f), QString());
    QCOMPARE(column(db, QStringLiteral("SELECT ragsoc || ':' || ifnull(gruppo, '-') FROM VNcon63 ORDER BY codcon")),
             (QStringList{"NESSUNO:-", "nessuno:-", "Nessuno :Nessuno ", "Lavoro:Lavoro", "NeSsUnO:-"}));
    QCOMPARE(column(db, QStringLiteral("SELECT autostart || futuro_days || theme_name FROM VNset63")),
             QStringList{"Y5default"});
    QCOMPARE(column(db, QStringLiteral("SELECT count(*) FROM VNcat80 WHERE sezione = 'N'")), QStringList{"16"});
    QCOMPARE(column(db, QStringLiteral("SELECT count(*) FROM VNcat80 WHERE sezione = 'L'")), QStringList{"8"});
    QCOMPARE(column(db, QStringLiteral("SELECT count(*) FROM VNcat80 WHERE sezione = 'C'")), QStringList{"0"});
}

void TestSchema::dropSetRebuildsSettings_data()
{
    QTest::addColumn<bool>("settingsExist");
    QTest::newRow("with settings") << true;
    QTest::newRow("without settings") << false;
}

void TestSchema::dropSetRebuildsSettings()
{
    QFETCH(bool, settingsExist);
    Folder f;
    test::ScriptedPrompter prompter;
    Database db;
    openWorkingDatabase(db, f.work(), QDateTime::currentDateTime(), Regional::italian(), prompter);
    ensure(db, f);
    db.update(QStringLiteral("VNset63"), {{QStringLiteral("psw"), QStringLiteral("segreto")}});
    db.insert(QStringLiteral("VNcon63"), {{QStringLiteral("ragsoc"), QStringLiteral("Verdi")}});
    if (!settingsExist)
        db.exec(QStringLiteral("DROP TABLE VNset63"));
    f.touch(f.file(QStringLiteral("DROPSET")));

    const QString log = ensure(db, f);
    QCOMPARE(log, QStringLiteral("-> Archivio OPZIONI <<creato ex-novo>>\r"));
    QCOMPARE(QFileInfo::exists(f.file(QStringLiteral("DROPSET"))), !settingsExist);
    QVERIFY(db.scalar(QStringLiteral("SELECT psw FROM VNset63")).isNull());
    QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM VNset63")).toInt(), 1);
    QCOMPARE(db.columns(QStringLiteral("VNset63")), finalSettingsColumns());
    QCOMPARE(db.scalar(QStringLiteral("SELECT ragsoc FROM VNcon63")).toString(), QStringLiteral("Verdi"));
}

void TestSchema::migrationInfo_data()
{
    QTest::addColumn<bool>("markers");
    QTest::addColumn<bool>("bde");
    QTest::addColumn<bool>("restoreMarker");
    QTest::addColumn<int>("expected");
    QTest::newRow("old installation") << true << true << true << 1;
    QTest::newRow("markers without BDE") << true << false << true << 0;
    QTest::newRow("BDE without markers") << false << true << true << 0;
    QTest::newRow("after a restore") << true << true << false << 0;
}

void TestSchema::migrationInfo()
{
    QFETCH(bool, markers);
    QFETCH(bool, bde);
    QFETCH(bool, restoreMarker);
    QFETCH(int, expected);
    Folder f;
    if (markers) {
        for (const char *n : {"VNarc66.DB", "VNcon63.DB", "VNtod63.DB", "VNset63.DB"})
            f.touch(f.file(QString::fromLatin1(n)));
    }
    if (bde)
        QDir().mkpath(f.program() + QStringLiteral("BDE"));
    test::ScriptedPrompter prompter;
    Database db;
    openWorkingDatabase(db, f.work(), QDateTime::currentDateTime(), Regional::italian(), prompter);
    ensure(db, f, restoreMarker);
    QCOMPARE(db.scalar(QStringLiteral("SELECT migrationinfo FROM VNset63")).toInt(), expected);
}

void TestSchema::restoreSwap_data()
{
    QTest::addColumn<bool>("currentExists");
    QTest::newRow("with vmarc.abs") << true;
    QTest::newRow("without vmarc.abs") << false;
}

void TestSchema::restoreSwap()
{
    QFETCH(bool, currentExists);
    Folder f;
    test::ScriptedPrompter prompter;
    const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9));
    QDir().mkpath(f.work());
    {
        Database backup;
        backup.open(f.file(QStringLiteral("restore.abs")));
        backup.exec(QStringLiteral("CREATE TABLE marker (who TEXT)"));
        backup.exec(QStringLiteral("INSERT INTO marker VALUES ('backup')"));
    }
    if (currentExists) {
        Database current;
        current.open(f.file(QStringLiteral("vmarc.abs")));
        current.exec(QStringLiteral("CREATE TABLE marker (who TEXT)"));
        current.exec(QStringLiteral("INSERT INTO marker VALUES ('current')"));
    }
    Database db;
    QVERIFY(openWorkingDatabase(db, f.work(), now, Regional::italian(), prompter));
    QCOMPARE(db.scalar(QStringLiteral("SELECT who FROM marker")).toString(), QStringLiteral("backup"));
    QVERIFY(!QFileInfo::exists(f.file(QStringLiteral("restore.abs"))));
    const QString kept = f.file(QStringLiteral("vmarc-2024-03-05-14-07-09.abs"));
    QCOMPARE(QFileInfo::exists(kept), currentExists);
    QCOMPARE(QDir(f.work()).entryList({QStringLiteral("vmarc-*")}).size(), currentExists ? 1 : 0);
    QVERIFY(prompter.shown.empty());
}

void TestSchema::restoreSwapFailureKeepsDatabase()
{
    Folder f;
    test::ScriptedPrompter prompter;
    const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9));
    QDir().mkpath(f.work());
    {
        Database current;
        current.open(f.file(QStringLiteral("vmarc.abs")));
        current.exec(QStringLiteral("CREATE TABLE marker (who TEXT)"));
        current.exec(QStringLiteral("INSERT INTO marker VALUES ('current')"));
    }
    f.touch(f.file(QStringLiteral("restore.abs")));
    // The name the current database would be set aside under is taken by a folder.
    QDir().mkpath(f.file(QStringLiteral("vmarc-2024-03-05-14-07-09.abs")));
    Database db;
    openWorkingDatabase(db, f.work(), now, Regional::italian(), prompter);
    QCOMPARE(prompter.texts(QStringLiteral("plain")),
             (QStringList{QStringLiteral("Non riesco ad importare il backup!"), QStringLiteral("Non riesco ad importare il backup!")}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT who FROM marker")).toString(), QStringLiteral("current"));
    QVERIFY(QFileInfo::exists(f.file(QStringLiteral("restore.abs"))));
}

void TestSchema::folderThatCannotBeCreated()
{
    Folder f;
    f.touch(f.program() + QStringLiteral("vellarcs")); // a file where the folder should go
    test::ScriptedPrompter prompter;
    Database db;
    QVERIFY_THROWS_EXCEPTION(StoreError, openWorkingDatabase(db, f.work(), QDateTime::currentDateTime(),
                                                             Regional::italian(), prompter));
    QCOMPARE(prompter.texts(QStringLiteral("warning")),
             QStringList{QStringLiteral("Abbiamo un bel problema! Non riesco a creare la cartella \"") + f.work() + QLatin1Char('"')});
}
