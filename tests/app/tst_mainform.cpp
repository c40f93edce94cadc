#include "tests.h"

#include "MainFormFixture.h"
#include "app/WorkingFolder.h"
#include "store/Database.h"

#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>

using namespace vellamora;
using vellamora::test::MainFormFixture;

namespace {

void addOneShot(Database &db, const QDate &date, const QString &id)
{
    db.insert(QStringLiteral("VNarc66"), {{QStringLiteral("id"), id},
                                          {QStringLiteral("flag"), QStringLiteral("O")},
                                          {QStringLiteral("datefull"), date},
                                          {QStringLiteral("orario"), QStringLiteral("09:30")},
                                          {QStringLiteral("orario2"), QStringLiteral("  :  ")},
                                          {QStringLiteral("fatto"), date.addDays(-150000)},
                                          {QStringLiteral("flagfatto"), QStringLiteral("N")},
                                          {QStringLiteral("sospeso"), QStringLiteral("N")},
                                          {QStringLiteral("flagscad"), QStringLiteral("N")}});
}

const char kCreationReport[] =
    "-> Archivio GRUPPI <<creato ex-novo>>\r-> Archivio NOTE <<creato ex-novo>>\r"
    "-> Archivio LISTA <<creato ex-novo>>\r-> Archivio IMPEGNI <<creato ex-novo>>\r"
    "-> Archivio DEPOSITO <<creato ex-novo>>\r-> Archivio CONTATTI <<creato ex-novo>>\r"
    "-> Archivio OPZIONI <<creato ex-novo>>\r\rTutto questo è accaduto nella cartella:\r";

} // namespace

void TestMainForm::firstStartInEmptyFolder()
{
    MainFormFixture f;
    TMainForm &form = f.start();
    QVERIFY(!form.isTerminated());
    QVERIFY(QFileInfo::exists(f.workingFolder() + QStringLiteral("vmarc.abs")));
    QCOMPARE(form.trayImage(), 4);
    QVERIFY(!form.isVisible());
    QVERIFY(f.prompter.shown.empty()); // the report waits for the first appearance

    f.comeUp();
    QVERIFY(form.isVisible());
    QVERIFY(!form.hiddenInTray());
    QVERIFY(!form.firstAppearancePending());
    QCOMPARE(form.trayImage(), 0);
    QCOMPARE(f.prompter.shown.size(), size_t(1));
    QCOMPARE(f.prompter.shown[0].kind, QStringLiteral("information"));
    QCOMPARE(f.prompter.shown[0].caption, QStringLiteral("Vellamora - Rapporto archivi"));
    QCOMPARE(f.prompter.shown[0].text, QString::fromUtf8(kCreationReport) + f.workingFolder() + QLatin1Char('\r'));
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("Label_Archives_Folder"))->text(), f.workingFolder());
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControlMenu"));
    QCOMPARE(pages->count(), 9);
    QCOMPARE(pages->tabText(0), QStringLiteral(" Giornalieri "));
    QCOMPARE(pages->tabText(8), QStringLiteral(" Opzioni "));
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("panel_today"))->text(), QStringLiteral("0   "));
    QVERIFY(form.findChild<QToolButton *>(QStringLiteral("SpeedButtonAggiornaTutto"))->isHidden());

    // Hidden in the tray and brought back: no second report.
    form.hide();
    form.TrayIconClick();
    f.comeUp();
    QVERIFY(form.isVisible());
    QCOMPARE(f.prompter.shown.size(), size_t(1));
}

void TestMainForm::secondStartShowsNoReport()
{
    MainFormFixture f;
    f.prepareDatabase([](Database &) {});
    TMainForm &form = f.start();
    f.comeUp();
    QVERIFY(form.isVisible());
    QVERIFY(f.prompter.shown.empty());
}

void TestMainForm::dayChange_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QList<QDateTime>>("ticks");
    QTest::addColumn<int>("changes");
    const QDate d(2026, 12, 11);
    QTest::newRow("tick at midnight") << QDateTime(d, QTime(23, 59, 59))
                                      << QList<QDateTime>{QDateTime(d.addDays(1), QTime(0, 0, 0))} << 1;
    QTest::newRow("no change during the day")
        << QDateTime(d, QTime(10, 0)) << QList<QDateTime>{QDateTime(d, QTime(10, 0, 1)), QDateTime(d, QTime(23, 59, 59))} << 0;
    QTest::newRow("stopped across midnight")
        << QDateTime(d, QTime(23, 50)) << QList<QDateTime>{QDateTime(d.addDays(1), QTime(7, 15, 3))} << 1;
    QTest::newRow("again while it reads 00.00.00")
        << QDateTime(d, QTime(23, 59, 59))
        << QList<QDateTime>{QDateTime(d.addDays(1), QTime(0, 0, 0)), QDateTime(d.addDays(1), QTime(0, 0, 0, 400)),
                            QDateTime(d.addDays(1), QTime(0, 0, 1))}
        << 2;
    QTest::newRow("two days") << QDateTime(d, QTime(12, 0))
                              << QList<QDateTime>{QDateTime(d.addDays(1), QTime(12, 0)), QDateTime(d.addDays(2), QTime(12, 0))}
                              << 2;
}

