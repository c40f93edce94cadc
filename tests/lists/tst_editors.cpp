#include "tests.h"

#include "AgendaFixture.h"
#include "agenda/AgendaQuery.h"
#include "agenda/AppointmentEditor.h"
#include "agenda/TSelectForm.h"
#include "support/TestDoubles.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtGui/QScreen>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCalendarWidget>

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

using test::italian;

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
    QTest::newRow("one-digit minutes") << "9:5"
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

void TestEditors::oneDigitHour_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("9:30") << "9:30" << "09:30";
    QTest::newRow("0930") << "0930" << "09:30";
    QTest::newRow("23:59") << "23:59" << "23:59";
}

// The hour's first digit is optional: "9:30" is half past nine, saved as "09:30".
void TestEditors::oneDigitHour()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    EditorFixture f;
    AppointmentEditor dialog(AppointmentKind::OneShot, f.context(), std::nullopt);
    QTest::keyClicks(dialog.Edit_id, QStringLiteral("x"));
    for (QLineEdit *field : { dialog.MaskEdit_Hour, dialog.MaskEdit_hour2 }) {
        field->setCursorPosition(0);
        QTest::keyClicks(field, typed);
    }
    QTest::mouseClick(dialog.SpeedButtonAddClose, Qt::LeftButton);
    QCOMPARE(f.prompter.texts(QStringLiteral("warning")), QStringList());
    const auto rows = f.all();
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(rows.front().orario, stored);
    QCOMPARE(rows.front().orario2, stored);
}

// A user clicks into the empty time field, wherever, and types the time.
void TestEditors::clickIntoBlankTime()
{
    EditorFixture f;
    AppointmentEditor dialog(AppointmentKind::OneShot, f.context(), std::nullopt);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit *from = dialog.MaskEdit_Hour;
    QTest::mouseClick(from, Qt::LeftButton, {}, QPoint(from->width() - 4, from->height() / 2));
    QTest::keyClicks(from, QStringLiteral("0930"));
    QCOMPARE(from->text(), QStringLiteral("09:30"));
    // A field already holding a time keeps the clicked position.
    QTest::mouseClick(from, Qt::LeftButton, {}, QPoint(from->width() - 4, from->height() / 2));
    QCOMPARE(from->cursorPosition(), 5);
}

void TestEditors::scaledDialogOnScreen_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("100%") << 100;
    QTest::newRow("130%") << 130;
    QTest::newRow("150%") << 150;
}

// At every dialog scale the dialog opens grown, centred over the window, inside the screen.
void TestEditors::scaledDialogOnScreen()
{
    QFETCH(int, percent);
    EditorFixture f;
    QWidget window;
    window.setGeometry(100, 50, 500, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    EditorContext context = f.context();
    const QSize designed = AppointmentEditor(AppointmentKind::OneShot, context, std::nullopt).sizeHint();
    context.scalePercent = percent;
    AppointmentEditor dialog(AppointmentKind::OneShot, context, std::nullopt, &window);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.width() >= designed.width() * percent / 100 - 2);
    const QRect screen = window.screen()->availableGeometry();
    QVERIFY2(dialog.x() >= screen.left() && dialog.y() >= screen.top(),
        qPrintable(QStringLiteral("%1,%2").arg(dialog.x()).arg(dialog.y())));
    // Its buttons stay within reach: the dialog is no taller than the screen.
    QVERIFY2(dialog.frameGeometry().bottom() <= screen.bottom(),
        qPrintable(QStringLiteral("%1 > %2").arg(dialog.frameGeometry().bottom()).arg(screen.bottom())));
    if (dialog.height() < screen.height() && dialog.width() < screen.width())
        QVERIFY2(std::abs(dialog.geometry().center().x() - window.geometry().center().x()) <= 4,
            qPrintable(QStringLiteral("%1 %2").arg(dialog.geometry().center().x()).arg(window.geometry().center().x())));
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
    QVERIFY(!dialog.SpeedButtonClearRicerca->isEnabled()); // nothing to clear
    QVERIFY(!dialog.SpeedButtonClearAllegato->isEnabled());
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
    c.contactEmail = QStringLiteral("anna@esempio.it");
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
    QCOMPARE(a.allegato, QStringLiteral("mailto:anna@esempio.it"));
}

