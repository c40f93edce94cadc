#include "tests.h"

#include "AgendaFixture.h"
#include "agenda/AgendaQuery.h"
#include "agenda/AppointmentList.h"
#include "agenda/AppointmentListModel.h"
#include "support/TestDoubles.h"

#include <QtTest/QTest>

using namespace vellamora;
using namespace vellamora::agenda;
using vellamora::test::AgendaDatabase;

Q_DECLARE_METATYPE(vellamora::agenda::SearchField)
Q_DECLARE_METATYPE(vellamora::agenda::AppointmentKind)

namespace {

using test::italian;

QStringList ids(Database &db, const ListFilter &f)
{
    QStringList out;
    for (const Appointment &a : appointmentsByKey(db, listKeys(db, f)))
        out << a.id;
    return out;
}

// A one-shot list with texts that once broke or fooled a pasted search text.
void addSearchRows(AgendaDatabase &d)
{
    const QDate day(2026, 5, 10);
    Appointment a = test::oneShot(QStringLiteral("Caffè con Anna"), day);
    a.note = QStringLiteral("al bar della stazione");
    d.add(a);
    d.add(test::oneShot(QStringLiteral("Cena \"Da Mario\""), day.addDays(1)));
    d.add(test::oneShot(QStringLiteral("L'idraulico"), day.addDays(2)));
    d.add(test::oneShot(QStringLiteral("Sconto 50% saldi"), day.addDays(3)));
    d.add(test::oneShot(QStringLiteral("a_b prova"), day.addDays(4)));
    d.add(test::oneShot(QStringLiteral("axb prova"), day.addDays(5)));
    Appointment b = test::oneShot(QStringLiteral("SOCIETÀ srl"), day.addDays(6));
    b.note = QStringLiteral("Riunione segreta");
    d.add(b);
    d.add(test::monthly(QStringLiteral("Caffè mensile"), day));
}

} // namespace

void TestAppointmentList::search_data()
{
    QTest::addColumn<SearchField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QStringList all { "Caffè con Anna", "Cena \"Da Mario\"", "L'idraulico", "Sconto 50% saldi",
        "a_b prova", "axb prova", "SOCIETÀ srl" };
    QTest::newRow("empty text lists the kind") << SearchField::Description << "" << all;
    QTest::newRow("double quote") << SearchField::Description << "\"da mario\""
                                  << QStringList { "Cena \"Da Mario\"" };
    QTest::newRow("apostrophe") << SearchField::Description << "l'idr" << QStringList { "L'idraulico" };
    QTest::newRow("percent is a wildcard")
        << SearchField::Description << "caf%anna" << QStringList { "Caffè con Anna" };
    QTest::newRow("underscore is a wildcard")
        << SearchField::Description << "a_b" << QStringList { "a_b prova", "axb prova" };
    QTest::newRow("accented capitals")
        << SearchField::Description << "società" << QStringList { "SOCIETÀ srl" };
    QTest::newRow("SQL text stays text") << SearchField::Description << "\") OR 1=1 --" << QStringList {};
    QTest::newRow("note only in one note") << SearchField::Note << "SEGRETA" << QStringList { "SOCIETÀ srl" };
    QTest::newRow("note field, empty text") << SearchField::Note << "" << all;
    QTest::newRow("note field ignores descriptions") << SearchField::Note << "anna" << QStringList {};
}

void TestAppointmentList::search()
{
    QFETCH(SearchField, field);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    AgendaDatabase d;
    addSearchRows(d);
    ListFilter f;
    f.field = field;
    f.text = text;
    QCOMPARE(ids(d.db, f), expected);
}

