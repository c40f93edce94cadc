#include "platform/WidgetPrompter.h"

#include <QtWidgets/QInputDialog>
#include <QtWidgets/QMessageBox>

namespace vellamora {

namespace {

// The texts use a lone carriage return as line break; Qt wants a line feed.
QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int showBox(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text,
            QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption.isEmpty() ? Prompter::caption() : caption, displayText(text),
                    buttons, parent);
    return box.exec();
}

} // namespace

bool WidgetPrompter::question(const QString &text)
{
    return showBox(m_parent, QMessageBox::Question, {}, text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

bool WidgetPrompter::warningQuestion(const QString &text)
{
    return showBox(m_parent, QMessageBox::Warning, {}, text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void WidgetPrompter::warning(const QString &text)
{
    showBox(m_parent, QMessageBox::Warning, {}, text, QMessageBox::Ok);
}

void WidgetPrompter::information(const QString &text, const QString &caption)
{
    showBox(m_parent, QMessageBox::Information, caption, text, QMessageBox::Ok);
}

void WidgetPrompter::plain(const QString &text)
{
    showBox(m_parent, QMessageBox::NoIcon, {}, text, QMessageBox::Ok);
}

void WidgetPrompter::errorReport(const QString &text)
{
    showBox(m_parent, QMessageBox::Critical, {}, text, QMessageBox::Ok);
}

std::optional<QString> WidgetPrompter::inputBox(const QString &caption, const QString &prompt,
                                                const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal,
                                               initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

} // namespace vellamora
