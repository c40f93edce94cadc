// The agenda page "Impegni" driven by its controls inside the real main window.
#include "tests.h"

#include "AgendaFixture.h"
#include "MainFormFixture.h"
#include "agenda/AppointmentEditor.h"
#include "agenda/AppointmentList.h"
#include "agenda/AppointmentListPage.h"
#include "agenda/DayExport.h"
#include "agenda/TodayPage.h"
#include "support/TestDoubles.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtGui/QMouseEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTableView>
#include <QtWidgets/QToolButton>

using namespace vellamora;
using namespace vellamora::agenda;

Q_DECLARE_METATYPE(vellamora::agenda::AppointmentKind)

namespace {

using test::italian;

// The fixture's today is Friday 11 December 2026; the Mondays around it.
const QDate kToday(2026, 12, 11);
const QDate kMonday(2026, 12, 7);
const QDate kNextMonday(2026, 12, 14);

// The main window over a database holding `rows`, its agenda page at hand.
struct TodayFixture
{
    explicit TodayFixture(const std::vector<Appointment> &rows = {})
    {
        f.prepareDatabase([&](Database &db) {
            for (const Appointment &a : rows)
                db.insert(QStringLiteral("VNarc66"), appointmentValues(a));
        });
        form = &f.start();
        f.comeUp();
        page = form->todayPage();
    }
    void show(const QDate &date) { page->DateTimePickerTODAY->setDate(date); }
    QToolButton *button(const char *name) const
    {
        return form->findChild<QToolButton *>(QString::fromLatin1(name));
    }
    void click(const char *name) const { button(name)->click(); }
    QStringList shownIds() const
    {
        QStringList ids;
        for (const Appointment &a : page->model().rows())
            ids << a.id;
        return ids;
    }
    int rowOf(const QString &id) const { return int(shownIds().indexOf(id)); }
    Appointment stored(const QString &id)
    {
        return *appointmentByKey(form->database(),
            form->database()
                .scalar(QStringLiteral("SELECT codimp FROM VNarc66 WHERE id = :id"),
                    { { QStringLiteral(":id"), id } })
                .toLongLong());
    }
    QWidget *activePage() const
    {
        return form->findChild<QTabWidget *>(QStringLiteral("PageControlMenu"))->currentWidget();
    }
    bool struckOut(int row) const
    {
        auto *delegate = qobject_cast<AppointmentGridDelegate *>(page->DBGrid_Today->itemDelegate());
        return delegate->cell(page->model().index(row, DayAgendaModel::Description), false).struckOut;
    }

    test::MainFormFixture f;
    TMainForm *form = nullptr;
    TodayPage *page = nullptr;
};

Appointment withNote(Appointment a, const QString &note)
{
    a.note = note;
    return a;
}

// Three appointments of one kind occurring on the fixture's today.
std::vector<Appointment> threeOfKind(AppointmentKind kind)
{
    std::vector<Appointment> rows;
    for (const char *id : { "Primo", "Secondo", "Terzo" }) {
        const QString name = QString::fromLatin1(id);
        switch (kind) {
        case AppointmentKind::OneShot:
            rows.push_back(test::oneShot(name, kToday));
            break;
        case AppointmentKind::Yearly:
            rows.push_back(test::yearly(name, kToday.addYears(-3), italian()));
            break;
        case AppointmentKind::Monthly:
            rows.push_back(test::monthly(name, kToday.addMonths(-2)));
            break;
        case AppointmentKind::Weekly:
            rows.push_back(test::weekly(name, kToday.addDays(-14), italian()));
            break;
        }
    }
    return rows;
}

} // namespace

