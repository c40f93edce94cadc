#include "tests.h"

#include "AgendaFixture.h"
#include "OccurrenceRule.h"
#include "agenda/AgendaQuery.h"

#include <QtCore/QRandomGenerator>
#include <QtTest/QTest>

#include <algorithm>
#include <tuple>

using namespace vellamora;
using namespace vellamora::agenda;

namespace {

// Dates where the rule is easy to get wrong: year ends (ISO week 53 in 2015, 2020 and
// 2026; 1 January 2027 in ISO year 2026), 29 February and its absence, months without
// a 31st, a month end with a 31st.
std::vector<QDate> probeDates()
{
    std::vector<QDate> out;
    const auto span = [&](QDate from, QDate to) {
        for (QDate d = from; d <= to; d = d.addDays(1))
            out.push_back(d);
    };
    span(QDate(2015, 12, 27), QDate(2016, 1, 5));
    span(QDate(2020, 12, 24), QDate(2021, 1, 12));
    span(QDate(2024, 2, 26), QDate(2024, 3, 2));
    span(QDate(2025, 2, 26), QDate(2025, 3, 2));
    span(QDate(2025, 4, 28), QDate(2025, 5, 2));
    span(QDate(2025, 6, 29), QDate(2025, 7, 1));
    span(QDate(2026, 12, 26), QDate(2027, 1, 5));
    span(QDate(2027, 12, 30), QDate(2028, 1, 3));
    return out;
}

class Generator
{
public:
    Generator(const std::vector<QDate> &anchors, const Regional &regional)
        : m_anchors(anchors), m_regional(regional), m_random(20260311)
    {
    }

    Appointment next()
    {
        const int kindPick = pick(100);
        Appointment a;
        a.id = pickOf({ "Riunione", "Caffè", "Dentista", "Palestra", "Affitto", "Compleanno" })
            + QString::number(pick(3));
        a.orario = time();
        a.orario2 = time();
        a.anticipa = pickOf({ "Y", "N", "" });
        a.sospeso = pick(6) == 0 ? marker::yes : pickOf({ "N", "" });
        a.flagscad = pickOf({ "Y", "N", "N", "" });
        const QDate anchor = anchorDate();
        if (kindPick < 35) {
            a.flag = QStringLiteral("O");
            a.datefull = anchor.addDays(pick(7) - 3);
            const int option = pick(10);
            a.dayofweek = option == 0 ? marker::nag : option == 1 ? marker::autoDelete : QString();
            if (!a.dayofweek.isEmpty() && pick(4) != 0)
                a.flagscad = marker::no; // the dialogs make these options exclude expiry
        } else if (kindPick < 55) {
            a.flag = QStringLiteral("Y");
            a.datefull = yearsAway(anchor.addDays(pick(3) - 1), pick(11) - 5);
            a.data = dayMonthText(a.datefull, m_regional);
            a.dayofweek = pickOf({ "", "", "PA", "DI" });
            a.dayofmonth = pickOf({ "SI", "NO" });
            a.dayindex = pick(3) == 0 ? pick(500) + 1 : 0;
        } else if (kindPick < 77) {
            a.flag = QStringLiteral("M");
            a.datefull = anchor.addMonths(pick(30) - 24).addDays(pick(3) - 1);
            a.dayofmonth = dayText(a.datefull);
            if (pick(8) == 0) // a stored day that some months do not have
                a.dayofmonth = pickOf({ "29", "30", "31" });
            a.dayofweek = pickOf({ "", "", "PA", "DI" });
        } else {
            a.flag = QStringLiteral("W");
            a.datefull = anchor.addDays(7 * (pick(60) - 50) + pick(3) - 1);
            a.dayofweek = weekdayText(a.datefull, m_regional);
            a.dayindex = a.datefull.dayOfWeek() % 7 + 1;
            a.dayofmonth = pickOf({ "", "", "PA", "DI" });
        }
        // Expiry before, on or after the probed dates.
        a.scadenza = a.flag == QLatin1String("O") ? a.datefull.addDays(pick(9) - 1)
                                                  : anchorDate().addDays(pick(9) - 4);
        // Done: never, or on a date before, on or after a probed date; rarely no date at all.
        const int done = pick(20);
        if (done == 0) {
            a.fatto = QDate();
            a.flagfatto = marker::no;
        } else if (done < 9) {
            a.fatto = neverDoneDate(anchor);
            a.flagfatto = pick(10) == 0 ? marker::yes : marker::no;
        } else {
            a.fatto = anchorDate().addDays(pick(5) - 2);
            a.flagfatto = pick(10) == 0 ? marker::no : marker::yes;
        }
        return a;
    }

private:
    int pick(int n) { return int(m_random.bounded(n)); }
    QString pickOf(std::initializer_list<const char *> list)
    {
        return QString::fromUtf8(*(list.begin() + pick(int(list.size()))));
    }
    QDate anchorDate() { return m_anchors[size_t(pick(int(m_anchors.size())))]; }
    QString time()
    {
        switch (pick(6)) {
        case 0:
            return QStringLiteral("  :  ");
        case 1:
            return QStringLiteral("  .  ");
        default:
            return QStringLiteral("%1:%2")
                .arg(pick(24), 2, 10, QLatin1Char('0'))
                .arg(pick(4) * 15, 2, 10, QLatin1Char('0'));
        }
    }
    // The same day and month some years away; 29 February moves only between leap years.
    static QDate yearsAway(const QDate &d, int years)
    {
        if (d.month() == 2 && d.day() == 29)
            return QDate(d.year() + 4 * years, 2, 29);
        return QDate(d.year() + years, d.month(), d.day());
    }

