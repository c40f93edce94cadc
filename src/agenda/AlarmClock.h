#pragma once
#include "agenda/Appointment.h"

#include <QtCore/QDateTime>
#include <QtCore/QSet>
#include <optional>
#include <vector>

namespace vellamora::agenda {

// The minute an appointment rings at: its start time, or nothing when the start is blank
// or does not read as a time ("h:mm" or "hh.mm", hours 0-23, minutes 0-59).
std::optional<QTime> alarmTime(const QString &orario);

// Decides which appointments of the alarm list ring. An appointment rings once when the
// clock passes its start minute: a check rings everything whose start fell between the
// previous check and now, so a late tick or a computer that slept through the minute
// loses nothing. Each appointment rings at most once a day, whatever the clock does.
class AlarmClock
{
public:
    // Rows of `list` (the alarm list read for `listDate`) that ring at `now`, in list order;
    // the next check starts from `now`.
    std::vector<const Appointment *> due(
        const std::vector<Appointment> &list, const QDate &listDate, const QDateTime &now);
    // The same without moving on: at a day change yesterday's list and today's are both
    // checked against the one window before `advanceTo(now)`.
    std::vector<const Appointment *> dueIn(
        const std::vector<Appointment> &list, const QDate &listDate, const QDateTime &now);
    void advanceTo(const QDateTime &now);
    // Starts watching at `now` (the alarm is switched on): the next check rings what
    // starts from this second on, and nothing before it.
    void restartAt(const QDateTime &now);

private:
    QDateTime m_previous; // whole seconds
    QSet<QPair<qint64, QDate>> m_rung; // appointment key and the day it rang
};

} // namespace vellamora::agenda
