#include "tests.h"

#include "AgendaFixture.h"
#include "agenda/AgendaQuery.h"
#include "store/Schema.h"

#include <QtTest/QTest>

using namespace vellamora;
using namespace vellamora::agenda;

Q_DECLARE_METATYPE(vellamora::agenda::Variant)

namespace {

const Regional &it()
{
    static const Regional r = Regional::italian();
    return r;
}

QStringList descriptions(const std::vector<Appointment> &rows)
{
    QStringList out;
    for (const Appointment &a : rows)
        out << a.id;
    return out;
}

} // namespace

// The documented edge cases, each appointment under its own description.
struct TestAgendaQuery::Fixture
{
    test::AgendaDatabase fx;

    Fixture()
    {
        std::vector<Appointment> all;
        const auto add = [&](Appointment a) { all.push_back(a); };

        Appointment a = test::weekly(QStringLiteral("Bisettimanale DI"), QDate(2020, 12, 14), it());
        a.dayofmonth = parityMarker(weekNumber(a.datefull).week); // week 51: "DI"
        add(a);

        a = test::yearly(QStringLiteral("Biennale 1 gennaio"), QDate(2026, 1, 1), it());
        a.dayofmonth = marker::yearCountOn;
        a.dayofweek = parityMarker(weekNumber(a.datefull).year); // 2026: "PA"
        add(a);

        a = test::yearly(QStringLiteral("Dal 2030 senza anno"), QDate(2030, 6, 15), it());
        a.anticipa = marker::yes;
        add(a);
        a = test::yearly(QStringLiteral("Dal 2030 con anno"), QDate(2030, 6, 15), it());
        a.dayofmonth = marker::yearCountOn;
        add(a);

        add(test::monthly(QStringLiteral("Mensile 31"), QDate(2025, 1, 31)));

        a = test::oneShot(QStringLiteral("Tormento"), QDate(2025, 3, 1));
        a.dayofweek = marker::nag;
        a.anticipa = marker::yes;
        a.fatto = QDate(2025, 3, 5);
        a.flagfatto = marker::yes;
        add(a);

        a = test::oneShot(QStringLiteral("Dal 3 al 7 maggio, fatto il 3"), QDate(2025, 5, 3));
        a.flagscad = marker::yes;
        a.scadenza = QDate(2025, 5, 7);
        a.fatto = QDate(2025, 5, 3);
        a.flagfatto = marker::yes;
        add(a);
        a.id = QStringLiteral("Dal 3 al 7 maggio, fatto il 5");
        a.fatto = QDate(2025, 5, 5);
        add(a);

        a = test::weekly(QStringLiteral("Lunedì fatto"), QDate(2025, 3, 3), it());
        a.fatto = QDate(2025, 3, 10);
        a.flagfatto = marker::yes;
        add(a);

        a = test::oneShot(QStringLiteral("Sospeso"), QDate(2025, 7, 1));
        a.sospeso = marker::yes;
        add(a);

        a = test::monthly(QStringLiteral("Bimestrale PA il 2"), QDate(2025, 12, 2));
        a.dayofweek = parityMarker(12);
        a.anticipa = marker::yes;
        add(a);

        a = test::oneShot(QStringLiteral("Giornaliero fatto"), QDate(2025, 9, 9));
        a.fatto = a.datefull;
        a.flagfatto = marker::yes;
        a.anticipa = marker::yes;
        add(a);

        a = test::monthly(QStringLiteral("Mensile scaduto"), QDate(2025, 1, 9));
        a.flagscad = marker::yes;
        a.scadenza = QDate(2025, 8, 9);
        add(a);

        fx.addAll(all);
    }
};

void TestAgendaQuery::initTestCase()
{
    m = new Fixture;
}

void TestAgendaQuery::cleanupTestCase()
{
    delete m;
    m = nullptr;
}

