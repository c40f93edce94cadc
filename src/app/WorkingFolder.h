#pragma once
#include <QtCore/QString>

namespace vellamora {

class Prompter;

// Longest default working folder, and longest folder a user may choose.
inline constexpr int kDefaultFolderLimit = 127;
inline constexpr int kChosenFolderLimit = 125;

struct DefaultFolder
{
    QString path;      // with a trailing separator
    int surplus = 0;   // characters beyond the limit; the program cannot run when > 0
};

// programFolder (with trailing separator) + "vellarcs/" + logon name + "Arc",
// or + "vellarcs/generic" without a name; the name part is cut so that the
// path has at most 127 characters when the prefix leaves room for it.
DefaultFolder computeDefaultWorkingFolder(const QString &programFolder, const QString &logonName);

// The warning shown when the default working folder cannot fit.
QString tooLongMessage(const QString &programFolder, int surplus);

// Where Net.txt lives.
QString redirectionFile(const QString &defaultFolder);

struct Redirection
{
    QString workingFolder;
    bool netFileExists = false; // after the question: false when the user gave it up
};

// Reads Net.txt in the default working folder. When it names a folder that
// exists, that folder becomes the working folder; when not, the user is asked
// whether to keep looking for it next time (anything but Yes deletes Net.txt).
// A Net.txt that cannot be read counts as naming no folder.
Redirection applyRedirection(const QString &defaultFolder, Prompter &prompter);

// Writes `folder` as the only line of Net.txt (line ended by CR LF).
bool writeRedirection(const QString &defaultFolder, const QString &folder);

} // namespace vellamora