void TestAppointmentList::filtersAndOrder_data()
{
    QTest::addColumn<AppointmentKind>("kind");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("expected");
    const QDate none;
    QTest::newRow("period 10..12 May, both ends in, 9 May out")
        << AppointmentKind::OneShot << QDate(2026, 5, 10) << QDate(2026, 5, 12) << 0 << "" << false
        << QStringList { "10 mag", "11 mag", "12 mag" };
    QTest::newRow("period pickers reversed")
        << AppointmentKind::OneShot << QDate(2026, 5, 12) << QDate(2026, 5, 10) << 0 << "" << false
        << QStringList { "10 mag", "11 mag", "12 mag" };
    QTest::newRow("one-shot descending by date")
        << AppointmentKind::OneShot << none << none << 0 << "" << true
        << QStringList { "13 mag", "12 mag", "11 mag", "10 mag", "9 mag" };
    QTest::newRow("yearly March, by day and month")
        << AppointmentKind::Yearly << none << none << 3 << "" << false
        << QStringList { "2 marzo 2031", "20 marzo 1990" };
    QTest::newRow("yearly every month descending")
        << AppointmentKind::Yearly << none << none << 0 << "" << true
        << QStringList { "4 dicembre", "20 marzo 1990", "2 marzo 2031" };
    QTest::newRow("monthly by day") << AppointmentKind::Monthly << none << none << 0 << "" << false
                                    << QStringList { "il 5", "il 20" };
    QTest::newRow("weekly by weekday number, Sunday first")
        << AppointmentKind::Weekly << none << none << 0 << "" << false
        << QStringList { "domenica", "lunedì", "mercoledì" };
    QTest::newRow("weekly only mercoledì") << AppointmentKind::Weekly << none << none << 0 << "mercoledì"
                                           << false << QStringList { "mercoledì" };
    QTest::newRow("weekly descending") << AppointmentKind::Weekly << none << none << 0 << "" << true
                                       << QStringList { "mercoledì", "lunedì", "domenica" };
}

void TestAppointmentList::filtersAndOrder()
{
    QFETCH(AppointmentKind, kind);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(int, month);
    QFETCH(QString, weekday);
    QFETCH(bool, descending);
    QFETCH(QStringList, expected);
    AgendaDatabase d;
    for (int day = 9; day <= 13; ++day)
        d.add(test::oneShot(QString::number(day) + QStringLiteral(" mag"), QDate(2026, 5, day)));
    d.add(test::yearly(QStringLiteral("20 marzo 1990"), QDate(1990, 3, 20), italian()));
    d.add(test::yearly(QStringLiteral("4 dicembre"), QDate(2000, 12, 4), italian()));
    d.add(test::yearly(QStringLiteral("2 marzo 2031"), QDate(2031, 3, 2), italian()));
    d.add(test::monthly(QStringLiteral("il 20"), QDate(2026, 1, 20)));
    d.add(test::monthly(QStringLiteral("il 5"), QDate(2026, 1, 5)));
    d.add(test::weekly(QStringLiteral("domenica"), QDate(2026, 3, 22), italian()));
    d.add(test::weekly(QStringLiteral("mercoledì"), QDate(2026, 3, 18), italian()));
    d.add(test::weekly(QStringLiteral("lunedì"), QDate(2026, 3, 16), italian()));
    ListFilter f;
    f.kind = kind;
    if (from.isValid())
        f.period = std::pair { from, to };
    f.month = month;
    f.weekday = weekday;
    f.descending = descending;
    QCOMPARE(ids(d.db, f), expected);
}

void TestAppointmentList::times_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    const QString dalle = QStringLiteral("Il valore immesso nel campo \"Dalle\" non è un orario valido.");
    const QString alle = QStringLiteral("Il valore immesso nel campo \"Alle\" non è un orario valido.");
    QTest::newRow("both blank") << "  :  "
                                << "  :  "
                                << "";
    QTest::newRow("blank under the other separator") << "  .  "
                                                     << ""
                                                     << "";
    QTest::newRow("first digit blank") << " 9:30"
                                       << "23:59"
                                       << "";
    QTest::newRow("midnight") << "00:00"
                              << "  :  "
                              << "";
    QTest::newRow("blank start, 25:00 end") << "  :  "
                                            << "25:00" << alle;
    QTest::newRow("minutes 60") << "10:60"
                                << "  :  " << dalle;
    QTest::newRow("start wins over end") << "24:00"
                                         << "25:00" << dalle;
    QTest::newRow("half typed") << "12:  "
                                << "  :  " << dalle;
    QTest::newRow("hours missing") << "  :30"
                                   << "  :  " << dalle;
    QTest::newRow("wrong separator") << "10.30"
                                     << "  :  " << dalle;
}

