#include "tests.h"

#include "MainFormFixture.h"
#include "app/TTabShowForm.h"
#include "store/Database.h"

#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDialog>
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

void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

QString stored(TMainForm &form, const char *column)
{
    return form.database()
        .scalar(QStringLiteral("SELECT ") + QString::fromLatin1(column) + QStringLiteral(" FROM VNset63"))
        .toString();
}

void setSettings(MainFormFixture &f, const SqlParams &values)
{
    f.prepareDatabase([&](Database &db) { db.update(QStringLiteral("VNset63"), values); });
}

// Types a new password on the special panel and closes it, answering the confirmation.
void setPassword(MainFormFixture &f, const QString &password, const QString &confirmation)
{
    TMainForm &form = *f.form;
    child<QToolButton>(form, "SpeedButton_VaiSpeciale")->click();
    child<QLineEdit>(form, "Edit_ImpostaPSW")->setText(password);
    f.prompter.inputs.push_back(confirmation);
    child<QToolButton>(form, "SpeedButtonCloseSpecial")->click();
}

QTabWidget *pages(TMainForm &form)
{
    return child<QTabWidget>(form, "PageControlMenu");
}

} // namespace

void TestOptions::everyOptionSurvivesRestart()
{
    MainFormFixture f;
    QDir().mkpath(f.dir.filePath(QStringLiteral("suoni")));
    const QString sound = f.dir.filePath(QStringLiteral("suoni/il \"gallo\".wav"));
    QFile(sound).open(QIODevice::WriteOnly);
    TMainForm *form = &f.start();
    f.comeUp();

    setPassword(f, QStringLiteral("se\"greto"), QStringLiteral("se\"greto"));
    f.files.paths = { sound };
    child<QToolButton>(*form, "SpeedButtonSound")->click();
    child<QCheckBox>(*form, "CheckBox_Autostart")->click();
    child<QCheckBox>(*form, "CheckBox_Minimized")->click();
    child<QCheckBox>(*form, "CheckBox_Soundon")->click();
    child<QCheckBox>(*form, "CheckBox_Visivo")->click();
    child<QCheckBox>(*form, "CheckBox_TimeCheck")->click();
    choose(child<QComboBox>(*form, "ComboBox_FormatoDataShot"), 2);
    choose(child<QComboBox>(*form, "ComboBox_FormatoDataYear"), 4);
    choose(child<QComboBox>(*form, "ComboBox_Startab"), 6);
    child<QCheckBox>(*form, "CheckBoxFuturo")->click();
    child<QSpinBox>(*form, "SpinEditFuturo")->setValue(12);
    choose(child<QComboBox>(*form, "ComboBoxScala"), 3);
    child<QCheckBox>(*form, "CheckBoxAmPm")->click();
    child<QCheckBox>(*form, "CheckBoxHideTips")->click();
    child<QCheckBox>(*form, "CheckBox_SolaLettura")->click();
    auto *blocco = child<QCheckBox>(*form, "CheckBox_Blocco");
    if (!blocco->isChecked())
        blocco->click();
    QTest::keyRelease(blocco, Qt::Key_Space); // a key released on the box stores it
    QCOMPARE(stored(*form, "wavesound"), sound);
    QCOMPARE(stored(*form, "psw"), QStringLiteral("se\"greto"));

    f.form.reset();
    form = &f.start();
    f.comeUp();
    QVERIFY(child<QCheckBox>(*form, "CheckBox_Autostart")->isChecked());
    QVERIFY(child<QCheckBox>(*form, "CheckBox_Minimized")->isChecked());
    QVERIFY(!child<QCheckBox>(*form, "CheckBox_Soundon")->isChecked());
    QVERIFY(child<QCheckBox>(*form, "CheckBox_Visivo")->isChecked());
    QVERIFY(!child<QCheckBox>(*form, "CheckBox_TimeCheck")->isChecked());
    QCOMPARE(form->options().alarmSound(), sound);
    QCOMPARE(child<QLabel>(*form, "Label_SoundName")->text(), QStringLiteral("il \"gallo\".wav"));
    QCOMPARE(
        child<QComboBox>(*form, "ComboBox_FormatoDataShot")->currentText(), QStringLiteral("dd/mm/yyyy"));
    QCOMPARE(child<QLabel>(*form, "Label_esempio_Full")->text(), QStringLiteral("11/12/2026"));
    QCOMPARE(child<QComboBox>(*form, "ComboBox_FormatoDataYear")->currentText(), QStringLiteral("mmmm d"));
    QCOMPARE(child<QComboBox>(*form, "ComboBox_Startab")->currentText(), QStringLiteral("Note"));
    QCOMPARE(pages(*form)->currentWidget()->objectName(), QStringLiteral("TabSheetNotes"));
    QVERIFY(child<QCheckBox>(*form, "CheckBoxFuturo")->isChecked());
    QCOMPARE(child<QSpinBox>(*form, "SpinEditFuturo")->value(), 12);
    QCOMPARE(child<QComboBox>(*form, "ComboBoxScala")->currentText(), QStringLiteral("130"));
    QCOMPARE(form->dialogScale(), 130);
    QVERIFY(child<QCheckBox>(*form, "CheckBoxAmPm")->isChecked());
    QCOMPARE(form->clockFormat(), QStringLiteral("dddd d mmmm yyyy - hh:mm:ss am/pm"));
    QVERIFY(child<QCheckBox>(*form, "CheckBoxHideTips")->isChecked());
    QVERIFY(child<QToolButton>(*form, "SpeedButtonHintOpzioni")->isHidden());
    QVERIFY(child<QCheckBox>(*form, "CheckBox_SolaLettura")->isChecked());
    QVERIFY(child<QCheckBox>(*form, "CheckBox_Blocco")->isChecked());
    QCOMPARE(child<QLineEdit>(*form, "Edit_ImpostaPSW")->text(), QStringLiteral("se\"greto"));
    QVERIFY(form->locked()); // password and start lock: it starts locked
    QVERIFY(!child<QToolButton>(*form, "SpeedButton_SolaLettura")->isHidden());
}

