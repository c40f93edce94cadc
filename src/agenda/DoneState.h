#pragma once
// Marking an appointment done or not done from the day agenda ("Impegno svolto si/no").
#include "agenda/Appointment.h"

namespace vellamora::agenda {

struct DoneState
{
    QDate fatto;
    QString flagfatto;
    bool operator==(const DoneState &) const = default;
};

// The state after pressing "done" on `shownDate`: an appointment marked done on that date
// or later becomes not done (never-done date of `shownDate`); anything else becomes done
// on `shownDate` (a done date earlier than it moves forward).
DoneState toggledDone(const Appointment &a, const QDate &shownDate);
// Writes the done state of one appointment.
void writeDoneState(Database &db, qint64 key, const DoneState &state);

} // namespace vellamora::agenda
