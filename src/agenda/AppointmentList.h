#pragma once
// The four appointment lists (one kind each): their statements, the keys they select,
// and the changes made from the lists and the editors (save, duplicate, delete).
#include "agenda/Appointment.h"
#include "app/Regional.h"
#include "store/Database.h"

#include <QtCore/QDate>
#include <QtCore/QString>
#include <optional>
#include <vector>

namespace vellamora::agenda {

// Which column the search text is looked for in ("Descrizione" or "Note").
enum class SearchField { Description, Note };

// What a list page asks for. Every value the user chose or typed is bound, never pasted:
// the search text keeps the wildcard meaning of % and _ and matches quotes literally.
struct ListFilter
{
    AppointmentKind kind = AppointmentKind::OneShot;
    SearchField field = SearchField::Description;
    QString text;
    bool descending = false;
    // One-shot: the days from the earlier to the later date, both included.
    std::optional<std::pair<QDate, QDate>> period;
    // Yearly: the month of `datefull`, 1..12; 0 for every month ("Tutti").
    int month = 0;
    // Weekly: the weekday name looked for in `dayofweek`; empty for every day ("Tutti").
    QString weekday;
};

struct ListStatement
{
    QString sql;
    SqlParams params;
};

// The SELECT of a list, ordered as its page shows it. `columns` is what it selects
// ("*" for the rows, "codimp" for the keys alone).
ListStatement buildList(const ListFilter &filter, const QString &columns = QStringLiteral("*"));

// The keys of a list in its order: what a grid needs to know its size and to fetch
// the rows it shows.
std::vector<qint64> listKeys(Database &db, const ListFilter &filter);
// The rows of the given keys, in the order of `keys`; a key no longer in the table
// gives an appointment with key 0.
std::vector<Appointment> appointmentsByKey(Database &db, const std::vector<qint64> &keys);
// The distinct values of one column of a list (id, datefull, dayofmonth, dayofweek, orario
// or orario2), read in one statement; each appointment holds only that column. Any other
// column gives nothing.
std::vector<Appointment> listColumnValues(Database &db, const ListFilter &filter, const QString &column);
// One row, or nothing when the key is gone.
std::optional<Appointment> appointmentByKey(Database &db, qint64 key);

// What an editor dialog holds when a save button is pressed.
struct EditorInput
{
    AppointmentKind kind = AppointmentKind::OneShot;
    QDate start; // the editor start date: becomes datefull
    QString dayMonth; // yearly: "mm/dd" of the start date, written to data
    QString dateText; // monthly: the two-digit day; weekly: the weekday name (the date control)
    QString from; // the time fields as typed
    QString to;
    QString id;
    QString note;
    QString ricerca;
    QString allegato;
    bool advanceNotice = false;
    bool suspended = false;
    bool expiry = false;
    QDate expiryDate;
    bool autoDelete = false; // one-shot
    bool nag = false; // one-shot
    bool yearCount = false; // yearly
    bool everyOther = false; // biennial, bimonthly, biweekly
    // Yearly add in birthday mode: the contact whose birthday this is.
    std::optional<qint64> linkedContact;
};

enum class SaveProblem { None, StartTime, EndTime };
// The message that stops a save, or an empty text.
QString saveProblemText(SaveProblem problem);

// True when a time field's text is a time: hours 0..23 in one or two digits (the first
// may be a blank), the separator, two digits of minutes 0..59.
bool isValidTime(const QString &text, QChar timeSeparator);
// The time as a time field gives it, with a one-digit hour typed before the separator
// ("9 :30") completed to two digits ("09:30"); any other text unchanged.
QString completedTime(const QString &text, QChar timeSeparator);
// Checks the start time, then the end time; blank times pass.
SaveProblem checkTimes(const EditorInput &input, QChar timeSeparator);

// The record an editor writes: capitalised description and contact search text, option
// markers, the parity marker of the start date's period, blank times as the blank time.
// `done` and `doneFlag` are the done state to write.
Appointment editedAppointment(
    const EditorInput &input, QChar timeSeparator, const QDate &done, const QString &doneFlag);

// Adds a new appointment (not done: never-done date of `shownDate`); returns its key.
qint64 insertAppointment(Database &db, const EditorInput &input, const QDate &shownDate, QChar timeSeparator);
// Rewrites `row` from the editor. The done state is kept unless the start date changed,
// in which case it becomes not done. A yearly appointment keeps its contact link.
void updateAppointment(Database &db, const Appointment &row, const EditorInput &input, const QDate &shownDate,
    QChar timeSeparator);

// Copies every column but the key; refused (nothing written, nothing returned) for a
// yearly appointment linked to a contact.
std::optional<qint64> duplicateAppointment(Database &db, const Appointment &row);
inline const QString kDuplicateRefused
    = QStringLiteral("Gli eventi collegati ai contatti non possono essere duplicati.");

// The attachment as stored: every occurrence of the program folder's `allegati/` and
// `attaches/` sub-folders is removed (exact, case-sensitive), so files kept there are
// stored by their name relative to it.
QString storedAttachment(QString text, const QString &programFolder);
// Where the file chooser of an attachment starts: the folder of the current attachment
// when that folder exists, otherwise `fallback`.
QString attachmentFileStart(const QString &attachment, const QString &fallback);
// Where the folder chooser starts: the attachment itself when it is an existing folder,
// otherwise `fallback`.
QString attachmentFolderStart(const QString &attachment, const QString &fallback);

void deleteAppointment(Database &db, qint64 key);
// The row selected after deleting `row` of a list that now has `count` rows: the same
// row number when it still exists, otherwise the row before it (-1 for an empty list).
int rowAfterDelete(int row, int count);

} // namespace vellamora::agenda