void TestTodayPage::controlsAndHints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    const char *const rows[][2] = {
        { "SpeedButtonPrintToday", "Stampa impegni (visibili)" },
        { "SpeedButton_Help", "Suggerimento" },
        { "SpeedButtonFollowToday", "Origine impegno" },
        { "SpeedButtonToday", "Oggi" },
        { "SpeedButton_DateBack", "Giorno prima" },
        { "SpeedButtonNextDay", "Giorno dopo" },
        { "SpeedButtonClendarioLato", "Mostra calendario ed informazioni" },
        { "SpeedButtonModToday", "Modifica impegno" },
        { "SpeedButtonDelToday", "Elimina impegno" },
        { "SpeedButtonEportToday", "Esporta impegni (visibili)" },
        { "SpeedButtonAddToday", "Inserisci un nuovo impegno" },
        { "SpeedButtonSvoltoToday", "Impegno svolto si/no" },
        { "SpeedButtonAllegatoToday", "Lista allegati" },
        { "SpeedButtonAnticipoHome", "Controlla impegni importanti" },
        { "DBNavigatorTodayFirst", "Primo impegno" },
        { "DBNavigatorTodayLast", "Ultimo impegno" },
        { "DateTimePickerTODAY", "Filtra per giorno" },
        { "CheckBox_Visualizza_Sospesi",
            "Permette di vedere tutti gli impegni per poter cambiarne lo stato" },
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
}

void TestTodayPage::controlsAndHints()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    TodayFixture t;
    auto *control = t.form->TabSheetTODAY->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), hint);
    // The main window's own members are the page's controls.
    QCOMPARE(t.form->DateTimePickerTODAY, t.page->DateTimePickerTODAY);
    QCOMPARE(t.form->panel_today, t.page->panel_today);
    QCOMPARE(t.form->Panel_MEssaggio, t.page->Panel_MEssaggio);
    QVERIFY(t.page->findChild<QTableView *>(QStringLiteral("DBGrid_Today")));
    QVERIFY(t.page->findChild<QPlainTextEdit *>(QStringLiteral("DBMemoToday")));
}

// Row actions are enabled exactly when the day has rows; "Oggi" exactly away from today.
void TestTodayPage::enablingFollowsTheDay()
{
    TodayFixture t({ test::oneShot(QStringLiteral("Domani"), kToday.addDays(1)) });
    const char *const rowActions[] = { "SpeedButtonPrintToday", "SpeedButtonFollowToday",
        "SpeedButtonModToday", "SpeedButtonDelToday", "SpeedButtonEportToday", "SpeedButtonSvoltoToday" };
    QCOMPARE(t.page->DateTimePickerTODAY->date(), kToday);
    QVERIFY(t.page->model().rows().empty());
    for (const char *name : rowActions)
        QVERIFY2(!t.button(name)->isEnabled(), name);
    QVERIFY(!t.button("SpeedButtonToday")->isEnabled());
    QVERIFY(!t.button("SpeedButtonAllegatoToday")->isEnabled());

    t.click("SpeedButtonNextDay");
    QCOMPARE(t.shownIds(), QStringList { QStringLiteral("Domani") });
    QCOMPARE(t.page->panel_today->text(), QStringLiteral("1   "));
    for (const char *name : rowActions)
        QVERIFY2(t.button(name)->isEnabled(), name);
    QVERIFY(t.button("SpeedButtonToday")->isEnabled());

    t.click("SpeedButton_DateBack");
    t.click("SpeedButton_DateBack");
    QCOMPARE(t.page->DateTimePickerTODAY->date(), kToday.addDays(-1));
    QVERIFY(t.button("SpeedButtonToday")->isEnabled());
    t.click("SpeedButtonToday");
    QCOMPARE(t.page->DateTimePickerTODAY->date(), kToday);
    QVERIFY(!t.button("SpeedButtonToday")->isEnabled());
}

// A weekly appointment marked done on its Monday is struck out on that Monday and on the
// Monday before (its done date is later than the shown date), not on the Monday after.
// The longest date of the year stays readable in the smallest window with the side panel shown.
void TestTodayPage::longestDateFits()
{
    TodayFixture t;
    t.form->resize(t.form->minimumSize());
    t.click("SpeedButtonClendarioLato");
    QVERIFY(t.page->Panel_LATO->isVisible());
    t.show(QDate(2026, 9, 30));
    QApplication::processEvents();
    QDateEdit *picker = t.page->DateTimePickerTODAY;
    QCOMPARE(picker->text(), QStringLiteral("mercoledì 30 settembre 2026"));
    auto *edit = picker->findChild<QLineEdit *>();
    QVERIFY(edit);
    QVERIFY2(edit->width() >= edit->fontMetrics().horizontalAdvance(picker->text()) + 4,
        qPrintable(QString::number(edit->width())));
    // Every control of the date bar is still inside the page.
    for (QWidget *w : { static_cast<QWidget *>(picker), static_cast<QWidget *>(t.page->SpeedButtonAllegatoToday) })
        QVERIFY(w->mapTo(t.page, QPoint(w->width(), 0)).x() <= t.page->width());
}

