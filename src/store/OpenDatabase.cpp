#include "store/OpenDatabase.h"

#include "app/DatePicture.h"
#include "platform/Prompter.h"
#include "store/Database.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

namespace vellamora {

QString databaseFile(const QString &workingFolder)
{
    return QDir(workingFolder).filePath(QStringLiteral("vmarc.abs"));
}

bool openWorkingDatabase(Database &db, const QString &workingFolder, const QDateTime &now,
                         const Regional &regional, Prompter &prompter)
{
    QDir folder(workingFolder);
    if (!folder.exists() && !QDir().mkpath(workingFolder))
        prompter.warning(QStringLiteral("Abbiamo un bel problema! Non riesco a creare la cartella \"")
                         + QDir::toNativeSeparators(workingFolder) + QLatin1Char('"'));

    bool restored = false;
    const QString pending = folder.filePath(QStringLiteral("restore.abs"));
    const QString current = databaseFile(workingFolder);
    if (QFileInfo::exists(pending)) {
        restored = true;
        bool currentMoved = true;
        if (QFileInfo::exists(current)) {
            const QString kept = folder.filePath(
                QStringLiteral("vmarc-") + formatDatePicture(now, QStringLiteral("yyyy-mm-dd-hh-nn-ss"), regional)
                + QStringLiteral(".abs"));
            currentMoved = QFile::rename(current, kept);
            if (!currentMoved)
                prompter.plain(QStringLiteral("Non riesco ad importare il backup!"));
        }
        // Never rename over a database that could not be set aside.
        // Never rename over a database that could not be set aside: that rename counts as failed.
        if (!currentMoved || !QFile::rename(pending, current))
            prompter.plain(QStringLiteral("Non riesco ad importare il backup!"));
    }
    db.open(current);
    return restored;
}

} // namespace vellamora
