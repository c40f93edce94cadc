// The four list pages driven by their controls, over a real database.
#include "tests.h"

#include "AgendaFixture.h"
#include "agenda/AppointmentListPage.h"
#include "support/TestDoubles.h"
#include "support/TestMain.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTableView>
#include <QtWidgets/QToolButton>

using namespace vellamora;
using namespace vellamora::agenda;

Q_DECLARE_METATYPE(vellamora::agenda::AppointmentKind)

namespace {

using test::italian;

// A page of one kind over its own database, with the main window's part played by doubles.
struct PageFixture
{
    explicit PageFixture(AppointmentKind kind)
    {
        ListPageHost host;
        host.db = &data.db;
        host.regional = &italian();
        host.prompter = &prompter;
        host.today = [] { return QDate(2026, 3, 16); };
        host.datePicture = [](AppointmentKind k) {
            return k == AppointmentKind::Yearly ? QStringLiteral("d mmmm")
                                                : QStringLiteral("dddd d mmmm yyyy");
        };
        host.countPanel = [this](QChar letter, std::optional<int> rows) {
            if (rows)
                counts << QString(letter) + QLatin1Char('=') + QString::number(*rows);
        };
        host.deletionPhrase = [] { return QStringLiteral("\"?"); };
        host.listOpened = [this] { ++opened; };
        host.readOnly = [this] { return readOnly; };
        host.plainRows = [this] { return plainRows; };
        host.openEditor = [this](AppointmentKind, std::optional<Appointment> row) {
            edited << (row ? row->id : QStringLiteral("new"));
            return true;
        };
        host.gridStyle = [this] { return style; };
        host.sectionColour = [] { return QColor(0x40, 0x80, 0xC0); };
        host.locked = [this] { return locked; };
        host.requestEnlargedNote = [this] { ++enlargedRequests; };
        host.agendaAdd = [this](AppointmentKind k) { added << kindLetter(k); };
        host.newEntry = [this](QChar page) { added << QString(page); };
        host.showAttachments = [this](const Appointment &a, QWidget *button) {
            attachmentsOf << a.id;
            attachmentsUnder = button;
        };
        page = std::make_unique<AppointmentListPage>(kind, host, nullptr);
        page->resize(800, 500);
    }
    template<typename T> T *child(const char *name) const
    {
        T *c = page->findChild<T *>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }
    QStringList shown() const
    {
        QStringList ids;
        for (int r = 0; r < page->model().rowCount(); ++r)
            ids << page->model().appointment(r).id;
        return ids;
    }

    test::AgendaDatabase data;
    test::ScriptedPrompter prompter;
    QStringList counts;
    QStringList edited;
    int opened = 0;
    int style = 0;
    bool readOnly = false;
    bool plainRows = false;
    bool locked = false;
    int enlargedRequests = 0;
    QStringList added;
    QStringList attachmentsOf;
    QWidget *attachmentsUnder = nullptr;
    std::unique_ptr<AppointmentListPage> page;
};

} // namespace

void TestListPages::controlsAndHints_data()
{
    QTest::addColumn<AppointmentKind>("kind");
    QTest::addColumn<QString>("add");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("find");
    QTest::newRow("Giornalieri") << AppointmentKind::OneShot << "SpeedButtonadShot"
                                 << "Inserisci un nuovo impegno giornaliero"
                                 << "Edit_Find_Shot";
    QTest::newRow("Annuali") << AppointmentKind::Yearly << "SpeedButtonAddYear"
                             << "Inserisci un nuovo impegno annuale"
                             << "Edit_Find_Anno";
    QTest::newRow("Mensili") << AppointmentKind::Monthly << "SpeedButtonAggMese"
                             << "Inserisci un nuovo impegno mensile"
                             << "Edit_Find_Mese";
    QTest::newRow("Settimanali") << AppointmentKind::Weekly << "SpeedButtonAggWeek"
                                 << "Inserisci un nuovo impegno settimanale"
                                 << "Edit_Find_Week";
}

