#pragma once
#include <QtCore/QString>

namespace vellamora {

// The desktop's services: opening documents, shortcuts, user facts.
class Shell
{
public:
    virtual ~Shell() = default;
    // Opens a file, folder or address with its associated program; false on failure.
    virtual bool open(const QString &target) = 0;
    // The name under which the user logged on; may be empty.
    virtual QString logonName() const = 0;
    virtual QString desktopFolder() const = 0;
    // The user's autostart folder (XDG).
    virtual QString autostartFolder() const = 0;
    // Writes a desktop entry that starts `program` in `workingFolder`.
    virtual bool writeDesktopEntry(const QString &path, const QString &program,
                                   const QString &workingFolder) = 0;
    virtual bool dial(const QString &number) = 0;
    // Bits per pixel of the screen.
    virtual int colourDepth() const = 0;
};

// The real desktop, through Qt's services.
class DesktopShell final : public Shell
{
public:
    bool open(const QString &target) override;
    QString logonName() const override;
    QString desktopFolder() const override;
    QString autostartFolder() const override;
    bool writeDesktopEntry(const QString &path, const QString &program,
                           const QString &workingFolder) override;
    bool dial(const QString &number) override;
    int colourDepth() const override;
};

} // namespace vellamora
