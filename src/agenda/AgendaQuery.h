#pragma once
#include "agenda/Appointment.h"
#include "app/Regional.h"
#include "store/Database.h"

#include <QtCore/QDate>
#include <QtCore/QString>
#include <optional>
#include <vector>

namespace vellamora::agenda {

// What the appointments of a date are selected for:
// - DayAgenda: the grid of the "Impegni" page, for the shown date; suspended ones on request;
// - AlarmList: the alarm clock, for today; only what is not done on that date;
// - StartupCheck: today's reminder, for today; leaves out everything ever marked done;
// - AdvanceNotice: for a date ahead; only appointments marked for advance notice.
enum class Variant { DayAgenda, AlarmList, StartupCheck, AdvanceNotice };

// The SQL text and its bound values for a date; typed/computed pieces are bound, never pasted.
struct AgendaStatement
{
    QString sql;
    SqlParams params;
};

// Builds one variant for `date` (for AdvanceNotice: the date announced, today + k).
// `showSuspended` matters for the day agenda only: the other variants always leave
// suspended appointments out.
AgendaStatement buildAgenda(
    Variant v, const QDate &date, const Regional &regional, bool showSuspended = false);

// Runs the variant and reads its rows, ordered by start time, end time and description.
std::vector<Appointment> readAgenda(
    Database &db, Variant v, const QDate &date, const Regional &regional, bool showSuspended = false);
// Runs any SELECT over the appointment columns (VNarc66 or VNshot80) through the engine's
// own statement API, about three times faster per row than QSqlQuery.
std::vector<Appointment> readAppointments(Database &db, const QString &sql, const SqlParams &params = {});

// True when the variant has at least one row (stops at the first).
bool agendaHasRows(
    Database &db, Variant v, const QDate &date, const Regional &regional, bool showSuspended = false);

// Deletes past one-shot appointments with the auto-delete marker; returns rows removed.
int cleanupOneShot(Database &db, const QDate &today);

// k = N..1: the first (farthest) k whose advance-notice agenda has rows, or nothing.
// `days` is the advance-notice day count (1..366); anything below 1 queries nothing.
std::optional<int> advanceNoticeScan(Database &db, const QDate &today, int days, const Regional &regional);

// Set whenever an appointment list opens (a dialog may have saved something), cleared by
// the day agenda refresh: when set, the agenda must be re-read before it is shown again.
class ListChangeMark
{
public:
    void set() { m_set = true; }
    void clear() { m_set = false; }
    bool isSet() const { return m_set; }

private:
    bool m_set = false;
};

// The results of a day agenda refresh that the agenda page shows.
struct DayAgendaResult
{
    std::vector<Appointment> rows;
    QString countText; // the count panel: number of rows and three blanks
    bool showsToday = false; // the date picker is painted white when it shows today
    // When the advance notice is on: the farthest day ahead with something to announce.
    std::optional<int> advanceNoticeDay;
};

struct DayAgendaRequest
{
    QDate shownDate;
    QDate today;
    bool showSuspended = false;
    int advanceNoticeDays = 0; // 0 when the advance-notice option is off
};

// Day agenda refresh: reads the shown date's agenda, clears the list-change mark and runs
// the advance-notice scan.
DayAgendaResult refreshDayAgenda(
    Database &db, const DayAgendaRequest &request, const Regional &regional, ListChangeMark &mark);
// Alarm list refresh: today's appointments not yet done today.
std::vector<Appointment> refreshAlarmList(Database &db, const QDate &today, const Regional &regional);
// Start-up check query: true when today's reminder should follow.
bool startupCheckHasRows(Database &db, const QDate &today, const Regional &regional);

} // namespace vellamora::agenda