// An empty list disables what needs a row; the first appointment enables it.
void TestListPages::controlsAndHints()
{
    QFETCH(AppointmentKind, kind);
    QFETCH(QString, add);
    QFETCH(QString, hint);
    QFETCH(QString, find);
    PageFixture f(kind);
    f.page->refresh();
    QCOMPARE(f.child<QToolButton>(add.toLatin1().constData())->toolTip(), hint);
    QVERIFY(f.child<QLineEdit>(find.toLatin1().constData()));
    QVERIFY(!f.page->deleteButton->isEnabled());
    QVERIFY(!f.page->modifyButton->isEnabled());
    QVERIFY(!f.page->orderButton->isEnabled());
    const QDate d(2026, 3, 16);
    f.data.add(kind == AppointmentKind::OneShot ? test::oneShot(QStringLiteral("a"), d)
            : kind == AppointmentKind::Yearly   ? test::yearly(QStringLiteral("a"), d, italian())
            : kind == AppointmentKind::Monthly  ? test::monthly(QStringLiteral("a"), d)
                                                : test::weekly(QStringLiteral("a"), d, italian()));
    f.page->refresh();
    for (QToolButton *b : { f.page->deleteButton, f.page->modifyButton, f.page->duplicateButton,
             f.page->printButton, f.page->orderButton })
        QVERIFY(b->isEnabled());
    QVERIFY(f.opened >= 2);
    QCOMPARE(f.counts.last(), QString(kindLetter(kind)) + QStringLiteral("=1"));
}

void TestListPages::typingSearches_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("field");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("double quote") << "\"dott" << 0 << QStringList { "Visita \"Dott. Neri\"" };
    QTest::newRow("apostrophe") << "l'av" << 0 << QStringList { "Dall'avvocato" };
    QTest::newRow("note alone") << "fattura" << 1 << QStringList { "Affitto" };
    QTest::newRow("nothing") << "zzz" << 0 << QStringList {};
}

void TestListPages::typingSearches()
{
    QFETCH(QString, typed);
    QFETCH(int, field);
    QFETCH(QStringList, expected);
    PageFixture f(AppointmentKind::Monthly);
    f.data.add(test::monthly(QStringLiteral("Visita \"Dott. Neri\""), QDate(2026, 3, 2)));
    f.data.add(test::monthly(QStringLiteral("Dall'avvocato"), QDate(2026, 3, 3)));
    Appointment rent = test::monthly(QStringLiteral("Affitto"), QDate(2026, 3, 1));
    rent.note = QStringLiteral("con la fattura");
    f.data.add(rent);
    f.page->refresh();
    QCOMPARE(f.shown().size(), 3);
    QVERIFY(!f.page->clearFind->isEnabled());
    f.page->kindFind->setCurrentIndex(field);
    QTest::keyClicks(f.page->findEdit, typed);
    QCOMPARE(f.shown(), expected);
    QCOMPARE(f.counts.last(), QStringLiteral("M=%1").arg(expected.size()));
    QVERIFY(f.prompter.shown.empty()); // no engine error
    QVERIFY(f.page->clearFind->isEnabled());
    QTest::mouseClick(f.page->clearFind, Qt::LeftButton);
    QCOMPARE(f.shown().size(), 3);
    QVERIFY(!f.page->clearFind->isEnabled());
}

void TestListPages::oneShotAutomaticSearchOff()
{
    PageFixture f(AppointmentKind::OneShot);
    f.data.add(test::oneShot(QStringLiteral("Cena"), QDate(2026, 5, 10)));
    f.data.add(test::oneShot(QStringLiteral("Pranzo"), QDate(2026, 5, 11)));
    f.page->refresh();
    f.page->autoFind->click();
    QVERIFY(!f.page->autoFind->isChecked());
    QCOMPARE(f.prompter.texts(QStringLiteral("information")),
        QStringList {
            "Hai disattivato la ricerca automatica mentre digiti. \rPer avviare la ricerca premi il "
            "tasto INVIO nella casella di ricerca." });
    QTest::keyClicks(f.page->findEdit, QStringLiteral("cena"));
    QCOMPARE(f.shown().size(), 2);
    QTest::keyClick(f.page->findEdit, Qt::Key_Return);
    QCOMPARE(f.shown(), QStringList { "Cena" });
    // The clear button ticks the automatic search again.
    QTest::mouseClick(f.page->clearFind, Qt::LeftButton);
    QVERIFY(f.page->autoFind->isChecked());
    QCOMPARE(f.shown().size(), 2);
}

