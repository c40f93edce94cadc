#include "agenda/Appointment.h"

#include "app/DatePicture.h"
#include "app/Regional.h"
#include "platform/Shell.h"

#include <QtCore/QFileInfo>
#include <QtSql/QSqlRecord>

#include <algorithm>

namespace vellamora::agenda {

namespace {

// First day of the week (Monday, counted 1 = Sunday) and minimum days of week 1.
constexpr int kFirstDayOfWeek = 2;
constexpr int kMinimumDaysInFirstWeek = 4;

QDate dateOf(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

} // namespace

QString fileNamePart(const QString &text)
{
    const qsizetype cut = std::max(text.lastIndexOf(QLatin1Char('/')), text.lastIndexOf(QLatin1Char('\\')));
    return text.mid(cut + 1);
}

QString kindLetter(AppointmentKind kind)
{
    switch (kind) {
    case AppointmentKind::OneShot:
        return QStringLiteral("O");
    case AppointmentKind::Yearly:
        return QStringLiteral("Y");
    case AppointmentKind::Monthly:
        return QStringLiteral("M");
    case AppointmentKind::Weekly:
        return QStringLiteral("W");
    }
    return {};
}

std::optional<AppointmentKind> kindFromLetter(const QString &flag)
{
    if (flag == QLatin1String("O"))
        return AppointmentKind::OneShot;
    if (flag == QLatin1String("Y"))
        return AppointmentKind::Yearly;
    if (flag == QLatin1String("M"))
        return AppointmentKind::Monthly;
    if (flag == QLatin1String("W"))
        return AppointmentKind::Weekly;
    return std::nullopt;
}

const QStringList &appointmentColumns()
{
    static const QStringList names = { QStringLiteral("codimp"), QStringLiteral("id"), QStringLiteral("note"),
        QStringLiteral("dayofweek"), QStringLiteral("dayindex"), QStringLiteral("dayofmonth"),
        QStringLiteral("datefull"), QStringLiteral("data"), QStringLiteral("orario"),
        QStringLiteral("orario2"), QStringLiteral("flag"), QStringLiteral("ricerca"),
        QStringLiteral("allegato"), QStringLiteral("fatto"), QStringLiteral("flagfatto"),
        QStringLiteral("anticipa"), QStringLiteral("sospeso"), QStringLiteral("flagscad"),
        QStringLiteral("scadenza") };
    return names;
}

Appointment appointmentFromQuery(const QSqlQuery &query)
{
    const QSqlRecord r = query.record();
    const auto text = [&](const char *name) { return r.value(QLatin1String(name)).toString(); };
    Appointment a;
    a.codimp = r.value(QStringLiteral("codimp")).toLongLong();
    a.id = text("id");
    a.note = text("note");
    a.dayofweek = text("dayofweek");
    a.dayindex = r.value(QStringLiteral("dayindex")).toDouble();
    a.dayofmonth = text("dayofmonth");
    a.datefull = dateOf(r.value(QStringLiteral("datefull")));
    a.data = text("data");
    a.orario = text("orario");
    a.orario2 = text("orario2");
    a.flag = text("flag");
    a.ricerca = text("ricerca");
    a.allegato = text("allegato");
    a.fatto = dateOf(r.value(QStringLiteral("fatto")));
    a.flagfatto = text("flagfatto");
    a.anticipa = text("anticipa");
    a.sospeso = text("sospeso");
    a.flagscad = text("flagscad");
    a.scadenza = dateOf(r.value(QStringLiteral("scadenza")));
    return a;
}

SqlParams appointmentValues(const Appointment &a)
{
    const QVariant index = a.dayindex == 0 ? QVariant(QMetaType::fromType<double>()) : QVariant(a.dayindex);
    return { { QStringLiteral("id"), a.id }, { QStringLiteral("note"), a.note },
        { QStringLiteral("dayofweek"), a.dayofweek }, { QStringLiteral("dayindex"), index },
        { QStringLiteral("dayofmonth"), a.dayofmonth }, { QStringLiteral("datefull"), a.datefull },
        { QStringLiteral("data"), a.data }, { QStringLiteral("orario"), a.orario },
        { QStringLiteral("orario2"), a.orario2 }, { QStringLiteral("flag"), a.flag },
        { QStringLiteral("ricerca"), a.ricerca }, { QStringLiteral("allegato"), a.allegato },
        { QStringLiteral("fatto"), a.fatto }, { QStringLiteral("flagfatto"), a.flagfatto },
        { QStringLiteral("anticipa"), a.anticipa }, { QStringLiteral("sospeso"), a.sospeso },
        { QStringLiteral("flagscad"), a.flagscad }, { QStringLiteral("scadenza"), a.scadenza } };
}

WeekNumber weekNumber(const QDate &date)
{
    if (!date.isValid())
        return {};
    const int sundayBased = date.dayOfWeek() % 7 + 1; // 1 = Sunday ... 7 = Saturday
    const int sinceFirstDay = (sundayBased - kFirstDayOfWeek + 7) % 7;
    // The day of this week that decides which year the week belongs to (Thursday).
    const QDate decider = date.addDays(-sinceFirstDay + 7 - kMinimumDaysInFirstWeek);
    const QDate januaryFirst(decider.year(), 1, 1);
    return { int(januaryFirst.daysTo(decider) / 7 + 1), decider.year() };
}

QString excludedMarker(int period)
{
    return period % 2 != 0 ? marker::even : marker::odd;
}

QString parityMarker(int period)
{
    return period % 2 != 0 ? marker::odd : marker::even;
}

int completedYears(const QDate &start, const QDate &end)
{
    if (start == end)
        return 0;
    int years = end.year() - start.year();
    if (end.month() < start.month() || (end.month() == start.month() && end.day() < start.day()))
        --years;
    return years;
}

QString capitalizeFirst(const QString &text)
{
    if (text.isEmpty())
        return text;
    QString out = text;
    if (out.at(0).isHighSurrogate() && out.size() > 1) {
        const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(out.at(0), out.at(1)));
        if (QChar::requiresSurrogates(upper)) {
            out[0] = QChar::highSurrogate(upper);
            out[1] = QChar::lowSurrogate(upper);
        }
        return out;
    }
    out[0] = out.at(0).toUpper();
    return out;
}

QDate neverDoneDate(const QDate &shownDate)
{
    return shownDate.addDays(-kNeverDoneOffsetDays);
}

QString blankTime(QChar timeSeparator)
{
    return QStringLiteral("  ") + timeSeparator + QStringLiteral("  ");
}

bool isBlankTime(const QString &time)
{
    return time.isEmpty() || time == QLatin1String("  :  ") || time == QLatin1String("  .  ");
}

QString timeForEditing(const QString &stored, QChar timeSeparator)
{
    if (stored.isEmpty())
        return blankTime(timeSeparator);
    return stored.left(2).leftJustified(2) + timeSeparator + stored.right(2).rightJustified(2);
}

QString weekdayText(const QDate &date, const Regional &regional)
{
    return formatDatePicture(date, QStringLiteral("dddd"), regional);
}

QString dayText(const QDate &date)
{
    return QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString dayMonthText(const QDate &date, const Regional &regional)
{
    return formatDatePicture(date, QStringLiteral("mm/dd"), regional);
}

QString shotDateText(const Appointment &a, const QString &picture, const Regional &regional)
{
    return a.datefull.isValid() ? formatDatePicture(a.datefull, picture, regional) : QString();
}

QString yearDateText(const Appointment &a, const QString &picture, const Regional &regional)
{
    return shotDateText(a, picture, regional);
}

QStringList attachmentCandidates(const QString &programFolder, const QString &allegato)
{
    if (allegato.isEmpty())
        return {};
    const QString name = fileNamePart(allegato);
    // Texts written on other systems may use backslashes inside the sub-folder.
    const QString relative = QString(allegato).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList candidates { allegato };
    for (const QString &tail : { relative, name }) {
        for (const char *folder : { "allegati/", "attaches/" }) {
            const QString path = programFolder + QLatin1String(folder) + tail;
            if (!candidates.contains(path)) // a bare file name gives the same path twice
                candidates << path;
        }
    }
    return candidates;
}

std::optional<QString> existingAttachment(const QString &programFolder, const QString &allegato)
{
    for (const QString &path : attachmentCandidates(programFolder, allegato)) {
        if (QFileInfo::exists(path))
            return path;
    }
    return std::nullopt;
}

bool openAttachment(Shell &shell, const QString &programFolder, const QString &allegato)
{
    const QStringList candidates = attachmentCandidates(programFolder, allegato);
    return std::any_of(
        candidates.begin(), candidates.end(), [&](const QString &path) { return shell.open(path); });
}

} // namespace vellamora::agenda