void TestAppointmentList::times()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    EditorInput in;
    in.from = from;
    in.to = to;
    QCOMPARE(saveProblemText(checkTimes(in, QLatin1Char(':'))), message);
}

void TestAppointmentList::saveEachKindAndOption_data()
{
    QTest::addColumn<AppointmentKind>("kind");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("dayofweek");
    QTest::addColumn<QString>("dayofmonth");
    QTest::addColumn<double>("dayindex");
    QTest::addColumn<QDate>("occurs");
    QTest::addColumn<QDate>("absent");
    // Start: Monday 16 March 2026, ISO week 12 (even), month 3 (odd), ISO year 2026 (even).
    using K = AppointmentKind;
    QTest::newRow("one-shot") << K::OneShot << ""
                              << ""
                              << "" << 0.0 << QDate(2026, 3, 16) << QDate(2026, 3, 17);
    QTest::newRow("one-shot auto-delete") << K::OneShot << "autoDelete"
                                          << "X"
                                          << "" << 0.0 << QDate(2026, 3, 16) << QDate(2026, 3, 17);
    QTest::newRow("one-shot nag") << K::OneShot << "nag"
                                  << "T"
                                  << "" << 0.0 << QDate(2026, 4, 20) << QDate(2026, 3, 15);
    QTest::newRow("one-shot span") << K::OneShot << "expiry"
                                   << ""
                                   << "" << 0.0 << QDate(2026, 3, 18) << QDate(2026, 3, 19);
    QTest::newRow("one-shot suspended") << K::OneShot << "suspended"
                                        << ""
                                        << "" << 0.0 << QDate() << QDate(2026, 3, 16);
    QTest::newRow("one-shot advance notice") << K::OneShot << "advance"
                                             << ""
                                             << "" << 0.0 << QDate(2026, 3, 16) << QDate(2026, 3, 17);
    QTest::newRow("yearly, every year") << K::Yearly << ""
                                        << ""
                                        << "NO" << 0.0 << QDate(2025, 3, 16) << QDate(2025, 3, 17);
    QTest::newRow("yearly year count") << K::Yearly << "yearCount"
                                       << ""
                                       << "SI" << 0.0 << QDate(2027, 3, 16) << QDate(2025, 3, 16);
    QTest::newRow("yearly biennial") << K::Yearly << "everyOther"
                                     << "PA"
                                     << "NO" << 0.0 << QDate(2028, 3, 16) << QDate(2027, 3, 16);
    QTest::newRow("yearly expiry") << K::Yearly << "expiry"
                                   << ""
                                   << "NO" << 0.0 << QDate(2026, 3, 16) << QDate(2027, 3, 16);
    QTest::newRow("yearly birthday") << K::Yearly << "birthday"
                                     << ""
                                     << "SI" << 7.0 << QDate(2026, 3, 16) << QDate(2025, 3, 16);
    QTest::newRow("monthly") << K::Monthly << ""
                             << ""
                             << "16" << 0.0 << QDate(2026, 4, 16) << QDate(2026, 4, 17);
    QTest::newRow("monthly bimonthly") << K::Monthly << "everyOther"
                                       << "DI"
                                       << "16" << 0.0 << QDate(2026, 5, 16) << QDate(2026, 4, 16);
    QTest::newRow("monthly suspended") << K::Monthly << "suspended"
                                       << ""
                                       << "16" << 0.0 << QDate() << QDate(2026, 4, 16);
    QTest::newRow("weekly") << K::Weekly << ""
                            << "lunedì"
                            << "" << 2.0 << QDate(2026, 3, 23) << QDate(2026, 3, 24);
    QTest::newRow("weekly biweekly") << K::Weekly << "everyOther"
                                     << "lunedì"
                                     << "PA" << 2.0 << QDate(2026, 3, 30) << QDate(2026, 3, 23);
    QTest::newRow("weekly expiry") << K::Weekly << "expiry"
                                   << "lunedì"
                                   << "" << 2.0 << QDate(2026, 3, 16) << QDate(2026, 3, 30);
}