void TestListPages::filters()
{
    PageFixture one(AppointmentKind::OneShot);
    for (int day = 9; day <= 13; ++day)
        one.data.add(test::oneShot(QString::number(day), QDate(2026, 5, day)));
    one.page->refresh();
    QVERIFY(!one.page->periodFrom->isEnabled());
    one.page->periodFrom->setDate(QDate(2026, 5, 12));
    one.page->periodTo->setDate(QDate(2026, 5, 10));
    one.page->periodBox->click();
    QVERIFY(one.page->periodFrom->isEnabled());
    QCOMPARE(one.shown(), (QStringList { "10", "11", "12" }));
    QTest::mouseClick(one.page->orderButton, Qt::LeftButton);
    QCOMPARE(one.shown(), (QStringList { "12", "11", "10" }));

    PageFixture year(AppointmentKind::Yearly);
    year.data.add(test::yearly(QStringLiteral("marzo"), QDate(1990, 3, 20), italian()));
    year.data.add(test::yearly(QStringLiteral("dicembre"), QDate(2000, 12, 4), italian()));
    year.page->refresh();
    QCOMPARE(year.page->monthFilter->currentText(), QStringLiteral("Tutti"));
    year.page->monthFilter->setCurrentIndex(2);
    QCOMPARE(year.shown(), QStringList { "marzo" });

    PageFixture week(AppointmentKind::Weekly);
    week.data.add(test::weekly(QStringLiteral("lun"), QDate(2026, 3, 16), italian()));
    week.data.add(test::weekly(QStringLiteral("mer"), QDate(2026, 3, 18), italian()));
    week.page->refresh();
    QCOMPARE(week.page->weekdayFilter->itemText(0), QStringLiteral("lunedì"));
    week.page->weekdayFilter->setCurrentIndex(2);
    QCOMPARE(week.shown(), QStringList { "mer" });
}

void TestListPages::deleteSelectsTheRightRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selected");
    QTest::newRow("middle: the next takes its place") << 1 << true << QStringList { "1", "3" } << 1;
    QTest::newRow("last: the new last") << 2 << true << QStringList { "1", "2" } << 1;
    QTest::newRow("No keeps everything") << 1 << false << QStringList { "1", "2", "3" } << 1;
}

void TestListPages::deleteSelectsTheRightRow()
{
    QFETCH(int, row);
    QFETCH(bool, yes);
    QFETCH(QStringList, left);
    QFETCH(int, selected);
    PageFixture f(AppointmentKind::Monthly);
    for (int day = 1; day <= 3; ++day)
        f.data.add(test::monthly(QString::number(day), QDate(2026, 3, day)));
    f.page->refresh();
    f.page->selectRow(row);
    f.prompter.answers = { yes };
    QTest::mouseClick(f.page->deleteButton, Qt::LeftButton);
    QCOMPARE(f.prompter.texts(QStringLiteral("question")),
        QStringList { QStringLiteral(" Stai per eliminare \"%1\"?").arg(row + 1) });
    QCOMPARE(f.shown(), left);
    QCOMPARE(f.page->currentRow(), selected);
}

void TestListPages::duplicate()
{
    PageFixture f(AppointmentKind::Yearly);
    Appointment birthday = test::yearly(QStringLiteral("Compleanno di Anna"), QDate(1990, 3, 20), italian());
    birthday.dayindex = 4;
    f.data.add(birthday);
    f.data.add(test::yearly(QStringLiteral("Anniversario"), QDate(2000, 4, 1), italian()));
    f.page->refresh();
    f.page->selectRow(0);
    QTest::mouseClick(f.page->duplicateButton, Qt::LeftButton);
    QCOMPARE(
        f.prompter.texts(), QStringList { "Gli eventi collegati ai contatti non possono essere duplicati." });
    QCOMPARE(f.shown().size(), 2);
    f.page->selectRow(1);
    QTest::mouseClick(f.page->duplicateButton, Qt::LeftButton);
    QCOMPARE(f.shown(), (QStringList { "Compleanno di Anna", "Anniversario", "Anniversario" }));
    QCOMPARE(f.page->currentRow(), 1);
}

