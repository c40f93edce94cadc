#pragma once
#include <QtCore/QString>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <optional>

namespace vellamora {

// The file, folder, colour and font dialogs. Each returns nothing when cancelled.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> openFile(const QString &caption, const QString &folder,
                                            const QString &filter) = 0;
    virtual std::optional<QString> saveFile(const QString &caption, const QString &suggestedPath,
                                            const QString &filter) = 0;
    virtual std::optional<QString> folder(const QString &caption, const QString &start) = 0;
    virtual std::optional<QColor> colour(const QColor &initial) = 0;
    virtual std::optional<QFont> font(const QFont &initial) = 0;
};

} // namespace vellamora
