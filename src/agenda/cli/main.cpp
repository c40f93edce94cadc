// vellamora-agenda: prints the day agenda of one or more dates from a working folder's
// database, for scripts and quick looks. Reads only; see --help.
#include "agenda/AgendaCommand.h"
#include "app/Regional.h"
#include "platform/Shell.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDate>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const vellamora::agenda::CommandOutput result
        = vellamora::agenda::runAgendaCommand(QCoreApplication::arguments(), programFolder,
            vellamora::DesktopShell().logonName(), QDate::currentDate(), vellamora::Regional::system());
    const QByteArray out = result.out.toUtf8();
    const QByteArray err = result.err.toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fwrite(err.constData(), 1, size_t(err.size()), stderr);
    return result.exitCode;
}