void TestEditors::calendarPicksStartDate_data()
{
    QTest::addColumn<AppointmentKind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QDate>("opensOn");
    QTest::addColumn<QString>("keep");
    QTest::addColumn<QString>("drawn");
    // Added on 16 March 2026 (the agenda's date), today being 10 March; 7 April is chosen.
    QTest::newRow("one-shot") << AppointmentKind::OneShot << "Scegli la data"
                              << "G" << QDate(2026, 3, 10) << "7 aprile 2026"
                              << "martedì 7 aprile 2026";
    QTest::newRow("yearly") << AppointmentKind::Yearly << "Scegli il giorno e il mese"
                            << "A" << QDate(2026, 3, 16) << "7 aprile"
                            << "martedì 7 aprile 2026";
    QTest::newRow("monthly") << AppointmentKind::Monthly << "Scegli il giorno del mese"
                             << "M" << QDate(2026, 3, 16) << "07"
                             << "07";
    QTest::newRow("weekly") << AppointmentKind::Weekly << "Scegli il giorno della settimana"
                            << "S" << QDate(2026, 3, 10) << "martedì"
                            << "martedì";
}

// The date button and the date itself open the calendar dialog; "Usa" moves the start
// date, the date control and the expiry, and the save writes the new date.
void TestEditors::calendarPicksStartDate()
{
    QFETCH(AppointmentKind, kind);
    QFETCH(QString, title);
    QFETCH(QString, mode);
    QFETCH(QDate, opensOn);
    QFETCH(QString, keep);
    QFETCH(QString, drawn);
    EditorFixture f;
    TSelectForm calendar(italian(), f.prompter, 100);
    EditorContext c = f.context();
    c.calendar = &calendar;
    c.sectionColour = QColor(0x58, 0xA5, 0x54);
    QDate shownOn;
    QString shownTitle;
    QString keepText;
    QChar shownMode;
    QColor shownColour;
    int runs = 0;
    c.runModal = [&](QDialog &d) {
        ++runs;
        if (&d != &calendar)
            return int(QDialog::Rejected);
        shownOn = calendar.date();
        shownTitle = calendar.Panel_TitoloForm->text();
        shownMode = calendar.mode();
        shownColour = calendar.palette().color(QPalette::Window);
        calendar.Calendario->setSelectedDate(QDate(2026, 4, 7));
        keepText = calendar.SpeedButtonKeep->text();
        QTest::mouseClick(calendar.SpeedButtonKeep, Qt::LeftButton);
        return calendar.result();
    };
    AppointmentEditor dialog(kind, c, std::nullopt);
    dialog.show();
    QTest::mouseClick(dialog.SpeedButtonShowCalendar, Qt::LeftButton);
    QCOMPARE(runs, 1);
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownMode, mode.at(0));
    QCOMPARE(shownColour, QColor(0x58, 0xA5, 0x54));
    QCOMPARE(shownOn, opensOn);
    QCOMPARE(keepText, keep);
    QCOMPARE(dialog.startDate(), QDate(2026, 4, 7));
    QCOMPARE(dialog.dateLabel->text(), drawn);
    QCOMPARE(dialog.DateTimePicker_scadenza->date(), QDate(2026, 4, 7)); // pushed up to the start
    // A click on the date itself opens it too.
    QTest::mouseClick(dialog.dateLabel, Qt::LeftButton);
    QCOMPARE(runs, 2);
    QTest::keyClicks(dialog.Edit_id, QStringLiteral("x"));
    QTest::mouseClick(dialog.SpeedButtonAddClose, Qt::LeftButton);
    QCOMPARE(f.all().front().datefull, QDate(2026, 4, 7));
}