void TestOptions::passwordOfThirtyCharacters()
{
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    child<QToolButton>(form, "SpeedButton_VaiSpeciale")->click();
    auto *edit = child<QLineEdit>(form, "Edit_ImpostaPSW");
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
    QTest::keyClicks(edit, thirty + QStringLiteral("X"));
    QCOMPARE(edit->text(), thirty);
    QCOMPARE(
        child<QToolButton>(form, "SpeedButtonCloseSpecial")->text(), QStringLiteral("Conferma PASSWORD"));
    f.prompter.inputs.push_back(thirty);
    child<QToolButton>(form, "SpeedButtonCloseSpecial")->click();
    QCOMPARE(stored(form, "psw"), thirty);
    QCOMPARE(
        f.prompter.texts(QStringLiteral("information")).last(), QStringLiteral("Nuova password CONFERMATA!"));
    QCOMPARE(
        child<QToolButton>(form, "SpeedButtonCloseSpecial")->text(), QStringLiteral("Chiudi menu speciale"));
    QVERIFY(!form.options().specialPanelOpen());
    // Unmasking shows the typed characters.
    child<QCheckBox>(form, "CheckBox_impostaPSW")->click();
    QCOMPARE(edit->echoMode(), QLineEdit::Normal);
}

void TestOptions::confirmationMismatch_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("warning");
    QTest::newRow("a password was stored")
        << "vecchia"
        << "Conferma password NON superata!\rHo ripristinato la password PRECEDENTE!";
    QTest::newRow("no password yet")
        << ""
        << "Conferma password NON superata!\rNon hai impostato NESSUNA password!";
}

void TestOptions::confirmationMismatch()
{
    QFETCH(QString, previous);
    QFETCH(QString, warning);
    MainFormFixture f;
    setSettings(
        f, { { QStringLiteral("psw"), previous }, { QStringLiteral("blocco"), QStringLiteral("N") } });
    TMainForm &form = f.start();
    f.comeUp();
    setPassword(f, QStringLiteral("nuova"), QStringLiteral("Nuova"));
    QCOMPARE(f.prompter.texts(QStringLiteral("input")),
        QStringList { QStringLiteral("Ridigita la nuova password") });
    QCOMPARE(f.prompter.shown.front().caption, QStringLiteral("Conferma password"));
    QCOMPARE(f.prompter.texts(QStringLiteral("warning")), QStringList { warning });
    QCOMPARE(child<QLineEdit>(form, "Edit_ImpostaPSW")->text(), previous);
    QCOMPARE(stored(form, "psw"), previous);
}