void TestTodayPage::doneStrikesOutEarlierDays()
{
    TodayFixture t({ test::weekly(QStringLiteral("Palestra"), kMonday.addDays(-7), italian()) });
    t.show(kNextMonday);
    QVERIFY(!t.struckOut(0));
    t.click("SpeedButtonSvoltoToday");
    QCOMPARE(t.stored(QStringLiteral("Palestra")).fatto, kNextMonday);
    QVERIFY(t.struckOut(0));
    t.show(kMonday);
    QCOMPARE(t.shownIds(), QStringList { QStringLiteral("Palestra") });
    QVERIFY(t.struckOut(0));
    t.show(kNextMonday.addDays(7));
    QVERIFY(!t.struckOut(0));
    // The weekly list page was re-read with the new done date.
    QCOMPARE(t.form->listPage(3)->model().appointment(0).fatto, kNextMonday);
}

// Twice on the same date gives back "not done" with the never-done date; on a later date
// an earlier done date moves forward. The row stays selected.
void TestTodayPage::doneToggles()
{
    TodayFixture t({ test::weekly(QStringLiteral("Palestra"), kMonday.addDays(-7), italian()),
        test::weekly(QStringLiteral("Corso"), kMonday.addDays(-7), italian()) });
    t.show(kMonday);
    t.page->selectRow(t.rowOf(QStringLiteral("Palestra")));
    const int row = t.page->currentRow();
    t.click("SpeedButtonSvoltoToday");
    QCOMPARE(t.stored(QStringLiteral("Palestra")).flagfatto, QStringLiteral("Y"));
    QCOMPARE(t.page->currentRow(), row);
    t.click("SpeedButtonSvoltoToday");
    const Appointment undone = t.stored(QStringLiteral("Palestra"));
    QCOMPARE(undone.flagfatto, QStringLiteral("N"));
    QCOMPARE(undone.fatto, neverDoneDate(kMonday));
    QCOMPARE(t.page->currentRow(), row);

    t.click("SpeedButtonSvoltoToday");
    t.show(kNextMonday);
    t.page->selectRow(t.rowOf(QStringLiteral("Palestra")));
    t.click("SpeedButtonSvoltoToday");
    const Appointment later = t.stored(QStringLiteral("Palestra"));
    QCOMPARE(later.flagfatto, QStringLiteral("Y"));
    QCOMPARE(later.fatto, kNextMonday);
    QCOMPARE(t.stored(QStringLiteral("Corso")).flagfatto, QStringLiteral("N")); // untouched
}

// The export proposes the day's file name, writes every row (a comma quoted, blank times
// as stored) and writes nothing when cancelled or when overwriting is refused.
void TestTodayPage::exportWritesTheDay()
{
    Appointment meeting = test::oneShot(QStringLiteral("Riunione"), kToday);
    test::withTimes(meeting, QStringLiteral("09:30"), QStringLiteral("11:00"));
    TodayFixture t(
        { withNote(test::oneShot(QStringLiteral("Pane, latte"), kToday), QStringLiteral("bio\r\nfresco")),
            meeting });
    const QString path = t.f.dir.filePath(QStringLiteral("giorno.csv"));

    t.click("SpeedButtonEportToday"); // cancelled
    QVERIFY(!QFile::exists(path));
    QCOMPARE(t.f.files.requests.size(), size_t(1));
    QCOMPARE(t.f.files.requests.at(0).caption, QStringLiteral("Esporta il piano del giorno"));
    QCOMPARE(
        t.f.files.requests.at(0).filter, QStringLiteral("Testo delimitato dal separatore di elenco (*.csv)"));
    QCOMPARE(t.f.files.requests.at(0).start, QStringLiteral("Programma di venerdì 11 dicembre 2026.csv"));

    t.page->selectRow(1);
    t.f.files.paths = { t.f.dir.filePath(QStringLiteral("giorno")) }; // the extension is added
    t.click("SpeedButtonEportToday");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
        QByteArray("DALLE,ALLE,DESCRIZIONE,NOTE\r\n"
                   "  :  ,  :  ,\"Pane, latte\",bio  fresco\r\n"
                   "09:30,11:00,Riunione,\r\n"));
    file.close();
    QCOMPARE(t.page->currentRow(), 0); // back to the first row

    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();
    t.f.prompter.answers = { false };
    t.f.files.paths = { path };
    t.click("SpeedButtonEportToday");
    QCOMPARE(t.f.prompter.texts(QStringLiteral("question")).last(),
        QStringLiteral("Sovrascrivere \"giorno.csv\"?"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("kept"));
}

