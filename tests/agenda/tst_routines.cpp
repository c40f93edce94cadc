#include "tests.h"

#include "AgendaFixture.h"
#include "agenda/AgendaQuery.h"
#include "agenda/Appointment.h"
#include "support/TestDoubles.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

using namespace vellamora;
using namespace vellamora::agenda;

void TestAppointmentRoutines::weekNumber_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("year");
    QTest::newRow("31 Dec 2020 is week 53") << QDate(2020, 12, 31) << 53 << 2020;
    QTest::newRow("3 Jan 2021 still week 53") << QDate(2021, 1, 3) << 53 << 2020;
    QTest::newRow("4 Jan 2021 is week 1") << QDate(2021, 1, 4) << 1 << 2021;
    QTest::newRow("1 Jan 2027 belongs to 2026") << QDate(2027, 1, 1) << 53 << 2026;
    QTest::newRow("30 Dec 2024 belongs to 2025") << QDate(2024, 12, 30) << 1 << 2025;
    QTest::newRow("29 Feb 2024") << QDate(2024, 2, 29) << 9 << 2024;
    QTest::newRow("Sunday ends its week") << QDate(2025, 3, 9) << 10 << 2025;
    QTest::newRow("Monday starts the next") << QDate(2025, 3, 10) << 11 << 2025;
}

void TestAppointmentRoutines::weekNumber()
{
    QFETCH(QDate, date);
    QFETCH(int, week);
    QFETCH(int, year);
    const WeekNumber w = agenda::weekNumber(date);
    QCOMPARE(w.week, week);
    QCOMPARE(w.year, year);
}

// The routine's arithmetic against Qt's own ISO weeks, every day of two centuries.
void TestAppointmentRoutines::weekNumberIsIsoEveryDay()
{
    for (QDate d(1900, 1, 1); d < QDate(2101, 1, 1); d = d.addDays(1)) {
        int isoYear = 0;
        const int isoWeek = d.weekNumber(&isoYear);
        const WeekNumber w = agenda::weekNumber(d);
        if (w.week != isoWeek || w.year != isoYear)
            QFAIL(qPrintable(d.toString(Qt::ISODate) + QStringLiteral(": %1/%2").arg(w.week).arg(w.year)));
    }
}

void TestAppointmentRoutines::markers_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("excluded");
    QTest::addColumn<QString>("stored");
    QTest::newRow("January") << 1 << "PA"
                             << "DI";
    QTest::newRow("February") << 2 << "DI"
                              << "PA";
    QTest::newRow("week 53") << 53 << "PA"
                             << "DI";
    QTest::newRow("year 2026") << 2026 << "DI"
                               << "PA";
    QTest::newRow("year 2027") << 2027 << "PA"
                               << "DI";
}

void TestAppointmentRoutines::markers()
{
    QFETCH(int, period);
    QFETCH(QString, excluded);
    QFETCH(QString, stored);
    QCOMPARE(excludedMarker(period), excluded);
    QCOMPARE(parityMarker(period), stored);
    // An appointment always occurs in the period it was saved in.
    QVERIFY(parityMarker(period) != excludedMarker(period));
}

void TestAppointmentRoutines::completedYears_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("years");
    QTest::newRow("same day") << QDate(2000, 5, 10) << QDate(2000, 5, 10) << 0;
    QTest::newRow("on the anniversary") << QDate(2000, 5, 10) << QDate(2025, 5, 10) << 25;
    QTest::newRow("the day before") << QDate(2000, 5, 10) << QDate(2025, 5, 9) << 24;
    QTest::newRow("earlier month") << QDate(2000, 5, 10) << QDate(2025, 4, 30) << 24;
    QTest::newRow("later month") << QDate(2000, 5, 10) << QDate(2025, 6, 1) << 25;
    QTest::newRow("29 Feb on 28 Feb") << QDate(2000, 2, 29) << QDate(2025, 2, 28) << 24;
    QTest::newRow("29 Feb on 1 Mar") << QDate(2000, 2, 29) << QDate(2025, 3, 1) << 25;
    QTest::newRow("across new year") << QDate(2000, 12, 31) << QDate(2001, 1, 1) << 0;
}

void TestAppointmentRoutines::completedYears()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(int, years);
    QCOMPARE(agenda::completedYears(start, end), years);
}

