#include "tests.h"

#include "app/SettingsStore.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

using namespace vellamora;

namespace {

// A working folder with the full schema and its default settings row.
struct SettingsDb
{
    QTemporaryDir dir;
    Database db;
    SettingsDb()
    {
        db.open(dir.filePath(QStringLiteral("vmarc.abs")));
        schema::ensureSchema(db, { dir.path(), dir.path(), true });
    }
    QVariant column(const char *name)
    {
        return db.scalar(
            QStringLiteral("SELECT ") + QString::fromLatin1(name) + QStringLiteral(" FROM VNset63"));
    }
};

} // namespace

void TestSettingsStore::soundCode_data()
{
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("visual");
    QTest::addColumn<QString>("code");
    QTest::newRow("sound only") << true << false << "Y";
    QTest::newRow("window only") << false << true << "V";
    QTest::newRow("both") << true << true << "2";
    QTest::newRow("neither") << false << false << "N";
}

void TestSettingsStore::soundCode()
{
    QFETCH(bool, sound);
    QFETCH(bool, visual);
    QFETCH(QString, code);
    QCOMPARE(settings::soundCode(sound, visual), code);
    const auto flags = settings::soundFlags(code);
    QVERIFY(flags.has_value());
    QCOMPARE(flags->sound, sound);
    QCOMPARE(flags->visual, visual);
}

void TestSettingsStore::unknownSoundCodeLeavesBoxes()
{
    QVERIFY(!settings::soundFlags(QString()).has_value());
    QVERIFY(!settings::soundFlags(QStringLiteral("y")).has_value());
    QVERIFY(!settings::soundFlags(QStringLiteral("X")).has_value());
}

void TestSettingsStore::startPage_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("readBack"); // -1: a lost choice
    QTest::newRow("first") << 0 << "0" << 0;
    QTest::newRow("Impegni") << 4 << "4" << 4;
    QTest::newRow("Lista") << 7 << "7" << 7;
    QTest::newRow("Opzioni") << 8 << "8" << 8;
    QTest::newRow("lost choice keeps the first character of -1") << -1 << "-" << -1;
}

void TestSettingsStore::startPage()
{
    QFETCH(int, index);
    QFETCH(QString, code);
    QFETCH(int, readBack);
    QCOMPARE(settings::startPageCode(index), code);
    QCOMPARE(settings::startPageIndex(code).value_or(-1), readBack);
}

void TestSettingsStore::generalWriteStoresAsTyped_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("sound");
    QTest::newRow("plain") << "segreto"
                           << "/home/mario/allarme.wav";
    QTest::newRow("double quote") << "ab\"cd"
                                  << "/home/mario/il \"gallo\".wav";
    QTest::newRow("single quote and semicolon") << "l'ora; DROP TABLE VNset63"
                                                << "/tmp/o'clock.wav";
    QTest::newRow("30 characters") << QString(30, QLatin1Char('z')) << "mailbeep";
}

void TestSettingsStore::generalWriteStoresAsTyped()
{
    QFETCH(QString, password);
    QFETCH(QString, sound);
    SettingsDb s;
    settings::General g;
    g.autostart = true;
    g.soundCode = QStringLiteral("V");
    g.waveSound = sound;
    g.timecheck = true;
    g.dataShot = QStringLiteral("dd/mm/yyyy");
    g.dataShotIndex = 2;
    g.dataYear = QStringLiteral("mmmm dd");
    g.dataYearIndex = 5;
    g.password = password;
    g.blocco = true;
    g.showcale = false;
    g.startPage = -1;
    settings::writeGeneral(s.db, g);
    QCOMPARE(s.column("psw").toString(), password);
    QCOMPARE(s.column("wavesound").toString(), sound);
    QCOMPARE(s.column("autostart").toString(), QStringLiteral("Y"));
    QCOMPARE(s.column("soundon").toString(), QStringLiteral("V"));
    QCOMPARE(s.column("showcale").toString(), QStringLiteral("N"));
    QCOMPARE(s.column("DataShot").toString(), QStringLiteral("dd/mm/yyyy"));
    QCOMPARE(s.column("DataYearIndex").toInt(), 5);
    QCOMPARE(s.column("startab").toString(), QStringLiteral("-"));
    QCOMPARE(s.db.scalar(QStringLiteral("SELECT count(*) FROM VNset63")).toInt(), 1);
}

void TestSettingsStore::emptyPasswordReadsEmpty()
{
    SettingsDb s;
    settings::General g;
    g.password = QStringLiteral("x");
    settings::writeGeneral(s.db, g);
    g.password.clear();
    settings::writeGeneral(s.db, g);
    QVERIFY(s.column("psw").isNull());
}

void TestSettingsStore::ownStatements_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("futuro_flag") << "futuro_flag" << QVariant(true);
    QTest::newRow("futuro_days") << "futuro_days" << QVariant(366);
    QTest::newRow("scala_index") << "scala_index" << QVariant(5);
    QTest::newRow("ampm") << "ampm" << QVariant(true);
    QTest::newRow("hidetips") << "hidetips" << QVariant(true);
    QTest::newRow("solalettura") << "solalettura" << QVariant(true);
}

void TestSettingsStore::ownStatements()
{
    QFETCH(QString, column);
    QFETCH(QVariant, value);
    SettingsDb s;
    settings::writeOwn(s.db, column, value);
    QCOMPARE(s.db.scalar(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM VNset63")).toInt(),
        value.toInt());
}

void TestSettingsStore::ownStatementRefusesOtherColumns()
{
    SettingsDb s;
    QVERIFY_THROWS_EXCEPTION(
        StoreError, settings::writeOwn(s.db, QStringLiteral("psw"), QStringLiteral("x")));
    QVERIFY_THROWS_EXCEPTION(
        StoreError, settings::writeOwn(s.db, QStringLiteral("ampm = 1, psw"), QStringLiteral("x")));
    QVERIFY(s.column("psw").isNull());
}

void TestSettingsStore::windowSize_data()
{
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("state");
    QTest::newRow("normal stores the size") << false << 800 << 640 << "wsNormal";
    QTest::newRow("maximised keeps the stored size") << true << 670 << 592 << "wsMaximized";
}

void TestSettingsStore::windowSize()
{
    QFETCH(bool, maximized);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, state);
    SettingsDb s;
    settings::writeWindow(s.db, maximized, QSize(800, 640));
    QCOMPARE(s.column("WinWidth").toInt(), width);
    QCOMPARE(s.column("WinHeight").toInt(), height);
    QCOMPARE(s.column("WinStato").toString(), state);
}

void TestSettingsStore::tabVisibility()
{
    SettingsDb s;
    std::array<bool, settings::kHideablePages> visible {};
    visible.fill(true);
    visible[1] = false;
    visible[7] = false;
    settings::writeTabVisibility(s.db, visible);
    for (int i = 0; i < settings::kHideablePages; ++i)
        QCOMPARE(s.column(settings::tabVisibleColumns()[size_t(i)]).toBool(), visible[size_t(i)]);
}

void TestSettingsStore::scaleAndClock()
{
    QCOMPARE(settings::dialogScale(0), 100);
    QCOMPARE(settings::dialogScale(5), 150);
    QCOMPARE(settings::dialogScale(9), 100);
    QCOMPARE(settings::clockFormat(true), QStringLiteral("dddd d mmmm yyyy - hh:mm:ss am/pm"));
    QCOMPARE(settings::clockFormat(false), QStringLiteral("dddd d mmmm yyyy - hh:mm:ss"));
}