void TestAgendaQuery::statementShape_data()
{
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<bool>("showSuspended");
    QTest::addColumn<QStringList>("tail"); // the lines after the nag clause
    const QString susp = QStringLiteral("AND   (sospeso <> 'Y' or sospeso is null)");
    const QString done = QStringLiteral("AND   (flagfatto <> 'Y' or flagfatto is null)");
    const QString order = QStringLiteral("ORDER BY orario,orario2,id");
    QTest::newRow("day agenda") << Variant::DayAgenda << false << QStringList { susp, order };
    QTest::newRow("day agenda with suspended") << Variant::DayAgenda << true << QStringList { order };
    QTest::newRow("alarm list") << Variant::AlarmList << true << QStringList { susp, order };
    QTest::newRow("start-up check") << Variant::StartupCheck << true << QStringList { susp, done, order };
    QTest::newRow("advance notice") << Variant::AdvanceNotice << true << QStringList { susp, order };
}

// Line order and filter lines per variant; every date-derived piece is a parameter.
void TestAgendaQuery::statementShape()
{
    QFETCH(Variant, variant);
    QFETCH(bool, showSuspended);
    QFETCH(QStringList, tail);
    const QDate date(2027, 1, 1);
    const AgendaStatement s = buildAgenda(variant, date, it(), showSuspended);
    const QStringList lines = s.sql.split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("SELECT * FROM VNarc66 "));
    QVERIFY(lines.at(1).startsWith(QLatin1String("WHERE ")));
    QVERIFY(lines.at(2).startsWith(QLatin1String("OR    (flag = 'M'")));
    QVERIFY(lines.at(3).startsWith(QLatin1String("OR    (flag = 'W'")));
    QVERIFY(lines.at(4).startsWith(QLatin1String("OR    (flag = 'Y'")));
    const int nagLines = variant == Variant::AdvanceNotice ? 0 : 1;
    if (nagLines)
        QVERIFY(lines.at(5).startsWith(QLatin1String("OR    (dayofweek = 'T'")));
    QCOMPARE(lines.mid(5 + nagLines), tail);

    for (const QString &pasted : { QStringLiteral("2027"), QStringLiteral("venerd"), QStringLiteral("01/01"),
             QStringLiteral("'PA'"), QStringLiteral("'DI'") })
        QVERIFY2(!s.sql.contains(pasted), qPrintable(pasted));
    QHash<QString, QVariant> bound;
    for (const auto &[name, value] : s.params)
        bound.insert(name, value);
    QCOMPARE(bound.value(QStringLiteral(":datefull")).toDate(), date);
    QCOMPARE(bound.value(QStringLiteral(":weekday")).toString(), QStringLiteral("venerdì"));
    QCOMPARE(bound.value(QStringLiteral(":daymonth")).toString(), QStringLiteral("01/01"));
    QCOMPARE(bound.value(QStringLiteral(":day")).toString(), QStringLiteral("01"));
    QCOMPARE(bound.value(QStringLiteral(":monthmarker")).toString(), QStringLiteral("PA")); // January: odd
    QCOMPARE(bound.value(QStringLiteral(":weekmarker")).toString(), QStringLiteral("PA")); // week 53: odd
    QCOMPARE(bound.value(QStringLiteral(":yearmarker")).toString(), QStringLiteral("DI")); // ISO year 2026
}

