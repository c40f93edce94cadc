#include "agenda/AppointmentList.h"
#include "store/PreparedRun.h"

#include "store/StoreError.h"

#include <QtCore/QFileInfo>
#include <sqlite3.h>

#include <algorithm>

namespace vellamora::agenda {

namespace {

const QString kTable = QStringLiteral("VNarc66");

// The search of a column, folding the case of every letter. SQLite's LIKE folds ASCII
// letters itself; a text with other letters compares the column through the connection's
// Unicode UPPER with the text folded once here. (The UPPER call on every row would double
// the cost of the common, ASCII, keystroke.)
QString searchCondition(SearchField field, bool asciiText)
{
    const QString column = field == SearchField::Note ? QStringLiteral("note") : QStringLiteral("id");
    if (asciiText)
        return column + QStringLiteral(" LIKE :find");
    return QStringLiteral("UPPER(") + column + QStringLiteral(") LIKE :find");
}

bool isAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

QString direction(bool descending)
{
    return descending ? QStringLiteral("DESC") : QString();
}

} // namespace

ListStatement buildList(const ListFilter &filter, const QString &columns)
{
    ListStatement s;
    // The kind letter is the page's own literal (never typed), so the planner can match
    // the page's partial index.
    s.sql = QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM VNarc66 WHERE flag = '")
        + kindLetter(filter.kind) + QLatin1Char('\'');
    // An empty search text lists every row, also those without notes when searching notes.
    if (!filter.text.isEmpty()) {
        const bool ascii = isAscii(filter.text);
        s.sql += QStringLiteral(" AND (") + searchCondition(filter.field, ascii) + QLatin1Char(')');
        s.params.emplace_back(QStringLiteral(":find"),
            QLatin1Char('%') + (ascii ? filter.text : filter.text.toUpper()) + QLatin1Char('%'));
    }
    const QString dir = direction(filter.descending);
    switch (filter.kind) {
    case AppointmentKind::OneShot:
        if (filter.period) {
            const auto [a, b] = *filter.period;
            s.sql += QStringLiteral(" AND (datefull BETWEEN :a1 AND :a2)");
            s.params.emplace_back(QStringLiteral(":a1"), std::min(a, b));
            s.params.emplace_back(QStringLiteral(":a2"), std::max(a, b));
        }
        s.sql += QStringLiteral(" ORDER BY datefull ") + dir + QStringLiteral(",orario,orario2,id");
        break;
    case AppointmentKind::Yearly:
        if (filter.month >= 1 && filter.month <= 12) {
            s.sql += QStringLiteral(" AND CAST(strftime('%m', datefull) AS INTEGER) = :month");
            s.params.emplace_back(QStringLiteral(":month"), filter.month);
        }
        s.sql += QStringLiteral(" ORDER BY data ") + dir + QStringLiteral(",orario,orario2,id");
        break;
    case AppointmentKind::Monthly:
        s.sql += QStringLiteral(" ORDER BY dayofmonth ") + dir + QStringLiteral(",orario,orario2,id");
        break;
    case AppointmentKind::Weekly:
        if (!filter.weekday.isEmpty()) {
            s.sql += QStringLiteral(" AND UPPER(dayofweek) LIKE UPPER(:weekday)");
            s.params.emplace_back(
                QStringLiteral(":weekday"), QLatin1Char('%') + filter.weekday + QLatin1Char('%'));
        }
        s.sql += QStringLiteral(" ORDER BY dayindex ") + dir + QStringLiteral(",dayofweek,orario,orario2,id");
        break;
    }
    return s;
}

std::vector<qint64> listKeys(Database &db, const ListFilter &filter)
{
    const ListStatement s = buildList(filter, QStringLiteral("codimp"));
    PreparedRun statement(db, s.sql, s.params);
    std::vector<qint64> keys;
    while (statement.step())
        keys.push_back(sqlite3_column_int64(statement.get(), 0));
    return keys;
}

std::vector<Appointment> listColumnValues(Database &db, const ListFilter &filter, const QString &column)
{
    // The text columns a list shows, and where each goes in the record.
    static const std::pair<const char *, QString Appointment::*> texts[] = { { "id", &Appointment::id },
        { "dayofmonth", &Appointment::dayofmonth }, { "dayofweek", &Appointment::dayofweek },
        { "orario", &Appointment::orario }, { "orario2", &Appointment::orario2 } };
    const bool date = column == QLatin1String("datefull");
    QString Appointment::*text = nullptr;
    for (const auto &[name, member] : texts) {
        if (column == QLatin1String(name))
            text = member;
    }
    std::vector<Appointment> values;
    if (!date && !text)
        return values;
    const ListStatement s = buildList(filter, column);
    QSqlQuery query = db.select(
        QStringLiteral("SELECT DISTINCT ") + column + QStringLiteral(" FROM (") + s.sql + QLatin1Char(')'),
        s.params);
    // One column per row: read by position, not through the whole record.
    while (query.next()) {
        Appointment &a = values.emplace_back();
        const QVariant value = query.value(0);
        if (date)
            a.datefull = value.isNull() ? QDate() : QDate::fromString(value.toString().left(10), Qt::ISODate);
        else
            a.*text = value.toString();
    }
    return values;
}

std::vector<Appointment> appointmentsByKey(Database &db, const std::vector<qint64> &keys)
{
    std::vector<Appointment> rows(keys.size());
    if (keys.empty())
        return rows;
    // Keys are numbers the table gave; they are written as decimal text like every key.
    QStringList list;
    list.reserve(qsizetype(keys.size()));
    for (qint64 k : keys)
        list << QString::number(k);
    QSqlQuery query = db.select(QStringLiteral("SELECT * FROM VNarc66 WHERE codimp IN (")
        + list.join(QLatin1Char(',')) + QLatin1Char(')'));
    QHash<qint64, Appointment> byKey;
    while (query.next()) {
        Appointment a = appointmentFromQuery(query);
        byKey.insert(a.codimp, std::move(a));
    }
    for (size_t i = 0; i < keys.size(); ++i)
        rows[i] = byKey.value(keys[i]);
    return rows;
}

std::optional<Appointment> appointmentByKey(Database &db, qint64 key)
{
    const auto rows = appointmentsByKey(db, { key });
    if (rows.front().codimp == 0)
        return std::nullopt;
    return rows.front();
}

QString saveProblemText(SaveProblem problem)
{
    switch (problem) {
    case SaveProblem::StartTime:
        return QStringLiteral("Il valore immesso nel campo \"Dalle\" non è un orario valido.");
    case SaveProblem::EndTime:
        return QStringLiteral("Il valore immesso nel campo \"Alle\" non è un orario valido.");
    case SaveProblem::None:
        break;
    }
    return {};
}

bool isValidTime(const QString &text, QChar timeSeparator)
{
    if (text.size() != 5 || text.at(2) != timeSeparator)
        return false;
    const QString hours = text.left(2).trimmed();
    const QString minutes = text.mid(3, 2);
    if (hours.isEmpty() || text.at(1) == QLatin1Char(' '))
        return false;
    const QString digits = hours + minutes;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return hours.toInt() <= 23 && minutes.toInt() <= 59;
}

QString completedTime(const QString &text, QChar timeSeparator)
{
    // The hour's first digit is optional: "9:30" typed into the field reads "9 :30".
    if (text.size() == 5 && text.at(0).isDigit() && text.at(1) == QLatin1Char(' ')
        && text.at(2) == timeSeparator)
        return QLatin1Char('0') + text.left(1) + text.mid(2);
    return text;
}

SaveProblem checkTimes(const EditorInput &input, QChar timeSeparator)
{
    if (!isBlankTime(input.from) && !isValidTime(input.from, timeSeparator))
        return SaveProblem::StartTime;
    if (!isBlankTime(input.to) && !isValidTime(input.to, timeSeparator))
        return SaveProblem::EndTime;
    return SaveProblem::None;
}

namespace {

QString yesNo(bool on)
{
    return on ? marker::yes : marker::no;
}

QString storedTime(const QString &text, QChar timeSeparator)
{
    return isBlankTime(text) ? blankTime(timeSeparator) : text;
}

} // namespace

Appointment editedAppointment(
    const EditorInput &input, QChar timeSeparator, const QDate &done, const QString &doneFlag)
{
    Appointment a;
    a.flag = kindLetter(input.kind);
    a.id = capitalizeFirst(input.id);
    a.note = input.note;
    a.ricerca = capitalizeFirst(input.ricerca);
    a.allegato = input.allegato;
    a.datefull = input.start;
    a.orario = storedTime(input.from, timeSeparator);
    a.orario2 = storedTime(input.to, timeSeparator);
    a.fatto = done;
    a.flagfatto = doneFlag;
    a.anticipa = yesNo(input.advanceNotice);
    a.sospeso = yesNo(input.suspended);
    a.flagscad = yesNo(input.expiry);
    a.scadenza = input.expiryDate;
    switch (input.kind) {
    case AppointmentKind::OneShot:
        a.dayofweek = input.autoDelete ? marker::autoDelete : input.nag ? marker::nag : QString();
        break;
    case AppointmentKind::Yearly:
        a.dayofmonth = input.yearCount ? marker::yearCountOn : marker::yearCountOff;
        a.dayofweek = input.everyOther ? parityMarker(weekNumber(input.start).year) : QString();
        a.data = input.dayMonth;
        if (input.linkedContact)
            a.dayindex = double(*input.linkedContact);
        break;
    case AppointmentKind::Monthly:
        a.dayofmonth = input.dateText;
        a.dayofweek = input.everyOther ? parityMarker(input.start.month()) : QString();
        break;
    case AppointmentKind::Weekly:
        a.dayofweek = input.dateText;
        a.dayindex = input.start.dayOfWeek() % 7 + 1;
        a.dayofmonth = input.everyOther ? parityMarker(weekNumber(input.start).week) : QString();
        break;
    }
    return a;
}

namespace {

// The columns each kind's editor writes (the insert's, in its order; the update leaves
// out `flag`, and the yearly update `dayindex` too).
QStringList editorColumns(AppointmentKind kind, bool linkedContact)
{
    switch (kind) {
    case AppointmentKind::OneShot:
        return { QStringLiteral("id"), QStringLiteral("note"), QStringLiteral("datefull"),
            QStringLiteral("orario"), QStringLiteral("orario2"), QStringLiteral("flag"),
            QStringLiteral("dayofweek"), QStringLiteral("ricerca"), QStringLiteral("allegato"),
            QStringLiteral("fatto"), QStringLiteral("flagfatto"), QStringLiteral("anticipa"),
            QStringLiteral("sospeso"), QStringLiteral("flagscad"), QStringLiteral("scadenza") };
    case AppointmentKind::Yearly: {
        QStringList c { QStringLiteral("id"), QStringLiteral("note") };
        if (linkedContact)
            c << QStringLiteral("dayindex");
        c << QStringLiteral("dayofmonth") << QStringLiteral("dayofweek") << QStringLiteral("datefull")
          << QStringLiteral("data") << QStringLiteral("orario") << QStringLiteral("orario2")
          << QStringLiteral("flag") << QStringLiteral("ricerca") << QStringLiteral("allegato")
          << QStringLiteral("fatto") << QStringLiteral("flagfatto") << QStringLiteral("anticipa")
          << QStringLiteral("sospeso") << QStringLiteral("flagscad") << QStringLiteral("scadenza");
        return c;
    }
    case AppointmentKind::Monthly:
        return { QStringLiteral("id"), QStringLiteral("note"), QStringLiteral("dayofmonth"),
            QStringLiteral("dayofweek"), QStringLiteral("datefull"), QStringLiteral("orario"),
            QStringLiteral("orario2"), QStringLiteral("flag"), QStringLiteral("ricerca"),
            QStringLiteral("allegato"), QStringLiteral("fatto"), QStringLiteral("flagfatto"),
            QStringLiteral("anticipa"), QStringLiteral("sospeso"), QStringLiteral("flagscad"),
            QStringLiteral("scadenza") };
    case AppointmentKind::Weekly:
        return { QStringLiteral("id"), QStringLiteral("note"), QStringLiteral("dayofweek"),
            QStringLiteral("dayindex"), QStringLiteral("dayofmonth"), QStringLiteral("datefull"),
            QStringLiteral("orario"), QStringLiteral("orario2"), QStringLiteral("flag"),
            QStringLiteral("ricerca"), QStringLiteral("allegato"), QStringLiteral("fatto"),
            QStringLiteral("flagfatto"), QStringLiteral("anticipa"), QStringLiteral("sospeso"),
            QStringLiteral("flagscad"), QStringLiteral("scadenza") };
    }
    return {};
}

SqlParams pick(const Appointment &a, const QStringList &columns)
{
    const SqlParams all = appointmentValues(a);
    SqlParams out;
    for (const QString &c : columns) {
        for (const auto &[name, value] : all) {
            const QString bare = name.startsWith(QLatin1Char(':')) ? name.mid(1) : name;
            if (bare.compare(c, Qt::CaseInsensitive) == 0) {
                out.emplace_back(name, value);
                break;
            }
        }
    }
    return out;
}

qint64 lastKey(Database &db)
{
    return sqlite3_last_insert_rowid(db.handle());
}

} // namespace

qint64 insertAppointment(Database &db, const EditorInput &input, const QDate &shownDate, QChar timeSeparator)
{
    const Appointment a = editedAppointment(input, timeSeparator, neverDoneDate(shownDate), marker::no);
    db.insert(kTable, pick(a, editorColumns(input.kind, input.linkedContact.has_value())));
    return lastKey(db);
}

void updateAppointment(Database &db, const Appointment &row, const EditorInput &input, const QDate &shownDate,
    QChar timeSeparator)
{
    const bool moved = row.datefull != input.start;
    const Appointment a = editedAppointment(input, timeSeparator,
        moved ? neverDoneDate(shownDate) : row.fatto, moved ? marker::no : row.flagfatto);
    QStringList columns = editorColumns(input.kind, false);
    columns.removeAll(QStringLiteral("flag"));
    if (input.kind == AppointmentKind::Yearly)
        columns.removeAll(QStringLiteral("dayindex"));
    db.update(kTable, pick(a, columns), QStringLiteral("codimp = :codimp"),
        { { QStringLiteral(":codimp"), row.codimp } });
}

std::optional<qint64> duplicateAppointment(Database &db, const Appointment &row)
{
    const bool yearly = row.kind() == AppointmentKind::Yearly;
    if (yearly && row.dayindex != 0)
        return std::nullopt;
    SqlParams values = appointmentValues(row);
    if (yearly) {
        std::erase_if(values, [](const auto &p) { return p.first.endsWith(QLatin1String("dayindex")); });
    }
    db.insert(kTable, values);
    return lastKey(db);
}

void deleteAppointment(Database &db, qint64 key)
{
    db.exec(QStringLiteral("DELETE\nFROM VNarc66\nWHERE codimp = :codimp"),
        { { QStringLiteral(":codimp"), key } });
}

QString storedAttachment(QString text, const QString &programFolder)
{
    if (programFolder.isEmpty())
        return text;
    for (const char *sub : { "allegati/", "attaches/" })
        text.remove(programFolder + QLatin1String(sub), Qt::CaseSensitive);
    return text;
}

QString attachmentFileStart(const QString &attachment, const QString &fallback)
{
    if (attachment.isEmpty())
        return fallback;
    const QFileInfo file(attachment);
    if (!file.isAbsolute())
        return fallback;
    const QString folder = file.absolutePath();
    return QFileInfo(folder).isDir() ? folder : fallback;
}

QString attachmentFolderStart(const QString &attachment, const QString &fallback)
{
    return !attachment.isEmpty() && QFileInfo(attachment).isAbsolute() && QFileInfo(attachment).isDir()
        ? attachment
        : fallback;
}

int rowAfterDelete(int row, int count)
{
    if (count <= 0)
        return -1;
    return std::min(row, count - 1);
}

} // namespace vellamora::agenda
