#pragma once
// The application object: the default error handler of every event handler.
#include <QtWidgets/QApplication>

#include <functional>

namespace vellamora {

// An error raised by the database or a file operation inside an event handler and not
// caught there ends that handler: its text goes to the error report and the message loop
// goes on (a dialog that was open stays open with what the user typed).
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);

    // Where uncaught errors are reported; until it is set they are written to stderr.
    void setErrorReport(std::function<void(const QString &)> report);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void report(const QString &text);

    std::function<void(const QString &)> m_report;
};

} // namespace vellamora