void TestAgendaQuery::documentedCases_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<bool>("showSuspended");
    QTest::addColumn<bool>("expected");
    const auto row = [](const char *name, const char *subject, QDate date, Variant v, bool expected,
                         bool showSuspended = false) {
        QTest::newRow(name) << QString::fromUtf8(subject) << date << v << showSuspended << expected;
    };
    const Variant day = Variant::DayAgenda, alarm = Variant::AlarmList, check = Variant::StartupCheck,
                  notice = Variant::AdvanceNotice;

    row("biweekly DI in week 53", "Bisettimanale DI", QDate(2020, 12, 28), day, true);
    row("biweekly DI in the next week 1", "Bisettimanale DI", QDate(2021, 1, 4), day, true);
    row("biweekly DI not in week 2", "Bisettimanale DI", QDate(2021, 1, 11), day, false);
    row("biweekly DI not in week 52", "Bisettimanale DI", QDate(2020, 12, 21), day, false);

    row("biennial: 1 Jan 2027 has the parity of 2026", "Biennale 1 gennaio", QDate(2027, 1, 1), day, true);
    row("biennial: 1 Jan 2028 has the parity of 2027", "Biennale 1 gennaio", QDate(2028, 1, 1), day, false);
    row("biennial on its start", "Biennale 1 gennaio", QDate(2026, 1, 1), day, true);

    row("year count NO occurs before its start", "Dal 2030 senza anno", QDate(2025, 6, 15), day, true);
    row("year count NO is not announced before its start", "Dal 2030 senza anno", QDate(2025, 6, 15), notice,
        false);
    row("year count NO announced from its start", "Dal 2030 senza anno", QDate(2030, 6, 15), notice, true);
    row("year count SI waits for its start", "Dal 2030 con anno", QDate(2025, 6, 15), day, false);
    row("year count SI on its start", "Dal 2030 con anno", QDate(2030, 6, 15), day, true);

    row("monthly 31 not on 30 April", "Mensile 31", QDate(2025, 4, 30), day, false);
    row("monthly 31 not on 28 February", "Mensile 31", QDate(2025, 2, 28), day, false);
    row("monthly 31 on 31 May", "Mensile 31", QDate(2025, 5, 31), day, true);
    row("monthly within its expiry", "Mensile scaduto", QDate(2025, 8, 9), day, true);
    row("monthly after its expiry", "Mensile scaduto", QDate(2025, 9, 9), day, false);

    row("nag every day after its date", "Tormento", QDate(2025, 3, 6), day, true);
    row("nag not before its date", "Tormento", QDate(2025, 2, 28), day, false);
    row("nag rings again after the day it was done", "Tormento", QDate(2025, 3, 6), alarm, true);
    row("nag does not ring on the day it was done", "Tormento", QDate(2025, 3, 5), alarm, false);
    row("nag ever done: no start-up reminder", "Tormento", QDate(2025, 3, 6), check, false);
    row("nag has no advance notice", "Tormento", QDate(2025, 3, 6), notice, false);

    row("span: every day of it", "Dal 3 al 7 maggio, fatto il 3", QDate(2025, 5, 5), day, true);
    row("span: not before", "Dal 3 al 7 maggio, fatto il 3", QDate(2025, 5, 2), day, false);
    row("span: not after", "Dal 3 al 7 maggio, fatto il 3", QDate(2025, 5, 8), day, false);
    row("span done on 3 May rings on 5 May", "Dal 3 al 7 maggio, fatto il 3", QDate(2025, 5, 5), alarm, true);
    row("span done on 5 May does not ring on 5 May", "Dal 3 al 7 maggio, fatto il 5", QDate(2025, 5, 5),
        alarm, false);
    row("span done on 5 May stays in the day agenda", "Dal 3 al 7 maggio, fatto il 5", QDate(2025, 5, 5), day,
        true);
    row("span done on 5 May rings on 6 May", "Dal 3 al 7 maggio, fatto il 5", QDate(2025, 5, 6), alarm, true);

    row("weekly done on Monday rings next Monday", "Lunedì fatto", QDate(2025, 3, 17), alarm, true);
    row("weekly done on Monday: not that Monday", "Lunedì fatto", QDate(2025, 3, 10), alarm, false);
    row("weekly done once stays out of the start-up check", "Lunedì fatto", QDate(2025, 3, 17), check, false);

    row("suspended: out of the day agenda", "Sospeso", QDate(2025, 7, 1), day, false);
    row("suspended: shown on request", "Sospeso", QDate(2025, 7, 1), day, true, true);
    row("suspended: no alarm", "Sospeso", QDate(2025, 7, 1), alarm, false);
    row("suspended: no start-up check", "Sospeso", QDate(2025, 7, 1), check, false);

    row("bimonthly PA announced for 2 February", "Bimestrale PA il 2", QDate(2026, 2, 2), notice, true);
    row("bimonthly PA not on 2 January", "Bimestrale PA il 2", QDate(2026, 1, 2), day, false);

    row("one-shot done today: in the day agenda", "Giornaliero fatto", QDate(2025, 9, 9), day, true);
    row("one-shot done today: no alarm", "Giornaliero fatto", QDate(2025, 9, 9), alarm, false);
    row("one-shot done today: no start-up check", "Giornaliero fatto", QDate(2025, 9, 9), check, false);
    row("one-shot done: no advance notice", "Giornaliero fatto", QDate(2025, 9, 9), notice, false);
}