// A double click chooses the day, except the first one after the calendar turned its page;
// Enter chooses, Esc and "Chiudi" close without a choice.
void TestEditors::calendarDoubleClickRule()
{
    test::ScriptedPrompter prompter;
    TSelectForm calendar(italian(), prompter, 100);
    calendar.prepare(
        Qt::red, Qt::white, QStringLiteral("Scegli la data"), QLatin1Char('G'), QDate(2026, 3, 16));
    calendar.show();
    QCOMPARE(calendar.SpeedButtonKeep->text(), QStringLiteral("16 marzo 2026"));
    QCOMPARE(calendar.Calendario->font().pointSize(), 10);
    calendar.Calendario->setCurrentPage(2026, 4);
    calendar.Calendario->setSelectedDate(QDate(2026, 4, 2));
    Q_EMIT calendar.Calendario->activated(QDate(2026, 4, 2));
    QVERIFY(calendar.isVisible());
    Q_EMIT calendar.Calendario->activated(QDate(2026, 4, 2));
    QVERIFY(!calendar.isVisible());
    QCOMPARE(calendar.result(), int(QDialog::Accepted));
    QCOMPARE(calendar.date(), QDate(2026, 4, 2));

    const struct
    {
        int key;
        QDialog::DialogCode result;
    } keys[] = { { Qt::Key_Return, QDialog::Accepted }, { Qt::Key_Escape, QDialog::Rejected } };
    for (const auto &k : keys) {
        calendar.prepare(Qt::red, Qt::white, QString(), QLatin1Char('S'), QDate(2026, 3, 16));
        calendar.show();
        QCOMPARE(calendar.SpeedButtonKeep->text(), QStringLiteral("lunedì"));
        QTest::keyClick(&calendar, Qt::Key(k.key));
        QVERIFY(!calendar.isVisible());
        QCOMPARE(calendar.result(), int(k.result));
    }
    // Enter in the day table after turning the page chooses at once.
    calendar.prepare(Qt::red, Qt::white, QString(), QLatin1Char('G'), QDate(2026, 3, 16));
    calendar.show();
    calendar.Calendario->setCurrentPage(2026, 5);
    calendar.Calendario->setSelectedDate(QDate(2026, 5, 4));
    auto *days
        = calendar.Calendario->findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview"));
    QVERIFY(days);
    QTest::keyClick(days, Qt::Key_Return);
    QVERIFY(!calendar.isVisible());
    QCOMPARE(calendar.result(), int(QDialog::Accepted));
    QCOMPARE(calendar.date(), QDate(2026, 5, 4));

    calendar.show();
    QTest::mouseClick(calendar.SpeedButton2, Qt::LeftButton);
    QCOMPARE(calendar.result(), int(QDialog::Rejected));
    QTest::mouseClick(calendar.SpeedButtonHelp, Qt::LeftButton);
    QCOMPARE(prompter.texts(QStringLiteral("information")),
        QStringList { "In questa finestra puoi selezionare in un colpo solo il giorno e la data d'inizio "
                      "dell'impegno." });
}

void TestEditors::attachments_data()
{
    // %P is the program folder, %T a folder elsewhere; an empty `chosen` cancels.
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("after");
    QTest::newRow("file under allegati: its relative name") << "SpeedButtonAllegaFile"
                                                            << ""
                                                            << "%Pallegati/conti/luce.pdf"
                                                            << "%H"
                                                            << "conti/luce.pdf";
    QTest::newRow("file elsewhere, from the attachment's folder") << "SpeedButtonAllegaFile"
                                                                  << "%Tdoc/vecchio.txt"
                                                                  << "%Tdoc/nuovo.txt"
                                                                  << "%Tdoc"
                                                                  << "%Tdoc/nuovo.txt";
    QTest::newRow("file, attachment's folder gone") << "SpeedButtonAllegaFile"
                                                    << "%Tnessuna/vecchio.txt"
                                                    << "%Tdoc/nuovo.txt"
                                                    << "%H"
                                                    << "%Tdoc/nuovo.txt";
    QTest::newRow("folder under attaches") << "SpeedButtonAllegaCartella"
                                           << ""
                                           << "%Pattaches/foto"
                                           << "/"
                                           << "foto";
    QTest::newRow("folder from the attached folder") << "SpeedButtonAllegaCartella"
                                                     << "%Tdoc"
                                                     << "%Tfoto"
                                                     << "%Tdoc"
                                                     << "%Tfoto";
    QTest::newRow("cancel keeps the attachment") << "SpeedButtonAllegaFile"
                                                 << "mailto:a@b.it;c@d.it"
                                                 << ""
                                                 << "%H"
                                                 << "mailto:a@b.it;c@d.it";
    QTest::newRow("typed under allegati, case counts") << ""
                                                       << "%Pallegati/a.txt %PAllegati/b.txt"
                                                       << ""
                                                       << ""
                                                       << "a.txt %PAllegati/b.txt";
}

