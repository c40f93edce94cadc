#include "tests.h"

#include "app/ShellRules.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "support/TestDoubles.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QRandomGenerator>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

#include <map>

using namespace vellamora;

void TestShellRules::countPanelText_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("text");
    QTest::newRow("search shows 3 of 10") << 3 << 10 << "3 / 10   ";
    QTest::newRow("all shown") << 10 << 10 << "10   ";
    QTest::newRow("empty section") << 0 << 0 << "0   ";
    QTest::newRow("search finds nothing") << 0 << 4 << "0 / 4   ";
}

void TestShellRules::countPanelText()
{
    QFETCH(int, shown);
    QFETCH(int, total);
    QFETCH(QString, text);
    QCOMPARE(shell::countPanelText(shown, total), text);
}

void TestShellRules::sectionTotals()
{
    QTemporaryDir dir;
    Database db;
    db.open(dir.filePath(QStringLiteral("vmarc.abs")));
    schema::ensureSchema(db, { dir.path(), dir.path(), true });
    const std::map<QString, int> kinds
        = { { QStringLiteral("O"), 3 }, { QStringLiteral("Y"), 2 }, { QStringLiteral("W"), 1 } };
    for (const auto &[flag, n] : kinds)
        for (int i = 0; i < n; ++i)
            db.insert(QStringLiteral("VNarc66"),
                { { QStringLiteral("id"), flag }, { QStringLiteral("flag"), flag } });
    db.insert(QStringLiteral("VNshot80"),
        { { QStringLiteral("id"), QStringLiteral("old") }, { QStringLiteral("flag"), QStringLiteral("O") } });
    db.insert(QStringLiteral("VNcon63"), { { QStringLiteral("ragsoc"), QStringLiteral("Rossi") } });

    const std::map<char, int> expected
        = { { 'O', 3 }, { 'Y', 2 }, { 'M', 0 }, { 'W', 1 }, { 'C', 1 }, { 'N', 0 }, { 'L', 0 }, { 'D', 1 } };
    for (const auto &[letter, n] : expected) {
        const shell::CountSection *section = shell::countSection(QLatin1Char(letter));
        QVERIFY(section);
        QCOMPARE(shell::sectionTotal(db, *section), n);
    }
    QVERIFY(!shell::countSection(QLatin1Char('Z')));
    QCOMPARE(shell::countSection(QLatin1Char('D'))->panel, nullptr); // the archive has a label only
    QCOMPARE(
        QString::fromLatin1(shell::countSection(QLatin1Char('O'))->prefix), QStringLiteral("Giornalieri: "));
}

void TestShellRules::deletionPhrase_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("phrase");
    const char *const rows[] = {
        "\", mi assicuri che dopo non piangerai?",
        "\", sicuro che sia una buona idea?",
        "\", ci hai pensato bene?",
        "\", potrai vivere con questo rimorso?",
        "\", devi proprio farlo adesso?",
        "\", sei sicuro che non merita un'altra possibilità?",
    };
    for (int i = 0; i < 6; ++i) {
        QTest::addRow("draw %d", i) << i << QString::fromUtf8(rows[i]);
        QTest::addRow("draw %d", i + 8) << i + 8 << QString::fromUtf8(rows[i]);
    }
    QTest::newRow("draw 6") << 6 << QStringLiteral("\", ti rendi conto?");
    QTest::newRow("draw 7") << 7 << QStringLiteral("\", sei a conoscenza delle conseguenze?");
}

void TestShellRules::deletionPhrase()
{
    QFETCH(int, draw);
    QFETCH(QString, phrase);
    QCOMPARE(shell::deletionPhrase(draw), phrase);
}

void TestShellRules::deletionPhraseDistribution()
{
    QRandomGenerator random(20261211);
    std::map<QString, int> seen;
    const int draws = 28000;
    for (int i = 0; i < draws; ++i)
        ++seen[shell::deletionPhrase(random)];
    QCOMPARE(int(seen.size()), 8);
    // Expected 4000 for each of the first six, 2000 for the last two.
    for (int draw = 0; draw < 8; ++draw) {
        const int expected = draw < 6 ? 4000 : 2000;
        const int n = seen[shell::deletionPhrase(draw)];
        QVERIFY2(std::abs(n - expected) < expected / 10,
            qPrintable(QStringLiteral("draw %1: %2").arg(draw).arg(n)));
    }
}

void TestShellRules::sizeRules_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("defaultEnabled");
    QTest::newRow("669 x 600 refused") << QSize(669, 600) << false << false << false << true;
    QTest::newRow("670 x 591 refused") << QSize(670, 591) << false << false << false << true;
    QTest::newRow("any size before the first appearance") << QSize(300, 200) << true << false << true << true;
    QTest::newRow("exactly the recommended size") << QSize(670, 592) << false << false << true << false;
    QTest::newRow("larger") << QSize(900, 700) << false << false << true << true;
    QTest::newRow("maximised") << QSize(1920, 1080) << false << true << true << false;
}

