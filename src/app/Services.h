#pragma once
#include "app/Regional.h"

#include <QtCore/QStringList>
#include <functional>

class QDialog;

namespace vellamora {

class Clock;
class Prompter;
class FileChooser;
class Shell;
class SoundPlayer;

// Everything the windows need from outside, handed in at construction so that
// tests can put doubles in its place.
struct Services
{
    Clock &clock;
    Prompter &prompter;
    FileChooser &files;
    Shell &shell;
    SoundPlayer &sound;
    QString programFolder;    // with a trailing '/'
    QStringList arguments;    // command-line arguments without the program
    Regional regional;
    // Shows a dialog modally and returns its result; tests fill and confirm it instead.
    std::function<int(QDialog &)> runModal;
    // Whether the desktop has a notification area for the tray icon.
    bool trayAvailable = true;
    // The program file, for the autostart entry and the desktop shortcut; empty means
    // "vellamora" in the program folder.
    QString executable = {};

    QString programFile() const
    {
        return executable.isEmpty() ? programFolder + QStringLiteral("vellamora") : executable;
    }
};

} // namespace vellamora
