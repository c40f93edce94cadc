#include "tests.h"

#include "MainFormFixture.h"
#include "store/Database.h"

#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>

using namespace vellamora;
using vellamora::test::MainFormFixture;

namespace {

template<typename T> T *child(TMainForm &form, const char *name)
{
    T *w = form.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QVariant stored(TMainForm &form, const char *column)
{
    return form.database().scalar(
        QStringLiteral("SELECT ") + QString::fromLatin1(column) + QStringLiteral(" FROM VNset63"));
}

// A shown window whose settings row holds a password and the given start lock.
TMainForm &startWithPassword(MainFormFixture &f, const QString &password, bool startLock, bool readOnlyOffer)
{
    f.prepareDatabase([&](Database &db) {
        db.update(QStringLiteral("VNset63"),
            { { QStringLiteral("psw"), password },
                { QStringLiteral("blocco"), startLock ? QStringLiteral("Y") : QStringLiteral("N") },
                { QStringLiteral("solalettura"), readOnlyOffer } });
    });
    TMainForm &form = f.start();
    f.comeUp();
    return form;
}

} // namespace

void TestWindowShell::unlockNeedsExactPassword_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("unlocks");
    QTest::newRow("exact") << "Segreto" << true;
    QTest::newRow("differs in case") << "segreto" << false;
    QTest::newRow("prefix") << "Segret" << false;
    QTest::newRow("blank first") << " Segreto" << false;
}

void TestWindowShell::unlockNeedsExactPassword()
{
    QFETCH(QString, typed);
    QFETCH(bool, unlocks);
    MainFormFixture f;
    TMainForm &form = startWithPassword(f, QStringLiteral("Segreto"), true, false);
    QVERIFY(form.locked());
    QVERIFY(child<QFrame>(form, "Panel_PSW")->isVisible());
    QVERIFY(!child<QTabWidget>(form, "PageControlMenu")->isVisible());
    QVERIFY(child<QToolButton>(form, "SpeedButton_SolaLettura")->isHidden());
    auto *edit = child<QLineEdit>(form, "Edit_PSW");
    QCOMPARE(edit->maxLength(), 30);
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QTest::keyClicks(edit, typed);
    QCOMPARE(form.locked(), !unlocks);
    QCOMPARE(child<QTabWidget>(form, "PageControlMenu")->isVisible(), unlocks);
    if (unlocks)
        QVERIFY(edit->text().isEmpty());
}

void TestWindowShell::lockNowNeedsPassword()
{
    MainFormFixture f;
    TMainForm &form = startWithPassword(f, QString(), false, false);
    form.lockNow();
    QVERIFY(!form.locked());

    MainFormFixture g;
    TMainForm &locked = startWithPassword(g, QStringLiteral("x"), false, true);
    QVERIFY(!locked.locked());
    child<QToolButton>(locked, "SpeedButton_VaiSpeciale")->click();
    child<QCheckBox>(locked, "CheckBox_SolaLettura")->setChecked(true);
    child<QToolButton>(locked, "SpeedButton_PSW")->click();
    QVERIFY(locked.locked());
    QVERIFY(!locked.options().specialPanelOpen());
    QVERIFY(!child<QToolButton>(locked, "SpeedButton_SolaLettura")->isHidden());
}

void TestWindowShell::readOnlyMode()
{
    MainFormFixture f;
    TMainForm &form = startWithPassword(f, QStringLiteral("pw"), true, true);
    auto *pages = child<QTabWidget>(form, "PageControlMenu");
    QVERIFY(form.locked());
    child<QToolButton>(form, "SpeedButton_SolaLettura")->click();
    QVERIFY(!form.locked());
    QVERIFY(form.readOnly());
    QVERIFY(!pages->isTabVisible(pages->indexOf(form.TabSheetSetup)));
    QVERIFY(child<QLabel>(form, "panel_today")->isHidden());
    QVERIFY(pages->isVisible());

    // The next showing locks again; the right password ends read-only mode.
    child<QToolButton>(form, "SpeedButton_MINIMIZE")->click();
    form.TrayIconClick();
    f.comeUp();
    QVERIFY(form.locked());
    QTest::keyClicks(child<QLineEdit>(form, "Edit_PSW"), QStringLiteral("pw"));
    QVERIFY(!form.readOnly());
    QVERIFY(pages->isTabVisible(pages->indexOf(form.TabSheetSetup)));
    QVERIFY(!child<QLabel>(form, "panel_today")->isHidden());
}

void TestWindowShell::minimiseToTrayLocks_data()
{
    QTest::addColumn<bool>("startLock");
    QTest::addColumn<bool>("comesBackLocked");
    QTest::newRow("start lock ticked") << true << true;
    QTest::newRow("start lock clear") << false << false;
}

void TestWindowShell::minimiseToTrayLocks()
{
    QFETCH(bool, startLock);
    QFETCH(bool, comesBackLocked);
    MainFormFixture f;
    // Stored without the start lock, so the window comes up open; the box is ticked by hand.
    TMainForm &form = startWithPassword(f, QStringLiteral("pw"), false, false);
    QVERIFY(!form.locked());
    child<QCheckBox>(form, "CheckBox_Blocco")->setChecked(startLock);
    child<QToolButton>(form, "SpeedButton_MINIMIZE")->click();
    QVERIFY(form.hiddenInTray());
    QCOMPARE(form.locked(), comesBackLocked);
    form.TrayIconClick();
    f.comeUp();
    QVERIFY(form.isVisible());
    QCOMPARE(form.locked(), comesBackLocked);
}

