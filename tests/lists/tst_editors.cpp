#include "tests.h"

#include "AgendaFixture.h"
#include "agenda/AgendaQuery.h"
#include "agenda/AppointmentEditor.h"
#include "support/TestDoubles.h"

#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QToolButton>

using namespace vellamora;
using namespace vellamora::agenda;

Q_DECLARE_METATYPE(vellamora::agenda::AppointmentKind)

namespace {

const Regional &italian()
{
    static const Regional r = Regional::italian();
    return r;
}

struct EditorFixture
{
    EditorContext context(const QDate &shown = QDate(2026, 3, 16))
    {
        EditorContext c;
        c.db = &data.db;
        c.regional = &italian();
        c.prompter = &prompter;
        c.shownDate = shown;
        c.today = QDate(2026, 3, 10);
        c.datePicture = QStringLiteral("dddd d mmmm yyyy");
        c.saved = [this] { ++refreshes; };
        return c;
    }
    std::vector<Appointment> all()
    {
        ListFilter f;
        std::vector<Appointment> rows;
        for (AppointmentKind k : { AppointmentKind::OneShot, AppointmentKind::Yearly,
                 AppointmentKind::Monthly, AppointmentKind::Weekly }) {
            f.kind = k;
            for (const Appointment &a : appointmentsByKey(data.db, listKeys(data.db, f)))
                rows.push_back(a);
        }
        return rows;
    }
    test::AgendaDatabase data;
    test::ScriptedPrompter prompter;
    int refreshes = 0;
};

template<typename T> T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

} // namespace

void TestEditors::addEachKind_data()
{
    QTest::addColumn<AppointmentKind>("kind");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QDate>("occurs");
    QTest::newRow("one-shot nag") << AppointmentKind::OneShot << "TAggShotForm"
                                  << "Nuovo impegno giornaliero"
                                  << "CheckBox_Torment" << QDate(2026, 4, 1);
    QTest::newRow("one-shot auto-delete") << AppointmentKind::OneShot << "TAggShotForm"
                                          << "Nuovo impegno giornaliero"
                                          << "CheckBox_DeleteAfter" << QDate(2026, 3, 16);
    QTest::newRow("yearly biennial") << AppointmentKind::Yearly << "TAggYearForm"
                                     << "Nuovo impegno annuale"
                                     << "CheckBox_Biannuale" << QDate(2028, 3, 16);
    QTest::newRow("yearly year count") << AppointmentKind::Yearly << "TAggYearForm"
                                       << "Nuovo impegno annuale"
                                       << "CheckBox_Conteggio" << QDate(2027, 3, 16);
    QTest::newRow("monthly bimonthly") << AppointmentKind::Monthly << "TAggMeseForm"
                                       << "Nuovo impegno mensile"
                                       << "CheckBox_Bimestrale" << QDate(2026, 5, 16);
    QTest::newRow("weekly biweekly") << AppointmentKind::Weekly << "TAggWeekForm"
                                     << "Nuovo impegno settimanale"
                                     << "CheckBox_Bisettimanale" << QDate(2026, 3, 30);
    QTest::newRow("weekly suspended") << AppointmentKind::Weekly << "TAggWeekForm"
                                      << "Nuovo impegno settimanale"
                                      << "CheckBox_Sospeso" << QDate();
}

