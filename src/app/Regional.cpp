#include "app/Regional.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLibraryInfo>
#include <QtCore/QTranslator>

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

bool installQtTexts(QCoreApplication &app)
{
    auto *texts = new QTranslator(&app);
    if (!texts->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete texts;
        return false;
    }
    return QCoreApplication::installTranslator(texts);
}

} // namespace vellamora