void TestListPages::panels()
{
    PageFixture year(AppointmentKind::Yearly);
    Appointment a = test::yearly(QStringLiteral("Nozze"), QDate(2000, 3, 20), italian());
    a.dayofmonth = QStringLiteral("SI");
    a.note = QStringLiteral("fiori");
    a.allegato = QStringLiteral("foto.jpg");
    year.data.add(a);
    year.data.add(test::yearly(QStringLiteral("Ferie"), QDate(2000, 8, 1), italian()));
    year.page->refresh();
    QCOMPARE(year.page->datePanel->text(), QStringLiteral("20 marzo 2000   "));
    QCOMPARE(year.page->yearCount->text(), QStringLiteral("25 anni                          "));
    QCOMPARE(year.page->notes->toPlainText(), QStringLiteral("fiori"));
    QVERIFY(year.page->attachmentsButton->isEnabled());
    QTest::mouseClick(year.page->navigator[3], Qt::LeftButton);
    QCOMPARE(year.page->datePanel->text(), QStringLiteral("1 agosto   "));
    QCOMPARE(year.page->yearCount->text(), QString());
    QVERIFY(!year.page->attachmentsButton->isEnabled());

    PageFixture month(AppointmentKind::Monthly);
    month.data.add(test::monthly(QStringLiteral("Bolletta"), QDate(2026, 3, 5)));
    month.page->refresh();
    QCOMPARE(month.page->datePanel->text(), QStringLiteral("05") + QString(26, QLatin1Char(' ')));
    QCOMPARE(month.page->grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Giorno"));
}

void TestListPages::readOnlyRefusesEditors()
{
    PageFixture f(AppointmentKind::Weekly);
    f.data.add(test::weekly(QStringLiteral("Nuoto"), QDate(2026, 3, 16), italian()));
    f.page->refresh();
    f.readOnly = true;
    QTest::mouseClick(f.page->addButton, Qt::LeftButton);
    QTest::mouseClick(f.page->modifyButton, Qt::LeftButton);
    QVERIFY(f.edited.isEmpty());
    f.readOnly = false;
    QTest::mouseClick(f.page->addButton, Qt::LeftButton);
    QTest::mouseClick(f.page->modifyButton, Qt::LeftButton);
    QCOMPARE(f.edited, (QStringList { "new", "Nuoto" }));
}

void TestListPages::gridColours()
{
    PageFixture f(AppointmentKind::OneShot);
    Appointment x = test::oneShot(QStringLiteral("x"), QDate(2026, 1, 1));
    x.dayofweek = QStringLiteral("X");
    Appointment t = test::oneShot(QStringLiteral("t"), QDate(2026, 1, 2));
    t.dayofweek = QStringLiteral("T");
    Appointment s = test::oneShot(QStringLiteral("s"), QDate(2026, 1, 3));
    s.dayofweek = QStringLiteral("X");
    s.sospeso = QStringLiteral("Y"); // suspended wins over the marker
    for (const Appointment &a : { x, t, s })
        f.data.add(a);
    f.page->refresh();
    auto *delegate = qobject_cast<ListGridDelegate *>(f.page->grid->itemDelegate());
    QVERIFY(delegate);
    const auto colours = [&](int row, bool selected) {
        return delegate->cellColours(f.page->model().index(row, 3), selected);
    };
    QCOMPARE(colours(0, false), std::pair(QColor(0xF4, 0xF4, 0xF4), QColor(0xFF, 0, 0)));
    QCOMPARE(colours(1, false), std::pair(QColor(Qt::white), QColor(0, 0, 0xFF)));
    QCOMPARE(colours(2, false).second, QColor(0x4F, 0x4F, 0x4F));
    QCOMPARE(colours(1, true).first, QColor(0x40, 0x80, 0xC0));
    f.style = 1; // coloratissime: the section colour blended with white, 80 and 70
    QCOMPARE(colours(0, false).first,
        QColor(
            0x40 + (255 - 0x40) * 80 / 100, 0x80 + (255 - 0x80) * 80 / 100, 0xC0 + (255 - 0xC0) * 80 / 100));
    QCOMPARE(colours(1, false).first,
        QColor(
            0x40 + (255 - 0x40) * 70 / 100, 0x80 + (255 - 0x80) * 70 / 100, 0xC0 + (255 - 0xC0) * 70 / 100));
    // A page in the button-face colour: "colorate" rows keep the grid's own background.
    f.style = 0;
    f.plainRows = true;
    QCOMPARE(colours(0, false).first, QColor());
    QCOMPARE(colours(1, true).first, QColor(0x40, 0x80, 0xC0));
    f.page->show();
    QVERIFY(!f.page->grid->grab().isNull()); // every cell paints without a fault
}

void TestListPages::tableMenu_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("rows");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("newOn");
    QTest::addColumn<bool>("editOn");
    QTest::newRow("a list with rows") << false << false << true << true << true << true;
    QTest::newRow("an empty list") << false << false << false << true << true << false;
    QTest::newRow("locked window") << false << true << true << true << false << false;
    QTest::newRow("read-only: refused") << true << false << true << false << false << false;
}

