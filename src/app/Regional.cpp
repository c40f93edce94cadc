#include "app/Regional.h"

namespace vellamora {

namespace {
// First character of a format that is neither a pattern letter nor a blank.
QChar separatorOf(const QString &format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    }
    return fallback;
}
} // namespace

Regional Regional::fromLocale(const QLocale &locale)
{
    Regional r;
    r.locale = locale;
    r.dateSeparator = separatorOf(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
    r.timeSeparator = separatorOf(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    return r;
}

Regional Regional::system()
{
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return italian();
    return fromLocale(locale);
}

} // namespace vellamora
