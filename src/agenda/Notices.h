#pragma once
#include "agenda/Appointment.h"
#include "app/Regional.h"
#include "platform/NoticeContent.h"

#include <QtCore/QDate>
#include <optional>
#include <vector>

namespace vellamora {

class SoundPlayer;

namespace agenda::notice {

// One appointment in the daily summary and the advance notice, ending in a carriage return:
// start (and end) time and description, or "senza orario", cut to 61 characters.
QString noticeLine(const Appointment &a);

// The two texts the message panel alternates while an alarm blinks.
QString messageLine1();
QString messageLine2(const QString &description);

// The notice of a ringing appointment; `line2` is its message line 2.
NoticeContent alarmNotice(const Appointment &a, const QString &line2);

// Today's summary over the day agenda: the not-done rows, titled after `today`.
NoticeContent dailySummary(
    const std::vector<Appointment> &dayAgenda, const QDate &today, const Regional &regional);

// The notice of the appointments `k` days ahead (on `day`); its height counts every row.
NoticeContent advanceNotice(
    int k, const QDate &day, const std::vector<Appointment> &rows, const Regional &regional);
// Shown instead of the days while the window is locked.
NoticeContent lockedAdvanceNotice(int height);
// Shown when the check found nothing in the next `days` days.
NoticeContent nothingAhead(int days);

// The alarm sound, first that exists: the `waveSound` file; the program folder's alarms/
// sub-folder with its file-name part (when `alarmsFolder`); otherwise the mail chime.
// Returns the file to play, or nothing for the chime.
std::optional<QString> alarmSoundFile(
    const QString &waveSound, const QString &programFolder, bool alarmsFolder);
enum class AlarmsFolder { Searched, Skipped };
void playAlarmSound(SoundPlayer &player, const QString &waveSound, const QString &programFolder,
    AlarmsFolder alarms = AlarmsFolder::Searched);

} // namespace agenda::notice
} // namespace vellamora
