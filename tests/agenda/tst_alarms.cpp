#include "tests.h"

#include "agenda/AlarmClock.h"
#include "agenda/Notices.h"
#include "support/TestDoubles.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

using namespace vellamora;
using namespace vellamora::agenda;

namespace {

const QDate kToday(2026, 12, 11);

Appointment at(qint64 key, const QString &start, const QString &id = QStringLiteral("Riunione"))
{
    Appointment a;
    a.codimp = key;
    a.id = id;
    a.flag = QStringLiteral("O");
    a.orario = start;
    a.orario2 = QStringLiteral("  :  ");
    a.fatto = kToday.addDays(-150000);
    a.flagfatto = QStringLiteral("N");
    return a;
}

QDateTime today(const char *time)
{
    return QDateTime(kToday, QTime::fromString(QString::fromLatin1(time), QStringLiteral("hh:mm:ss.zzz")));
}

} // namespace

void TestAlarms::alarmTime_data()
{
    QTest::addColumn<QString>("orario");
    QTest::addColumn<QTime>("expected"); // invalid: never rings
    QTest::newRow("colon") << QStringLiteral("09:30") << QTime(9, 30);
    QTest::newRow("dot") << QStringLiteral("21.05") << QTime(21, 5);
    QTest::newRow("one hour digit") << QStringLiteral("9:30") << QTime(9, 30);
    QTest::newRow("midnight") << QStringLiteral("00:00") << QTime(0, 0);
    QTest::newRow("blank colon") << QStringLiteral("  :  ") << QTime();
    QTest::newRow("blank dot") << QStringLiteral("  .  ") << QTime();
    QTest::newRow("empty") << QString() << QTime();
    QTest::newRow("hour 24") << QStringLiteral("24:00") << QTime();
    QTest::newRow("minute 60") << QStringLiteral("10:60") << QTime();
    QTest::newRow("half typed") << QStringLiteral("10:  ") << QTime();
    QTest::newRow("letters") << QStringLiteral("ab:cd") << QTime();
}

void TestAlarms::alarmTime()
{
    QFETCH(QString, orario);
    QFETCH(QTime, expected);
    QCOMPARE(agenda::alarmTime(orario).value_or(QTime()), expected);
}

void TestAlarms::catchUp_data()
{
    // Checks at the given moments over one list; each check lists the keys that ring.
    QTest::addColumn<QStringList>("starts"); // start times of keys 1, 2, ...
    QTest::addColumn<QStringList>("checks");
    QTest::addColumn<QStringList>("rings"); // per check: keys rung, comma separated
    const QStringList one { QStringLiteral("09:30") };
    QTest::newRow("on time, once") << one
                                   << QStringList { "09:29:59.000", "09:30:00.020", "09:30:00.900",
                                          "09:30:01.010" }
                                   << QStringList { "", "1", "", "" };
    QTest::newRow("one second late") << one << QStringList { "09:29:59.500", "09:30:01.003" }
                                     << QStringList { "", "1" };
    QTest::newRow("a minute late") << one << QStringList { "09:29:59.500", "09:31:00.000" }
                                   << QStringList { "", "1" };
    QTest::newRow("two-hour gap") << QStringList { "08:00", "09:30", "10:15", "11:45" }
                                  << QStringList { "08:30:00.000", "10:30:00.000", "11:00:00.000" }
                                  << QStringList { "", "2,3", "" };
    QTest::newRow("two at the same minute, list order")
        << QStringList { "09:30", "09:30" } << QStringList { "09:29:59.100", "09:30:00.100" }
        << QStringList { "", "1,2" };
    QTest::newRow("first check covers its own second only")
        << QStringList { "09:29", "09:30" } << QStringList { "09:30:00.400", "09:30:01.000" }
        << QStringList { "2", "" };
    QTest::newRow("started after the minute: silent")
        << one << QStringList { "09:30:01.000", "09:35:00.000" } << QStringList { "", "" };
    QTest::newRow("clock set back rings nothing twice")
        << QStringList { "09:30", "09:45" }
        << QStringList { "09:29:59.000", "09:30:00.000", "09:00:00.000", "09:50:00.000" }
        << QStringList { "", "1", "", "2" };
    QTest::newRow("start that does not convert")
        << QStringList { "  :  ", "9h30", "25:10", "09:30" } << QStringList { "00:00:00.000", "23:59:59.000" }
        << QStringList { "", "4" };
}

void TestAlarms::catchUp()
{
    QFETCH(QStringList, starts);
    QFETCH(QStringList, checks);
    QFETCH(QStringList, rings);
    std::vector<Appointment> list;
    for (int i = 0; i < starts.size(); ++i)
        list.push_back(at(i + 1, starts[i]));
    AlarmClock clock;
    for (int i = 0; i < checks.size(); ++i) {
        QStringList keys;
        for (const Appointment *a : clock.due(list, kToday, today(checks[i].toLatin1().constData())))
            keys << QString::number(a->codimp);
        QCOMPARE(keys.join(QLatin1Char(',')), rings[i]);
    }
}