void TestAgendaQuery::documentedCases()
{
    QFETCH(QString, subject);
    QFETCH(QDate, date);
    QFETCH(Variant, variant);
    QFETCH(bool, showSuspended);
    QFETCH(bool, expected);
    const QStringList found = descriptions(readAgenda(m->fx.db, variant, date, it(), showSuspended));
    QVERIFY2(found.contains(subject) == expected, qPrintable(found.join(QStringLiteral(" | "))));
}

void TestAgendaQuery::blankTimesFirst()
{
    test::AgendaDatabase fx;
    const QDate d(2026, 5, 4);
    std::vector<Appointment> list;
    const auto add = [&](const char *id, const char *from, const char *to) {
        Appointment a = test::oneShot(QString::fromUtf8(id), d);
        list.push_back(test::withTimes(a, QString::fromLatin1(from), QString::fromLatin1(to)));
    };
    add("Riunione", "09:00", "10:00");
    add("Caffè", "08:30", "  :  ");
    add("Anna", "09:00", "09:30");
    add("Bruno", "09:00", "09:30");
    add("Compleanno", "  :  ", "  :  ");
    add("Festa", "  .  ", "  .  ");
    fx.addAll(list);
    QCOMPARE(descriptions(readAgenda(fx.db, Variant::DayAgenda, d, it())),
        (QStringList { "Festa", "Compleanno", QStringLiteral("Caffè"), "Anna", "Bruno", "Riunione" }));
}

// The text and parameters run through the store's QSqlQuery path give the same rows
// (the same named parameter appears many times in the text).
void TestAgendaQuery::storeRunsTheSameStatement()
{
    for (const Variant v :
        { Variant::DayAgenda, Variant::AlarmList, Variant::StartupCheck, Variant::AdvanceNotice }) {
        for (const QDate &d : { QDate(2025, 5, 5), QDate(2025, 3, 6), QDate(2030, 6, 15) }) {
            const AgendaStatement s = buildAgenda(v, d, it());
            QSqlQuery q = m->fx.db.select(s.sql, s.params);
            QStringList viaStore;
            while (q.next())
                viaStore << appointmentFromQuery(q).id;
            QCOMPARE(viaStore, descriptions(readAgenda(m->fx.db, v, d, it())));
        }
    }
}

// Stored weekday names and "mm/dd" texts follow the regional settings of their saving.
void TestAgendaQuery::regionalNamesAreNotConverted()
{
    Regional english = Regional::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    english.dateSeparator = QLatin1Char('-');
    test::AgendaDatabase fx;
    std::vector<Appointment> list = { test::weekly(QStringLiteral("Weekly"), QDate(2025, 3, 3), english),
        test::yearly(QStringLiteral("Yearly"), QDate(2025, 3, 3), english) };
    fx.addAll(list);
    QCOMPARE(descriptions(readAgenda(fx.db, Variant::DayAgenda, QDate(2026, 3, 3), it())), QStringList {});
    QCOMPARE(descriptions(readAgenda(fx.db, Variant::DayAgenda, QDate(2026, 3, 9), it())), QStringList {});
    QCOMPARE(descriptions(readAgenda(fx.db, Variant::DayAgenda, QDate(2026, 3, 3), english)),
        QStringList { "Yearly" });
    QCOMPARE(descriptions(readAgenda(fx.db, Variant::DayAgenda, QDate(2026, 3, 9), english)),
        QStringList { "Weekly" });
}