// Filled through its controls, saved with "Inserisci e chiudi", read back by the agenda.
void TestEditors::addEachKind()
{
    QFETCH(AppointmentKind, kind);
    QFETCH(QString, form);
    QFETCH(QString, title);
    QFETCH(QString, option);
    QFETCH(QDate, occurs);
    EditorFixture f;
    AppointmentEditor dialog(kind, f.context(), std::nullopt);
    QCOMPARE(dialog.objectName(), form);
    QCOMPARE(dialog.Panel_TitoloForm->text(), title);
    QVERIFY(!dialog.SpeedButtonAddClose->isEnabled());
    QTest::keyClicks(dialog.Edit_id, QStringLiteral("corso di nuoto"));
    QVERIFY(dialog.SpeedButtonAddClose->isEnabled());
    dialog.MaskEdit_Hour->setCursorPosition(0);
    QTest::keyClicks(dialog.MaskEdit_Hour, QStringLiteral("0930"));
    child<QCheckBox>(&dialog, option.toLatin1().constData())->setChecked(true);
    QTest::mouseClick(dialog.SpeedButtonAddClose, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(f.refreshes, 1);
    const auto rows = f.all();
    QCOMPARE(rows.size(), size_t(1));
    const Appointment &a = rows.front();
    QCOMPARE(a.id, QStringLiteral("Corso di nuoto"));
    QCOMPARE(a.orario, QStringLiteral("09:30"));
    QCOMPARE(a.orario2, QStringLiteral("  :  "));
    QCOMPARE(a.datefull, QDate(2026, 3, 16));
    QCOMPARE(a.flagfatto, QStringLiteral("N"));
    const QDate check = occurs.isValid() ? occurs : QDate(2026, 3, 23);
    const auto agenda = readAgenda(f.data.db, Variant::DayAgenda, check, italian());
    QCOMPARE(agenda.size(), size_t(occurs.isValid() ? 1 : 0));
}

void TestEditors::timesAreChecked_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("message");
    QTest::newRow("blank start, 25:00 end") << ""
                                            << "2500"
                                            << "Il valore immesso nel campo \"Alle\" non è un orario valido.";
    QTest::newRow("start 24:00") << "2400"
                                 << ""
                                 << "Il valore immesso nel campo \"Dalle\" non è un orario valido.";
    QTest::newRow("half typed start") << "1"
                                      << ""
                                      << "Il valore immesso nel campo \"Dalle\" non è un orario valido.";
}

void TestEditors::timesAreChecked()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, message);
    EditorFixture f;
    AppointmentEditor dialog(AppointmentKind::OneShot, f.context(), std::nullopt);
    QTest::keyClicks(dialog.Edit_id, QStringLiteral("x"));
    dialog.MaskEdit_Hour->setCursorPosition(0);
    QTest::keyClicks(dialog.MaskEdit_Hour, from);
    dialog.MaskEdit_hour2->setCursorPosition(0);
    QTest::keyClicks(dialog.MaskEdit_hour2, to);
    QTest::mouseClick(dialog.SpeedButtonAddClose, Qt::LeftButton);
    QCOMPARE(f.prompter.texts(QStringLiteral("warning")), QStringList { message });
    QVERIFY(f.all().empty());
    QCOMPARE(dialog.Edit_id->text(), QStringLiteral("x")); // contents kept
}

void TestEditors::stayOpenInsertsTwice()
{
    EditorFixture f;
    AppointmentEditor dialog(AppointmentKind::OneShot, f.context(), std::nullopt);
    dialog.CheckBox_scadenza->setChecked(true);
    dialog.DateTimePicker_scadenza->setDate(QDate(2026, 3, 20));
    QTest::keyClicks(dialog.Edit_id, QStringLiteral("primo"));
    QTest::keyClicks(dialog.Edit_Ricerca, QStringLiteral("rossi"));
    QTest::mouseClick(dialog.SpeedButtonAdd, Qt::LeftButton);
    QCOMPARE(dialog.Edit_id->text(), QString());
    QCOMPARE(dialog.Edit_Ricerca->text(), QString());
    QVERIFY(!dialog.SpeedButtonAdd->isEnabled());
    QVERIFY(dialog.CheckBox_scadenza->isChecked()); // options and dates stay
    QTest::keyClicks(dialog.Edit_id, QStringLiteral("secondo"));
    QTest::mouseClick(dialog.SpeedButtonAdd, Qt::LeftButton);
    const auto rows = f.all();
    QCOMPARE(rows.size(), size_t(2));
    for (const Appointment &a : rows) {
        QCOMPARE(a.flagscad, QStringLiteral("Y"));
        QCOMPARE(a.scadenza, QDate(2026, 3, 20));
    }
    QCOMPARE(rows[0].ricerca, QStringLiteral("Rossi"));
    // The expiry picker refuses a date before the start date.
    dialog.DateTimePicker_scadenza->setDate(QDate(2026, 3, 1));
    QCOMPARE(dialog.DateTimePicker_scadenza->date(), QDate(2026, 3, 16));
}

