#include "agenda/Notices.h"
#include "agenda/Appointment.h"
#include "app/DatePicture.h"
#include "platform/SoundPlayer.h"

#include <QtCore/QFileInfo>

namespace vellamora::agenda::notice {

namespace {

const QString kIndent(14, QLatin1Char(' '));
const QChar kLineEnd = QLatin1Char('\r');

QString cut(const QString &text, int longest)
{
    return text.size() > longest ? text.left(longest - 3) + QStringLiteral("...") : text;
}

// A time as the notice lines show it: the dotted blank time reads "__.__".
QString noticeTime(const QString &time)
{
    return time == QLatin1String("  .  ") ? QStringLiteral("__.__") : time;
}

bool noTime(const QString &time)
{
    return time.isEmpty() || time == QLatin1String("  :  ");
}

QString longDate(const QDate &date, const Regional &regional)
{
    return formatDatePicture(date, QStringLiteral("dddd d mmmm yyyy"), regional);
}

} // namespace

QString noticeLine(const Appointment &a)
{
    QString line;
    if (noTime(a.orario))
        line = kIndent + QStringLiteral("senza orario: ") + a.id;
    else if (noTime(a.orario2))
        line = kIndent + noticeTime(a.orario) + QStringLiteral(" : ") + a.id;
    else
        line = kIndent + noticeTime(a.orario) + QStringLiteral(" - ") + noticeTime(a.orario2)
            + QStringLiteral(" : ") + a.id;
    return cut(line, 61) + kLineEnd;
}

QString messageLine1()
{
    return QStringLiteral(" Sbrigati! È ora di... ");
}

QString messageLine2(const QString &description)
{
    return cut(QLatin1Char(' ') + description + QLatin1Char('!'), 46);
}

NoticeContent alarmNotice(const Appointment &a, const QString &line2)
{
    return { QStringLiteral("Sbrigati! Sono le ") + a.orario + QStringLiteral(", è ora di..."),
        kIndent + line2, 96, 10 };
}

NoticeContent dailySummary(
    const std::vector<Appointment> &dayAgenda, const QDate &today, const Regional &regional)
{
    NoticeContent n;
    n.height = 80;
    n.timeoutSeconds = 10;
    bool someDone = false;
    for (const Appointment &a : dayAgenda) {
        if (a.isMarkedDone()) {
            someDone = true;
            continue;
        }
        n.height += 16;
        n.text += noticeLine(a);
    }
    n.title
        = (someDone ? QStringLiteral("Impegni (non svolti) di oggi: ") : QStringLiteral("Impegni di oggi: "))
        + longDate(today, regional);
    return n;
}

NoticeContent advanceNotice(
    int k, const QDate &day, const std::vector<Appointment> &rows, const Regional &regional)
{
    NoticeContent n;
    n.height = 80 + 16 * int(rows.size());
    n.title = (k == 1 ? QStringLiteral("Ti anticipo che domani, ovvero ")
                      : QStringLiteral("Ti anticipo che tra ") + QString::number(k)
                          + QStringLiteral(" giorni, ovvero "))
        + longDate(day, regional) + kLineEnd;
    for (const Appointment &a : rows)
        n.text += noticeLine(a);
    return n;
}

NoticeContent lockedAdvanceNotice(int height)
{
    return { QStringLiteral("Si avvicinano degli impegni importanti!"),
        kIndent + QStringLiteral("Inserisci la password per scoprire a cosa mi riferisco."), height, 0 };
}

NoticeContent nothingAhead(int days)
{
    return { QStringLiteral("Nessun impegno importante in vista per i prossimi ") + QString::number(days)
            + QStringLiteral(" giorni."),
        QString(), 80, 5 };
}

std::optional<QString> alarmSoundFile(
    const QString &waveSound, const QString &programFolder, bool alarmsFolder)
{
    if (waveSound.isEmpty() || waveSound == QLatin1String("mailbeep"))
        return std::nullopt;
    if (QFileInfo(waveSound).isFile())
        return waveSound;
    if (alarmsFolder) {
        const QString name = fileNamePart(waveSound);
        const QString moved = programFolder + QStringLiteral("alarms/") + name;
        if (!name.isEmpty() && QFileInfo(moved).isFile())
            return moved;
    }
    return std::nullopt;
}

void playAlarmSound(
    SoundPlayer &player, const QString &waveSound, const QString &programFolder, AlarmsFolder alarms)
{
    if (const auto file = alarmSoundFile(waveSound, programFolder, alarms == AlarmsFolder::Searched))
        player.playFile(*file);
    else
        player.playMailBeep();
}

} // namespace vellamora::agenda::notice
