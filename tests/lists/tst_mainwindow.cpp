#include "tests.h"

#include "AgendaFixture.h"
#include "MainFormFixture.h"
#include "agenda/AppointmentEditor.h"
#include "agenda/AppointmentListPage.h"
#include "agenda/TSelectForm.h"
#include "app/DatePicture.h"
#include "app/OptionsPage.h"
#include "themes/Colour.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTableView>
#include <QtWidgets/QToolButton>

using namespace vellamora;

// The monthly page's add button opens TAggMeseForm through the modal seam; what it saves
// shows in the page's grid and count.
void TestListsInWindow::addThroughTheWindow()
{
    test::MainFormFixture f;
    f.onModal = [](QDialog &dialog) {
        if (dialog.objectName() != QLatin1String("TAggMeseForm"))
            return int(QDialog::Rejected);
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("Edit_id")),
            QStringLiteral("affitto dell'appartamento"));
        QTest::mouseClick(
            dialog.findChild<QToolButton *>(QStringLiteral("SpeedButtonAddClose")), Qt::LeftButton);
        return dialog.result();
    };
    TMainForm &form = f.start();
    f.comeUp();
    auto *add = form.findChild<QToolButton *>(QStringLiteral("SpeedButtonAggMese"));
    QVERIFY(add);
    QTest::mouseClick(add, Qt::LeftButton);
    agenda::AppointmentListPage *page = form.listPage(2);
    QCOMPARE(page->model().rowCount(), 1);
    QCOMPARE(page->model().appointment(0).id, QStringLiteral("Affitto dell'appartamento"));
    QCOMPARE(page->model().appointment(0).dayofmonth, agenda::dayText(f.clock.today()));
    QVERIFY(page->modifyButton->isEnabled());
    // The columns were fitted to what the list now holds.
    QCOMPARE(page->grid->columnWidth(3),
        QFontMetrics(page->grid->font()).horizontalAdvance(QStringLiteral("Affitto dell'appartamento")) + 10);
}

namespace {

void addAll(Database &db, const std::vector<Appointment> &list)
{
    for (const Appointment &a : list)
        db.insert(QStringLiteral("VNarc66"), agenda::appointmentValues(a));
}

} // namespace

// After a saved modify the grid is back on the row it was on.
void TestListsInWindow::modifyReturnsToTheRow()
{
    test::MainFormFixture f;
    f.prepareDatabase([](Database &db) {
        addAll(db,
            { test::monthly(QStringLiteral("Acqua"), QDate(2026, 1, 1)),
                test::monthly(QStringLiteral("Gas"), QDate(2026, 1, 2)),
                test::monthly(QStringLiteral("Luce"), QDate(2026, 1, 3)) });
    });
    f.onModal = [](QDialog &dialog) {
        if (dialog.objectName() != QLatin1String("TModMeseForm"))
            return int(QDialog::Rejected);
        dialog.findChild<QLineEdit *>(QStringLiteral("Edit_id"))->setText(QStringLiteral("luce e gas"));
        QTest::mouseClick(dialog.findChild<QToolButton *>(QStringLiteral("SpeedButtonMod")), Qt::LeftButton);
        return dialog.result();
    };
    TMainForm &form = f.start();
    f.comeUp();
    agenda::AppointmentListPage *page = form.listPage(2);
    page->selectRow(2);
    QTest::mouseClick(page->modifyButton, Qt::LeftButton);
    QCOMPARE(page->currentRow(), 2);
    QCOMPARE(page->model().appointment(2).id, QStringLiteral("Luce e gas"));
    QCOMPARE(page->notes->toPlainText(), QString());
}

