#include "agenda/AlarmClock.h"

#include <QtCore/QRegularExpression>

namespace vellamora::agenda {

std::optional<QTime> alarmTime(const QString &orario)
{
    if (isBlankTime(orario))
        return std::nullopt;
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d{1,2})\s*[:.]\s*(\d{2})\s*$)"));
    const QRegularExpressionMatch m = pattern.match(orario);
    if (!m.hasMatch())
        return std::nullopt;
    const QTime time(m.captured(1).toInt(), m.captured(2).toInt());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

namespace {
QDateTime wholeSecond(const QDateTime &moment)
{
    return moment.addMSecs(-moment.time().msec());
}
} // namespace

void AlarmClock::restartAt(const QDateTime &now)
{
    m_previous = wholeSecond(now).addSecs(-1);
}

std::vector<const Appointment *> AlarmClock::due(
    const std::vector<Appointment> &list, const QDate &listDate, const QDateTime &now)
{
    std::vector<const Appointment *> ringing = dueIn(list, listDate, now);
    advanceTo(now);
    return ringing;
}

std::vector<const Appointment *> AlarmClock::dueIn(
    const std::vector<Appointment> &list, const QDate &listDate, const QDateTime &now)
{
    const QDateTime current = wholeSecond(now);
    // Without a start the first check covers its own second only; a clock set back
    // covers nothing, and the checks after it go on from the new time.
    const QDateTime previous = m_previous.isValid() ? m_previous : current.addSecs(-1);
    std::vector<const Appointment *> ringing;
    if (current <= previous)
        return ringing;
    for (const Appointment &a : list) {
        const std::optional<QTime> start = alarmTime(a.orario);
        if (!start || a.isDoneOn(listDate))
            continue;
        const QDateTime moment(listDate, *start);
        if (moment > previous && moment <= current && !m_rung.contains({ a.codimp, listDate })) {
            m_rung.insert({ a.codimp, listDate });
            ringing.push_back(&a);
        }
    }
    return ringing;
}

void AlarmClock::advanceTo(const QDateTime &now)
{
    const QDateTime current = wholeSecond(now);
    m_previous = current;
    // What rang before yesterday can no longer ring again.
    m_rung.removeIf([&](const QPair<qint64, QDate> &key) { return key.second < current.date().addDays(-1); });
}

} // namespace vellamora::agenda
