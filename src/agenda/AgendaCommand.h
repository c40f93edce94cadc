#pragma once
#include "app/Regional.h"

#include <QtCore/QDate>
#include <QtCore/QString>
#include <QtCore/QStringList>

namespace vellamora::agenda {

// The working folder the command-line agenda reads by default: the program's default
// working folder, or the folder named by the first line of its Net.txt when that folder
// exists. Nothing is asked and Net.txt is never changed.
QString commandDefaultFolder(const QString &programFolder, const QString &logonName);

struct CommandOutput
{
    int exitCode = 0; // 0 done, 2 bad argument or no usable database
    QString out;
    QString err; // one sentence when exitCode is 2
};

// vellamora-agenda [--folder DIR] [--date YYYY-MM-DD] [--days N] [--tsv] [--help]
// `arguments` starts with the program name. The database is opened read-only.
CommandOutput runAgendaCommand(const QStringList &arguments, const QString &programFolder,
    const QString &logonName, const QDate &today, const Regional &regional);

} // namespace vellamora::agenda