void TestAppointmentList::saveEachKindAndOption()
{
    QFETCH(AppointmentKind, kind);
    QFETCH(QString, option);
    QFETCH(QString, dayofweek);
    QFETCH(QString, dayofmonth);
    QFETCH(double, dayindex);
    QFETCH(QDate, occurs);
    QFETCH(QDate, absent);
    AgendaDatabase d;
    const QDate start(2026, 3, 16);
    const QDate shown(2026, 3, 10);
    EditorInput in;
    in.kind = kind;
    in.start = start;
    in.dayMonth = dayMonthText(start, italian());
    in.dateText = kind == AppointmentKind::Weekly ? weekdayText(start, italian()) : dayText(start);
    in.from = QStringLiteral(" 9:30");
    in.to = QString(); // an untouched field: stored as the blank time
    in.id = QStringLiteral("èsame");
    in.ricerca = QStringLiteral("mario rossi");
    in.note = QStringLiteral("note");
    in.expiryDate = QDate(2026, 3, 18);
    in.expiry = option == QLatin1String("expiry");
    in.autoDelete = option == QLatin1String("autoDelete");
    in.nag = option == QLatin1String("nag");
    in.suspended = option == QLatin1String("suspended");
    in.advanceNotice = option == QLatin1String("advance");
    in.yearCount = option == QLatin1String("yearCount") || option == QLatin1String("birthday");
    in.everyOther = option == QLatin1String("everyOther");
    if (option == QLatin1String("birthday"))
        in.linkedContact = 7;
    if (kind == AppointmentKind::Weekly && in.expiry)
        in.expiryDate = QDate(2026, 3, 25);

    const qint64 key = insertAppointment(d.db, in, shown, QLatin1Char(':'));
    const auto row = appointmentByKey(d.db, key);
    QVERIFY(row);
    QCOMPARE(row->flag, kindLetter(kind));
    QCOMPARE(row->id, QStringLiteral("Èsame"));
    QCOMPARE(row->ricerca, QStringLiteral("Mario rossi"));
    QCOMPARE(row->orario, QStringLiteral(" 9:30"));
    QCOMPARE(row->orario2, QStringLiteral("  :  "));
    QCOMPARE(row->dayofweek, dayofweek);
    QCOMPARE(row->dayofmonth, dayofmonth);
    QCOMPARE(row->dayindex, dayindex);
    QCOMPARE(row->data, kind == AppointmentKind::Yearly ? in.dayMonth : QString());
    QCOMPARE(row->fatto, neverDoneDate(shown));
    QCOMPARE(row->flagfatto, QStringLiteral("N"));
    QCOMPARE(row->flagscad, in.expiry ? QStringLiteral("Y") : QStringLiteral("N"));
    QCOMPARE(row->scadenza, in.expiryDate);
    QCOMPARE(row->sospeso, in.suspended ? QStringLiteral("Y") : QStringLiteral("N"));
    QCOMPARE(row->anticipa, in.advanceNotice ? QStringLiteral("Y") : QStringLiteral("N"));

    const auto hasIt = [&](const QDate &date) {
        const auto rows = readAgenda(d.db, Variant::DayAgenda, date, italian());
        return std::any_of(rows.begin(), rows.end(), [&](const Appointment &a) { return a.codimp == key; });
    };
    if (occurs.isValid())
        QVERIFY2(hasIt(occurs), qPrintable(occurs.toString(Qt::ISODate)));
    QVERIFY2(!hasIt(absent), qPrintable(absent.toString(Qt::ISODate)));
    if (in.suspended)
        QCOMPARE(readAgenda(d.db, Variant::DayAgenda, absent, italian(), true).size(), size_t(1));
}

void TestAppointmentList::updateDoneState_data()
{
    QTest::addColumn<AppointmentKind>("kind");
    QTest::addColumn<int>("moveDays");
    using K = AppointmentKind;
    QTest::newRow("one-shot, same date keeps done") << K::OneShot << 0;
    QTest::newRow("one-shot, new date resets") << K::OneShot << 3;
    QTest::newRow("yearly, same date keeps done") << K::Yearly << 0;
    QTest::newRow("monthly, new date resets") << K::Monthly << 1;
    QTest::newRow("weekly, other weekday resets") << K::Weekly << 2;
}