void TestEditors::attachments()
{
    QFETCH(QString, button);
    QFETCH(QString, before);
    QFETCH(QString, chosen);
    QFETCH(QString, start);
    QFETCH(QString, after);
    QTemporaryDir program;
    QTemporaryDir elsewhere;
    QDir(elsewhere.path()).mkpath(QStringLiteral("doc"));
    const QString home = QDir::homePath();
    auto fill = [&](QString text) {
        return text.replace(QStringLiteral("%P"), program.path() + QLatin1Char('/'))
            .replace(QStringLiteral("%T"), elsewhere.path() + QLatin1Char('/'))
            .replace(QStringLiteral("%H"), home);
    };
    EditorFixture f;
    test::ScriptedFileChooser files;
    if (!chosen.isEmpty())
        files.paths.push_back(fill(chosen));
    else
        files.paths.push_back(std::nullopt);
    EditorContext c = f.context();
    c.files = &files;
    c.programFolder = program.path() + QLatin1Char('/');
    c.homeFolder = home;
    AppointmentEditor dialog(AppointmentKind::OneShot, c, std::nullopt);
    dialog.show();
    dialog.Edit_Allegato->setText(fill(before));
    if (!button.isEmpty()) {
        const QPoint at = dialog.pos();
        QTest::mouseClick(child<QToolButton>(&dialog, button.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(files.requests.size(), size_t(1));
        const auto &request = files.requests.front();
        const bool file = button == QLatin1String("SpeedButtonAllegaFile");
        QCOMPARE(request.kind, file ? QStringLiteral("open") : QStringLiteral("folder"));
        QCOMPARE(request.caption, file ? QStringLiteral("Allega file") : QStringLiteral("Allega cartella"));
        QCOMPARE(QDir::cleanPath(request.start), QDir::cleanPath(fill(start)));
        QCOMPARE(dialog.pos(), at); // back from out of sight
    }
    QCOMPARE(dialog.Edit_Allegato->text(), fill(after));
    QCOMPARE(dialog.Edit_Allegato->toolTip(), fill(after));
    QVERIFY(dialog.SpeedButtonClearAllegato->isEnabled());
}

// "+" shows the enlarged notes area, "-" the normal layout; both boxes hold the same text.
void TestEditors::enlargedNotes()
{
    EditorFixture f;
    AppointmentEditor dialog(AppointmentKind::Monthly, f.context(), std::nullopt);
    QVERIFY(!dialog.enlargedNotes());
    QTest::keyClicks(dialog.Edit_id, QStringLiteral("affitto"));
    QTest::mouseClick(dialog.SpeedButtonZoomNote, Qt::LeftButton);
    QVERIFY(dialog.enlargedNotes());
    QCOMPARE(dialog.SpeedButtonZoomNote->text(), QStringLiteral("-"));
    QTest::keyClicks(dialog.Memo_BIG, QStringLiteral("bonifico"));
    QCOMPARE(dialog.Memo->toPlainText(), QStringLiteral("bonifico"));
    // A stay-open insert saves the note and returns to the normal layout, cleared.
    QTest::mouseClick(dialog.SpeedButtonAdd, Qt::LeftButton);
    QVERIFY(!dialog.enlargedNotes());
    QCOMPARE(dialog.SpeedButtonZoomNote->text(), QStringLiteral("+"));
    QCOMPARE(dialog.Memo_BIG->toPlainText(), QString());
    QCOMPARE(f.all().front().note, QStringLiteral("bonifico"));

    // The enlarged-note request opens a modify dialog on the enlarged area.
    Appointment row = f.all().front();
    EditorContext c = f.context();
    c.enlargedNote = true;
    AppointmentEditor modify(AppointmentKind::Monthly, c, row);
    QVERIFY(modify.enlargedNotes());
    QCOMPARE(modify.Memo_BIG->toPlainText(), QStringLiteral("bonifico"));
    modify.Memo_BIG->moveCursor(QTextCursor::End);
    QTest::keyClicks(modify.Memo_BIG, QStringLiteral(" fatto"));
    QTest::mouseClick(modify.SpeedButtonMod, Qt::LeftButton);
    QCOMPARE(f.all().front().note, QStringLiteral("bonifico fatto"));
}

void TestEditors::enterAndEscape_data()
{
    QTest::addColumn<bool>("modify");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("add: Enter in the description") << false << "Edit_id" << int(Qt::Key_Return);
    QTest::newRow("add: Enter in a time") << false << "MaskEdit_Hour" << int(Qt::Key_Enter);
    QTest::newRow("add: Enter in the contact search") << false << "Edit_Ricerca" << int(Qt::Key_Return);
    QTest::newRow("add: Enter in the attachment") << false << "Edit_Allegato" << int(Qt::Key_Return);
    QTest::newRow("modify: Enter in the end time") << true << "MaskEdit_hour2" << int(Qt::Key_Return);
    QTest::newRow("add: Esc") << false << "Edit_id" << int(Qt::Key_Escape);
    QTest::newRow("modify: Esc") << true << "Edit_id" << int(Qt::Key_Escape);
}

// Enter confirms ("Inserisci e chiudi" or "Modifica") only while the description is filled;
// Esc closes without saving.
void TestEditors::enterAndEscape()
{
    QFETCH(bool, modify);
    QFETCH(QString, field);
    QFETCH(int, key);
    EditorFixture f;
    std::optional<Appointment> row;
    if (modify) {
        row = test::oneShot(QStringLiteral("Cena"), QDate(2026, 3, 16));
        row->codimp = f.data.add(*row);
    }
    AppointmentEditor dialog(AppointmentKind::OneShot, f.context(), row);
    dialog.show();
    auto *edit = child<QLineEdit>(&dialog, field.toLatin1().constData());
    const bool saves = key != Qt::Key_Escape;
    dialog.Edit_id->clear();
    if (saves) {
        QTest::keyClick(edit, Qt::Key(key));
        QVERIFY(dialog.isVisible()); // nothing to save yet
    }
    QTest::keyClicks(dialog.Edit_id, QStringLiteral("pranzo"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key(key));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(saves ? QDialog::Accepted : QDialog::Rejected));
    const auto rows = f.all();
    QCOMPARE(rows.size(), size_t(modify || saves ? 1 : 0));
    if (!rows.empty())
        QCOMPARE(rows.front().id, saves ? QStringLiteral("Pranzo") : QStringLiteral("Cena"));
}

// Framed in the section colour, titled in the tab font colour, options in the theme's
// marker colours; fields take the section colour while focused; the help text.
void TestEditors::helpAndColours()
{
    EditorFixture f;
    EditorContext c = f.context();
    c.sectionColour = QColor(0xD2, 0xA6, 0xA6);
    c.titleText = QColor(Qt::yellow);
    c.autoDeleteColour = QColor(Qt::magenta);
    c.nagColour = QColor(Qt::darkBlue);
    c.suspendedColour = QColor(Qt::gray);
    AppointmentEditor dialog(AppointmentKind::OneShot, c, std::nullopt);
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    for (QWidget *w : { static_cast<QWidget *>(&dialog), static_cast<QWidget *>(dialog.Panel_TitoloForm),
             static_cast<QWidget *>(dialog.Panel_Bottoni) })
        QCOMPARE(w->palette().color(QPalette::Window), c.sectionColour);
    QCOMPARE(dialog.Panel_TitoloForm->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    QCOMPARE(dialog.CheckBox_DeleteAfter->palette().color(QPalette::WindowText), QColor(Qt::magenta));
    QCOMPARE(dialog.CheckBox_Torment->palette().color(QPalette::WindowText), QColor(Qt::darkBlue));
    QCOMPARE(dialog.CheckBox_Sospeso->palette().color(QPalette::WindowText), QColor(Qt::gray));

    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(dialog.Edit_Ricerca, &in);
    QCOMPARE(dialog.Edit_Ricerca->palette().color(QPalette::Base), c.sectionColour);
    QCOMPARE(dialog.Edit_Ricerca->palette().color(QPalette::Text), QColor(Qt::yellow));
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(dialog.Edit_Ricerca, &out);
    QCOMPARE(dialog.Edit_Ricerca->palette().color(QPalette::Base), QColor(Qt::white));

    QTest::mouseClick(dialog.SpeedButtonSpiegazioneImpegno, Qt::LeftButton);
    QCOMPARE(f.prompter.shown.size(), size_t(1));
    const QString help = f.prompter.shown.front().text;
    QCOMPARE(f.prompter.shown.front().caption, QStringLiteral("Suggerimento"));
    QVERIFY(help.startsWith(QStringLiteral("DESCRIZIONE:")));
    for (const char *part : { "caffè", "ALLEGATI:", "rete", "mailto:", "\",\"", "\";\"", "spazi", "http://" })
        QVERIFY2(help.contains(QString::fromUtf8(part)), part);
    QVERIFY(AppointmentEditor::helpText(AppointmentKind::Monthly).contains(QStringLiteral("bollette")));
}
