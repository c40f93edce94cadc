#pragma once
#include <QtCore/QChar>
#include <QtCore/QLocale>

class QCoreApplication;

namespace vellamora {

// The user's regional settings as the program uses them: day and month names,
// the date separator and the time separator.
struct Regional
{
    QLocale locale;
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');

    static Regional fromLocale(const QLocale &locale);
    // The desktop's locale; the untranslated "C" locale falls back to Italian,
    // the language of the program.
    static Regional system();
    static Regional italian() { return fromLocale(QLocale(QLocale::Italian, QLocale::Italy)); }
};

// Puts Qt's own texts (the buttons and captions of the standard dialogs, the context
// menus of the edit fields) into Italian, the language of the program. False when the
// Italian texts of the Qt installation are missing; Qt then keeps its English texts.
bool installQtTexts(QCoreApplication &app);

} // namespace vellamora
