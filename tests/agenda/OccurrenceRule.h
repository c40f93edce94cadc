#pragma once
// The occurrence rule of appointments stated plainly in C++, independently of the SQL
// and of the production routines (ISO weeks from QDate, names from QLocale). Tests
// compare the agenda queries with it.
#include "agenda/AgendaQuery.h"

namespace vellamora::test {

// The date pieces the rule compares with, computed once per date.
struct RuleDate
{
    RuleDate(const QDate &date, const Regional &regional);
    QDate date;
    QString day; // "dd"
    QString weekday; // long weekday name
    QString dayMonth; // "mm/dd" with the date separator
    int month = 0;
    int isoWeek = 0;
    int isoYear = 0;
};

bool occursIn(const Appointment &a, agenda::Variant variant, const RuleDate &d, bool showSuspended);

} // namespace vellamora::test