void TestAgendaQuery::oneShotCleanup_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("daysFromToday");
    QTest::addColumn<bool>("removed");
    QTest::newRow("auto-delete yesterday") << "O"
                                           << "X" << -1 << true;
    QTest::newRow("auto-delete last year") << "O"
                                           << "X" << -400 << true;
    QTest::newRow("auto-delete today stays") << "O"
                                             << "X" << 0 << false;
    QTest::newRow("auto-delete tomorrow stays") << "O"
                                                << "X" << 1 << false;
    QTest::newRow("nag is never deleted") << "O"
                                          << "T" << -30 << false;
    QTest::newRow("plain one-shot stays") << "O"
                                          << "" << -1 << false;
    QTest::newRow("only one-shot appointments") << "M"
                                                << "X" << -1 << false;
}

void TestAgendaQuery::oneShotCleanup()
{
    QFETCH(QString, flag);
    QFETCH(QString, marker);
    QFETCH(int, daysFromToday);
    QFETCH(bool, removed);
    const QDate today(2026, 1, 1);
    test::AgendaDatabase fx;
    Appointment a = test::oneShot(QStringLiteral("Soggetto"), today.addDays(daysFromToday));
    a.flag = flag;
    a.dayofweek = marker;
    fx.add(a);
    fx.add(test::oneShot(QStringLiteral("Altro"), today.addDays(-1)));
    QCOMPARE(cleanupOneShot(fx.db, today), removed ? 1 : 0);
    QCOMPARE(fx.db.scalar(QStringLiteral("SELECT count(*) FROM VNarc66")).toInt(), removed ? 1 : 2);
    QCOMPARE(cleanupOneShot(fx.db, today), 0);
}

void TestAgendaQuery::advanceNoticeScan_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("expected"); // 0: nothing to announce
    const QDate d(2026, 6, 10);
    QTest::newRow("bimonthly PA on the 2nd, 30 Jan, N = 3") << "bimonthly" << QDate(2026, 1, 30) << 3 << 3;
    QTest::newRow("bimonthly PA on the 2nd, 30 Jan, N = 2") << "bimonthly" << QDate(2026, 1, 30) << 2 << 0;
    QTest::newRow("the farthest day wins") << "two" << d << 5 << 4;
    QTest::newRow("beyond N") << "two" << d << 0 << 0;
    QTest::newRow("tomorrow counts") << "two" << d << 1 << 1;
    QTest::newRow("today does not count") << "today" << d << 5 << 0;
    QTest::newRow("done on that day") << "done" << d << 5 << 0;
    QTest::newRow("not marked for notice") << "unmarked" << d << 5 << 0;
    QTest::newRow("suspended") << "suspended" << d << 5 << 0;
    QTest::newRow("last day of 366") << "far" << d << 366 << 366;
}

void TestAgendaQuery::advanceNoticeScan()
{
    QFETCH(QString, what);
    QFETCH(QDate, today);
    QFETCH(int, days);
    QFETCH(int, expected);
    test::AgendaDatabase fx;
    const auto announced = [&](int inDays) {
        Appointment a = test::oneShot(QStringLiteral("Annunciato"), today.addDays(inDays));
        a.anticipa = marker::yes;
        return a;
    };
    if (what == QLatin1String("bimonthly")) {
        Appointment a = test::monthly(QStringLiteral("Bolletta"), QDate(2025, 12, 2));
        a.dayofweek = parityMarker(12);
        a.anticipa = marker::yes;
        fx.add(a);
    } else if (what == QLatin1String("two")) {
        fx.add(announced(1));
        fx.add(announced(4));
    } else if (what == QLatin1String("today")) {
        fx.add(announced(0));
    } else if (what == QLatin1String("done")) {
        Appointment a = announced(2);
        a.fatto = a.datefull;
        a.flagfatto = marker::yes;
        fx.add(a);
    } else if (what == QLatin1String("unmarked")) {
        Appointment a = announced(2);
        a.anticipa = marker::no;
        fx.add(a);
    } else if (what == QLatin1String("suspended")) {
        Appointment a = announced(2);
        a.sospeso = marker::yes;
        fx.add(a);
    } else if (what == QLatin1String("far")) {
        fx.add(announced(366));
    }
    const std::optional<int> k = agenda::advanceNoticeScan(fx.db, today, days, it());
    QCOMPARE(k.value_or(0), expected);
}

