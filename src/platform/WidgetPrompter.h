#pragma once
#include "platform/Prompter.h"

class QWidget;

namespace vellamora {

// Message boxes shown with QMessageBox, parented to the main window when there is one.
class WidgetPrompter final : public Prompter
{
public:
    explicit WidgetPrompter(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    bool question(const QString &text) override;
    bool warningQuestion(const QString &text) override;
    void warning(const QString &text) override;
    void information(const QString &text, const QString &caption = {}) override;
    void plain(const QString &text) override;
    void errorReport(const QString &text) override;
    std::optional<QString> inputBox(const QString &caption, const QString &prompt,
                                    const QString &initial) override;

private:
    QWidget *m_parent;
};

} // namespace vellamora