void TestShellRules::sizeRules()
{
    QFETCH(QSize, size);
    QFETCH(bool, pending);
    QFETCH(bool, maximized);
    QFETCH(bool, accepted);
    QFETCH(bool, defaultEnabled);
    QCOMPARE(shell::sizeAccepted(size, pending), accepted);
    QCOMPARE(shell::defaultSizeEnabled(maximized, size), defaultEnabled);
    QCOMPARE(shell::fixCaption(QSize(800, 640)), QStringLiteral("Fissa 800 x 640"));
}

void TestShellRules::desktopEntries()
{
    QTemporaryDir dir;
    test::RecordingShell sh;
    sh.autostart = dir.filePath(QStringLiteral("config/autostart"));
    sh.desktop = dir.filePath(QStringLiteral("Scrivania"));
    QCOMPARE(shell::autostartEntryPath(sh), sh.autostart + QStringLiteral("/Vellamora.desktop"));
    QVERIFY(!shell::autostartEntryExists(sh));
    QVERIFY(!shell::removeAutostartEntry(sh)); // nothing to remove

    QVERIFY(shell::createAutostartEntry(sh, QStringLiteral("/opt/vellamora/vellamora")));
    QVERIFY(shell::autostartEntryExists(sh));
    QVERIFY(shell::removeAutostartEntry(sh));
    QVERIFY(!shell::autostartEntryExists(sh));

    QVERIFY(shell::createDesktopShortcut(sh, QStringLiteral("/opt/vellamora/vellamora")));
    QVERIFY(QFile::exists(sh.desktop + QStringLiteral("/Vellamora.desktop")));
    QCOMPARE(sh.entries.size(), 2);
}

void TestShellRules::soundLabel_data()
{
    QTest::addColumn<QString>("sound"); // "@" stands for an existing file in the test folder
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fallback");
    QTest::addColumn<QString>("hintStart");
    QTest::newRow("mail chime") << "mailbeep"
                                << "mailbeep" << false << "Allarme in uso: ";
    QTest::newRow("existing file") << "@"
                                   << "gallo.wav" << false << "Allarme in uso: ";
    QTest::newRow("missing file") << "/nessuna/parte/gallo.wav"
                                  << "mailbeep" << true << "Sostituto del file allarme non trovato: ";
    QTest::newRow("empty") << ""
                           << "mailbeep" << true << "Sostituto del file allarme non trovato: ";
}

void TestShellRules::soundLabel()
{
    QFETCH(QString, sound);
    QFETCH(QString, text);
    QFETCH(bool, fallback);
    QFETCH(QString, hintStart);
    QTemporaryDir dir;
    if (sound == QLatin1String("@")) {
        sound = dir.filePath(QStringLiteral("gallo.wav"));
        QFile f(sound);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const shell::SoundLabel label = shell::soundLabel(sound);
    QCOMPARE(label.text, text);
    QCOMPARE(label.fallback, fallback);
    QCOMPARE(label.hint, hintStart + sound);
}

void TestShellRules::soundDialogFolder()
{
    QTemporaryDir dir;
    const QString program = dir.path() + QLatin1Char('/');
    const QString desktop = dir.filePath(QStringLiteral("Desktop"));
    QCOMPARE(shell::soundDialogFolder(program, desktop, QStringLiteral("mailbeep")), desktop);
    QDir().mkpath(program + QStringLiteral("alarms"));
    QCOMPARE(shell::soundDialogFolder(program, desktop, QStringLiteral("mailbeep")),
        program + QStringLiteral("alarms"));
    QCOMPARE(shell::soundDialogFolder(program, desktop, QStringLiteral("/via/gallo.wav")),
        program + QStringLiteral("alarms"));
    QDir().mkpath(program + QStringLiteral("suoni"));
    QFile f(program + QStringLiteral("suoni/gallo.wav"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(shell::soundDialogFolder(program, desktop, f.fileName()), program + QStringLiteral("suoni"));
}

void TestShellRules::colourText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("blue green red order") << "$00A6A6D2" << QColor(0xD2, 0xA6, 0xA6);
    QTest::newRow("pure blue") << "$00FF0000" << QColor(0, 0, 255);
    QTest::newRow("standard name") << "clBlack" << QColor(Qt::black);
    QTest::newRow("unreadable") << "$00XYZ" << QColor(Qt::white);
    QTest::newRow("empty") << "" << QColor(Qt::white);
}

void TestShellRules::colourText()
{
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QCOMPARE(shell::colourFromText(text), colour);
}
