#include "OccurrenceRule.h"

namespace vellamora::test {

namespace {

QString two(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

// The marker of appointments that skip a period with this number.
QString skipped(int period)
{
    return period % 2 == 1 ? QStringLiteral("PA") : QStringLiteral("DI");
}

bool before(const QDate &a, const QDate &b) // NULL compares false, as in SQL
{
    return a.isValid() && b.isValid() && a < b;
}
bool notAfter(const QDate &a, const QDate &b)
{
    return a.isValid() && b.isValid() && a <= b;
}

bool expiryAllows(const Appointment &a, const QDate &d)
{
    return a.flagscad == QLatin1String("N") || a.flagscad.isEmpty() || notAfter(d, a.scadenza);
}

} // namespace

RuleDate::RuleDate(const QDate &d, const Regional &regional)
    : date(d), day(two(d.day())), weekday(regional.locale.dayName(d.dayOfWeek(), QLocale::LongFormat)),
      dayMonth(two(d.month()) + regional.dateSeparator + two(d.day())), month(d.month())
{
    isoWeek = d.weekNumber(&isoYear);
}

bool occursIn(const Appointment &a, agenda::Variant variant, const RuleDate &d, bool showSuspended)
{
    using agenda::Variant;
    const QDate &D = d.date;
    const bool doneBefore = before(a.fatto, D); // not yet done on D
    const bool announced = a.anticipa == QLatin1String("Y");

    bool oneShot = false;
    if (a.flag == QLatin1String("O"))
        oneShot = a.datefull == D
            || (a.flagscad == QLatin1String("Y") && notAfter(a.datefull, D) && notAfter(D, a.scadenza));
    const bool nag = a.dayofweek == QLatin1String("T") && notAfter(a.datefull, D); // any kind
    bool recurring = false;
    if (a.flag == QLatin1String("Y")) {
        // The advance notice has no exception for appointments without a start year.
        const bool fromStart = notAfter(a.datefull, D)
            || (variant != Variant::AdvanceNotice && a.dayofmonth == QLatin1String("NO"));
        recurring
            = a.data == d.dayMonth && a.dayofweek != skipped(d.isoYear) && fromStart && expiryAllows(a, D);
    } else if (a.flag == QLatin1String("M")) {
        recurring = a.dayofmonth == d.day && a.dayofweek != skipped(d.month) && notAfter(a.datefull, D)
            && expiryAllows(a, D);
    } else if (a.flag == QLatin1String("W")) {
        recurring = a.dayofweek == d.weekday && a.dayofmonth != skipped(d.isoWeek) && notAfter(a.datefull, D)
            && expiryAllows(a, D);
    }

    bool in = false;
    switch (variant) {
    case Variant::DayAgenda:
        in = oneShot || recurring || nag;
        break;
    case Variant::AlarmList:
        in = (oneShot || recurring || nag) && doneBefore;
        break;
    case Variant::StartupCheck:
        in = (oneShot || ((recurring || nag) && doneBefore)) && a.flagfatto != QLatin1String("Y");
        break;
    case Variant::AdvanceNotice:
        in = (oneShot || recurring) && doneBefore && announced;
        break;
    }
    const bool suspendedShown = variant == Variant::DayAgenda && showSuspended;
    return in && (suspendedShown || a.sospeso != QLatin1String("Y"));
}

} // namespace vellamora::test