void TestEditors::modifyKeepsOrResetsDone_data()
{
    QTest::addColumn<int>("moveDays");
    QTest::newRow("same date keeps the done state") << 0;
    QTest::newRow("new date resets it") << 7;
}

void TestEditors::modifyKeepsOrResetsDone()
{
    QFETCH(int, moveDays);
    EditorFixture f;
    Appointment row = test::weekly(QStringLiteral("Nuoto"), QDate(2026, 3, 16), italian());
    row.orario = QStringLiteral(" 9:30");
    row.fatto = QDate(2026, 3, 16);
    row.flagfatto = QStringLiteral("Y");
    row.sospeso = QStringLiteral("Y");
    row.codimp = f.data.add(row);
    AppointmentEditor dialog(AppointmentKind::Weekly, f.context(QDate(2026, 1, 1)), row);
    QCOMPARE(dialog.objectName(), QStringLiteral("TModWeekForm"));
    QCOMPARE(dialog.Label_Fatto->text(), QStringLiteral("Svolto: lunedì 16 marzo 2026"));
    QVERIFY(dialog.CheckBox_Sospeso->isChecked());
    QCOMPARE(dialog.dateLabel->text(), QStringLiteral("lunedì"));
    dialog.setStartDate(row.datefull.addDays(moveDays + (moveDays ? 1 : 0)));
    dialog.Edit_id->setText(QStringLiteral("nuoto libero"));
    QTest::mouseClick(dialog.SpeedButtonMod, Qt::LeftButton);
    const Appointment after = f.all().front();
    QCOMPARE(after.id, QStringLiteral("Nuoto libero"));
    QCOMPARE(after.orario, QStringLiteral(" 9:30"));
    QCOMPARE(after.sospeso, QStringLiteral("Y"));
    if (moveDays == 0) {
        QCOMPARE(after.flagfatto, QStringLiteral("Y"));
        QCOMPARE(after.fatto, QDate(2026, 3, 16));
    } else {
        QCOMPARE(after.flagfatto, QStringLiteral("N"));
        QCOMPARE(after.dayofweek, QStringLiteral("martedì"));
        QCOMPARE(after.dayindex, 3.0);
    }
}

void TestEditors::oneShotOptionRules()
{
    EditorFixture f;
    AppointmentEditor dialog(AppointmentKind::OneShot, f.context(), std::nullopt);
    dialog.CheckBox_DeleteAfter->setChecked(true);
    QVERIFY(!dialog.CheckBox_Torment->isEnabled());
    QVERIFY(!dialog.CheckBox_scadenza->isEnabled());
    dialog.CheckBox_DeleteAfter->setChecked(false);
    dialog.CheckBox_scadenza->setChecked(true);
    QVERIFY(dialog.DateTimePicker_scadenza->isEnabled());
    QVERIFY(!dialog.CheckBox_DeleteAfter->isEnabled());
    QVERIFY(!dialog.CheckBox_Torment->isEnabled());
}

void TestEditors::birthdayMode()
{
    EditorFixture f;
    EditorContext c = f.context();
    c.linkedContact = 42;
    c.contactName = QStringLiteral("Anna Bianchi");
    c.today = QDate(2030, 3, 20);
    AppointmentEditor dialog(AppointmentKind::Yearly, c, std::nullopt);
    QVERIFY(dialog.SpeedButtonAdd->isHidden());
    QCOMPARE(dialog.Edit_id->text(), QStringLiteral("Compleanno di Anna Bianchi"));
    QVERIFY(dialog.CheckBox_Conteggio->isChecked());
    QCOMPARE(dialog.Label_Conteggio->text(),
        QStringLiteral("Conteggio anni: 4 - Periodo: 16 mar 2026 - 20 mar 2030"));
    QTest::mouseClick(dialog.SpeedButtonAddClose, Qt::LeftButton);
    const Appointment a = f.all().front();
    QCOMPARE(a.dayindex, 42.0);
    QCOMPARE(a.dayofmonth, QStringLiteral("SI"));
    QCOMPARE(a.ricerca, QStringLiteral("Anna Bianchi"));
}