void TestAppointmentList::updateDoneState()
{
    QFETCH(AppointmentKind, kind);
    QFETCH(int, moveDays);
    AgendaDatabase d;
    const QDate start(2026, 3, 16);
    Appointment row;
    switch (kind) {
    case AppointmentKind::OneShot:
        row = test::oneShot(QStringLiteral("a"), start);
        break;
    case AppointmentKind::Yearly:
        row = test::yearly(QStringLiteral("a"), start, italian());
        row.dayindex = 9; // a contact's birthday keeps its link
        break;
    case AppointmentKind::Monthly:
        row = test::monthly(QStringLiteral("a"), start);
        break;
    case AppointmentKind::Weekly:
        row = test::weekly(QStringLiteral("a"), start, italian());
        break;
    }
    row.fatto = start;
    row.flagfatto = QStringLiteral("Y");
    row.codimp = d.add(row);
    d.add(test::oneShot(QStringLiteral("other"), start)); // must stay untouched

    EditorInput in;
    in.kind = kind;
    in.start = start.addDays(moveDays);
    in.dayMonth = dayMonthText(in.start, italian());
    in.dateText = kind == AppointmentKind::Weekly ? weekdayText(in.start, italian()) : dayText(in.start);
    in.id = QStringLiteral("changed");
    in.expiryDate = in.start;
    in.everyOther = true;
    const QDate shown(2026, 1, 1);
    updateAppointment(d.db, row, in, shown, QLatin1Char(':'));

    const Appointment after = *appointmentByKey(d.db, row.codimp);
    QCOMPARE(after.id, QStringLiteral("Changed"));
    QCOMPARE(after.datefull, in.start);
    QCOMPARE(after.flag, row.flag);
    if (moveDays == 0) {
        QCOMPARE(after.fatto, start);
        QCOMPARE(after.flagfatto, QStringLiteral("Y"));
    } else {
        QCOMPARE(after.fatto, neverDoneDate(shown));
        QCOMPARE(after.flagfatto, QStringLiteral("N"));
    }
    if (kind == AppointmentKind::Yearly)
        QCOMPARE(after.dayindex, 9.0);
    if (kind == AppointmentKind::Weekly) {
        QCOMPARE(after.dayofweek, weekdayText(in.start, italian()));
        QCOMPARE(after.dayindex, double(in.start.dayOfWeek() % 7 + 1));
        QCOMPARE(after.dayofmonth, parityMarker(weekNumber(in.start).week));
    }
    QCOMPARE(d.db.scalar(QStringLiteral("SELECT count(*) FROM VNarc66 WHERE id = 'other'")).toInt(), 1);
}

void TestAppointmentList::duplicate_data()
{
    QTest::addColumn<AppointmentKind>("kind");
    QTest::addColumn<double>("contact");
    QTest::addColumn<bool>("copied");
    QTest::newRow("one-shot") << AppointmentKind::OneShot << 0.0 << true;
    QTest::newRow("yearly") << AppointmentKind::Yearly << 0.0 << true;
    QTest::newRow("contact birthday refused") << AppointmentKind::Yearly << 12.0 << false;
    QTest::newRow("monthly") << AppointmentKind::Monthly << 0.0 << true;
    QTest::newRow("weekly keeps its weekday number") << AppointmentKind::Weekly << 0.0 << true;
}

void TestAppointmentList::duplicate()
{
    QFETCH(AppointmentKind, kind);
    QFETCH(double, contact);
    QFETCH(bool, copied);
    AgendaDatabase d;
    const QDate start(2026, 3, 16);
    Appointment row = kind == AppointmentKind::OneShot ? test::oneShot(QStringLiteral("a"), start)
        : kind == AppointmentKind::Yearly              ? test::yearly(QStringLiteral("a"), start, italian())
        : kind == AppointmentKind::Monthly             ? test::monthly(QStringLiteral("a"), start)
                                                       : test::weekly(QStringLiteral("a"), start, italian());
    row.dayindex = kind == AppointmentKind::Weekly ? row.dayindex : contact;
    row.note = QStringLiteral("n");
    row.allegato = QStringLiteral("f.txt");
    row.fatto = start;
    row.flagfatto = QStringLiteral("Y"); // the copy keeps the done state
    row.sospeso = QStringLiteral("Y");
    row.codimp = d.add(row);
    const auto key = duplicateAppointment(d.db, row);
    QCOMPARE(key.has_value(), copied);
    QCOMPARE(d.db.scalar(QStringLiteral("SELECT count(*) FROM VNarc66")).toInt(), copied ? 2 : 1);
    if (copied) {
        Appointment copy = *appointmentByKey(d.db, *key);
        QVERIFY(copy.codimp != row.codimp);
        copy.codimp = row.codimp;
        QCOMPARE(copy, row);
    }
}

