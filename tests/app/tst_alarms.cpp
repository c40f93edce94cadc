#include "tests.h"

#include "MainFormFixture.h"
#include "app/AlarmCenter.h"
#include "platform/SlideNotice.h"
#include "store/Database.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTimer>
#include <QtGui/QScreen>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>

using namespace vellamora;
using vellamora::test::MainFormFixture;

namespace {

const QDate kToday(2026, 12, 11);

QDateTime todayAt(const QString &time)
{
    return QDateTime(kToday,
        QTime::fromString(
            time, time.size() > 8 ? QStringLiteral("hh:mm:ss.zzz") : QStringLiteral("hh:mm:ss")));
}

void addAppointment(
    Database &db, const QDate &date, const QString &start, const QString &description, bool announced = false)
{
    db.insert(QStringLiteral("VNarc66"),
        { { QStringLiteral("id"), description }, { QStringLiteral("flag"), QStringLiteral("O") },
            { QStringLiteral("datefull"), date }, { QStringLiteral("orario"), start },
            { QStringLiteral("orario2"), QStringLiteral("  :  ") },
            { QStringLiteral("fatto"), date.addDays(-150000) },
            { QStringLiteral("flagfatto"), QStringLiteral("N") },
            { QStringLiteral("anticipa"), announced ? QStringLiteral("Y") : QStringLiteral("N") },
            { QStringLiteral("sospeso"), QStringLiteral("N") },
            { QStringLiteral("flagscad"), QStringLiteral("N") } });
}

// The options these tests turn: the timed alarm with sound, staying in the tray.
struct Options
{
    bool minimized = true;
    QString soundCode = QStringLiteral("Y"); // "2": sound and "Mostra organizer"
    bool advanceNotice = false;
    int advanceDays = 5;
    QString password;
    QString waveSound = QStringLiteral("mailbeep");
};

void setOptions(Database &db, const Options &o)
{
    db.update(QStringLiteral("VNset63"),
        { { QStringLiteral("timecheck"), QStringLiteral("Y") },
            { QStringLiteral("minimized"), o.minimized ? QStringLiteral("Y") : QStringLiteral("N") },
            { QStringLiteral("soundon"), o.soundCode }, { QStringLiteral("futuro_flag"), o.advanceNotice },
            { QStringLiteral("futuro_days"), o.advanceDays }, { QStringLiteral("psw"), o.password },
            { QStringLiteral("blocco"), o.password.isEmpty() ? QStringLiteral("N") : QStringLiteral("Y") },
            { QStringLiteral("wavesound"), o.waveSound } });
}

SlideNotice &notices(TMainForm &form)
{
    auto *n = form.findChild<SlideNotice *>(QStringLiteral("MSNPopUp_Anticipo"));
    if (!n)
        qFatal("no MSNPopUp_Anticipo");
    return *n;
}

QStringList titles(TMainForm &form)
{
    QStringList list;
    for (const NoticeContent &n : notices(form).shown())
        list << n.title;
    return list;
}

// Clicks every notice away, as the user does with the daily summary.
void dismissNotices(TMainForm &form)
{
    for (QWidget *w : notices(form).windows())
        QTest::mouseClick(w, Qt::LeftButton);
}

QLabel &panel(TMainForm &form)
{
    return *form.findChild<QLabel *>(QStringLiteral("Panel_MEssaggio"));
}

} // namespace