void TestAppointmentRoutines::capitalizeFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("plain") << "dentista alle 9"
                           << "Dentista alle 9";
    QTest::newRow("rest as typed") << "mario ROSSI"
                                   << "Mario ROSSI";
    QTest::newRow("accented") << QStringLiteral("è tardi") << QStringLiteral("È tardi");
    QTest::newRow("accented a") << QStringLiteral("àncora") << QStringLiteral("Àncora");
    QTest::newRow("digit") << "1 maggio"
                           << "1 maggio";
    QTest::newRow("leading blank") << " festa"
                                   << " festa";
}

void TestAppointmentRoutines::capitalizeFirst()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QCOMPARE(agenda::capitalizeFirst(typed), saved);
}

void TestAppointmentRoutines::neverDoneDate()
{
    QCOMPARE(agenda::neverDoneDate(QDate(2026, 12, 11)), QDate(1616, 4, 4));
}

void TestAppointmentRoutines::times_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("editing");
    QTest::addColumn<bool>("blank");
    QTest::newRow("colon") << "09:30" << QChar(':') << "09:30" << false;
    QTest::newRow("full stop converted") << "09.30" << QChar(':') << "09:30" << false;
    QTest::newRow("to full stop") << "09:30" << QChar('.') << "09.30" << false;
    QTest::newRow("blank colon") << "  :  " << QChar('.') << "  .  " << true;
    QTest::newRow("blank full stop") << "  .  " << QChar(':') << "  :  " << true;
    QTest::newRow("leading blank digit") << " 9:05" << QChar(':') << " 9:05" << false;
    QTest::newRow("missing") << "" << QChar(':') << "  :  " << true;
}

void TestAppointmentRoutines::times()
{
    QFETCH(QString, stored);
    QFETCH(QChar, separator);
    QFETCH(QString, editing);
    QFETCH(bool, blank);
    QCOMPARE(timeForEditing(stored, separator), editing);
    QCOMPARE(isBlankTime(stored), blank);
}

void TestAppointmentRoutines::dateTexts_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("dayMonth");
    QTest::newRow("Friday") << QDate(2026, 12, 11) << QChar('/') << QStringLiteral("venerdì") << "11"
                            << "12/11";
    QTest::newRow("two digits") << QDate(2025, 3, 3) << QChar('/') << QStringLiteral("lunedì") << "03"
                                << "03/03";
    QTest::newRow("regional separator")
        << QDate(2024, 2, 29) << QChar('.') << QStringLiteral("giovedì") << "29"
        << "02.29";
}

void TestAppointmentRoutines::dateTexts()
{
    QFETCH(QDate, date);
    QFETCH(QChar, separator);
    QFETCH(QString, weekday);
    QFETCH(QString, day);
    QFETCH(QString, dayMonth);
    Regional regional = Regional::italian();
    regional.dateSeparator = separator;
    QCOMPARE(weekdayText(date, regional), weekday);
    QCOMPARE(dayText(date), day);
    QCOMPARE(dayMonthText(date, regional), dayMonth);
}

void TestAppointmentRoutines::openAttachment_data()
{
    QTest::addColumn<QString>("allegato");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QStringList>("attempts");
    QTest::addColumn<bool>("opened");
    const QString al = QStringLiteral("/opt/vm/allegati/");
    const QString at = QStringLiteral("/opt/vm/attaches/");
    QTest::newRow("empty does nothing") << ""
                                        << "" << QStringList {} << false;
    QTest::newRow("opens as it is") << "/home/u/a.pdf"
                                    << "/home/u/a.pdf" << QStringList { "/home/u/a.pdf" } << true;
    QTest::newRow("web address") << "http://example.org"
                                 << "http://example.org" << QStringList { "http://example.org" } << true;
    QTest::newRow("bare name in allegati opens once")
        << "a.pdf" << al + "a.pdf" << QStringList { "a.pdf", al + "a.pdf" } << true;
    QTest::newRow("bare name in attaches")
        << "a.pdf" << at + "a.pdf" << QStringList { "a.pdf", al + "a.pdf", at + "a.pdf" } << true;
    QTest::newRow("moved file found by its name")
        << "/old/place/a.pdf" << at + "a.pdf"
        << QStringList { "/old/place/a.pdf", al + "/old/place/a.pdf", at + "/old/place/a.pdf", al + "a.pdf",
               at + "a.pdf" }
        << true;
    QTest::newRow("backslash sub-folder")
        << "sub\\a.pdf" << al + "sub/a.pdf" << QStringList { "sub\\a.pdf", al + "sub/a.pdf" } << true;
    QTest::newRow("nothing works, nothing said")
        << "x.doc"
        << "" << QStringList { "x.doc", al + "x.doc", at + "x.doc" } << false;
}