void TestMainForm::dayChange()
{
    QFETCH(QDateTime, start);
    QFETCH(QList<QDateTime>, ticks);
    QFETCH(int, changes);
    MainFormFixture f;
    f.clock.set(start);
    f.prepareDatabase([&](Database &db) {
        addOneShot(db, start.date().addDays(1), QStringLiteral("Domani"));
        // Auto-delete marker: removed by the clean-up once its date is past.
        db.insert(QStringLiteral("VNarc66"), {{QStringLiteral("id"), QStringLiteral("Via")},
                                              {QStringLiteral("flag"), QStringLiteral("O")},
                                              {QStringLiteral("dayofweek"), QStringLiteral("X")},
                                              {QStringLiteral("datefull"), start.date()}});
    });
    TMainForm &form = f.start();
    form.findChild<QDateEdit *>(QStringLiteral("DateTimePickerTODAY"))->setDate(start.date().addDays(-3));
    for (const QDateTime &tick : ticks) {
        f.clock.set(tick);
        form.TimerOrologioTimer();
    }
    QCOMPARE(form.dayChanges(), changes);
    QCOMPARE(form.dayStamp(), ticks.last().date());
    if (changes > 0) {
        // The agenda page went to today, and the past auto-delete appointment is gone.
        QCOMPARE(form.findChild<QDateEdit *>(QStringLiteral("DateTimePickerTODAY"))->date(), ticks.last().date());
        QCOMPARE(form.database().scalar(QStringLiteral("SELECT count(*) FROM VNarc66 WHERE id = 'Via'")).toInt(), 0);
        const bool tomorrowIsToday = ticks.last().date() == start.date().addDays(1);
        QCOMPARE(form.dayAgenda().size(), size_t(tomorrowIsToday ? 1 : 0));
        // The tray icon cycles from the day that had appointments until the window comes up.
        const bool metTomorrow = std::any_of(ticks.begin(), ticks.end(), [&](const QDateTime &t) {
            return t.date() == start.date().addDays(1);
        });
        QCOMPARE(form.trayCycling(), metTomorrow);
    }
}

void TestMainForm::controlArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("appointmentToday");
    QTest::addColumn<bool>("terminated");
    QTest::newRow("controllo, empty day") << "controllo" << false << true;
    QTest::newRow("CONTROL, empty day") << "CONTROL" << false << true;
    QTest::newRow("Controllo, appointment today") << "Controllo" << true << false;
    QTest::newRow("another argument") << "altro" << false << false;
    QTest::newRow("no argument") << "" << false << false;
}

void TestMainForm::controlArgument()
{
    QFETCH(QString, argument);
    QFETCH(bool, appointmentToday);
    QFETCH(bool, terminated);
    MainFormFixture f;
    if (!argument.isEmpty())
        f.arguments << argument;
    f.prepareDatabase([&](Database &db) {
        if (appointmentToday)
            addOneShot(db, f.clock.today(), QStringLiteral("Dentista"));
    });
    TMainForm &form = f.start();
    QCOMPARE(form.isTerminated(), terminated);
    f.comeUp();
    QCOMPARE(form.isVisible(), !terminated);
    QCOMPARE(form.trayCycling(), false); // stopped when the window came up
    if (!terminated) {
        // Left running, it ends at the day change that finds an empty day.
        f.clock.set(QDateTime(f.clock.today().addDays(1), QTime(0, 0)));
        form.TimerOrologioTimer();
        QCOMPARE(form.isTerminated(), argument.toUpper().startsWith(QLatin1String("CONTROL")));
    }
}

void TestMainForm::colourDepth_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("terminated");
    QTest::newRow("true colour") << 24 << false << false << false;
    QTest::newRow("256 colours, go on") << 8 << true << true << false;
    QTest::newRow("256 colours, stop") << 8 << false << true << true;
}

void TestMainForm::colourDepth()
{
    QFETCH(int, depth);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, terminated);
    MainFormFixture f;
    f.shell.depth = depth;
    f.prompter.answers = {answer};
    TMainForm &form = f.start();
    QCOMPARE(form.isTerminated(), terminated);
    const QStringList questions = f.prompter.texts(QStringLiteral("warningQuestion"));
    QCOMPARE(questions.size(), asked ? 1 : 0);
    if (asked)
        QVERIFY(questions[0].startsWith(QStringLiteral("La corretta esecuzione di Vellamora richiede")));
    QCOMPARE(QFileInfo::exists(f.workingFolder() + QStringLiteral("vmarc.abs")), !terminated);
    QCOMPARE(form.findChild<QTimer *>(QStringLiteral("TimerContolloOrario"))->isActive(), !terminated);
}