void TestAlarmCenter::alarmRings_data()
{
    QTest::addColumn<QStringList>("appointments"); // "hh:mm description"
    QTest::addColumn<QString>("doneBefore"); // marked done before the ticks
    QTest::addColumn<QStringList>("ticks");
    QTest::addColumn<QStringList>("rung"); // descriptions, in ringing order
    const QStringList one { QStringLiteral("09:30 Riunione") };
    QTest::newRow("on time") << one << QString() << QStringList { "09:29:59", "09:30:00" }
                             << QStringList { "Riunione" };
    QTest::newRow("not again a second later")
        << one << QString() << QStringList { "09:29:59", "09:30:00", "09:30:01" }
        << QStringList { "Riunione" };
    QTest::newRow("one second late") << one << QString() << QStringList { "09:29:59.500", "09:30:01.003" }
                                     << QStringList { "Riunione" };
    QTest::newRow("a minute late") << one << QString() << QStringList { "09:29:59", "09:31:00" }
                                   << QStringList { "Riunione" };
    QTest::newRow("two-hour gap") << QStringList { "08:15 Colazione", "09:30 Riunione", "10:15 Telefonata",
        "11:00 Pranzo" } << QString()
                                  << QStringList { "08:20:00", "10:20:00" }
                                  << QStringList { "Riunione", "Telefonata" };
    QTest::newRow("two at the same minute")
        << QStringList { "09:30 Banca", "09:30 Posta" } << QString() << QStringList { "09:29:59", "09:30:00" }
        << QStringList { "Banca", "Posta" };
    QTest::newRow("one marked done before its minute")
        << QStringList { "09:30 Banca", "09:30 Posta" } << QStringLiteral("Banca")
        << QStringList { "09:29:59", "09:30:00" } << QStringList { "Posta" };
    QTest::newRow("no start time") << QStringList { "  :  Palestra" } << QString()
                                   << QStringList { "00:00:01", "23:59:59" } << QStringList {};
}

void TestAlarmCenter::alarmRings()
{
    QFETCH(QStringList, appointments);
    QFETCH(QString, doneBefore);
    QFETCH(QStringList, ticks);
    QFETCH(QStringList, rung);
    MainFormFixture f;
    f.clock.set(todayAt(ticks.first()));
    f.prepareDatabase([&](Database &db) {
        setOptions(db, Options {});
        for (const QString &a : appointments)
            addAppointment(db, kToday, a.left(5), a.mid(6));
    });
    TMainForm &form = f.start();
    f.comeUp();
    QVERIFY(form.hiddenInTray());
    dismissNotices(form);
    QVERIFY(!form.trayCycling());
    f.sound.played.clear();
    if (!doneBefore.isEmpty()) {
        form.database().exec(
            QStringLiteral("UPDATE VNarc66 SET fatto = :today, flagfatto = 'Y' WHERE id = :id"),
            { { QStringLiteral("today"), kToday }, { QStringLiteral("id"), doneBefore } });
        form.SpeedButtonAggiornaTuttoClick(); // reads the alarm list again
    }
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControlMenu"));
    pages->setCurrentWidget(form.TabSheetSetup);

    for (const QString &tick : ticks) {
        f.clock.set(todayAt(tick));
        form.alarms().TimerContolloOrarioTimer();
    }
    QStringList expectedTitles;
    for (const QString &description : rung) {
        const QString start = appointments.filter(QLatin1Char(' ') + description).first().left(5);
        expectedTitles << QStringLiteral("Sbrigati! Sono le ") + start + QStringLiteral(", è ora di...");
    }
    QCOMPARE(titles(form), expectedTitles);
    QCOMPARE(f.sound.played.size(), rung.size());
    QCOMPARE(form.alarms().blinking(), !rung.isEmpty());
    QCOMPARE(form.trayCycling(), !rung.isEmpty());
    if (rung.isEmpty())
        return;
    QCOMPARE(pages->currentWidget(), form.TabSheetTODAY);
    // The panel keeps the last one rung.
    QCOMPARE(form.alarms().messageLine2(), QLatin1Char(' ') + rung.last() + QLatin1Char('!'));
    QCOMPARE(notices(form).shown().last().text, QString(14, QLatin1Char(' ')) + form.alarms().messageLine2());
}

void TestAlarmCenter::alarmsAcrossMidnight_data()
{
    QTest::addColumn<QStringList>("ticks"); // day offset and time
    QTest::addColumn<bool>("dayChangeFirst"); // the title clock sees the new day before the alarm
    QTest::addColumn<QStringList>("rung");
    const QStringList midnight { "0 23:59:59", "1 00:00:00" };
    const QStringList slept { "0 23:29:59", "1 08:00:00" };
    QTest::newRow("midnight, alarm first") << midnight << false << QStringList { "Mezzanotte" };
    QTest::newRow("midnight, day change first") << midnight << true << QStringList { "Mezzanotte" };
    QTest::newRow("slept, alarm first") << slept << false << QStringList { "Ieri", "Mezzanotte", "Sveglia" };
    QTest::newRow("slept, day change first")
        << slept << true << QStringList { "Ieri", "Mezzanotte", "Sveglia" };
}

