#include "tests.h"

#include "MainFormFixture.h"
#include "agenda/AppointmentEditor.h"
#include "agenda/AppointmentListPage.h"

#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
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
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("Edit_id")), QStringLiteral("affitto"));
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
    QCOMPARE(page->model().appointment(0).id, QStringLiteral("Affitto"));
    QCOMPARE(page->model().appointment(0).dayofmonth, agenda::dayText(f.clock.today()));
    QVERIFY(page->modifyButton->isEnabled());
}
