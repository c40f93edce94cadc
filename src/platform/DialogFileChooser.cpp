#include "platform/DialogFileChooser.h"

#include <QtWidgets/QColorDialog>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QFontDialog>

namespace vellamora {

namespace {
std::optional<QString> chosen(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    return path;
}
} // namespace

std::optional<QString> DialogFileChooser::openFile(const QString &caption, const QString &folder,
                                                   const QString &filter)
{
    return chosen(QFileDialog::getOpenFileName(m_parent, caption, folder, filter));
}

std::optional<QString> DialogFileChooser::saveFile(const QString &caption,
                                                   const QString &suggestedPath,
                                                   const QString &filter)
{
    // The program asks its own overwrite question, so the dialog must not.
    return chosen(QFileDialog::getSaveFileName(m_parent, caption, suggestedPath, filter, nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

std::optional<QString> DialogFileChooser::folder(const QString &caption, const QString &start)
{
    return chosen(QFileDialog::getExistingDirectory(m_parent, caption, start));
}

std::optional<QColor> DialogFileChooser::colour(const QColor &initial)
{
    const QColor colour = QColorDialog::getColor(initial, m_parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

std::optional<QFont> DialogFileChooser::font(const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, m_parent);
    if (!ok)
        return std::nullopt;
    return font;
}

} // namespace vellamora
