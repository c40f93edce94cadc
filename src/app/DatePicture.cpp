#include "app/DatePicture.h"

namespace vellamora {

namespace {

int runLength(const QString &s, qsizetype i, QChar letter)
{
    int n = 0;
    while (i + n < s.size() && s.at(i + n).toLower() == letter)
        ++n;
    return n;
}

bool startsWithCi(const QString &s, qsizetype i, QLatin1StringView what)
{
    return s.mid(i, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

// Writes "am"/"pm" (or "a"/"p") in the letter case of the specifier.
QString meridiem(const QString &specifier, bool pm)
{
    QString out;
    const QString word = pm ? QStringLiteral("pm") : QStringLiteral("am");
    const bool shortForm = specifier.size() == 3; // a/p
    const QString source = shortForm ? specifier.left(1) : specifier.left(2);
    const QString text = shortForm ? word.left(1) : word;
    for (qsizetype k = 0; k < text.size(); ++k)
        out += source.at(k).isUpper() ? text.at(k).toUpper() : text.at(k);
    return out;
}

} // namespace

QString formatDatePicture(const QDateTime &moment, const QString &picture, const Regional &regional)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const QLocale &loc = regional.locale;
    const bool twelveHour = picture.contains(QLatin1String("am/pm"), Qt::CaseInsensitive)
                            || picture.contains(QLatin1String("a/p"), Qt::CaseInsensitive);
    QString out;
    out.reserve(picture.size() * 2);
    bool lastWasHour = false;
    qsizetype i = 0;
    while (i < picture.size()) {
        const QChar c = picture.at(i);
        const QChar lc = c.toLower();
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = picture.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? picture.size() : end;
            out += picture.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (lc == QLatin1Char('a') && startsWithCi(picture, i, QLatin1StringView("am/pm"))) {
            out += meridiem(picture.mid(i, 5), time.hour() >= 12);
            i += 5;
            continue;
        }
        if (lc == QLatin1Char('a') && startsWithCi(picture, i, QLatin1StringView("a/p"))) {
            out += meridiem(picture.mid(i, 3), time.hour() >= 12);
            i += 3;
            continue;
        }
        if (c == QLatin1Char('/')) {
            out += regional.dateSeparator;
            ++i;
            continue;
        }
        if (c == QLatin1Char(':')) {
            out += regional.timeSeparator;
            ++i;
            continue;
        }
        const int n = runLength(picture, i, lc);
        if (lc == QLatin1Char('d')) {
            if (n == 1)
                out += QString::number(date.day());
            else if (n == 2)
                out += twoDigits(date.day());
            else if (n == 3)
                out += loc.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else
                out += loc.dayName(date.dayOfWeek(), QLocale::LongFormat);
            lastWasHour = false;
        } else if (lc == QLatin1Char('m')) {
            if (lastWasHour && n <= 2)
                out += n == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
            else if (n == 1)
                out += QString::number(date.month());
            else if (n == 2)
                out += twoDigits(date.month());
            else if (n == 3)
                out += loc.monthName(date.month(), QLocale::ShortFormat);
            else
                out += loc.monthName(date.month(), QLocale::LongFormat);
            lastWasHour = false;
        } else if (lc == QLatin1Char('y')) {
            out += n <= 2 ? twoDigits(date.year() % 100) : QString::number(date.year());
            lastWasHour = false;
        } else if (lc == QLatin1Char('h')) {
            int hour = time.hour();
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += n == 1 ? QString::number(hour) : twoDigits(hour);
            lastWasHour = true;
        } else if (lc == QLatin1Char('n')) {
            out += n == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
            lastWasHour = false;
        } else if (lc == QLatin1Char('s')) {
            out += n == 1 ? QString::number(time.second()) : twoDigits(time.second());
            lastWasHour = false;
        } else if (lc == QLatin1Char('z')) {
            out += n >= 3 ? QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0'))
                          : QString::number(time.msec());
            lastWasHour = false;
        } else {
            out += picture.mid(i, n > 0 ? n : 1);
            i += n > 0 ? n : 1;
            continue;
        }
        i += n;
    }
    return out;
}

QString formatDatePicture(const QDate &date, const QString &picture, const Regional &regional)
{
    return formatDatePicture(QDateTime(date, QTime(0, 0)), picture, regional);
}

} // namespace vellamora