void TestOptions::clearingStoresAtOnce()
{
    MainFormFixture f;
    setSettings(f,
        { { QStringLiteral("psw"), QStringLiteral("vecchia") },
            { QStringLiteral("blocco"), QStringLiteral("N") } });
    TMainForm &form = f.start();
    f.comeUp();
    child<QToolButton>(form, "SpeedButton_VaiSpeciale")->click();
    QVERIFY(child<QToolButton>(form, "SpeedButton_PSW")->isEnabled());
    child<QToolButton>(form, "SpeedButtonClearPSW")->click();
    QCOMPARE(stored(form, "psw"), QString());
    QVERIFY(f.prompter.texts(QStringLiteral("input")).isEmpty());
    QVERIFY(!child<QToolButton>(form, "SpeedButton_PSW")->isEnabled());
    QVERIFY(!child<QToolButton>(form, "SpeedButtonClearPSW")->isEnabled());
    QVERIFY(!child<QCheckBox>(form, "CheckBox_SolaLettura")->isEnabled());
}

void TestOptions::soundCodeAfterLoad_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("visual");
    QTest::newRow("V") << "V" << false << true;
    QTest::newRow("2") << "2" << true << true;
    QTest::newRow("N") << "N" << false << false;
}

void TestOptions::soundCodeAfterLoad()
{
    QFETCH(QString, code);
    QFETCH(bool, sound);
    QFETCH(bool, visual);
    MainFormFixture f;
    setSettings(f, { { QStringLiteral("soundon"), code } });
    TMainForm &form = f.start();
    QCOMPARE(child<QCheckBox>(form, "CheckBox_Soundon")->isChecked(), sound);
    QCOMPARE(child<QCheckBox>(form, "CheckBox_Visivo")->isChecked(), visual);
    for (const char *name : { "SpeedButtonSound", "SpeedButtonWinSound", "SpeedButtonCambiaSuono" })
        QCOMPARE(child<QToolButton>(form, name)->isEnabled(), sound);
    QCOMPARE(child<QLabel>(form, "Label_SoundName")->isEnabled(), sound);
}

void TestOptions::missingSoundFallsBack()
{
    MainFormFixture f;
    setSettings(f, { { QStringLiteral("wavesound"), QStringLiteral("/via/gallo.wav") } });
    TMainForm &form = f.start();
    auto *label = child<QLabel>(form, "Label_SoundName");
    QCOMPARE(label->text(), QStringLiteral("mailbeep"));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(label->toolTip(), QStringLiteral("Sostituto del file allarme non trovato: /via/gallo.wav"));
    child<QToolButton>(form, "SpeedButtonCambiaSuono")->click();
    QCOMPARE(f.sound.played, QStringList { QStringLiteral("mailbeep") });

    f.prompter.answers = { true };
    child<QToolButton>(form, "SpeedButtonWinSound")->click();
    QCOMPARE(stored(form, "wavesound"), QStringLiteral("mailbeep"));
    QVERIFY(label->palette().color(QPalette::WindowText) != QColor(Qt::red));
}

void TestOptions::autostartEntryDeletedOutside()
{
    MainFormFixture f;
    TMainForm *form = &f.start();
    child<QCheckBox>(*form, "CheckBox_Autostart")->click();
    const QString entry = f.shell.autostart + QStringLiteral("/Vellamora.desktop");
    QVERIFY(QFile::exists(entry));
    QCOMPARE(stored(*form, "autostart"), QStringLiteral("Y"));
    f.form.reset();
    QFile::remove(entry);
    form = &f.start();
    QVERIFY(!child<QCheckBox>(*form, "CheckBox_Autostart")->isChecked());
    QCOMPARE(stored(*form, "autostart"), QStringLiteral("Y"));
    // Cleared by the user: the entry goes.
    child<QCheckBox>(*form, "CheckBox_Autostart")->click();
    QVERIFY(QFile::exists(entry));
    child<QCheckBox>(*form, "CheckBox_Autostart")->click();
    QVERIFY(!QFile::exists(entry));
}

void TestOptions::advanceDaysCapped()
{
    MainFormFixture f;
    TMainForm &form = f.start();
    child<QCheckBox>(form, "CheckBoxFuturo")->click();
    auto *spin = child<QSpinBox>(form, "SpinEditFuturo");
    QVERIFY(spin->isEnabled());
    spin->selectAll();
    QTest::keyClicks(spin, QStringLiteral("400"));
    QCOMPARE(spin->value(), 366);
    QCOMPARE(stored(form, "futuro_days").toInt(), 366);
    child<QCheckBox>(form, "CheckBoxFuturo")->click();
    QVERIFY(!spin->isEnabled());
    QVERIFY(!child<QToolButton>(form, "SpeedButtonAnticipo")->isEnabled());
}

