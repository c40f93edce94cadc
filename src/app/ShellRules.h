#pragma once
#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtGui/QColor>
#include <optional>

class QRandomGenerator;

namespace vellamora {

class Database;
class Shell;

// Rules of the main window's shell that need no widget.
namespace shell {

// ---- count panels
struct CountSection
{
    QChar letter;
    const char *countSql; // counts every row of the section
    const char *panel; // the page's panel showing the rows shown (nullptr: none)
    const char *label; // the label on the agenda page showing the total
    const char *prefix;
};
// The section of a letter O Y M W C N L D, or nothing.
const CountSection *countSection(QChar letter);
// The panel text: the count and three blanks when everything is shown, else "shown / total   ".
QString countPanelText(int shown, int total);
// The total rows of a section (raises StoreError).
int sectionTotal(Database &db, const CountSection &section);

// ---- deletion phrase
constexpr int kDeletionDraws = 14;
// The closing phrase of a deletion question for a draw 0..13.
QString deletionPhrase(int draw);
QString deletionPhrase(QRandomGenerator &random);

// ---- window size
constexpr QSize kMinimumSize { 670, 592 };
// Whether a size is accepted: any while the first appearance is pending.
bool sizeAccepted(const QSize &size, bool firstAppearancePending);
// "Default" is enabled when not maximised and the size differs from the recommended one.
bool defaultSizeEnabled(bool maximized, const QSize &size);
QString fixCaption(const QSize &size);

// ---- desktop entries
QString autostartEntryPath(const Shell &shell);
QString desktopShortcutPath(const Shell &shell);
bool autostartEntryExists(const Shell &shell);
// Writes the entry starting `program` in its folder; false on failure.
bool createAutostartEntry(Shell &shell, const QString &program);
bool removeAutostartEntry(const Shell &shell);
bool createDesktopShortcut(Shell &shell, const QString &program);

// ---- colours
// A colour text: a standard colour name ("clBlack") or "$" + eight hex digits 00BBGGRR.
// Anything unreadable gives `fallback`.
QColor colourFromText(const QString &text, const QColor &fallback = QColor(Qt::white));

// ---- alarm sound
inline QString mailBeep()
{
    return QStringLiteral("mailbeep");
}
// Whether the sound can be played as it is: "mailbeep", or an existing file.
bool soundAvailable(const QString &sound);
struct SoundLabel
{
    QString text; // the file name, or "mailbeep" when the file is missing
    bool fallback; // shown in red
    QString hint;
};
SoundLabel soundLabel(const QString &sound);
// The folder the sound open dialog starts in.
QString soundDialogFolder(const QString &programFolder, const QString &desktopFolder, const QString &sound);

} // namespace shell
} // namespace vellamora
