#include "tests.h"

#include "AgendaFixture.h"
#include "agenda/AppointmentList.h"
#include "agenda/DayExport.h"
#include "agenda/DoneState.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>

using namespace vellamora;
using namespace vellamora::agenda;

namespace {

// Reads comma-separated text as a spreadsheet does: quoted fields may hold commas, doubled
// quotes and line breaks; lines end in CR LF.
QList<QStringList> readCsv(const QString &text)
{
    QList<QStringList> lines;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            fields << field;
            lines << fields;
            fields.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return lines;
}

Appointment row(const char *from, const char *to, const char *id, const char *note)
{
    Appointment a = test::oneShot(QString::fromUtf8(id), QDate(2025, 5, 5));
    a.orario = QString::fromLatin1(from);
    a.orario2 = QString::fromLatin1(to);
    a.note = QString::fromUtf8(note);
    return a;
}

} // namespace

void TestDayExport::csvField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << QStringLiteral("Riunione") << QStringLiteral("Riunione");
    QTest::newRow("blank time") << QStringLiteral("  :  ") << QStringLiteral("  :  ");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("comma") << QStringLiteral("Pane, latte") << QStringLiteral("\"Pane, latte\"");
    QTest::newRow("quote") << QStringLiteral("Cena \"Da Mario\"")
                           << QStringLiteral("\"Cena \"\"Da Mario\"\"\"");
    QTest::newRow("line break") << QStringLiteral("a\r\nb") << QStringLiteral("\"a\r\nb\"");
    QTest::newRow("semicolon stays bare") << QStringLiteral("a;b") << QStringLiteral("a;b");
}

void TestDayExport::csvField()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(agenda::csvField(text), field);
}

// Lines that need no quoting are written field by field as they are; a comma in the
// description or in the note no longer shifts the columns.
void TestDayExport::exportText()
{
    const std::vector<Appointment> rows = {
        row("09:30", "11:00", "Riunione", ""),
        row("  :  ", "  :  ", "Palestra", "Portare\r\nl'asciugamano"),
        row("12:00", "  :  ", "Pranzo con Anna, Marco", "Da \"Gino\"\r\npagare, poi"),
    };
    const QByteArray text = dayExportText(rows);
    QCOMPARE(text,
        QByteArray("DALLE,ALLE,DESCRIZIONE,NOTE\r\n"
                   "09:30,11:00,Riunione,\r\n"
                   "  :  ,  :  ,Palestra,Portare  l'asciugamano\r\n"
                   "12:00,  :  ,\"Pranzo con Anna, Marco\",\"Da \"\"Gino\"\"  pagare, poi\"\r\n"));
    const QList<QStringList> lines = readCsv(QString::fromUtf8(text));
    QCOMPARE(lines.size(), 4);
    for (const QStringList &line : lines)
        QCOMPARE(line.size(), 4);
    QCOMPARE(lines.at(3).at(2), QStringLiteral("Pranzo con Anna, Marco"));
    QCOMPARE(lines.at(3).at(3), QStringLiteral("Da \"Gino\"  pagare, poi"));
    // UTF-8, not a single-byte code page.
    QCOMPARE(dayExportText({ row("", "", "Caffè", "") }).mid(29), QByteArray(",,Caff\xc3\xa8,\r\n"));
}

void TestDayExport::fileNameAndWrite()
{
    QCOMPARE(dayExportFileName(QDate(2025, 5, 5), Regional::italian()),
        QStringLiteral("Programma di lunedì 5 maggio 2025.csv"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("giorno.csv"));
    const std::vector<Appointment> rows = { row("09:30", "11:00", "Riunione", "") };
    QVERIFY(writeDayExport(path, rows));
    QVERIFY(writeDayExport(path, rows)); // an existing file is replaced
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), dayExportText(rows));
    QVERIFY(!writeDayExport(dir.filePath(QStringLiteral("missing/giorno.csv")), rows));
}

void TestDayExport::toggledDone_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<int>("doneOffset"); // fatto relative to the shown date
    QTest::addColumn<bool>("becomesDone");
    QTest::newRow("not done becomes done") << QStringLiteral("N") << -150000 << true;
    QTest::newRow("done on the shown date is undone") << QStringLiteral("Y") << 0 << false;
    QTest::newRow("done later is undone") << QStringLiteral("Y") << 7 << false;
    QTest::newRow("done earlier moves to the shown date") << QStringLiteral("Y") << -7 << true;
    QTest::newRow("flag N with a later date becomes done") << QStringLiteral("N") << 3 << true;
}

void TestDayExport::toggledDone()
{
    QFETCH(QString, flag);
    QFETCH(int, doneOffset);
    QFETCH(bool, becomesDone);
    const QDate shown(2026, 3, 16);
    Appointment a = test::weekly(QStringLiteral("a"), shown, Regional::italian());
    a.flagfatto = flag;
    a.fatto = shown.addDays(doneOffset);
    const DoneState state = agenda::toggledDone(a, shown);
    if (becomesDone)
        QCOMPARE(state, (DoneState { shown, QStringLiteral("Y") }));
    else
        QCOMPARE(state, (DoneState { neverDoneDate(shown), QStringLiteral("N") }));
}

void TestDayExport::writeDoneState()
{
    test::AgendaDatabase d;
    const QDate day(2026, 3, 16);
    const qint64 key = d.add(test::oneShot(QStringLiteral("a"), day));
    const qint64 other = d.add(test::oneShot(QStringLiteral("b"), day));
    agenda::writeDoneState(d.db, key, { day, QStringLiteral("Y") });
    QCOMPARE(appointmentByKey(d.db, key)->fatto, day);
    QCOMPARE(appointmentByKey(d.db, key)->flagfatto, QStringLiteral("Y"));
    QCOMPARE(appointmentByKey(d.db, other)->flagfatto, QStringLiteral("N"));
}