void TestAlarmCenter::alarmsAcrossMidnight()
{
    // Both one-second timers see the new day; whichever comes first, nothing is lost.
    QFETCH(QStringList, ticks);
    QFETCH(bool, dayChangeFirst);
    QFETCH(QStringList, rung);
    const auto at = [](const QString &tick) {
        return QDateTime(
            kToday.addDays(tick.left(1).toInt()), QTime::fromString(tick.mid(2), QStringLiteral("HH:mm:ss")));
    };
    MainFormFixture f;
    f.clock.set(at(ticks.first()));
    f.prepareDatabase([&](Database &db) {
        setOptions(db, Options {});
        addAppointment(db, kToday, QStringLiteral("23:30"), QStringLiteral("Ieri"));
        addAppointment(db, kToday.addDays(1), QStringLiteral("00:00"), QStringLiteral("Mezzanotte"));
        addAppointment(db, kToday.addDays(1), QStringLiteral("07:00"), QStringLiteral("Sveglia"));
    });
    TMainForm &form = f.start();
    f.comeUp();
    dismissNotices(form);
    form.alarms().TimerContolloOrarioTimer();
    for (const QString &tick : ticks.mid(1)) {
        f.clock.set(at(tick));
        if (dayChangeFirst)
            form.TimerOrologioTimer();
        form.alarms().TimerContolloOrarioTimer();
        if (!dayChangeFirst)
            form.TimerOrologioTimer();
    }
    QStringList rang;
    for (const NoticeContent &n : notices(form).shown()) {
        if (n.title.startsWith(QStringLiteral("Sbrigati!")))
            rang << n.text.trimmed().chopped(1);
    }
    QCOMPARE(rang, rung);
}