// Answering No leaves the row, and the kind's list page is re-read all the same.
void TestTodayPage::deleteAnsweringNoRefreshesTheList()
{
    TodayFixture t({ test::oneShot(QStringLiteral("Dentista"), kToday) });
    // Written behind the list page's back: only a refresh shows it.
    t.form->database().insert(
        QStringLiteral("VNarc66"), appointmentValues(test::oneShot(QStringLiteral("Banca"), kToday)));
    QCOMPARE(t.form->listPage(0)->model().rowCount(), 1);
    t.f.prompter.answers = { false };
    t.click("SpeedButtonDelToday");
    QVERIFY(t.f.prompter.texts(QStringLiteral("question"))
                .last()
                .startsWith(QStringLiteral(" Stai per eliminare \"Dentista")));
    QCOMPARE(t.shownIds(), QStringList { QStringLiteral("Dentista") });
    QCOMPARE(t.form->listPage(0)->model().rowCount(), 2);
}

void TestTodayPage::deleteSelectsTheRightRow_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("selected");
    QTest::newRow("middle row: the same row number") << 3 << 1 << 1;
    QTest::newRow("last row: the row before") << 3 << 2 << 1;
    QTest::newRow("only row: none") << 1 << 0 << -1;
}

void TestTodayPage::deleteSelectsTheRightRow()
{
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(int, selected);
    std::vector<Appointment> rows;
    for (int i = 0; i < count; ++i) {
        Appointment a = test::oneShot(QStringLiteral("Impegno %1").arg(i), kToday);
        rows.push_back(test::withTimes(a, QStringLiteral("0%1:00").arg(i + 1), QStringLiteral("  :  ")));
    }
    TodayFixture t(rows);
    t.page->selectRow(row);
    t.click("SpeedButtonDelToday");
    QCOMPARE(t.page->model().rowCount(), count - 1);
    QVERIFY(!t.shownIds().contains(QStringLiteral("Impegno %1").arg(row)));
    QCOMPARE(t.page->currentRow(), selected);
    QCOMPARE(t.form->listPage(0)->model().rowCount(), count - 1);
    QCOMPARE(t.button("SpeedButtonDelToday")->isEnabled(), count > 1);
}

void TestTodayPage::originLandsOnTheRow_data()
{
    QTest::addColumn<AppointmentKind>("kind");
    QTest::newRow("one-shot") << AppointmentKind::OneShot;
    QTest::newRow("yearly") << AppointmentKind::Yearly;
    QTest::newRow("monthly") << AppointmentKind::Monthly;
    QTest::newRow("weekly") << AppointmentKind::Weekly;
}

// Origin clears the list page's search and filters, makes it active and selects the row.
void TestTodayPage::originLandsOnTheRow()
{
    QFETCH(AppointmentKind, kind);
    TodayFixture t(threeOfKind(kind));
    AppointmentListPage *list = t.form->listPage(int(kind));
    list->findEdit->setText(QStringLiteral("zzz"));
    if (list->monthFilter)
        list->monthFilter->setCurrentIndex(0);
    if (list->weekdayFilter)
        list->weekdayFilter->setCurrentIndex(0);
    if (list->periodBox)
        list->periodBox->click();
    QCOMPARE(list->model().rowCount(), 0);
    t.page->selectRow(t.rowOf(QStringLiteral("Secondo")));
    t.click("SpeedButtonFollowToday");
    QCOMPARE(t.activePage(), list->parentWidget());
    QVERIFY(list->findEdit->text().isEmpty());
    QCOMPARE(list->model().rowCount(), 3);
    QCOMPARE(list->model().appointment(list->currentRow()).id, QStringLiteral("Secondo"));
    if (list->monthFilter)
        QCOMPARE(list->monthFilter->currentText(), QStringLiteral("Tutti"));
    if (list->weekdayFilter)
        QCOMPARE(list->weekdayFilter->currentText(), QStringLiteral("Tutti"));
    if (list->periodBox)
        QVERIFY(!list->periodBox->isChecked());
}

