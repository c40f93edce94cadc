#include "app/WorkingFolder.h"

#include "platform/Prompter.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

namespace vellamora {

DefaultFolder computeDefaultWorkingFolder(const QString &programFolder, const QString &logonName)
{
    const QString prefix = programFolder + QStringLiteral("vellarcs/");
    QString path = prefix;
    path += logonName.isEmpty() ? QStringLiteral("generic") : logonName + QStringLiteral("Arc");
    if (path.size() > kDefaultFolderLimit && prefix.size() < kDefaultFolderLimit - 1)
        path.truncate(kDefaultFolderLimit);
    DefaultFolder result;
    result.surplus = path.size() > kDefaultFolderLimit ? int(path.size()) - kDefaultFolderLimit : 0;
    result.path = path + QLatin1Char('/');
    return result;
}

QString tooLongMessage(const QString &programFolder, int surplus)
{
    return QStringLiteral("Il percorso dove stai cercando di eseguirmi è troppo lungo:\r\n")
           + QDir::toNativeSeparators(programFolder) + QStringLiteral("\r\n\r\n")
           + QStringLiteral("Devi installarmi in un altro più corto di almeno ")
           + QString::number(surplus) + QStringLiteral(" caratteri.");
}

QString redirectionFile(const QString &defaultFolder)
{
    return QDir(defaultFolder).filePath(QStringLiteral("Net.txt"));
}

Redirection applyRedirection(const QString &defaultFolder, Prompter &prompter)
{
    Redirection result{defaultFolder, false};
    const QString netFile = redirectionFile(defaultFolder);
    if (!QFileInfo::exists(netFile))
        return result;
    result.netFileExists = true;

    QString line;
    QFile file(netFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        line = QString::fromUtf8(file.readLine()).trimmed();
    file.close();

    if (!line.isEmpty() && QFileInfo(line).isDir()) {
        result.workingFolder = line.endsWith(QLatin1Char('/')) ? line : line + QLatin1Char('/');
        return result;
    }
    const bool keepLooking = prompter.question(
        QStringLiteral("Dato che non ho trovato la nuova cartella di lavoro che mi hai assegnato (") + line
        + QStringLiteral("), sono tornato a lavorare in quella di default (")
        + QDir::toNativeSeparators(defaultFolder)
        + QStringLiteral("). Vuoi che continuo a cercarla al mio prossimo riavvio?"));
    if (!keepLooking) {
        QFile::remove(netFile);
        result.netFileExists = QFileInfo::exists(netFile);
        prompter.information(QStringLiteral("Ok, da adesso in poi si riprende a lavorare nella cartella di default!"));
    }
    return result;
}

bool writeRedirection(const QString &defaultFolder, const QString &folder)
{
    QDir().mkpath(defaultFolder);
    QFile file(redirectionFile(defaultFolder));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(folder.toUtf8() + "\r\n");
    return file.error() == QFileDevice::NoError;
}

} // namespace vellamora