void TestAlarmCenter::messagePanel()
{
    const QString description = QStringLiteral("Consegnare la relazione trimestrale al direttore!!");
    QCOMPARE(description.size(), 50);
    MainFormFixture f;
    f.clock.set(todayAt(QStringLiteral("09:29:59")));
    f.prepareDatabase([&](Database &db) {
        setOptions(db, Options {});
        addAppointment(db, kToday, QStringLiteral("09:30"), description);
        addAppointment(db, kToday, QStringLiteral("09:31"), QStringLiteral("Posta"));
    });
    TMainForm &form = f.start();
    f.comeUp();
    notices(form).closeAll();
    form.TimerOrologioTimer();
    QVERIFY(panel(form).text().isEmpty()); // nothing blinks before the alarm

    f.clock.set(todayAt(QStringLiteral("09:30:00")));
    form.alarms().TimerContolloOrarioTimer();
    const QString line2 = QStringLiteral(" Consegnare la relazione trimestrale al dir...");
    QCOMPARE(form.alarms().messageLine2(), line2);
    QCOMPARE(notices(form).shown().size(), 1);
    QCOMPARE(notices(form).shown().first(),
        (NoticeContent { QStringLiteral("Sbrigati! Sono le 09:30, è ora di..."),
            QString(14, QLatin1Char(' ')) + line2, 96, 10 }));

    // The panel takes the one-shot colour and a hand cursor, and swaps lines every second.
    QCOMPARE(panel(form).palette().color(QPalette::Window), colour::toQColor(form.sectionColours()[0]));
    QCOMPARE(panel(form).cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(panel(form).text(), QStringLiteral(" Sbrigati! È ora di... "));
    form.TimerOrologioTimer();
    QCOMPARE(panel(form).text(), line2);
    form.TimerOrologioTimer();
    QCOMPARE(panel(form).text(), QStringLiteral(" Sbrigati! È ora di... "));

    // A click on the panel ends it.
    QTest::mouseClick(&panel(form), Qt::LeftButton);
    QVERIFY(!form.alarms().blinking());
    QVERIFY(panel(form).text().isEmpty());
    QCOMPARE(panel(form).palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    QCOMPARE(panel(form).cursor().shape(), Qt::ArrowCursor);
    form.TimerOrologioTimer();
    QVERIFY(panel(form).text().isEmpty());
    QVERIFY(form.trayCycling()); // the panel leaves the tray icon alone

    // A click on the notice stops the tray icon and the blinking, and closes the notice.
    f.clock.set(todayAt(QStringLiteral("09:31:00")));
    form.alarms().TimerContolloOrarioTimer();
    QVERIFY(form.alarms().blinking());
    QWidget *notice = notices(form).windows().last();
    QVERIFY(notice->isVisible());
    QVERIFY(!notice->isActiveWindow());
    QTest::mouseClick(notice, Qt::LeftButton);
    QVERIFY(!form.alarms().blinking());
    QVERIFY(!form.trayCycling());
    QCOMPARE(form.trayImage(), 0);
    QTRY_VERIFY(notices(form).windows().isEmpty() || !notices(form).windows().contains(notice));
}

void TestAlarmCenter::alarmWithWindowOrLock_data()
{
    QTest::addColumn<QString>("soundCode");
    QTest::addColumn<bool>("windowUp");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<bool>("comesUp");
    QTest::newRow("in the tray") << "Y" << false << QString() << true << false;
    QTest::newRow("in the tray, Mostra organizer") << "2" << false << QString() << true << true;
    QTest::newRow("window up") << "Y" << true << QString() << false << true;
    QTest::newRow("lock configured") << "Y" << false << QStringLiteral("segreta") << false << false;
    QTest::newRow("no sound") << "N" << false << QString() << true << false;
}

void TestAlarmCenter::alarmWithWindowOrLock()
{
    QFETCH(QString, soundCode);
    QFETCH(bool, windowUp);
    QFETCH(QString, password);
    QFETCH(bool, notice);
    QFETCH(bool, comesUp);
    MainFormFixture f;
    f.clock.set(todayAt(QStringLiteral("09:29:59")));
    f.prepareDatabase([&](Database &db) {
        Options o;
        o.soundCode = soundCode;
        o.minimized = !windowUp;
        o.password = password;
        setOptions(db, o);
        addAppointment(db, kToday, QStringLiteral("09:30"), QStringLiteral("Dentista"));
    });
    TMainForm &form = f.start();
    f.comeUp();
    QCOMPARE(form.isVisible(), windowUp || soundCode == QLatin1String("2"));
    // Hidden again, so that coming up is the alarm's doing.
    if (form.isVisible() && !windowUp)
        form.SpeedButton_MINIMIZEClick();
    notices(form).closeAll();
    f.sound.played.clear();

    f.clock.set(todayAt(QStringLiteral("09:30:00")));
    form.alarms().TimerContolloOrarioTimer();
    QCOMPARE(notices(form).shown().size(), notice ? 1 : 0);
    QCOMPARE(f.sound.played, soundCode == QLatin1String("N") ? QStringList {} : QStringList { "mailbeep" });
    QVERIFY(form.alarms().blinking());
    // In the tray the icon cycles; a window that is up is brought to the front instead.
    QCOMPARE(form.trayCycling(), !windowUp);
    QCOMPARE(form.TimerAppari->isActive(), comesUp);
    f.comeUp();
    QCOMPARE(form.isVisible(), comesUp);
}

void TestAlarmCenter::dailySummary_data()
{
    QTest::addColumn<bool>("minimized");
    QTest::addColumn<QString>("soundCode");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("summary");
    QTest::newRow("started minimised") << true << "Y" << QString() << true;
    QTest::newRow("Mostra organizer") << true << "2" << QString() << false;
    QTest::newRow("window comes up") << false << "Y" << QString() << false;
    QTest::newRow("lock configured") << true << "Y" << QStringLiteral("segreta") << false;
}

void TestAlarmCenter::dailySummary()
{
    QFETCH(bool, minimized);
    QFETCH(QString, soundCode);
    QFETCH(QString, password);
    QFETCH(bool, summary);
    MainFormFixture f;
    f.clock.set(todayAt(QStringLiteral("08:00:00")));
    f.prepareDatabase([&](Database &db) {
        Options o;
        o.minimized = minimized;
        o.soundCode = soundCode;
        o.password = password;
        setOptions(db, o);
        addAppointment(db, kToday, QStringLiteral("09:30"), QStringLiteral("Riunione"));
        addAppointment(db, kToday, QStringLiteral("  :  "), QStringLiteral("Palestra"));
    });
    TMainForm &form = f.start();
    // Today's reminder: the tray icon cycles and the alarm sound plays.
    QVERIFY(form.trayCycling());
    QCOMPARE(f.sound.played, QStringList { "mailbeep" });
    if (!summary) {
        QVERIFY(notices(form).shown().isEmpty());
        return;
    }
    QCOMPARE(notices(form).shown().size(), 1);
    const NoticeContent n = notices(form).shown().first();
    QCOMPARE(n.title, QStringLiteral("Impegni di oggi: venerdì 11 dicembre 2026"));
    const QString pad(14, QLatin1Char(' '));
    QCOMPARE(n.text,
        pad + QStringLiteral("senza orario: Palestra\r") + pad + QStringLiteral("09:30 : Riunione\r"));
    QCOMPARE(n.height, 80 + 2 * 16);
    QCOMPARE(n.timeoutSeconds, 10);
}

void TestAlarmCenter::advanceNotice_data()
{
    QTest::addColumn<QList<int>>("daysAhead"); // announced appointments, days from today
    QTest::addColumn<bool>("onOptionsPage");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("tomorrow and in three days")
        << QList<int> { 1, 3 } << true
        << QStringList { "Ti anticipo che tra 3 giorni, ovvero lunedì 14 dicembre 2026\r",
               "Ti anticipo che domani, ovvero sabato 12 dicembre 2026\r" };
    QTest::newRow("beyond the days and today") << QList<int> { 0,
        4 } << true << QStringList { "Nessun impegno importante in vista per i prossimi 3 giorni." };
    QTest::newRow("nothing, another page") << QList<int> {} << false << QStringList {};
}

void TestAlarmCenter::advanceNotice()
{
    QFETCH(QList<int>, daysAhead);
    QFETCH(bool, onOptionsPage);
    QFETCH(QStringList, titles);
    MainFormFixture f;
    f.clock.set(todayAt(QStringLiteral("08:00:00")));
    f.prepareDatabase([&](Database &db) {
        Options o;
        o.advanceNotice = true;
        o.advanceDays = 3;
        setOptions(db, o);
        for (int k : daysAhead)
            addAppointment(
                db, kToday.addDays(k), QStringLiteral("10:00"), QStringLiteral("Scadenza %1").arg(k), true);
        addAppointment(db, kToday.addDays(2), QStringLiteral("10:00"), QStringLiteral("Non annunciato"));
    });
    TMainForm &form = f.start();
    f.comeUp();
    QVERIFY(!form.holdFlag());
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControlMenu"));
    pages->setCurrentWidget(onOptionsPage ? form.TabSheetSetup : form.TabSheetTODAY);
    form.findChild<QToolButton *>(QStringLiteral("SpeedButtonAnticipo"))->click();
    QCOMPARE(::titles(form), titles);
    QVERIFY(!form.holdFlag());
    if (titles.size() == 2) {
        const QList<NoticeContent> shown = notices(form).shown();
        QCOMPARE(shown[0].text, QString(14, QLatin1Char(' ')) + QStringLiteral("10:00 : Scadenza 3\r"));
        QCOMPARE(shown[0].height, 96);
        QCOMPARE(shown[0].timeoutSeconds, 0);
        // Stacked: the later notice above the first, both at the screen's right edge.
        const QList<QWidget *> windows = notices(form).windows();
        QTRY_COMPARE(windows[1]->geometry().bottom() < windows[0]->geometry().top(), true);
        QCOMPARE(windows[0]->geometry().right(), windows[1]->geometry().right());
        QCOMPARE(windows[0]->width(), 480);
        // A second press closes the first ones before showing them again.
        form.SpeedButtonAnticipoClick();
        QCOMPARE(notices(form).shown().size(), 2);
    } else if (!titles.isEmpty()) {
        QCOMPARE(notices(form).shown().first().timeoutSeconds, 5);
    }
}

void TestAlarmCenter::advanceNoticeOncePerStartAndDay()
{
    MainFormFixture f;
    f.clock.set(todayAt(QStringLiteral("23:00:00")));
    f.prepareDatabase([&](Database &db) {
        Options o;
        o.minimized = false;
        o.advanceNotice = true;
        o.advanceDays = 1;
        setOptions(db, o);
        addAppointment(db, kToday.addDays(1), QStringLiteral("10:00"), QStringLiteral("Esame"), true);
        addAppointment(db, kToday.addDays(2), QStringLiteral("10:00"), QStringLiteral("Viaggio"), true);
    });
    TMainForm &form = f.start();
    // The window comes up by itself: the check waits for it.
    QVERIFY(notices(form).shown().isEmpty());
    f.comeUp();
    QVERIFY(form.isVisible());
    QCOMPARE(::titles(form),
        QStringList { QStringLiteral("Ti anticipo che domani, ovvero sabato 12 dicembre 2026\r") });
    // Coming up again checks nothing more.
    notices(form).closeAll();
    form.hide();
    form.TrayIconClick();
    f.comeUp();
    QVERIFY(notices(form).shown().isEmpty());
    // The day change checks once more, from the new date.
    f.clock.set(QDateTime(kToday.addDays(1), QTime(0, 0)));
    form.TimerOrologioTimer();
    QCOMPARE(::titles(form),
        QStringList { QStringLiteral("Ti anticipo che domani, ovvero domenica 13 dicembre 2026\r") });
    QVERIFY(!form.holdFlag());
}

void TestAlarmCenter::advanceNoticeUnderLock_data()
{
    QTest::addColumn<bool>("minimized");
    QTest::newRow("checked when the window comes up") << false;
    QTest::newRow("checked during start-up in the tray") << true;
}

void TestAlarmCenter::advanceNoticeUnderLock()
{
    QFETCH(bool, minimized);
    MainFormFixture f;
    f.clock.set(todayAt(QStringLiteral("08:00:00")));
    f.prepareDatabase([&](Database &db) {
        Options o;
        o.minimized = minimized;
        o.advanceNotice = true;
        o.advanceDays = 3;
        o.password = QStringLiteral("segreta");
        setOptions(db, o);
        addAppointment(db, kToday.addDays(1), QStringLiteral("10:00"), QStringLiteral("Esame"), true);
        addAppointment(db, kToday.addDays(3), QStringLiteral("10:00"), QStringLiteral("Viaggio"), true);
    });
    TMainForm &form = f.start();
    // The window locks during start-up; started in the tray, the check runs there.
    QVERIFY(form.locked());
    if (minimized)
        form.TrayIconClick();
    f.comeUp();
    QVERIFY(form.isVisible());
    QVERIFY(form.locked());
    QVERIFY(!form.holdFlag());
    QCOMPARE(::titles(form), QStringList { QStringLiteral("Si avvicinano degli impegni importanti!") });
    QCOMPARE(notices(form).shown().first().timeoutSeconds, 0);

    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("Edit_PSW")), QStringLiteral("segreta"));
    QVERIFY(!form.locked());
    QCOMPARE(::titles(form),
        (QStringList { QStringLiteral("Ti anticipo che tra 3 giorni, ovvero lunedì 14 dicembre 2026\r"),
            QStringLiteral("Ti anticipo che domani, ovvero sabato 12 dicembre 2026\r") }));
    // Checked once: locking and unlocking again brings nothing new.
    notices(form).closeAll();
    form.lockNow();
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("Edit_PSW")), QStringLiteral("segreta"));
    QVERIFY(notices(form).shown().isEmpty());
}

