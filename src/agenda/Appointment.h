#pragma once
#include "store/Database.h"

#include <QtCore/QDate>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <optional>

namespace vellamora {

class Shell;
struct Regional;

namespace agenda {

// The kind of an appointment, stored as one letter in `flag`.
enum class AppointmentKind { OneShot, Yearly, Monthly, Weekly };

QString kindLetter(AppointmentKind kind); // "O", "Y", "M", "W"
std::optional<AppointmentKind> kindFromLetter(const QString &flag);

// The entry of `kind` among four per-kind values (tables of texts, columns, ...).
template<typename T>
const T &pickByKind(
    AppointmentKind kind, const T &oneShot, const T &yearly, const T &monthly, const T &weekly)
{
    switch (kind) {
    case AppointmentKind::OneShot:
        return oneShot;
    case AppointmentKind::Yearly:
        return yearly;
    case AppointmentKind::Monthly:
        return monthly;
    case AppointmentKind::Weekly:
        break;
    }
    return weekly;
}

// Markers and flags as they are stored.
namespace marker {
inline const QString yes = QStringLiteral("Y");
inline const QString no = QStringLiteral("N");
inline const QString autoDelete = QStringLiteral("X"); // one-shot, dayofweek
inline const QString nag = QStringLiteral("T"); // one-shot, dayofweek
inline const QString even = QStringLiteral("PA"); // occurs in even periods only
inline const QString odd = QStringLiteral("DI"); // occurs in odd periods only
inline const QString yearCountOn = QStringLiteral("SI"); // yearly, dayofmonth
inline const QString yearCountOff = QStringLiteral("NO"); // yearly, dayofmonth
} // namespace marker

// One row of VNarc66 (or of the archive VNshot80, which has the same columns).
// Which columns mean what depends on `flag`; an empty text and NULL read alike.
struct Appointment
{
    qint64 codimp = 0;
    QString id;
    QString note;
    QString dayofweek;
    double dayindex = 0; // 0 when not written
    QString dayofmonth;
    QDate datefull;
    QString data;
    QString orario;
    QString orario2;
    QString flag;
    QString ricerca;
    QString allegato;
    QDate fatto;
    QString flagfatto;
    QString anticipa;
    QString sospeso;
    QString flagscad;
    QDate scadenza;

    std::optional<AppointmentKind> kind() const { return kindFromLetter(flag); }
    bool isSuspended() const { return sospeso == marker::yes; }
    // Marked done at some time (the per-record reading of the done state).
    bool isMarkedDone() const { return flagfatto == marker::yes; }
    // Done on `date` (the per-date reading): the agenda strikes such rows out.
    bool isDoneOn(const QDate &date) const { return fatto.isValid() && fatto >= date; }
    bool hasExpiry() const { return flagscad == marker::yes; }
    bool isAnnounced() const { return anticipa == marker::yes; }
    // The "Note" column shows its picture when the appointment has notes.
    bool hasNote() const { return !note.isEmpty(); }

    bool operator==(const Appointment &) const = default;
};

// The 19 columns, in table order.
const QStringList &appointmentColumns();

// Reads the current row of a query that selected the appointment columns (any order).
Appointment appointmentFromQuery(const QSqlQuery &query);
// Every column but the key, ready for Database::insert() / update(). `dayindex` 0 is
// written as NULL (a weekday number or a contact key is never 0).
SqlParams appointmentValues(const Appointment &a);

// ISO 8601 week number (1..53) and week-numbering year of a date, with Monday as the
// first day of the week and at least four days in the first week.
struct WeekNumber
{
    int week = 0;
    int year = 0;
};
WeekNumber weekNumber(const QDate &date);

// The marker of appointments that do NOT occur in a period: "PA" for an odd period
// number, "DI" for an even one.
QString excludedMarker(int period);
// The parity marker stored when an appointment starts in `period`: "DI" odd, "PA" even.
QString parityMarker(int period);

// Completed years from `start` to the later date `end` ("Conteggio anni").
int completedYears(const QDate &start, const QDate &end);

// Upper-cases the first character (accented letters too); the rest stays as typed.
QString capitalizeFirst(const QString &text);

// The done date written when an appointment is not done: the shown date minus 150000 days.
QDate neverDoneDate(const QDate &shownDate);
inline constexpr qint64 kNeverDoneOffsetDays = 150000;

// Times are five characters: two digits, the time separator, two digits.
QString blankTime(QChar timeSeparator);
// True for the blank time under either separator ("  :  ", "  .  ") and for no text at all.
bool isBlankTime(const QString &time);
// A stored time as a time field shows it: first two characters, the current separator,
// last two characters. A missing time becomes the blank time.
QString timeForEditing(const QString &stored, QChar timeSeparator);

// Date texts that the records store and the agenda matches, under the regional settings.
QString weekdayText(const QDate &date, const Regional &regional); // "dddd": "lunedì"
QString dayText(const QDate &date); // "dd": "05"
QString dayMonthText(const QDate &date, const Regional &regional); // "mm/dd" with the date separator

// The calculated date columns of the one-shot and yearly lists, under their date pictures.
QString shotDateText(const Appointment &a, const QString &picture, const Regional &regional);
QString yearDateText(const Appointment &a, const QString &picture, const Regional &regional);

// Opens an attachment text through the shell. When the shell refuses it as it is, tries
// the program folder's allegati/ and attaches/ sub-folders with the text, then with its
// file-name part, stopping at the first the shell accepts. Returns whether one opened;
// failures are not reported. `programFolder` ends with a separator.
bool openAttachment(Shell &shell, const QString &programFolder, const QString &allegato);
// The file-name part of a path written with either separator (stored paths may come
// from another system).
QString fileNamePart(const QString &text);
// The places an attachment text may name, in the order the opener tries them.
QStringList attachmentCandidates(const QString &programFolder, const QString &allegato);
// The first of those places that is an existing file or folder, or nothing.
std::optional<QString> existingAttachment(const QString &programFolder, const QString &allegato);

} // namespace agenda

using agenda::Appointment;
using agenda::AppointmentKind;

} // namespace vellamora
