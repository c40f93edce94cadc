#include "agenda/AgendaQuery.h"
#include "store/PreparedRun.h"

#include <sqlite3.h>

#include <array>

namespace vellamora::agenda {

namespace {

// The clauses of each variant. Kind letters and fixed markers are literals (the partial
// indexes of the schema are chosen by them); every date-derived piece is a parameter:
// :datefull (the date), :day ("dd"), :weekday ("dddd"), :daymonth ("mm/dd") and the
// excluded markers of the month (:monthmarker), ISO week (:weekmarker) and ISO
// week-numbering year (:yearmarker).
const QString kSelect = QStringLiteral("SELECT * FROM VNarc66 ");

QString oneShotLine(Variant v)
{
    switch (v) {
    case Variant::DayAgenda:
    case Variant::StartupCheck:
        return QStringLiteral(
            "WHERE ( ( flag = 'O' and datefull = :datefull ) or ( flag = 'O' and datefull <= "
            ":datefull and scadenza >= :datefull and flagscad = 'Y'  ) ");
    case Variant::AlarmList:
        return QStringLiteral(
            "WHERE ( (flag = 'O' and fatto < :datefull and datefull = :datefull) or ( flag = "
            "'O' and datefull <= :datefull and scadenza >= :datefull and flagscad = 'Y'  and "
            "fatto < :datefull ) ");
    case Variant::AdvanceNotice:
        return QStringLiteral(
            "WHERE ( ( (flag = 'O' and fatto < :datefull and anticipa ='Y' and datefull = "
            ":datefull) or ( flag = 'O' and datefull <= :datefull and scadenza >= :datefull "
            "and flagscad = 'Y'  and fatto < :datefull and anticipa ='Y') ) ");
    }
    return {};
}

// The part of a recurring clause that narrows by done state and advance notice.
QString recurringLead(Variant v, QLatin1StringView kind)
{
    QString lead = QStringLiteral("OR    (flag = '") + kind + QStringLiteral("' and ");
    if (v != Variant::DayAgenda)
        lead += QStringLiteral("fatto < :datefull and ");
    if (v == Variant::AdvanceNotice)
        lead += QStringLiteral("anticipa ='Y' and ");
    return lead;
}

const QString kExpiryAllows
    = QStringLiteral(" and (flagscad = 'N' or flagscad is null or scadenza >= :datefull) )");

QString monthlyLine(Variant v)
{
    return recurringLead(v, QLatin1StringView("M"))
        + QStringLiteral("dayofmonth = :day and (dayofweek <> :monthmarker or dayofweek is null) and "
                         "(datefull   <= :datefull)")
        + kExpiryAllows;
}

QString weeklyLine(Variant v)
{
    return recurringLead(v, QLatin1StringView("W"))
        + QStringLiteral("dayofweek  = :weekday and (dayofmonth <> :weekmarker or dayofmonth is null) and "
                         "(datefull   <= :datefull)")
        + kExpiryAllows;
}

QString yearlyLine(Variant v)
{
    const QString head = recurringLead(v, QLatin1StringView("Y"))
        + QStringLiteral("data       = :daymonth and (dayofweek <> :yearmarker or dayofweek is null)");
    // The advance notice announces a yearly appointment only from its start date on,
    // whatever its year-count flag, and closes the WHERE group here.
    if (v == Variant::AdvanceNotice)
        return head + QStringLiteral(" and (datefull   <= :datefull)") + kExpiryAllows + QStringLiteral(" )");
    return head + QStringLiteral(" and (datefull   <= :datefull or dayofmonth  = 'NO')") + kExpiryAllows;
}

// The nag-marker clause closes the WHERE group; the advance notice has none.
QString nagLine(Variant v)
{
    switch (v) {
    case Variant::DayAgenda:
        return QStringLiteral("OR    (dayofweek = 'T' and datefull <= :datefull) )");
    case Variant::AlarmList:
    case Variant::StartupCheck:
        return QStringLiteral("OR    (dayofweek = 'T' and fatto < :datefull and datefull <= :datefull) )");
    case Variant::AdvanceNotice:
        break;
    }
    return {};
}

QString textAt(sqlite3_stmt *stmt, int col)
{
    if (col < 0)
        return {};
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, col));
    if (!text)
        return {};
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, col));
}

// Dates are stored as ISO text; anything else reads as no date.
QDate dateAt(sqlite3_stmt *stmt, int col)
{
    if (col < 0)
        return {};
    const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(stmt, col));
    if (!t || sqlite3_column_bytes(stmt, col) < 10)
        return {};
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (int i : { 0, 1, 2, 3, 5, 6, 8, 9 }) {
        if (!digit(t[i]))
            return {};
    }
    if (t[4] != '-' || t[7] != '-')
        return {};
    const int y = (t[0] - '0') * 1000 + (t[1] - '0') * 100 + (t[2] - '0') * 10 + (t[3] - '0');
    const int m = (t[5] - '0') * 10 + (t[6] - '0');
    const int d = (t[8] - '0') * 10 + (t[9] - '0');
    return QDate(y, m, d);
}

// Where each appointment column is in the result, -1 when absent.
struct ColumnMap
{
    std::array<int, 19> at {};

