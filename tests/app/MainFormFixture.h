#pragma once
#include "app/Services.h"
#include "app/TMainForm.h"
#include "support/TestDoubles.h"

#include <QtCore/QTemporaryDir>
#include <memory>

namespace vellamora::test {

// A program folder of its own, doubles for every seam, and the real main window.
struct MainFormFixture
{
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompter prompter;
    ScriptedFileChooser files;
    RecordingShell shell;
    RecordingSoundPlayer sound;
    QStringList arguments;
    // What a modal dialog does when shown; by default it is left with Esc.
    std::function<int(QDialog &)> onModal;
    std::unique_ptr<TMainForm> form;
    int modalShown = 0;

    // Errors that end an event handler go to this fixture's prompter, as in the program.
    MainFormFixture();
    ~MainFormFixture();
    QString programFolder() const { return dir.path() + QStringLiteral("/"); }
    QString workingFolder() const { return programFolder() + QStringLiteral("vellarcs/marioArc/"); }
    Services services();
    TMainForm &start();
    // Lets the message loop run the start-up timers until the window is up (or not).
    void comeUp();
    // Creates the working folder's database with its schema and runs `fill` on it.
    void prepareDatabase(const std::function<void(Database &)> &fill);
};

} // namespace vellamora::test