void TestAppointmentList::rowAfterDelete_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::newRow("middle row: the one that took its place") << 2 << 4 << 2;
    QTest::newRow("last row: the new last") << 4 << 4 << 3;
    QTest::newRow("only row: nothing") << 0 << 0 << -1;
}

void TestAppointmentList::rowAfterDelete()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(int, selected);
    QCOMPARE(agenda::rowAfterDelete(row, count), selected);
}

// A grid asks only for the rows it shows; the model must read no more than their blocks.
void TestAppointmentList::modelReadsLazily()
{
    AgendaDatabase d;
    std::vector<Appointment> list;
    for (int i = 0; i < 1000; ++i) {
        Appointment a = test::oneShot(
            QStringLiteral("riga %1").arg(i, 4, 10, QLatin1Char('0')), QDate(2026, 1, 1).addDays(i));
        if (i == 999)
            a.note = QStringLiteral("n");
        list.push_back(a);
    }
    d.addAll(list);
    AppointmentListModel model(d.db, AppointmentKind::OneShot, italian());
    model.refresh({});
    QCOMPARE(model.rowCount(), 1000);
    QCOMPARE(model.rowsRead(), 0);
    QCOMPARE(model.data(model.index(0, 3)).toString(), QStringLiteral("riga 0000"));
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("giovedì 1 gennaio 2026"));
    QCOMPARE(model.rowsRead(), AppointmentListModel::kBlock);
    QCOMPARE(model.data(model.index(999, 3)).toString(), QStringLiteral("riga 0999"));
    QCOMPARE(model.data(model.index(999, 4), AppointmentListModel::HasNoteRole).toBool(), true);
    QCOMPARE(model.data(model.index(998, 4), AppointmentListModel::HasNoteRole).toBool(), false);
    QVERIFY(model.rowsRead() <= 2 * AppointmentListModel::kBlock);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Data"));
    QCOMPARE(model.rowOfKey(list[500].codimp), 500);

    ListFilter f;
    f.descending = true;
    f.text = QStringLiteral("riga 09");
    model.refresh(f);
    QCOMPARE(model.rowCount(), 100);
    QCOMPARE(model.data(model.index(0, 3)).toString(), QStringLiteral("riga 0999"));
}

// A keystroke must walk the kind's own index in the page's order, never sort the kind.
void TestAppointmentList::listPlansUseTheirIndex_data()
{
    QTest::addColumn<AppointmentKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("index");
    QTest::newRow("one-shot") << AppointmentKind::OneShot << "riunione"
                              << "VNarc66_list_once";
    QTest::newRow("yearly") << AppointmentKind::Yearly << ""
                            << "VNarc66_list_year";
    QTest::newRow("monthly") << AppointmentKind::Monthly << "è"
                             << "VNarc66_list_month";
    QTest::newRow("weekly") << AppointmentKind::Weekly << "a"
                            << "VNarc66_list_week";
}

void TestAppointmentList::listPlansUseTheirIndex()
{
    QFETCH(AppointmentKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, index);
    AgendaDatabase d;
    ListFilter f;
    f.kind = kind;
    f.text = text;
    const ListStatement s = buildList(f, QStringLiteral("codimp"));
    QSqlQuery plan = d.db.select(QStringLiteral("EXPLAIN QUERY PLAN ") + s.sql, s.params);
    QStringList steps;
    while (plan.next())
        steps << plan.value(3).toString();
    QVERIFY2(steps.join(QLatin1Char('|')).contains(index), qPrintable(steps.join(QLatin1Char('|'))));
    QVERIFY2(!steps.join(QLatin1Char('|')).contains(QLatin1String("TEMP B-TREE")),
        qPrintable(steps.join(QLatin1Char('|'))));
}
