#pragma once
#include "themes/Colour.h"

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QImage>
#include <optional>
#include <vector>

namespace vellamora::theme {

// ---- folders
// The folder of a theme: <program folder>/themes/<name>/.
QString themeFolder(const QString &programFolder, const QString &name);
inline QString defaultThemeName()
{
    return QStringLiteral("default");
}

// ---- Fonts.txt
// The 26 lines of the built-in Fonts.txt.
QStringList builtinFontsLines();
// Lines joined with CR LF after each.
QString linesText(const QStringList &lines);
// Completes an older file in memory: 23 lines gain the suspended colour, 26 lines the square switches.
QStringList completeFontsLines(QStringList lines);

struct FontSpec
{
    QString family; // as the theme names it
    int pointSize = 0;
};

struct FontSettings
{
    FontSpec title;
    colour::ColourValue titleColour = colour::kBlack;
    FontSpec tabs;
    colour::ColourValue tabColour = colour::kBlack;
    FontSpec grids;
    colour::ColourValue gridColour = colour::kBlack;
    colour::ColourValue tormentColour = 0x00FF0000u;
    colour::ColourValue autoDeleteColour = 0x000000FFu;
    std::optional<int> gridStyle; // 0 colorate, 1 coloratissime, 2 indicatori; unknown: unchanged
    colour::ColourValue suspendedColour = 0x004F4F4Fu;
    bool squareFrame = true;
    bool squareBuiltinColours = true;
};

// Reads completed Fonts.txt lines. A bad colour line raises colour::ColourError.
FontSettings readFonts(const QStringList &completedLines);
// What a theme without a readable Fonts.txt gets.
FontSettings fallbackFonts();

// The installed family closest to a family named by a theme ("Arial" on a desktop without it).
QString mapFontFamily(const QString &family);

// ---- Colors.clr
colour::SectionColours readColours(const QStringList &lines);

// ---- text files of a folder
// Reads a text file as lines (CR LF, CR or LF); nothing when it cannot be read.
std::optional<QStringList> readLines(const QString &path);
// Writes text; raises ThemeFileError on failure.
void writeText(const QString &path, const QString &text);
// Creates Fonts.txt / Colors.clr from the built-in content and the .def copies, each when missing.
void ensureTextFiles(const QString &folder);

class ThemeFileError : public std::runtime_error
{
public:
    explicit ThemeFileError(const QString &text) : std::runtime_error("theme file error"), m_text(text) { }
    QString text() const { return m_text; }

private:
    QString m_text;
};

// ---- title bar
struct TitleBarLayout
{
    QImage left, middle, right;
    bool leftStretched = false, middleStretched = false, rightStretched = false;
    bool labelVisible = true;
    bool sidesVisible = true;
    int height = 30;
};
// Chooses the title bar pictures of a folder by the plain, _s, _f and _x rules.
TitleBarLayout titleBarLayout(const QString &folder);
constexpr int kTitleBarSideWidth = 150;

// ---- button glyphs
// A glyph file read from a theme (or nothing when missing or unreadable).
std::optional<QImage> loadGlyph(const QString &path);

// The glyph of every themed button by its control name, filled by the passes of a theme.
// Pages that are built later ask it for their buttons' glyphs.
class GlyphBoard
{
public:
    QImage glyph(const QString &button) const { return m_glyphs.value(button); }
    bool has(const QString &button) const { return m_glyphs.contains(button); }
    void set(const QString &button, const QImage &image) { m_glyphs.insert(button, image); }
    const QHash<QString, QImage> &all() const { return m_glyphs; }

    // Pass 1 up to the hint glyph.
    void loadBase(const QString &folder);
    // The hint copies, the rest of pass 1, the generic glyphs, the key and the per-page files.
    void loadRest(const QString &folder);
    // The names of every button the passes give a glyph.
    static QStringList buttonNames();

private:
    void load(const QString &folder, const char *file, const char *button);
    void copy(const char *from, std::initializer_list<const char *> to);
    QHash<QString, QImage> m_glyphs;
    bool m_listing = false; // records every button, whether its file exists or not
};

// Every button the passes give a glyph, except the two special-menu buttons.
const QStringList &themedButtons();
// The buttons that always show a single image.
const QStringList &singleImageButtons();
// The buttons whose split is decided by their own glyph.
const QStringList &selfSplitButtons();
// Glyphs narrower than 39 pixels are one image; wider ones are normal and disabled side by side.
constexpr int kSplitWidth = 39;
inline bool splitGlyph(int width)
{
    return width >= kSplitWidth;
}

// ---- built-in theme
// The names (without ".bmp") of the built-in glyph files, in writing order.
const QStringList &builtinGlyphNames();
// The built-in glyph of a file name (without ".bmp"); a null image for an unknown name.
QImage builtinGlyph(const QString &name);
// The built-in preview picture, 372 x 255.
QImage builtinPreview();
// Writes the built-in theme into <program folder>/themes/default/, creating the folder and
// overwriting files of the same name. Raises ThemeFileError.
void writeBuiltinTheme(const QString &programFolder);
// The start-up check: writes the built-in theme when its folder or its key.bmp is missing,
// and returns the theme name to apply ("default" when the named folder is gone).
QString prepareStartupTheme(const QString &programFolder, const QString &themeName);

} // namespace vellamora::theme