void TestAppointmentRoutines::openAttachment()
{
    QFETCH(QString, allegato);
    QFETCH(QString, accepted);
    QFETCH(QStringList, attempts);
    QFETCH(bool, opened);
    test::RecordingShell shell;
    shell.accepts = [&](const QString &target) { return target == accepted; };
    QCOMPARE(agenda::openAttachment(shell, QStringLiteral("/opt/vm/"), allegato), opened);
    QCOMPARE(shell.opened, attempts);
}

// The attachment menu shows the file the opener will find; "{p}" stands for the program folder.
void TestAppointmentRoutines::existingAttachment_data()
{
    QTest::addColumn<QString>("allegato");
    QTest::addColumn<QString>("found"); // empty: none
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("bare name kept in allegati") << "a.pdf"
                                                << "{p}allegati/a.pdf";
    QTest::newRow("full path as it is") << "{p}lettere"
                                        << "{p}lettere";
    QTest::newRow("backslash sub-folder") << "sub\\b.pdf"
                                          << "{p}allegati/sub/b.pdf";
    QTest::newRow("moved file found by its name") << "/old/place/c.pdf"
                                                  << "{p}attaches/c.pdf";
    QTest::newRow("missing") << "x.doc"
                             << "";
}

void TestAppointmentRoutines::existingAttachment()
{
    QFETCH(QString, allegato);
    QFETCH(QString, found);
    QTemporaryDir dir;
    const QString program = dir.path() + QLatin1Char('/');
    for (const char *path : { "allegati/a.pdf", "allegati/sub/b.pdf", "attaches/c.pdf" }) {
        const QString file = program + QString::fromLatin1(path);
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir().mkpath(program + QStringLiteral("lettere")));
    const auto expand = [&](QString text) { return text.replace(QStringLiteral("{p}"), program); };
    const std::optional<QString> result = agenda::existingAttachment(program, expand(allegato));
    QCOMPARE(result.value_or(QString()), expand(found));
}

// Every column survives the table and both read paths; empty texts are stored as NULL
// and read back as empty.
void TestAppointmentRoutines::recordRoundTrip()
{
    const Regional it = Regional::italian();
    test::AgendaDatabase fx;
    Appointment full = test::weekly(QStringLiteral("Lezione di «piano» d'estate"), QDate(2026, 12, 11), it);
    full.note = QStringLiteral("riga 1\nriga 2 'con apici'");
    full.dayofmonth = parityMarker(agenda::weekNumber(full.datefull).week);
    test::withTimes(full, QStringLiteral("09:30"), QStringLiteral("10.45"));
    full.ricerca = QStringLiteral("Società Rossi");
    full.allegato = QStringLiteral("mailto:a@b.it");
    full.fatto = QDate(2026, 12, 4);
    full.flagfatto = marker::yes;
    full.anticipa = marker::yes;
    full.flagscad = marker::yes;
    full.scadenza = QDate(2027, 6, 30);
    full.codimp = fx.add(full);

    Appointment bare = test::oneShot(QStringLiteral("Vuoto"), QDate(2026, 12, 11));
    bare.orario.clear();
    bare.orario2.clear();
    bare.anticipa.clear();
    bare.sospeso.clear();
    bare.flagscad.clear();
    bare.scadenza = QDate();
    bare.codimp = fx.add(bare);
    QCOMPARE(
        fx.db.scalar(QStringLiteral("SELECT count(*) FROM VNarc66 WHERE dayindex IS NULL AND note IS NULL "
                                    "AND sospeso IS NULL AND scadenza IS NULL AND orario IS NULL")),
        QVariant(1));
    QCOMPARE(fx.db.scalar(QStringLiteral("SELECT fatto FROM VNarc66 WHERE codimp = :k"),
                 { { QStringLiteral("k"), bare.codimp } }),
        QVariant(QStringLiteral("1616-04-04")));

    const std::vector<Appointment> rows = readAgenda(fx.db, Variant::DayAgenda, QDate(2026, 12, 11), it);
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(rows[0], bare); // NULL times sort first
    QCOMPARE(rows[1], full);

    QSqlQuery q = fx.db.select(QStringLiteral("SELECT * FROM VNarc66 ORDER BY codimp"));
    QVERIFY(q.next());
    QCOMPARE(appointmentFromQuery(q), full);
    QVERIFY(q.next());
    QCOMPARE(appointmentFromQuery(q), bare);
}