// Modify opens the row's own modify dialog through its list page and keeps the agenda row.
void TestTodayPage::modifyOpensTheKindsEditor()
{
    TodayFixture t(threeOfKind(AppointmentKind::Weekly));
    QString shown;
    t.f.onModal = [&](QDialog &dialog) {
        shown = dialog.objectName() + QLatin1Char(':')
            + dialog.findChild<QLineEdit *>(QStringLiteral("Edit_id"))->text();
        return int(QDialog::Rejected);
    };
    QWidget *active = t.activePage();
    t.page->selectRow(2);
    const QString id = t.page->model().appointment(2).id;
    QTest::keyClick(t.page->DBGrid_Today, Qt::Key_Return);
    QCOMPARE(shown, QStringLiteral("TModWeekForm:") + id);
    QCOMPARE(t.page->currentRow(), 2);
    QCOMPARE(t.activePage(), active); // the list page is not made active
}

// A database that refuses to write (locked by a backup, read-only, disk full) ends the
// action with the error report; the window goes on, and an open editor keeps its text.
void TestTodayPage::databaseErrorEndsOnlyTheAction_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("done") << "done";
    QTest::newRow("delete") << "delete";
    QTest::newRow("add and close") << "add";
}

void TestTodayPage::databaseErrorEndsOnlyTheAction()
{
    QFETCH(QString, action);
    TodayFixture t({ test::oneShot(QStringLiteral("Banca"), kToday) });
    t.form->database().exec(QStringLiteral("PRAGMA query_only = ON"));
    t.page->selectRow(0);
    QString typed;
    bool stayedOpen = false;
    if (action == QLatin1String("done")) {
        QTest::mouseClick(t.page->SpeedButtonSvoltoToday, Qt::LeftButton);
    } else if (action == QLatin1String("delete")) {
        t.f.prompter.answers = { true };
        QTest::mouseClick(t.page->SpeedButtonDelToday, Qt::LeftButton);
    } else {
        t.f.onModal = [&](QDialog &dialog) {
            dialog.show();
            auto *description = dialog.findChild<QLineEdit *>(QStringLiteral("Edit_id"));
            description->setText(QStringLiteral("Notaio"));
            QTest::mouseClick(
                dialog.findChild<QToolButton *>(QStringLiteral("SpeedButtonAddClose")), Qt::LeftButton);
            stayedOpen = dialog.isVisible() && dialog.result() != QDialog::Accepted;
            typed = description->text();
            return int(QDialog::Rejected);
        };
        t.page->addOfKind(AppointmentKind::OneShot);
        QVERIFY(stayedOpen);
        QCOMPARE(typed, QStringLiteral("Notaio"));
    }
    const QStringList errors = t.f.prompter.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(QStringLiteral("readonly")), qPrintable(errors.first()));
    // Nothing changed, and the page goes on working once the database writes again.
    QCOMPARE(t.shownIds(), QStringList { QStringLiteral("Banca") });
    QCOMPARE(t.stored(QStringLiteral("Banca")).flagfatto, QStringLiteral("N"));
    t.form->database().exec(QStringLiteral("PRAGMA query_only = OFF"));
    t.page->selectRow(0);
    QTest::mouseClick(t.page->SpeedButtonSvoltoToday, Qt::LeftButton);
    QCOMPARE(t.stored(QStringLiteral("Banca")).flagfatto, QStringLiteral("Y"));
}

// The note picture and the notes box open the editor on its enlarged notes; Enter does not.
void TestTodayPage::noteOpensEnlarged_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("enlarged");
    QTest::newRow("note picture") << "picture" << true;
    QTest::newRow("notes box") << "notes" << true;
    QTest::newRow("Enter") << "enter" << false;
}

