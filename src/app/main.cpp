// Vellamora: hands the command line to a running instance, or starts the organizer.
#include "app/Application.h"
#include "app/Regional.h"
#include "app/Services.h"
#include "app/SingleInstance.h"
#include "app/TMainForm.h"
#include "platform/Clock.h"
#include "platform/DialogFileChooser.h"
#include "platform/QtSoundPlayer.h"
#include "platform/Shell.h"
#include "platform/WidgetPrompter.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QSystemTrayIcon>

using namespace vellamora;

namespace {

// The program folder: the executable's folder, or VELLAMORA_PROGRAM_FOLDER when set
// (so a second copy, or a test, can keep its data elsewhere).
QString programFolder()
{
    QString folder = qEnvironmentVariable("VELLAMORA_PROGRAM_FOLDER");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

int main(int argc, char **argv)
{
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellamora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vellamora"));
    QApplication::setApplicationVersion(QStringLiteral(VELLAMORA_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    installQtTexts(app);
    const QStringList arguments = app.arguments().mid(1);

    if (handover::handOver(arguments) == handover::Result::Accepted)
        return 0;
    SingleInstanceServer server;
    server.listen(); // a further instance (hand-over refused) runs without listening

    SystemClock clock;
    WidgetPrompter prompter;
    app.setErrorReport([&prompter](const QString &text) { prompter.errorReport(text); });
    DialogFileChooser files;
    DesktopShell shell;
    QtSoundPlayer sound;
    Services services { clock, prompter, files, shell, sound, programFolder(), arguments, Regional::system(),
        [](QDialog &dialog) { return dialog.exec(); }, QSystemTrayIcon::isSystemTrayAvailable(),
        QCoreApplication::applicationFilePath() };
    TMainForm form(services);
    prompter.setParent(&form);
    files.setParent(&form);
    if (form.isTerminated())
        return 0;
    QObject::connect(
        &server, &SingleInstanceServer::bringToFrontRequested, &form, &TMainForm::bringToFrontRequested);
    QObject::connect(&server, &SingleInstanceServer::argumentsReceived, &form, &TMainForm::argumentsReceived);
    QObject::connect(&server, &SingleInstanceServer::invalidHandOver, &form,
        [&prompter](const QString &text) { prompter.errorReport(text); });
    const int code = app.exec();
    app.setErrorReport({}); // the prompter goes before the application
    return code;
}