void TestAgendaQuery::dayAgendaRefresh()
{
    ListChangeMark mark;
    mark.set();
    DayAgendaRequest request;
    request.shownDate = QDate(2025, 5, 6);
    request.today = QDate(2025, 5, 5);
    request.advanceNoticeDays = 5;
    const DayAgendaResult shown = refreshDayAgenda(m->fx.db, request, it(), mark);
    QVERIFY(!mark.isSet());
    QCOMPARE(shown.countText, QStringLiteral("3   ")); // the span twice and the nag
    QVERIFY(!shown.showsToday);
    QVERIFY(!shown.advanceNoticeDay.has_value()); // nothing marked for notice in the next five days

    request.shownDate = request.today = QDate(2026, 1, 30);
    const DayAgendaResult today = refreshDayAgenda(m->fx.db, request, it(), mark);
    QCOMPARE(today.countText, QStringLiteral("1   "));
    QVERIFY(today.showsToday);
    QCOMPARE(today.advanceNoticeDay, std::optional<int>(3));

    request.advanceNoticeDays = 0; // the option is off: nothing is queried
    m->fx.db.clearLog();
    QVERIFY(!refreshDayAgenda(m->fx.db, request, it(), mark).advanceNoticeDay.has_value());
    QCOMPARE(m->fx.db.counters().reads, 1);
}

void TestAgendaQuery::everyBranchUsesAnIndex_data()
{
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<bool>("showSuspended");
    QTest::addColumn<int>("branches");
    QTest::newRow("day agenda") << Variant::DayAgenda << false << 6;
    QTest::newRow("day agenda with suspended") << Variant::DayAgenda << true << 6;
    QTest::newRow("alarm list") << Variant::AlarmList << false << 6;
    QTest::newRow("start-up check") << Variant::StartupCheck << false << 6;
    QTest::newRow("advance notice") << Variant::AdvanceNotice << false << 5;
}

// The agenda must never walk the whole table: each OR branch is a search of its own index.
void TestAgendaQuery::everyBranchUsesAnIndex()
{
    QFETCH(Variant, variant);
    QFETCH(bool, showSuspended);
    QFETCH(int, branches);
    const AgendaStatement s = buildAgenda(variant, QDate(2026, 3, 3), it(), showSuspended);
    QSqlQuery q = m->fx.db.select(QStringLiteral("EXPLAIN QUERY PLAN ") + s.sql, s.params);
    QStringList plan;
    QSet<QString> indexes;
    while (q.next()) {
        const QString detail = q.value(3).toString();
        plan << detail;
        QVERIFY2(!detail.startsWith(QLatin1String("SCAN")), qPrintable(detail));
        if (detail.startsWith(QLatin1String("SEARCH VNarc66 USING INDEX ")))
            indexes.insert(detail.section(QLatin1Char(' '), 4, 4));
    }
    QVERIFY2(plan.contains(QStringLiteral("MULTI-INDEX OR")), qPrintable(plan.join(QLatin1Char('\n'))));
    QCOMPARE(indexes.size(), branches);
}

void TestAgendaQuery::indexesCreatedOnceOnly()
{
    test::AgendaDatabase fx;
    const QString dropped = schema::agendaIndexes().front().name;
    fx.db.exec(QStringLiteral("DROP INDEX ") + dropped);
    fx.db.setLogging(true);
    fx.db.clearLog();
    schema::ensureIndexes(fx.db);
    QCOMPARE(fx.db.counters().writes, 1);
    QVERIFY(fx.db.log().last().contains(dropped));
    fx.db.clearLog();
    schema::ensureIndexes(fx.db);
    QCOMPARE(fx.db.counters().writes, 0);
}