    const std::vector<QDate> &m_anchors;
    const Regional &m_regional;
    QRandomGenerator m_random;
};

// The order of the agenda: start time, end time, description (NULL read as empty sorts first).
bool outOfOrder(const Appointment &a, const Appointment &b)
{
    return std::tie(a.orario, a.orario2, a.id) < std::tie(b.orario, b.orario2, b.id);
}

} // namespace

void TestAgendaDifferential::sqlMatchesRule()
{
    const Regional regional = Regional::italian();
    const std::vector<QDate> dates = probeDates();
    test::AgendaDatabase fx;
    Generator generator(dates, regional);
    std::vector<Appointment> all;
    for (int i = 0; i < 4000; ++i)
        all.push_back(generator.next());
    fx.addAll(all);

    struct Config
    {
        Variant variant;
        bool showSuspended;
        const char *name;
    };
    const Config configs[] = { { Variant::DayAgenda, false, "day agenda" },
        { Variant::DayAgenda, true, "day agenda with suspended" },
        { Variant::AlarmList, false, "alarm list" }, { Variant::StartupCheck, false, "start-up check" },
        { Variant::AdvanceNotice, false, "advance notice" } };
    qint64 judged = 0;
    qint64 selected = 0;
    for (const QDate &date : dates) {
        const test::RuleDate ruleDate(date, regional);
        for (const Config &c : configs) {
            std::vector<qint64> expected;
            for (const Appointment &a : all) {
                if (test::occursIn(a, c.variant, ruleDate, c.showSuspended))
                    expected.push_back(a.codimp);
            }
            judged += qint64(all.size());
            const std::vector<Appointment> rows
                = readAgenda(fx.db, c.variant, date, regional, c.showSuspended);
            std::vector<qint64> got;
            for (const Appointment &a : rows)
                got.push_back(a.codimp);
            for (size_t i = 1; i < rows.size(); ++i)
                QVERIFY2(!outOfOrder(rows[i], rows[i - 1]), "rows out of order");
            std::sort(got.begin(), got.end());
            if (got != expected) {
                QStringList diff;
                for (qint64 k : expected) {
                    if (!std::binary_search(got.begin(), got.end(), k))
                        diff << QStringLiteral("missing %1").arg(k);
                }
                for (qint64 k : got) {
                    if (!std::binary_search(expected.begin(), expected.end(), k))
                        diff << QStringLiteral("extra %1").arg(k);
                }
                QFAIL(qPrintable(QStringLiteral("%1 of %2: %3")
                                     .arg(QString::fromLatin1(c.name), date.toString(Qt::ISODate),
                                         diff.mid(0, 10).join(QStringLiteral(", ")))));
            }
            selected += qint64(got.size());
        }
    }
    // The generated data must actually exercise the rule, not only empty days.
    QVERIFY(selected > judged / 200);
    qInfo(
        "%lld appointment-date-variant cases over %zu dates (%lld selected)", judged, dates.size(), selected);
}