void TestMainForm::exitQuestion_data()
{
    QTest::addColumn<QString>("timecheck");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("terminated");
    QTest::newRow("timed alarm off") << "N" << false << true;
    QTest::newRow("timed alarm on, stay") << "Y" << false << false;
    QTest::newRow("timed alarm on, leave") << "Y" << true << true;
}

void TestMainForm::exitQuestion()
{
    QFETCH(QString, timecheck);
    QFETCH(bool, answer);
    QFETCH(bool, terminated);
    MainFormFixture f;
    f.prepareDatabase([&](Database &db) { db.update(QStringLiteral("VNset63"), {{QStringLiteral("timecheck"), timecheck}}); });
    TMainForm &form = f.start();
    f.comeUp();
    f.prompter.answers = {answer};
    form.findChild<QToolButton *>(QStringLiteral("SpeedButtonEXIT"))->click();
    QCOMPARE(form.isTerminated(), terminated);
    QCOMPARE(f.prompter.texts(QStringLiteral("question")),
             timecheck == QLatin1String("Y")
                 ? QStringList{QStringLiteral(" Hey! Se mi termini non potrò avvertirti in orario!\r Sei sicuro di farcela da solo?")}
                 : QStringList{});
    if (timecheck == QLatin1String("Y"))
        QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("PageControlMenu"))->currentWidget()->objectName(),
                 QStringLiteral("TabSheetSetup"));
    QVERIFY(!form.findChild<QTimer *>(QStringLiteral("TimerFlashTempo"))->isActive());
}

void TestMainForm::startMinimized()
{
    MainFormFixture f;
    f.prepareDatabase([](Database &db) { db.update(QStringLiteral("VNset63"), {{QStringLiteral("minimized"), QStringLiteral("Y")}}); });
    TMainForm &form = f.start();
    f.comeUp();
    QVERIFY(!form.isVisible());
    QVERIFY(form.hiddenInTray());
    QCOMPARE(form.trayImage(), 0);
    form.TrayIconClick();
    f.comeUp();
    QVERIFY(form.isVisible());
    QVERIFY(!form.hiddenInTray());
}

void TestMainForm::holdFlagAndAlwaysOnTop()
{
    MainFormFixture f;
    f.prepareDatabase([](Database &db) { db.update(QStringLiteral("VNset63"), {{QStringLiteral("minimized"), QStringLiteral("Y")}}); });
    TMainForm &form = f.start();
    f.comeUp();
    auto *appear = form.findChild<QTimer *>(QStringLiteral("TimerAppari"));
    form.bringToFrontRequested();
    QVERIFY(appear->isActive()); // hidden in the tray: it comes up
    f.comeUp();
    QVERIFY(form.isVisible());

    // Shown and always on top: the request only raises it.
    form.findChild<QToolButton *>(QStringLiteral("SpeedButtonTOP"))->setChecked(true);
    form.bringToFrontRequested();
    QVERIFY(!appear->isActive());
    form.TrayIconClick();
    QVERIFY(!appear->isActive());
}