// PopupMenuTabelle: "Elimina", "Modifica" and "Stampa" follow the delete button, nothing
// that changes data while locked, nothing at all in read-only mode.
void TestListPages::tableMenu()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, locked);
    QFETCH(bool, rows);
    QFETCH(bool, shown);
    QFETCH(bool, newOn);
    QFETCH(bool, editOn);
    PageFixture f(AppointmentKind::Weekly);
    if (rows)
        f.data.add(test::weekly(QStringLiteral("Nuoto"), QDate(2026, 3, 16), italian()));
    f.page->refresh();
    f.readOnly = readOnly;
    f.locked = locked;
    QMenu *menu = f.page->PopupMenuTabelle;
    QCOMPARE(menu->objectName(), QStringLiteral("PopupMenuTabelle"));
    QCOMPARE(f.page->prepareTableMenu(), shown);
    if (!shown)
        return;
    auto action = [menu](const char *name) {
        QAction *a = menu->findChild<QAction *>(QString::fromLatin1(name));
        if (!a)
            qFatal("no action %s", name);
        return a;
    };
    QCOMPARE(action("Nuovo1")->isEnabled(), newOn);
    for (const char *name : { "Elimina1", "Modifica1", "Stampa1" })
        QCOMPARE(action(name)->isEnabled(), editOn);
    QVERIFY(action("Annulla1")->isEnabled());
    if (editOn) {
        action("Modifica1")->trigger();
        QCOMPARE(f.edited, QStringList { "Nuoto" });
    }
    for (const char *name :
        { "Giornaliero1", "Annuale1", "Mensile1", "Settimanale1", "Contatto1", "Nota1", "Compito1" })
        action(name)->trigger();
    QCOMPARE(f.added, (QStringList { "O", "Y", "M", "W", "C", "N", "L" }));
}

// A double click on the notes box, or a click on the note picture, asks for the enlarged
// notes area and opens the modify dialog; Enter in the grid opens it as it is.
void TestListPages::notesOpenTheEnlargedEditor()
{
    PageFixture f(AppointmentKind::OneShot);
    Appointment withNote = test::oneShot(QStringLiteral("Cena"), QDate(2026, 5, 10));
    withNote.note = QStringLiteral("portare il vino");
    f.data.add(withNote);
    f.data.add(test::oneShot(QStringLiteral("Pranzo"), QDate(2026, 5, 11)));
    f.page->refresh();
    f.page->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.page.get()));
    QTest::mouseDClick(f.page->notes->viewport(), Qt::LeftButton);
    QCOMPARE(f.enlargedRequests, 1);
    QCOMPARE(f.edited, QStringList { "Cena" });

    auto clickCell = [&](int row, int column) {
        const QRect cell = f.page->grid->visualRect(f.page->model().index(row, column));
        QTest::mouseClick(f.page->grid->viewport(), Qt::LeftButton, {}, cell.center());
    };
    clickCell(0, 4); // the note picture
    QCOMPARE(f.enlargedRequests, 2);
    QCOMPARE(f.edited, (QStringList { "Cena", "Cena" }));
    clickCell(1, 4); // no note
    clickCell(0, 3); // the description
    QCOMPARE(f.enlargedRequests, 2);
    QCOMPARE(f.edited.size(), 2);
    f.page->selectRow(1);
    QTest::keyClick(f.page->grid, Qt::Key_Return);
    QCOMPARE(f.edited.last(), QStringLiteral("Pranzo"));
    QCOMPARE(f.enlargedRequests, 2);
}

