#include "MainFormFixture.h"

#include "app/Application.h"
#include "app/Regional.h"
#include "store/OpenDatabase.h"
#include "store/Schema.h"

#include <QtTest/QTest>
#include <QtWidgets/QDialog>

namespace vellamora::test {

MainFormFixture::MainFormFixture()
{
    clock.set(QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
    shell.desktop = dir.filePath(QStringLiteral("Desktop"));
    shell.autostart = dir.filePath(QStringLiteral("autostart"));
    if (auto *app = dynamic_cast<Application *>(QCoreApplication::instance()))
        app->setErrorReport([this](const QString &text) { prompter.errorReport(text); });
}

MainFormFixture::~MainFormFixture()
{
    if (auto *app = dynamic_cast<Application *>(QCoreApplication::instance()))
        app->setErrorReport({});
}

Services MainFormFixture::services()
{
    return Services { clock, prompter, files, shell, sound, programFolder(), arguments, Regional::italian(),
        [this](QDialog &dialog) {
            ++modalShown;
            return onModal ? onModal(dialog) : int(QDialog::Rejected);
        },
        false };
}

TMainForm &MainFormFixture::start()
{
    form = std::make_unique<TMainForm>(services());
    return *form;
}

void MainFormFixture::comeUp()
{
    for (int i = 0; i < 20; ++i)
        QTest::qWait(5);
}

void MainFormFixture::prepareDatabase(const std::function<void(Database &)> &fill)
{
    Database db;
    openWorkingDatabase(db, workingFolder(), clock.now(), Regional::italian(), prompter);
    schema::ensureSchema(db, { workingFolder(), programFolder(), true });
    fill(db);
    prompter.clear();
}

} // namespace vellamora::test