    explicit ColumnMap(sqlite3_stmt *stmt)
    {
        at.fill(-1);
        const QStringList &names = appointmentColumns();
        const int count = sqlite3_column_count(stmt);
        for (int c = 0; c < count; ++c) {
            const QString name = QString::fromUtf8(sqlite3_column_name(stmt, c));
            for (qsizetype which = 0; which < names.size(); ++which) {
                if (names.at(which).compare(name, Qt::CaseInsensitive) == 0)
                    at[size_t(which)] = c;
            }
        }
    }
};

Appointment rowOf(sqlite3_stmt *stmt, const ColumnMap &map)
{
    const auto &c = map.at;
    Appointment a;
    a.codimp = c[0] >= 0 ? sqlite3_column_int64(stmt, c[0]) : 0;
    a.id = textAt(stmt, c[1]);
    a.note = textAt(stmt, c[2]);
    a.dayofweek = textAt(stmt, c[3]);
    a.dayindex = c[4] >= 0 ? sqlite3_column_double(stmt, c[4]) : 0;
    a.dayofmonth = textAt(stmt, c[5]);
    a.datefull = dateAt(stmt, c[6]);
    a.data = textAt(stmt, c[7]);
    a.orario = textAt(stmt, c[8]);
    a.orario2 = textAt(stmt, c[9]);
    a.flag = textAt(stmt, c[10]);
    a.ricerca = textAt(stmt, c[11]);
    a.allegato = textAt(stmt, c[12]);
    a.fatto = dateAt(stmt, c[13]);
    a.flagfatto = textAt(stmt, c[14]);
    a.anticipa = textAt(stmt, c[15]);
    a.sospeso = textAt(stmt, c[16]);
    a.flagscad = textAt(stmt, c[17]);
    a.scadenza = dateAt(stmt, c[18]);
    return a;
}

} // namespace

AgendaStatement buildAgenda(Variant v, const QDate &date, const Regional &regional, bool showSuspended)
{
    const WeekNumber week = weekNumber(date);
    QStringList lines { kSelect, oneShotLine(v), monthlyLine(v), weeklyLine(v), yearlyLine(v) };
    if (v != Variant::AdvanceNotice)
        lines << nagLine(v);
    if (v != Variant::DayAgenda || !showSuspended)
        lines << QStringLiteral("AND   (sospeso <> 'Y' or sospeso is null)");
    if (v == Variant::StartupCheck)
        lines << QStringLiteral("AND   (flagfatto <> 'Y' or flagfatto is null)");
    lines << QStringLiteral("ORDER BY orario,orario2,id");

    AgendaStatement s;
    s.sql = lines.join(QLatin1Char('\n'));
    s.params = { { QStringLiteral(":datefull"), date }, { QStringLiteral(":day"), dayText(date) },
        { QStringLiteral(":weekday"), weekdayText(date, regional) },
        { QStringLiteral(":daymonth"), dayMonthText(date, regional) },
        { QStringLiteral(":monthmarker"), excludedMarker(date.month()) },
        { QStringLiteral(":weekmarker"), excludedMarker(week.week) },
        { QStringLiteral(":yearmarker"), excludedMarker(week.year) } };
    return s;
}

std::vector<Appointment> readAppointments(Database &db, const QString &sql, const SqlParams &params)
{
    PreparedRun statement(db, sql, params);
    const ColumnMap map(statement.get());
    std::vector<Appointment> rows;
    while (statement.step())
        rows.push_back(rowOf(statement.get(), map));
    return rows;
}

std::vector<Appointment> readAgenda(
    Database &db, Variant v, const QDate &date, const Regional &regional, bool showSuspended)
{
    const AgendaStatement s = buildAgenda(v, date, regional, showSuspended);
    return readAppointments(db, s.sql, s.params);
}

bool agendaHasRows(Database &db, Variant v, const QDate &date, const Regional &regional, bool showSuspended)
{
    const AgendaStatement s = buildAgenda(v, date, regional, showSuspended);
    PreparedRun statement(db, s.sql, s.params);
    return statement.step();
}

int cleanupOneShot(Database &db, const QDate &today)
{
    db.exec(QStringLiteral(
                "DELETE\nFROM VNarc66\nWHERE (flag = 'O' and dayofweek = 'X' and datefull < :datefull)"),
        { { QStringLiteral(":datefull"), today } });
    return sqlite3_changes(db.handle());
}

std::optional<int> advanceNoticeScan(Database &db, const QDate &today, int days, const Regional &regional)
{
    for (int k = days; k >= 1; --k) {
        if (agendaHasRows(db, Variant::AdvanceNotice, today.addDays(k), regional))
            return k;
    }
    return std::nullopt;
}

DayAgendaResult refreshDayAgenda(
    Database &db, const DayAgendaRequest &request, const Regional &regional, ListChangeMark &mark)
{
    DayAgendaResult result;
    result.rows = readAgenda(db, Variant::DayAgenda, request.shownDate, regional, request.showSuspended);
    result.countText = QString::number(result.rows.size()) + QStringLiteral("   ");
    result.showsToday = request.shownDate == request.today;
    mark.clear();
    if (request.advanceNoticeDays > 0)
        result.advanceNoticeDay = advanceNoticeScan(db, request.today, request.advanceNoticeDays, regional);
    return result;
}

std::vector<Appointment> refreshAlarmList(Database &db, const QDate &today, const Regional &regional)
{
    return readAgenda(db, Variant::AlarmList, today, regional);
}

bool startupCheckHasRows(Database &db, const QDate &today, const Regional &regional)
{
    return agendaHasRows(db, Variant::StartupCheck, today, regional);
}

} // namespace vellamora::agenda