void TestAlarmCenter::movedSoundStillPlays()
{
    MainFormFixture f;
    f.clock.set(todayAt(QStringLiteral("09:29:59")));
    QDir().mkpath(f.programFolder() + QStringLiteral("alarms"));
    const QString moved = f.programFolder() + QStringLiteral("alarms/campana.wav");
    QFile file(moved);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    f.prepareDatabase([&](Database &db) {
        Options o;
        o.waveSound = f.dir.filePath(QStringLiteral("suoni/campana.wav")); // no longer there
        setOptions(db, o);
        addAppointment(db, kToday, QStringLiteral("09:30"), QStringLiteral("Dentista"));
    });
    TMainForm &form = f.start();
    QCOMPARE(f.sound.played, QStringList { moved }); // today's reminder
    f.sound.played.clear();
    f.clock.set(todayAt(QStringLiteral("09:30:00")));
    form.alarms().TimerContolloOrarioTimer();
    QCOMPARE(f.sound.played, QStringList { moved });
    // "Prova suono" tries the file itself only.
    f.sound.played.clear();
    form.findChild<QToolButton *>(QStringLiteral("SpeedButtonCambiaSuono"))->click();
    QCOMPARE(f.sound.played, QStringList { QStringLiteral("mailbeep") });
}

void TestAlarmCenter::slideNotice()
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    window.show();
    window.activateWindow();
    edit->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    SlideNotice notices(&window);
    QSignalSpy clicks(&notices, &SlideNotice::clicked);
    notices.showNotice({ QStringLiteral("Primo"), QStringLiteral("riga uno\rriga due\r"), 112, 1 });
    notices.showNotice({ QStringLiteral("Secondo"), QString(), 80, 0 });
    const QList<QWidget *> shown = notices.windows();
    QCOMPARE(shown.size(), 2);
    for (QWidget *w : shown) {
        QVERIFY(w->isVisible());
        QVERIFY(w->windowFlags().testFlags(
            Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus));
        QVERIFY(w->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(w->width(), 480);
    }
    QCOMPARE(shown[0]->height(), 112);
    QCOMPARE(shown[1]->height(), 80);
    // Both slide in at the bottom right of the screen, the second above the first.
    const QRect area = window.screen()->availableGeometry();
    QTRY_COMPARE(shown[0]->geometry().bottom() > area.bottom() - 20, true);
    QTRY_COMPARE(shown[1]->geometry().bottom() < shown[0]->geometry().top(), true);
    QVERIFY(shown[0]->geometry().right() > area.right() - 20);
    // The user's typing stays where it was.
    QVERIFY(edit->hasFocus());
    QVERIFY(window.isActiveWindow());

    // The first goes after its second; the second moves down into its place.
    const int lowest = shown[0]->y();
    QTRY_COMPARE(notices.shown().size(), 1);
    QCOMPARE(notices.shown().first().title, QStringLiteral("Secondo"));
    QTRY_COMPARE(shown[1]->geometry().bottom(), lowest + 112 - 1);
    // The one without a time-out stays until clicked.
    QTest::mouseClick(shown[1], Qt::LeftButton);
    QCOMPARE(clicks.size(), 1);
    QTRY_VERIFY(notices.shown().isEmpty());

    // More than a screen's height: a new column to the left where the screen has room,
    // otherwise over the first; never outside the screen.
    const int count = area.height() / 80 + 2;
    for (int i = 0; i < count; ++i)
        notices.showNotice({ QString::number(i), QString(), 80, 0 });
    const QList<QWidget *> many = notices.windows();
    QTRY_VERIFY(
        std::all_of(many.begin(), many.end(), [&](QWidget *w) { return area.contains(w->geometry()); }));
    QCOMPARE(
        many.last()->x(), area.width() >= 2 * (480 + 4) ? many.first()->x() - 480 - 4 : many.first()->x());
    notices.closeAll();
    QVERIFY(notices.windows().isEmpty());
}