void TestTodayPage::noteOpensEnlarged()
{
    QFETCH(QString, how);
    QFETCH(bool, enlarged);
    TodayFixture t({ withNote(test::oneShot(QStringLiteral("Banca"), kToday), QStringLiteral("bonifico")) });
    std::optional<bool> shownEnlarged;
    t.f.onModal = [&](QDialog &dialog) {
        shownEnlarged = static_cast<AppointmentEditor &>(dialog).enlargedNotes();
        return int(QDialog::Rejected);
    };
    t.page->selectRow(0);
    QTableView *grid = t.page->DBGrid_Today;
    if (how == QLatin1String("picture")) {
        const QRect cell = grid->visualRect(t.page->model().index(0, DayAgendaModel::Note));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    } else if (how == QLatin1String("notes")) {
        QTest::mouseDClick(t.page->DBMemoToday->viewport(), Qt::LeftButton);
    } else {
        QTest::keyClick(grid, Qt::Key_Return);
    }
    QVERIFY(shownEnlarged.has_value());
    QCOMPARE(*shownEnlarged, enlarged);

    // In read-only mode nothing opens, and the request does not wait for a later dialog.
    t.form->SpeedButton_SolaLetturaClick();
    shownEnlarged.reset();
    QTest::mouseDClick(t.page->DBMemoToday->viewport(), Qt::LeftButton);
    QVERIFY(!shownEnlarged.has_value());
    QCoreApplication::processEvents();
    QVERIFY(!t.form->enlargedNoteRequest());
}

// Captions are the file-name parts; the menu shows what the row has.
void TestTodayPage::attachmentMenu()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("vellamora-nota.txt"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    Appointment both = test::oneShot(QStringLiteral("A"), kToday);
    both.allegato = file;
    both.ricerca = QStringLiteral("Mario Rossi");
    Appointment missing = test::oneShot(QStringLiteral("B"), kToday);
    missing.allegato = QStringLiteral("C:\\lettere\\invito.doc");
    TodayFixture t({ both, missing, test::oneShot(QStringLiteral("C"), kToday) });

    t.page->selectRow(t.rowOf(QStringLiteral("A")));
    QVERIFY(t.page->SpeedButtonAllegatoToday->isEnabled());
    QCOMPARE(t.page->allegatotoday->text(), QStringLiteral("vellamora-nota.txt"));
    QCOMPARE(t.page->ricercatoday->text(), QStringLiteral("Mario Rossi"));
    t.page->PopupMenuAllegatoTodayPopup();
    QVERIFY(t.page->allegatotoday->isVisible());
    QVERIFY(t.page->ricercatoday->isVisible());
    t.page->allegatotoday->trigger();
    QCOMPARE(t.f.shell.opened.value(0), file);
    t.page->ricercatoday->trigger();
    QCOMPARE(t.activePage(), t.form->TabSheetCONTACTS);

    t.page->selectRow(t.rowOf(QStringLiteral("B")));
    QCOMPARE(t.page->allegatotoday->text(), QStringLiteral("invito.doc"));
    t.page->PopupMenuAllegatoTodayPopup();
    QVERIFY(t.page->allegatotoday->isVisible()); // not found: shown with the placeholder
    QVERIFY(!t.page->ricercatoday->isVisible());

    t.page->selectRow(t.rowOf(QStringLiteral("C")));
    QVERIFY(!t.page->SpeedButtonAllegatoToday->isEnabled());
    t.page->PopupMenuAllegatoTodayPopup();
    QVERIFY(!t.page->allegatotoday->isVisible());
}

// A list page's "Allegati" shows the appointment's own day, suspended rows included, with
// its row selected, and pops the menu up.
void TestTodayPage::attachmentsFromAListPage()
{
    Appointment later = test::oneShot(QStringLiteral("Notaio"), kToday.addDays(5));
    later.allegato = QStringLiteral("atto.pdf");
    later.sospeso = QStringLiteral("Y");
    TodayFixture t({ test::oneShot(QStringLiteral("Altro"), kToday.addDays(5)), later });
    t.form->show();
    later = t.stored(QStringLiteral("Notaio"));
    AppointmentListPage *list = t.form->listPage(0);
    t.page->showAttachmentsOf(later, list->attachmentsButton);
    QCOMPARE(t.page->shownDate(), kToday.addDays(5));
    QVERIFY(t.page->CheckBox_Visualizza_Sospesi->isChecked());
    QCOMPARE(t.page->model().appointment(t.page->currentRow()).id, QStringLiteral("Notaio"));
    QTRY_VERIFY(t.page->PopupMenuAllegatoToday->isVisible());
    QCOMPARE(t.page->allegatotoday->text(), QStringLiteral("atto.pdf"));
    t.page->PopupMenuAllegatoToday->close();
}

