#pragma once
#include "platform/FileChooser.h"

class QWidget;

namespace vellamora {

// The standard Qt file, folder, colour and font dialogs.
class DialogFileChooser final : public FileChooser
{
public:
    explicit DialogFileChooser(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<QString> openFile(const QString &caption, const QString &folder,
                                    const QString &filter) override;
    std::optional<QString> saveFile(const QString &caption, const QString &suggestedPath,
                                    const QString &filter) override;
    std::optional<QString> folder(const QString &caption, const QString &start) override;
    std::optional<QColor> colour(const QColor &initial) override;
    std::optional<QFont> font(const QFont &initial) override;

private:
    QWidget *m_parent;
};

} // namespace vellamora