// The theme's grid font and colours, and the section colour on the frame, the grid titles
// and the notes box.
void TestListPages::lookAndSectionColour()
{
    PageFixture f(AppointmentKind::Monthly);
    Appointment a = test::monthly(QStringLiteral("Affitto"), QDate(2026, 3, 1));
    a.note = QStringLiteral("bonifico");
    f.data.add(a);
    f.page->refresh();
    ListPageLook look;
    look.gridFont = QFont(QStringLiteral("Liberation Sans"), 13);
    look.colours.gridText = QColor(Qt::darkGreen);
    look.colours.titleText = QColor(Qt::yellow);
    f.page->applyLook(look);
    f.page->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.page.get()));
    const QColor section(0x40, 0x80, 0xC0);
    QCOMPARE(f.page->objectName(), QStringLiteral("Panel_Contorno_Month"));
    QCOMPARE(f.page->grab().toImage().pixelColor(0, 0), section);
    QHeaderView *header = f.page->grid->horizontalHeader();
    const QImage title = header->grab().toImage();
    QCOMPARE(title.pixelColor(header->sectionViewportPosition(3) + 4, 1), section);
    QCOMPARE(f.page->notes->palette().color(QPalette::Base), section);
    QCOMPARE(f.page->notes->palette().color(QPalette::Text), QColor(Qt::yellow));
    QCOMPARE(f.page->grid->font().pointSize(), 13);
    QCOMPARE(f.page->notes->font().pointSize(), 13);
    auto *delegate = qobject_cast<ListGridDelegate *>(f.page->grid->itemDelegate());
    const QModelIndex cell = f.page->model().index(0, 3);
    QCOMPARE(delegate->cellColours(cell, false).second, QColor(Qt::darkGreen));
    QCOMPARE(delegate->cellColours(cell, true).second, QColor(Qt::yellow));
}

// Each column as wide as its widest text (or field name) plus 10; times and notes 42,
// the day of the month 50; the hidden column stays hidden.
void TestListPages::fitColumns()
{
    PageFixture one(AppointmentKind::OneShot);
    const QString longest = QStringLiteral("Una descrizione davvero molto lunga per la colonna");
    one.data.add(test::oneShot(longest, QDate(2026, 5, 10)));
    one.data.add(test::oneShot(QStringLiteral("Breve"), QDate(2026, 5, 11)));
    one.page->refresh();
    one.page->fitColumns();
    const QFontMetrics metrics(one.page->grid->font());
    QTableView *grid = one.page->grid;
    QCOMPARE(grid->columnWidth(3), metrics.horizontalAdvance(longest) + 10);
    QCOMPARE(grid->columnWidth(0), metrics.horizontalAdvance(one.page->model().cellText(0, 0)) + 10);
    for (int c : { 1, 2, 4 })
        QCOMPARE(grid->columnWidth(c), 42);
    QVERIFY(grid->isColumnHidden(5));
    QVERIFY(!grid->isHidden());
    // Only what the list shows is measured; a quote in the search text is just a character.
    one.data.add(test::oneShot(QStringLiteral("Dall'avvocato"), QDate(2026, 5, 12)));
    QTest::keyClicks(one.page->findEdit, QStringLiteral("l'a"));
    QCOMPARE(one.page->model().columnTexts(3), QStringList { "Dall'avvocato" });
    one.page->fitColumns();
    QCOMPARE(grid->columnWidth(3),
        std::max(metrics.horizontalAdvance(QStringLiteral("Dall'avvocato")) + 10,
            grid->horizontalHeader()->minimumSectionSize()));
    QCOMPARE(one.page->model().columnTexts(0), QStringList { one.page->model().cellText(0, 0) });

    PageFixture month(AppointmentKind::Monthly);
    month.page->refresh();
    month.page->fitColumns();
    QCOMPARE(month.page->grid->columnWidth(0), 50);
    // An empty list: the field name, or the narrowest section the grid allows.
    QCOMPARE(month.page->grid->columnWidth(3),
        std::max(QFontMetrics(month.page->grid->font()).horizontalAdvance(QStringLiteral("id")) + 10,
            month.page->grid->horizontalHeader()->minimumSectionSize()));
}

// "Allegati" hands the row and the button to the agenda page.
void TestListPages::attachmentsButton()
{
    PageFixture f(AppointmentKind::Yearly);
    Appointment a = test::yearly(QStringLiteral("Nozze"), QDate(2000, 3, 20), italian());
    a.allegato = QStringLiteral("foto.jpg");
    f.data.add(a);
    f.page->refresh();
    QVERIFY(f.page->attachmentsButton->isEnabled());
    QTest::mouseClick(f.page->attachmentsButton, Qt::LeftButton);
    QCOMPARE(f.attachmentsOf, QStringList { "Nozze" });
    QCOMPARE(f.attachmentsUnder, f.page->attachmentsButton);
}
