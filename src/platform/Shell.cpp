#include "platform/Shell.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>
#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>
#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

#include <pwd.h>
#include <unistd.h>

namespace vellamora {

bool DesktopShell::open(const QString &target)
{
    if (target.isEmpty())
        return false;
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return false;
    return QDesktopServices::openUrl(url);
}

QString DesktopShell::logonName() const
{
    if (const passwd *pw = getpwuid(getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

QString DesktopShell::desktopFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString DesktopShell::autostartFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart");
}

bool DesktopShell::writeDesktopEntry(const QString &path, const QString &program,
                                     const QString &workingFolder)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Vellamora\n"
                                        "Comment=Organizer\nExec=\"")
                         + program + QStringLiteral("\"\nPath=") + workingFolder
                         + QStringLiteral("\nTerminal=false\nCategories=Office;Calendar;\n");
    file.write(text.toUtf8());
    return file.error() == QFileDevice::NoError;
}

bool DesktopShell::dial(const QString &number)
{
    return QDesktopServices::openUrl(QUrl(QStringLiteral("tel:") + number));
}

int DesktopShell::colourDepth() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

} // namespace vellamora