void TestMainForm::notADatabaseKeepsWindow()
{
    MainFormFixture f;
    QDir().mkpath(f.workingFolder());
    QFile bad(f.workingFolder() + QStringLiteral("vmarc.abs"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(2048, 'x'));
    bad.close();
    TMainForm &form = f.start();
    QVERIFY(!form.isTerminated());
    QCOMPARE(f.prompter.texts(QStringLiteral("error")).size(), 1);
    QVERIFY(f.prompter.texts(QStringLiteral("error"))[0].contains(QLatin1String("not a database")));
    QCOMPARE(bad.size(), 2048); // the file is left as it was
    // Without settings the window still comes up, so the user sees what happened.
    f.comeUp();
    QVERIFY(form.isVisible());
}

void TestMainForm::programFolderTooDeep()
{
    MainFormFixture f;
    const QString deep = f.programFolder() + QString(130, QLatin1Char('d')) + QLatin1Char('/');
    Services services = f.services();
    services.programFolder = deep;
    TMainForm form(services);
    QVERIFY(form.isTerminated());
    QCOMPARE(f.prompter.texts(QStringLiteral("warning")).size(), 1);
    const int surplus = int(QString(deep + QStringLiteral("vellarcs/marioArc")).size()) - 127;
    QVERIFY(f.prompter.texts(QStringLiteral("warning"))[0].endsWith(
        QStringLiteral("Devi installarmi in un altro più corto di almeno %1 caratteri.").arg(surplus)));
    QVERIFY(!QFileInfo::exists(deep));
}

void TestMainForm::migrationNotice()
{
    MainFormFixture f;
    QDir().mkpath(f.workingFolder());
    for (const char *n : {"VNarc66.DB", "VNcon63.DB", "VNtod63.DB", "VNset63.DB"}) {
        QFile marker(f.workingFolder() + QString::fromLatin1(n));
        QVERIFY(marker.open(QIODevice::WriteOnly));
    }
    QDir().mkpath(f.programFolder() + QStringLiteral("BDE"));
    f.onModal = [](QDialog &dialog) {
        dialog.findChild<QCheckBox *>(QStringLiteral("CheckBoxStopInfo"))->setChecked(true);
        dialog.findChild<QToolButton *>(QStringLiteral("SpeedButton3"))->click();
        return dialog.result();
    };
    TMainForm &form = f.start();
    f.comeUp();
    QCOMPARE(f.modalShown, 1);
    QCOMPARE(form.database().scalar(QStringLiteral("SELECT migrationinfo FROM VNset63")).toInt(), 0);
    QVERIFY(form.findChild<QToolButton *>(QStringLiteral("SpeedButtonMigrationInfo"))->isHidden());

    // Left with Esc: nothing is stored.
    f.onModal = {};
    form.SpeedButtonMigrationInfoClick();
    QCOMPARE(f.modalShown, 2);
    QCOMPARE(form.database().scalar(QStringLiteral("SELECT migrationinfo FROM VNset63")).toInt(), 0);
}

void TestMainForm::restoreStoresNoMigrationNotice()
{
    MainFormFixture f;
    f.prepareDatabase([](Database &db) { db.update(QStringLiteral("VNset63"), {{QStringLiteral("migrationinfo"), true}}); });
    QFile::copy(f.workingFolder() + QStringLiteral("vmarc.abs"), f.workingFolder() + QStringLiteral("restore.abs"));
    TMainForm &form = f.start();
    QVERIFY(!form.restoreMarker());
    f.comeUp();
    QCOMPARE(f.modalShown, 0);
    QCOMPARE(form.database().scalar(QStringLiteral("SELECT migrationinfo FROM VNset63")).toInt(), 0);
    QCOMPARE(QDir(f.workingFolder()).entryList({QStringLiteral("vmarc-*.abs")}),
             QStringList{QStringLiteral("vmarc-2026-12-11-10-00-00.abs")});
}

void TestMainForm::redirectedFolder()
{
    MainFormFixture f;
    const QString shared = f.dir.filePath(QStringLiteral("condivisa"));
    QDir().mkpath(shared);
    QVERIFY(writeRedirection(f.workingFolder(), shared));
    TMainForm &form = f.start();
    QCOMPARE(form.workingFolder(), shared + QLatin1Char('/'));
    QVERIFY(QFileInfo::exists(shared + QStringLiteral("/vmarc.abs")));
    QVERIFY(!QFileInfo::exists(f.workingFolder() + QStringLiteral("vmarc.abs")));
    f.comeUp();
    QVERIFY(!form.findChild<QToolButton *>(QStringLiteral("SpeedButtonAggiornaTutto"))->isHidden());
}

void TestMainForm::aboutBox()
{
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    f.prompter.clear();
    form.findChild<QToolButton *>(QStringLiteral("SpeedButtonAbout"))->click();
    QCOMPARE(f.prompter.shown.size(), size_t(1));
    QCOMPARE(f.prompter.shown[0].kind, QStringLiteral("information"));
    QCOMPARE(f.prompter.shown[0].caption, QStringLiteral("Info su Vellamora"));
    QVERIFY(f.prompter.shown[0].text.endsWith(f.workingFolder()));
}

void TestMainForm::titleClock()
{
    MainFormFixture f;
    f.prepareDatabase([](Database &db) { db.update(QStringLiteral("VNset63"), {{QStringLiteral("ampm"), true}}); });
    f.clock.set(QDateTime(QDate(2026, 12, 11), QTime(15, 4, 5)));
    TMainForm &form = f.start();
    QCOMPARE(form.clockFormat(), QStringLiteral("dddd d mmmm yyyy - hh:mm:ss am/pm"));
    form.TimerOrologioTimer();
    auto *clockLabel = form.findChild<QLabel *>(QStringLiteral("panel_credit"));
    // Offscreen windows are never active, so the label reads the caption.
    QCOMPARE(clockLabel->text(), form.isActiveWindow() ? QStringLiteral("venerdì 11 dicembre 2026 - 03:04:05 pm")
                                                       : QStringLiteral("Vellamora"));
}