void TestWindowShell::sizeLimits()
{
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    auto *defaultSize = child<QToolButton>(form, "SpeedButtonDimConsigliate");
    form.resize(669, 600);
    QVERIFY(form.width() >= 670);
    form.resize(670, 592);
    QCOMPARE(form.size(), QSize(670, 592));
    QVERIFY(!defaultSize->isEnabled());
    QCOMPARE(child<QToolButton>(form, "SpeedButtonFix")->text(), QStringLiteral("Fissa 670 x 592"));
    form.resize(800, 650);
    QVERIFY(defaultSize->isEnabled());
    QCOMPARE(child<QToolButton>(form, "SpeedButtonFix")->text(), QStringLiteral("Fissa 800 x 650"));
    defaultSize->click();
    QCOMPARE(form.size(), QSize(670, 592));
}

void TestWindowShell::rememberedSize()
{
    MainFormFixture f;
    TMainForm *form = &f.start();
    f.comeUp();
    form->resize(800, 650);
    f.prompter.answers = { false };
    child<QToolButton>(*form, "SpeedButtonFix")->click();
    QCOMPARE(stored(*form, "WinWidth").toInt(), 670);
    f.prompter.answers = { true };
    child<QToolButton>(*form, "SpeedButtonFix")->click();
    QCOMPARE(f.prompter.texts(QStringLiteral("question")).last(),
        QStringLiteral("Vuoi memorizzare le mie dimensioni correnti come dimensioni di default?"));
    QCOMPARE(stored(*form, "WinWidth").toInt(), 800);
    QCOMPARE(stored(*form, "WinHeight").toInt(), 650);

    // Maximised: only the state is stored.
    child<QToolButton>(*form, "SpeedButtonWinSize")->click();
    QVERIFY(form->isMaximized());
    QVERIFY(!child<QToolButton>(*form, "SpeedButtonDimConsigliate")->isEnabled());
    f.prompter.answers = { true };
    child<QToolButton>(*form, "SpeedButtonFix")->click();
    QCOMPARE(stored(*form, "WinStato").toString(), QStringLiteral("wsMaximized"));
    QCOMPARE(stored(*form, "WinWidth").toInt(), 800);
    QCOMPARE(stored(*form, "WinHeight").toInt(), 650);

    f.form.reset();
    form = &f.start();
    f.comeUp();
    QVERIFY(form->isMaximized());
}

void TestWindowShell::escapeAndWheel()
{
    MainFormFixture f;
    f.prepareDatabase([](Database &db) {
        db.update(QStringLiteral("VNset63"), { { QStringLiteral("timecheck"), QStringLiteral("N") } });
    });
    TMainForm &form = f.start();
    f.comeUp();
    // The wheel is an arrow key for the control with the focus.
    child<QCheckBox>(form, "CheckBoxFuturo")->click();
    auto *spin = child<QSpinBox>(form, "SpinEditFuturo");
    child<QToolButton>(form, "SpeedButton_VaiSpeciale")->click();
    form.options().SpinEditFuturo->setFocus();
    QApplication::setActiveWindow(&form);
    spin->setFocus();
    if (QApplication::focusWidget() != spin)
        QSKIP("the platform gives no focus");
    const int before = spin->value();
    QWheelEvent away(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(child<QLabel>(form, "Label_SoundName"), &away);
    QCOMPARE(spin->value(), before + 1);
    QWheelEvent towards(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(child<QLabel>(form, "Label_SoundName"), &towards);
    QCOMPARE(spin->value(), before);

    // Esc anywhere in the window is the exit.
    QTest::keyClick(spin, Qt::Key_Escape);
    QVERIFY(form.isTerminated());
}

void TestWindowShell::countPanel()
{
    MainFormFixture f;
    f.prepareDatabase([](Database &db) {
        for (int i = 0; i < 10; ++i)
            db.insert(QStringLiteral("VNarc66"),
                { { QStringLiteral("id"), QString::number(i) },
                    { QStringLiteral("flag"), QStringLiteral("O") } });
    });
    TMainForm &form = f.start();
    // The page's panel and the agenda's label, as the list pages will add them.
    auto *panel = new QLabel(form.TabSheetShot);
    panel->setObjectName(QStringLiteral("Panel_Shot"));
    auto *label = new QLabel(form.TabSheetTODAY);
    label->setObjectName(QStringLiteral("Label_Conteggio_Giornalieri"));
    form.countPanel(QLatin1Char('O'), 3);
    QCOMPARE(panel->text(), QStringLiteral("3 / 10   "));
    QCOMPARE(label->text(), QStringLiteral("Giornalieri: 10"));
    form.countPanel(QLatin1Char('O'), 10);
    QCOMPARE(panel->text(), QStringLiteral("10   "));
}

void TestWindowShell::pageColourAndFocus()
{
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    auto *pages = child<QTabWidget>(form, "PageControlMenu");
    pages->setCurrentWidget(form.TabSheetShot);
    QCOMPARE(form.currentPageColour(), QColor(0xD2, 0xA6, 0xA6)); // one-shot colour $00A6A6D2
    pages->setCurrentWidget(form.TabSheetSetup);
    QCOMPARE(form.currentPageColour(), QColor(0xFF, 0xA9, 0x53)); // options colour $0053A9FF
}