void TestAlarms::catchUpFollowsTheList()
{
    std::vector<Appointment> list { at(1, QStringLiteral("09:30")), at(2, QStringLiteral("09:31")) };
    AlarmClock clock;
    QVERIFY(clock.due(list, kToday, today("09:29:00.000")).empty());
    // Marked done before its minute: the list read again leaves it out.
    list.erase(list.begin());
    QVERIFY(clock.due(list, kToday, today("09:30:00.000")).empty());
    // A row the list still holds but that is done today stays silent as well.
    list[0].fatto = kToday;
    QVERIFY(clock.due(list, kToday, today("09:31:00.000")).empty());

    // Moved to a later minute after it rang: at most once a day.
    std::vector<Appointment> moved { at(3, QStringLiteral("09:40")) };
    QCOMPARE(clock.due(moved, kToday, today("09:40:00.000")).size(), size_t(1));
    moved[0].orario = QStringLiteral("09:45");
    QVERIFY(clock.due(moved, kToday, today("09:45:00.000")).empty());
    // The next day it rings again, from the list read for that day.
    const QDate tomorrow = kToday.addDays(1);
    QVERIFY(clock.due(moved, tomorrow, QDateTime(tomorrow, QTime(9, 44))).empty());
    QCOMPARE(clock.due(moved, tomorrow, QDateTime(tomorrow, QTime(9, 45))).size(), size_t(1));

    // Asleep across midnight: the evening's appointment of the list still held rings.
    AlarmClock night;
    std::vector<Appointment> evening { at(4, QStringLiteral("23:30")), at(5, QStringLiteral("07:00")) };
    QVERIFY(night.due(evening, kToday, today("23:00:00.000")).empty());
    const auto late = night.due(evening, kToday, QDateTime(tomorrow, QTime(8, 0)));
    QCOMPARE(late.size(), size_t(1));
    QCOMPARE(late[0]->codimp, 4);

    // Started (or switched on) during the appointment's second: the next tick rings it.
    std::vector<Appointment> nine { at(6, QStringLiteral("09:00")), at(7, QStringLiteral("10:00")) };
    AlarmClock started;
    started.restartAt(today("09:00:00.700"));
    QCOMPARE(started.due(nine, kToday, today("09:00:01.650")).size(), size_t(1));
    // Switched on again later: what passed while it was off does not ring.
    started.restartAt(today("10:00:01.000"));
    QVERIFY(started.due(nine, kToday, today("10:00:02.000")).empty());
}

void TestAlarms::noticeLine_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");
    const QString pad(14, QLatin1Char(' '));
    QTest::newRow("start and end") << "09:30"
                                   << "11:00"
                                   << "Riunione" << QString(pad + "09:30 - 11:00 : Riunione\r");
    QTest::newRow("start only") << "16:00"
                                << "  :  "
                                << "Caffè" << QString(pad + "16:00 : Caffè\r");
    QTest::newRow("no time") << "  :  "
                             << "11:00"
                             << "Palestra" << QString(pad + "senza orario: Palestra\r");
    QTest::newRow("dotted blank start") << "  .  "
                                        << "  .  "
                                        << "Posta" << QString(pad + "__.__ - __.__ : Posta\r");
    QTest::newRow("dotted blank end") << "08.15"
                                      << "  .  "
                                      << "Treno" << QString(pad + "08.15 - __.__ : Treno\r");
    // 14 + 8 + 39 = 61 characters: kept whole; one more is cut to 58 and "...".
    const QString fits(39, QLatin1Char('a'));
    QTest::newRow("61 kept") << "09:30"
                             << "  :  " << fits << QString(pad + "09:30 : " + fits + "\r");
    QTest::newRow("62 cut") << "09:30"
                            << "  :  " << QString(fits + "b")
                            << QString(pad + "09:30 : " + QString(36, QLatin1Char('a')) + "...\r");
}

void TestAlarms::noticeLine()
{
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, description);
    QFETCH(QString, expected);
    Appointment a = at(1, start, description);
    a.orario2 = end;
    QCOMPARE(notice::noticeLine(a), expected);
}

void TestAlarms::messageLines_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::newRow("44 fits in 46") << 44
                                   << QString(QLatin1Char(' ') + QString(44, QLatin1Char('x'))
                                          + QLatin1Char('!'));
    QTest::newRow("45 is cut") << 45
                               << QString(QLatin1Char(' ') + QString(42, QLatin1Char('x'))
                                      + QStringLiteral("..."));
    QTest::newRow("50 is cut") << 50
                               << QString(QLatin1Char(' ') + QString(42, QLatin1Char('x'))
                                      + QStringLiteral("..."));
}

void TestAlarms::messageLines()
{
    QFETCH(int, length);
    QFETCH(QString, expected);
    QCOMPARE(notice::messageLine1(), QStringLiteral(" Sbrigati! È ora di... "));
    const QString line2 = notice::messageLine2(QString(length, QLatin1Char('x')));
    QCOMPARE(line2, expected);
    QVERIFY(line2.size() <= 46);

    const NoticeContent n = notice::alarmNotice(at(1, QStringLiteral("09:30")), line2);
    QCOMPARE(n.title, QStringLiteral("Sbrigati! Sono le 09:30, è ora di..."));
    QCOMPARE(n.text, QString(14, QLatin1Char(' ')) + line2);
    QCOMPARE(n.height, 96);
    QCOMPARE(n.timeoutSeconds, 10);
}

