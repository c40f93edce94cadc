// Renders the main window and its pages into PNG files, for the README and for
// looking at what a change does. Runs the real window on a sample database in a
// temporary program folder; message boxes are answered by a double.
#include "app/Regional.h"
#include "app/Services.h"
#include "app/TMainForm.h"
#include "app/TTabShowForm.h"
#include "store/Database.h"
#include "store/OpenDatabase.h"
#include "store/Schema.h"
#include "support/TestDoubles.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>

#include <cstdio>

using namespace vellamora;

namespace {

void addSample(Database &db, const QDate &today)
{
    struct Row
    {
        const char *id;
        const char *start;
        const char *end;
    };
    for (const Row &r : {Row{"Riunione di redazione", "09:30", "11:00"}, Row{"Caffè con Giulia", "16:00", "  :  "},
                         Row{"Palestra", "  :  ", "  :  "}})
        db.insert(QStringLiteral("VNarc66"), {{QStringLiteral("id"), QString::fromUtf8(r.id)},
                                              {QStringLiteral("flag"), QStringLiteral("O")},
                                              {QStringLiteral("datefull"), today},
                                              {QStringLiteral("orario"), QString::fromLatin1(r.start)},
                                              {QStringLiteral("orario2"), QString::fromLatin1(r.end)},
                                              {QStringLiteral("fatto"), today.addDays(-150000)},
                                              {QStringLiteral("flagfatto"), QStringLiteral("N")},
                                              {QStringLiteral("sospeso"), QStringLiteral("N")},
                                              {QStringLiteral("flagscad"), QStringLiteral("N")}});
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);
    QTemporaryDir dir;
    const QString program = dir.path() + QStringLiteral("/");
    const QString work = program + QStringLiteral("vellarcs/marioArc/");

    test::FakeClock clock(QDateTime(QDate(2026, 12, 11), QTime(10, 15, 30)));
    test::ScriptedPrompter prompter;
    test::ScriptedFileChooser files;
    test::RecordingShell shell;
    test::RecordingSoundPlayer sound;
    {
        Database db;
        openWorkingDatabase(db, work, clock.now(), Regional::italian(), prompter);
        schema::ensureSchema(db, {work, program, true});
        addSample(db, clock.today());
    }
    Services services{clock, prompter, files, shell, sound, program, {}, Regional::italian(),
                      [](QDialog &) { return int(QDialog::Rejected); }, false};
    TMainForm form(services);
    QTest::qWait(100);
    form.activateWindow();
    form.TimerOrologioTimer();

    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControlMenu"));
    const QString main = out + QStringLiteral("/main-window.png");
    pages->setCurrentWidget(form.TabSheetTODAY);
    QTest::qWait(50);
    if (!form.grab().save(main))
        return 1;
    std::printf("%s\n", qPrintable(main));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(20);
        const QString file = out + QStringLiteral("/page-") + pages->widget(i)->objectName() + QStringLiteral(".png");
        form.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }

    auto save = [&](QWidget &widget, const char *name) {
        QTest::qWait(20);
        const QString file = out + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png");
        widget.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    };
    // The special options panel, with a password typed and not yet confirmed.
    pages->setCurrentWidget(form.TabSheetSetup);
    form.options().SpeedButton_VaiSpeciale->click();
    form.options().Edit_ImpostaPSW->setText(QStringLiteral("segreto"));
    save(form, "options-special");
    // The tab visibility dialog.
    {
        TTabShowForm tabs(services, form.database(), form.settings(), Qt::lightGray, 100, &form);
        tabs.show();
        save(tabs, "tab-visibility");
    }
    // The locked window.
    prompter.inputs = {QStringLiteral("segreto")};
    form.options().SpeedButton_PSW->click();
    save(form, "locked");
    return 0;
}