// The add menu carries the kinds and their colour squares; read-only mode refuses it.
void TestTodayPage::addMenu()
{
    TodayFixture t;
    t.f.onModal = [](QDialog &dialog) {
        if (dialog.objectName() != QLatin1String("TAggMeseForm"))
            return int(QDialog::Rejected);
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("Edit_id")), QStringLiteral("affitto"));
        QTest::mouseClick(
            dialog.findChild<QToolButton *>(QStringLiteral("SpeedButtonAddClose")), Qt::LeftButton);
        return dialog.result();
    };
    t.form->show();
    t.click("SpeedButtonAddToday");
    QTRY_VERIFY(t.page->PopupMenuToday->isVisible());
    QStringList captions;
    for (QAction *entry : t.page->PopupMenuToday->actions()) {
        captions << entry->text();
        if (!entry->isSeparator() && entry->text() != QLatin1String("Annulla"))
            QVERIFY(!entry->icon().isNull());
    }
    QCOMPARE(captions,
        QStringList({ QStringLiteral("Giornaliero"), QStringLiteral("Annuale"), QStringLiteral("Mensile"),
            QStringLiteral("Settimanale"), QString(), QStringLiteral("Annulla") }));
    t.page->PopupMenuToday->close();

    // The monthly entry adds on the shown date and the agenda shows it.
    t.show(kToday.addDays(2));
    t.page->PopupMenuToday->findChild<QAction *>(QStringLiteral("MensileToday"))->trigger();
    QCOMPARE(t.shownIds(), QStringList { QStringLiteral("Affitto") });

    t.form->SpeedButton_SolaLetturaClick();
    t.page->SpeedButtonAddTodayClick();
    QTest::qWait(20);
    QVERIFY(!t.page->PopupMenuToday->isVisible());
}

// Suspended appointments show only while the side panel's box is ticked.
void TestTodayPage::suspendedOnRequest()
{
    Appointment a = test::oneShot(QStringLiteral("Sospeso"), kToday);
    a.sospeso = QStringLiteral("Y");
    TodayFixture t({ a });
    QVERIFY(t.page->Panel_LATO->isHidden());
    t.click("SpeedButtonClendarioLato");
    QVERIFY(!t.page->Panel_LATO->isHidden());
    QVERIFY(t.shownIds().isEmpty());
    t.page->CheckBox_Visualizza_Sospesi->click();
    QCOMPARE(t.shownIds(), QStringList { QStringLiteral("Sospeso") });
    t.page->CheckBox_Visualizza_Sospesi->click();
    QVERIFY(t.shownIds().isEmpty());
}

