#include "app/Application.h"

#include "store/StoreError.h"

#include <exception>

namespace vellamora {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) { }

void Application::setErrorReport(std::function<void(const QString &)> report)
{
    m_report = std::move(report);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const StoreError &e) {
        report(e.text());
    } catch (const std::exception &e) {
        report(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void Application::report(const QString &text)
{
    if (m_report)
        m_report(text);
    else
        qWarning("%s", qPrintable(text));
}

} // namespace vellamora
