#include "agenda/DoneState.h"

namespace vellamora::agenda {

DoneState toggledDone(const Appointment &a, const QDate &shownDate)
{
    if (a.isMarkedDone() && a.isDoneOn(shownDate))
        return { neverDoneDate(shownDate), marker::no };
    return { shownDate, marker::yes };
}

void writeDoneState(Database &db, qint64 key, const DoneState &state)
{
    db.exec(
        QStringLiteral("UPDATE VNarc66\nSET fatto = :fatto,\nflagfatto = :flagfatto\nWHERE codimp = :codimp"),
        { { QStringLiteral(":fatto"), state.fatto }, { QStringLiteral(":flagfatto"), state.flagfatto },
            { QStringLiteral(":codimp"), key } });
}

} // namespace vellamora::agenda