void TestOptions::startPage_data()
{
    QTest::addColumn<QString>("startab");
    QTest::addColumn<bool>("yearVisible");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("listText");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("lost choice") << "-" << true << "TabSheetTODAY"
                                 << "Impegni"
                                 << "4";
    QTest::newRow("yearly") << "1" << true << "TabSheetYEAR"
                            << "Annuali"
                            << "1";
    QTest::newRow("yearly hidden") << "1" << false << "TabSheetShot"
                                   << "Annuali"
                                   << "1";
    QTest::newRow("options") << "8" << true << "TabSheetSetup"
                             << ""
                             << "8";
}

void TestOptions::startPage()
{
    QFETCH(QString, startab);
    QFETCH(bool, yearVisible);
    QFETCH(QString, page);
    QFETCH(QString, listText);
    QFETCH(QString, storedAfter);
    MainFormFixture f;
    setSettings(
        f, { { QStringLiteral("startab"), startab }, { QStringLiteral("TabYearVisible"), yearVisible } });
    TMainForm &form = f.start();
    f.comeUp();
    QCOMPARE(pages(form)->currentWidget()->objectName(), page);
    QCOMPARE(child<QComboBox>(form, "ComboBox_Startab")->currentText(), listText);
    QCOMPARE(stored(form, "startab"), storedAfter);
    QCOMPARE(pages(form)->isTabVisible(1), yearVisible);
}

void TestOptions::tabVisibilityAtNextStart()
{
    MainFormFixture f;
    TMainForm *form = &f.start();
    f.comeUp();
    f.onModal = [](QDialog &dialog) {
        dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox_contatti"))->setChecked(false);
        QTest::keyClick(&dialog, Qt::Key_Return);
        return dialog.result();
    };
    child<QToolButton>(*form, "SpeedButton_TabShow")->click();
    QCOMPARE(f.modalShown, 1);
    QCOMPARE(f.prompter.texts(QStringLiteral("plain")),
        QStringList { QStringLiteral("Le modifiche avranno effetto al prossimo avvio del programma.") });
    QCOMPARE(stored(*form, "TabContactsVisible").toInt(), 0);
    QVERIFY(pages(*form)->isTabVisible(5)); // nothing changes now

    // Left with Esc: nothing stored.
    f.onModal = [](QDialog &dialog) {
        dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox_note"))->setChecked(false);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    };
    child<QToolButton>(*form, "SpeedButton_TabShow")->click();
    QCOMPARE(stored(*form, "TabNotesVisible").toInt(), 1);

    f.form.reset();
    form = &f.start();
    QVERIFY(!pages(*form)->isTabVisible(5));
    QVERIFY(pages(*form)->isTabVisible(6));
    QVERIFY(pages(*form)->isTabVisible(8));
}

void TestOptions::helpButtons()
{
    MainFormFixture f;
    TMainForm &form = f.start();
    child<QToolButton>(form, "SpeedButtonHintOpzioni")->click();
    QCOMPARE(f.prompter.texts(QStringLiteral("plain")),
        QStringList { QStringLiteral("In questa sezione puoi personalizzare l'agenda ed eseguire il backup "
                                     "ed il ripristino dei dati.") });
    f.prompter.answers = { false, true };
    child<QToolButton>(form, "SpeedButtonHelpOnLine")->click();
    QVERIFY(f.shell.opened.isEmpty());
    child<QToolButton>(form, "SpeedButton5")->click();
    QCOMPARE(f.shell.opened.size(), 1);
    QCOMPARE(f.prompter.texts(QStringLiteral("question")).last(),
        QStringLiteral("Vuoi visitare il sito di Vellamora?"));

    // The manual: a failure says so.
    f.shell.accepts = [](const QString &) { return false; };
    form.options().SpeedButton_ManualClick();
    QCOMPARE(f.prompter.texts(QStringLiteral("plain")).size(), 2);

    f.prompter.answers = { true };
    child<QToolButton>(form, "SpeedButton4")->click();
    QVERIFY(QFile::exists(f.shell.desktop + QStringLiteral("/Vellamora.desktop")));
    QCOMPARE(f.prompter.texts(QStringLiteral("question")).last(),
        QStringLiteral("Vuoi creare un collegamento ad Vellamora sul Desktop?"));
}
