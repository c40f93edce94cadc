#pragma once
#include "app/Regional.h"

#include <QtCore/QDateTime>
#include <QtCore/QString>

namespace vellamora {

// Formats a date and time with a picture of the usual letters:
// d dd ddd dddd (day, names), m mm mmm mmmm (month, names; minutes right after
// h or hh), yy yyyy, h hh (12-hour when am/pm or a/p is present), n nn, s ss,
// z zzz, am/pm a/p, "/" the date separator, ":" the time separator, text in
// single or double quotes literal. Letters are read without regard to case.
QString formatDatePicture(const QDateTime &moment, const QString &picture, const Regional &regional);
QString formatDatePicture(const QDate &date, const QString &picture, const Regional &regional);

} // namespace vellamora