// The side panel's button shows while something ahead is announced; its hint names the days.
void TestTodayPage::advanceNoticeButton()
{
    Appointment a = test::oneShot(QStringLiteral("Esame"), kToday.addDays(2));
    a.anticipa = QStringLiteral("Y");
    TodayFixture t({ a });
    QToolButton *notice = t.page->SpeedButtonAnticipoHome;
    t.form->options().SpinEditFuturo->setValue(3);
    if (!t.form->options().CheckBoxFuturo->isChecked())
        t.form->options().CheckBoxFuturo->click();
    t.form->refreshDayAgenda();
    QVERIFY(!notice->isHidden());
    QMouseEvent move(
        QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(notice, &move);
    QCOMPARE(notice->toolTip(), QStringLiteral("Hai degli impegni importanti nei prossimi 3 giorni"));
    t.form->options().SpinEditFuturo->setValue(1);
    t.form->refreshDayAgenda();
    QVERIFY(notice->isHidden());
}

void TestTodayPage::gridDrawing_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    const QColor shot(0xC0, 0x40, 0x40), agenda(0x80, 0x80, 0xE0), odd(0xF4, 0xF4, 0xF4), white(Qt::white);
    const QColor black(Qt::black), title(0x20, 0x20, 0x20), nag(0, 0, 0xFF), suspended(0x4F, 0x4F, 0x4F);
    QTest::newRow("colorate, odd row") << int(GridColorate) << 0 << false << odd << black;
    QTest::newRow("colorate, even row with nag") << int(GridColorate) << 1 << false << white << nag;
    QTest::newRow("colorate, selected: kind colour") << int(GridColorate) << 0 << true << shot << title;
    QTest::newRow("indicatori, selected: page colour") << int(GridIndicatori) << 0 << true << agenda << title;
    QTest::newRow("coloratissime, odd row")
        << int(GridColoratissime) << 0 << false
        << QColor(0xC0 + 63 * 80 / 100, 0x40 + 191 * 80 / 100, 0x40 + 191 * 80 / 100) << black;
    QTest::newRow("coloratissime, suspended wins")
        << int(GridColoratissime) << 2 << true << shot << suspended;
}

// The painter's colours per style, on the agenda's model.
void TestTodayPage::gridDrawing()
{
    QFETCH(int, style);
    QFETCH(int, row);
    QFETCH(bool, selected);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    DayAgendaModel model;
    Appointment nag = test::oneShot(QStringLiteral("b"), kToday);
    nag.dayofweek = QStringLiteral("T");
    Appointment suspended = test::oneShot(QStringLiteral("c"), kToday);
    suspended.dayofweek = QStringLiteral("X");
    suspended.sospeso = QStringLiteral("Y");
    model.setRows({ test::oneShot(QStringLiteral("a"), kToday), nag, suspended });
    GridLook look;
    look.style = [style] { return style; };
    look.kindColour = [](AppointmentKind) { return QColor(0xC0, 0x40, 0x40); };
    look.agendaColour = [] { return QColor(0x80, 0x80, 0xE0); };
    look.shownDate = [] { return kToday; };
    look.colours = [] { return GridColours { Qt::black, QColor(0x20, 0x20, 0x20) }; };
    look.descriptionColumn = DayAgendaModel::Description;
    AppointmentGridDelegate delegate(look, nullptr);
    const auto cell = delegate.cell(model.index(row, DayAgendaModel::Description), selected);
    QCOMPARE(cell.background, background);
    QCOMPARE(cell.text, text);
    QCOMPARE(cell.indicator.has_value(), style == GridIndicatori);
}

void TestTodayPage::kindIndicator_data()
{
    QTest::addColumn<bool>("builtin");
    QTest::addColumn<bool>("frame");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("edge");
    const QColor builtinYear(0xF5, 0xE3, 0xA7), section(0x10, 0x20, 0x30);
    QTest::newRow("built-in colour, black frame") << true << true << builtinYear << QColor(Qt::black);
    QTest::newRow("section colour, no frame") << false << false << section << section;
}

void TestTodayPage::kindIndicator()
{
    QFETCH(bool, builtin);
    QFETCH(bool, frame);
    QFETCH(QColor, fill);
    QFETCH(QColor, edge);
    DayAgendaModel model;
    model.setRows({ test::yearly(QStringLiteral("a"), kToday, italian()) });
    GridLook look;
    look.style = [] { return int(GridIndicatori); };
    look.kindColour = [](AppointmentKind kind) {
        return kind == AppointmentKind::Yearly ? QColor(0x10, 0x20, 0x30) : QColor(Qt::red);
    };
    look.agendaColour = [] { return QColor(Qt::white); };
    look.squareBuiltinColours = [builtin] { return builtin; };
    look.squareFrame = [frame] { return frame; };
    look.descriptionColumn = DayAgendaModel::Description;
    AppointmentGridDelegate delegate(look, nullptr);
    const auto cell = delegate.cell(model.index(0, DayAgendaModel::Description), false);
    QVERIFY(cell.indicator);
    QCOMPARE(cell.indicator->first, fill);
    QCOMPARE(cell.indicator->second, edge);
    QVERIFY(!delegate.cell(model.index(0, DayAgendaModel::From), false).indicator);
}