// The window opens its editors scaled by the dialog scale, in the kind's section colour
// with the theme's tab font colour.
void TestListsInWindow::editorScaledAndColoured()
{
    test::MainFormFixture f;
    f.prepareDatabase([](Database &db) {
        db.update(QStringLiteral("VNset63"), { { QStringLiteral("scala_index"), 5 } });
    });
    qreal points = 0;
    QColor frame;
    QColor title;
    QSize size;
    f.onModal = [&](QDialog &dialog) {
        dialog.show();
        size = dialog.size();
        points = dialog.font().pointSizeF();
        frame = dialog.palette().color(QPalette::Window);
        title = dialog.findChild<QLabel *>(QStringLiteral("Panel_TitoloForm"))
                    ->palette()
                    .color(QPalette::WindowText);
        dialog.hide();
        return int(QDialog::Rejected);
    };
    TMainForm &form = f.start();
    f.comeUp();
    QTest::mouseClick(form.listPage(1)->addButton, Qt::LeftButton);
    QCOMPARE(points, QApplication::font().pointSizeF() * 1.5);
    QCOMPARE(frame, colour::toQColor(form.sectionColours()[1]));
    QCOMPARE(title, form.tabFontColour());
    // The same dialog at its designed size.
    agenda::EditorContext designed = form.editorContext(AppointmentKind::Yearly);
    designed.scalePercent = 100;
    agenda::AppointmentEditor plain(AppointmentKind::Yearly, designed, std::nullopt, &form);
    plain.show();
    // The width grows by the scale; the height at least by it, and a little more where
    // the style's own parts (check marks, frames) do not shrink in proportion to the text.
    QCOMPARE(size.width(), qRound(plain.width() * 1.5));
    QVERIFY2(size.height() >= qRound(plain.height() * 1.5) && size.height() <= plain.height() * 1.65,
        qPrintable(QStringLiteral("%1 for %2").arg(size.height()).arg(plain.height())));
}

// One calendar dialog serves every editor for the program's life.
void TestListsInWindow::calendarKeptForTheProgram()
{
    test::MainFormFixture f;
    std::vector<QDialog *> calendars;
    f.onModal = [&](QDialog &dialog) {
        if (dialog.objectName() == QLatin1String("TSelectForm")) {
            calendars.push_back(&dialog);
            return int(QDialog::Rejected);
        }
        dialog.show();
        QTest::mouseClick(
            dialog.findChild<QToolButton *>(QStringLiteral("SpeedButtonShowCalendar")), Qt::LeftButton);
        dialog.hide();
        return int(QDialog::Rejected);
    };
    TMainForm &form = f.start();
    f.comeUp();
    QTest::mouseClick(form.listPage(0)->addButton, Qt::LeftButton);
    QTest::mouseClick(form.listPage(3)->addButton, Qt::LeftButton);
    QCOMPARE(calendars.size(), size_t(2));
    QCOMPARE(calendars[0], calendars[1]);
    QCOMPARE(static_cast<QDialog *>(form.selectForm()), calendars[0]);
    // A new dialog scale gives the next editor a calendar at that scale.
    QComboBox *scale = form.options().ComboBoxScala;
    scale->setCurrentIndex(5);
    Q_EMIT scale->activated(5);
    QCOMPARE(form.selectForm(), nullptr);
    QTest::mouseClick(form.listPage(2)->addButton, Qt::LeftButton);
    QCOMPARE(calendars.size(), size_t(3));
    QCOMPARE(form.selectForm()->scalePercent(), 150);
}

// A new one-shot date format shows at once in the list and its date panel, on the same row.
void TestListsInWindow::dateFormatChangeShows()
{
    test::MainFormFixture f;
    f.prepareDatabase([](Database &db) {
        addAll(db,
            { test::oneShot(QStringLiteral("Cena"), QDate(2026, 12, 20)),
                test::oneShot(QStringLiteral("Pranzo"), QDate(2026, 12, 21)) });
    });
    TMainForm &form = f.start();
    f.comeUp();
    agenda::AppointmentListPage *page = form.listPage(0);
    page->selectRow(1);
    QComboBox *formats = form.options().ComboBox_FormatoDataShot;
    const int index = formats->currentIndex() == 0 ? 1 : 0;
    formats->setCurrentIndex(index);
    Q_EMIT formats->activated(index);
    const QString picture = formats->itemText(index);
    const QString expected = formatDatePicture(QDate(2026, 12, 21), picture, f.services().regional);
    QCOMPARE(page->currentRow(), 1);
    QCOMPARE(page->model().cellText(1, 0), expected);
    QCOMPARE(page->datePanel->text(), expected + QStringLiteral("   "));
}

// With the timed alarm on, every list opening after start-up reads the alarm list again.
void TestListsInWindow::listOpeningRefreshesAlarms()
{
    test::MainFormFixture f;
    f.prepareDatabase([](Database &db) {
        db.update(QStringLiteral("VNset63"), { { QStringLiteral("timecheck"), QStringLiteral("Y") } });
    });
    TMainForm &form = f.start();
    f.comeUp();
    QVERIFY(form.options().CheckBox_TimeCheck->isChecked());
    QVERIFY(form.alarmList().empty());
    Appointment a = test::oneShot(QStringLiteral("Dentista"), f.clock.today());
    a.orario = QStringLiteral("11:00");
    addAll(form.database(), { a });
    QTest::keyClicks(form.listPage(0)->findEdit, QStringLiteral("d"));
    QCOMPARE(form.alarmList().size(), size_t(1));
}