void TestAlarms::dailySummary()
{
    const Regional regional = Regional::italian();
    std::vector<Appointment> agenda { at(1, QStringLiteral("09:30"), QStringLiteral("Riunione")),
        at(2, QStringLiteral("  :  "), QStringLiteral("Palestra")) };
    NoticeContent n = notice::dailySummary(agenda, kToday, regional);
    QCOMPARE(n.title, QStringLiteral("Impegni di oggi: venerdì 11 dicembre 2026"));
    QCOMPARE(n.text, notice::noticeLine(agenda[0]) + notice::noticeLine(agenda[1]));
    QCOMPARE(n.height, 80 + 2 * 16);
    QCOMPARE(n.timeoutSeconds, 10);

    agenda[0].flagfatto = QStringLiteral("Y");
    n = notice::dailySummary(agenda, kToday, regional);
    QCOMPARE(n.title, QStringLiteral("Impegni (non svolti) di oggi: venerdì 11 dicembre 2026"));
    QCOMPARE(n.text, notice::noticeLine(agenda[1]));
    QCOMPARE(n.height, 80 + 16);
}

void TestAlarms::advanceNotices_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("title");
    QTest::newRow("tomorrow") << 1 << 1
                              << QStringLiteral("Ti anticipo che domani, ovvero sabato 12 dicembre 2026\r");
    QTest::newRow("in three days") << 3 << 2
                                   << QStringLiteral(
                                          "Ti anticipo che tra 3 giorni, ovvero lunedì 14 dicembre 2026\r");
    QTest::newRow("into the next year")
        << 366 << 1 << QStringLiteral("Ti anticipo che tra 366 giorni, ovvero domenica 12 dicembre 2027\r");
}

void TestAlarms::advanceNotices()
{
    QFETCH(int, k);
    QFETCH(int, rows);
    QFETCH(QString, title);
    std::vector<Appointment> list;
    QString text;
    for (int i = 0; i < rows; ++i) {
        list.push_back(at(i + 1, QStringLiteral("10:00"), QStringLiteral("Scadenza %1").arg(i)));
        text += notice::noticeLine(list.back());
    }
    const NoticeContent n = notice::advanceNotice(k, kToday.addDays(k), list, Regional::italian());
    QCOMPARE(n.title, title);
    QCOMPARE(n.text, text);
    QCOMPARE(n.height, 80 + 16 * rows);
    QCOMPARE(n.timeoutSeconds, 0);

    const NoticeContent locked = notice::lockedAdvanceNotice(n.height);
    QCOMPARE(locked.title, QStringLiteral("Si avvicinano degli impegni importanti!"));
    QCOMPARE(
        locked.text, QStringLiteral("              Inserisci la password per scoprire a cosa mi riferisco."));
    QCOMPARE(locked.timeoutSeconds, 0);
    const NoticeContent nothing = notice::nothingAhead(k);
    QCOMPARE(
        nothing.title, QStringLiteral("Nessun impegno importante in vista per i prossimi %1 giorni.").arg(k));
    QVERIFY(nothing.text.isEmpty());
    QCOMPARE(nothing.timeoutSeconds, 5);
}

void TestAlarms::alarmSound_data()
{
    QTest::addColumn<QString>("waveSound"); // "@" stands for the test's own folder
    QTest::addColumn<bool>("alarmsFolder");
    QTest::addColumn<QString>("played"); // "mailbeep" or a path under "@"
    QTest::newRow("existing file") << "@/suoni/gong.wav" << true << "@/suoni/gong.wav";
    QTest::newRow("moved into alarms") << "@/sparito/campana.wav" << true << "@/prog/alarms/campana.wav";
    QTest::newRow("moved, Windows path") << "C:\\Suoni\\campana.wav" << true << "@/prog/alarms/campana.wav";
    QTest::newRow("moved, tried without alarms") << "@/sparito/campana.wav" << false << "mailbeep";
    QTest::newRow("missing everywhere") << "@/sparito/nessuno.wav" << true << "mailbeep";
    QTest::newRow("mailbeep") << "mailbeep" << true << "mailbeep";
    QTest::newRow("empty") << "" << true << "mailbeep";
}

void TestAlarms::alarmSound()
{
    QFETCH(QString, waveSound);
    QFETCH(bool, alarmsFolder);
    QFETCH(QString, played);
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const char *file : { "/suoni/gong.wav", "/prog/alarms/campana.wav" }) {
        const QString path = root + QString::fromLatin1(file);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    waveSound.replace(QLatin1Char('@'), root);
    played.replace(QLatin1Char('@'), root);
    test::RecordingSoundPlayer player;
    notice::playAlarmSound(player, waveSound, root + QStringLiteral("/prog/"),
        alarmsFolder ? notice::AlarmsFolder::Searched : notice::AlarmsFolder::Skipped);
    QCOMPARE(player.played, QStringList { played });
}
