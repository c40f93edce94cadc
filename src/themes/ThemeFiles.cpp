#include "themes/ThemeFiles.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>
#include <QtGui/QFontDatabase>

namespace vellamora::theme {

QString themeFolder(const QString &programFolder, const QString &name)
{
    return QDir(programFolder).filePath(QStringLiteral("themes/") + name) + QLatin1Char('/');
}

// ---------------------------------------------------------------- Fonts.txt

QStringList builtinFontsLines()
{
    return { QStringLiteral("BARRA (1,2,3)"), QStringLiteral("Arial"), QStringLiteral("11"),
        QStringLiteral("clBlack"), QString(), QStringLiteral("TABS (6,7,8)"), QStringLiteral("Arial"),
        QStringLiteral("10"), QStringLiteral("clBlack"), QString(), QStringLiteral("GRIGLIE (11,12,13)"),
        QStringLiteral("MS Sans Serif"), QStringLiteral("10"), QStringLiteral("clBlack"), QString(),
        QStringLiteral("TORMENT (16)"), QStringLiteral("clBlue"), QString(),
        QStringLiteral("AUTODELETE (19)"), QStringLiteral("clRed"), QString(),
        QStringLiteral("COLORATE  (22)"), QStringLiteral("colorate"), QString(),
        QStringLiteral("SOSPESO (25)"), QStringLiteral("$004F4F4F") };
}

QString linesText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QStringList completeFontsLines(QStringList lines)
{
    // A file shorter than the old format is padded first, so every line read below exists.
    if (lines.size() < 24) {
        while (lines.size() < 26)
            lines.append(QString());
        lines[23] = QString();
        lines[24] = QStringLiteral("SOSPESO (25)");
        lines[25] = QStringLiteral("clGray");
    }
    if (lines.size() < 27) {
        while (lines.size() < 29)
            lines.append(QString());
        lines[26] = QString();
        lines[27] = QStringLiteral("LED (28)");
        lines[28] = QStringLiteral("yesborder");
    }
    return lines;
}

namespace {

QString lineAt(const QStringList &lines, int index)
{
    return index < lines.size() ? lines.at(index) : QString();
}

int sizeAt(const QStringList &lines, int index, int fallback)
{
    bool ok = false;
    const int size = lineAt(lines, index).trimmed().toInt(&ok);
    return ok ? size : fallback;
}

} // namespace

FontSettings readFonts(const QStringList &lines)
{
    FontSettings f;
    f.squareFrame = lineAt(lines, 28) != QLatin1String("noborder");
    f.squareBuiltinColours = lineAt(lines, 29) != QLatin1String("no-default-color");
    f.title = { lineAt(lines, 1), sizeAt(lines, 2, 11) };
    f.titleColour = colour::fromText(lineAt(lines, 3));
    f.tabs = { lineAt(lines, 6), sizeAt(lines, 7, 10) };
    f.tabColour = colour::fromText(lineAt(lines, 8));
    f.grids = { lineAt(lines, 11), sizeAt(lines, 12, 9) };
    f.gridColour = colour::fromText(lineAt(lines, 13));
    f.tormentColour = colour::fromText(lineAt(lines, 16));
    f.autoDeleteColour = colour::fromText(lineAt(lines, 19));
    static const QString styles[]
        = { QStringLiteral("colorate"), QStringLiteral("coloratissime"), QStringLiteral("indicatori") };
    for (int i = 0; i < 3; ++i) {
        if (lineAt(lines, 22) == styles[i])
            f.gridStyle = i;
    }
    f.suspendedColour = colour::fromText(lineAt(lines, 25));
    return f;
}

FontSettings fallbackFonts()
{
    FontSettings f;
    f.title = { QStringLiteral("Arial"), 11 };
    f.tabs = { QStringLiteral("Arial"), 10 };
    return f;
}

QString mapFontFamily(const QString &family)
{
    static const std::pair<const char *, const char *> kin[] = {
        { "Arial", "Liberation Sans" },
        { "MS Sans Serif", "Liberation Sans" },
        { "Microsoft Sans Serif", "Liberation Sans" },
        { "Tahoma", "Liberation Sans" },
        { "Verdana", "DejaVu Sans" },
        { "Courier New", "Liberation Mono" },
        { "Courier", "Liberation Mono" },
        { "Times New Roman", "Liberation Serif" },
    };
    if (family.isEmpty())
        return family;
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive))
        return family;
    for (const auto &[name, substitute] : kin) {
        if (family.compare(QLatin1String(name), Qt::CaseInsensitive) == 0
            && installed.contains(QLatin1String(substitute), Qt::CaseInsensitive))
            return QString::fromLatin1(substitute);
    }
    // Left to fontconfig's own substitution.
    return family;
}

colour::SectionColours readColours(const QStringList &lines)
{
    return colour::readScheme(lines);
}

// ---------------------------------------------------------------- text files

std::optional<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return colour::splitLines(QString::fromLocal8Bit(file.readAll()));
}

void writeText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toLocal8Bit()) < 0 || !file.commit())
        throw ThemeFileError(QStringLiteral("Impossibile creare il file ") + QDir::toNativeSeparators(path));
}

namespace {

void ensureCopy(const QString &from, const QString &to)
{
    if (QFileInfo::exists(to))
        return;
    if (!QFile::copy(from, to))
        throw ThemeFileError(QStringLiteral("Impossibile creare il file ") + QDir::toNativeSeparators(to));
}

} // namespace

void ensureTextFiles(const QString &folder)
{
    const QDir dir(folder);
    if (!QFileInfo::exists(dir.filePath(QStringLiteral("Fonts.txt"))))
        writeText(dir.filePath(QStringLiteral("Fonts.txt")), linesText(builtinFontsLines()));
    ensureCopy(dir.filePath(QStringLiteral("Fonts.txt")), dir.filePath(QStringLiteral("Fonts.def")));
    if (!QFileInfo::exists(dir.filePath(QStringLiteral("Colors.clr"))))
        writeText(dir.filePath(QStringLiteral("Colors.clr")), colour::schemeText(colour::kBuiltinSections));
    ensureCopy(dir.filePath(QStringLiteral("Colors.clr")), dir.filePath(QStringLiteral("Colors.def")));
}

// ---------------------------------------------------------------- title bar

TitleBarLayout titleBarLayout(const QString &folder)
{
    TitleBarLayout bar;
    const QDir dir(folder);
    auto picture = [&dir](const char *name) {
        return QImage(dir.filePath(QString::fromLatin1(name) + QStringLiteral(".bmp")));
    };
    // Later files win over earlier ones, in this order.
    if (QImage i = picture("barra_mid"); !i.isNull())
        bar.middle = i;
    if (QImage i = picture("barra_dx"); !i.isNull())
        bar.right = i;
    if (QImage i = picture("barra_sx"); !i.isNull())
        bar.left = i;
    if (QImage i = picture("barra_dx_s"); !i.isNull()) {
        bar.right = i;
        bar.rightStretched = true;
    }
    if (QImage i = picture("barra_sx_s"); !i.isNull()) {
        bar.left = i;
        bar.leftStretched = true;
    }
    if (QImage i = picture("barra_mid_s"); !i.isNull()) {
        bar.middle = i;
        bar.middleStretched = true;
    }
    if (QImage i = picture("barra_mid_f"); !i.isNull()) {
        bar.middle = i;
        bar.middleStretched = false;
        bar.labelVisible = false;
    }
    if (QImage i = picture("barra_mid_x"); !i.isNull()) {
        bar.middle = i;
        bar.middleStretched = false;
        bar.sidesVisible = false;
    }
    if (bar.middle.height() >= 31)
        bar.height = bar.middle.height() + 4;
    return bar;
}

// ---------------------------------------------------------------- glyphs

std::optional<QImage> loadGlyph(const QString &path)
{
    QImage image(path);
    if (image.isNull())
        return std::nullopt;
    return image;
}

void GlyphBoard::load(const QString &folder, const char *file, const char *button)
{
    if (m_listing)
        m_glyphs.insert(QString::fromLatin1(button), QImage());
    else if (auto image
        = loadGlyph(QDir(folder).filePath(QString::fromLatin1(file) + QStringLiteral(".bmp"))))
        m_glyphs.insert(QString::fromLatin1(button), *image);
}

void GlyphBoard::copy(const char *from, std::initializer_list<const char *> to)
{
    const QImage image = m_glyphs.value(QString::fromLatin1(from));
    for (const char *target : to)
        m_glyphs.insert(QString::fromLatin1(target), image);
}

void GlyphBoard::loadBase(const QString &folder)
{
    static const std::pair<const char *, const char *> files[] = {
        { "vm_about", "SpeedButtonAbout" },
        { "vm_fix", "SpeedButtonTOP" },
        { "vm_refresh", "SpeedButtonAggiornaTutto" },
        { "vm_iconize", "SpeedButton_MINIMIZE" },
        { "vm_minimize", "SpeedButton_minimize_bar" },
        { "vm_maximize", "SpeedButtonWinSize" },
        { "vm_kill", "SpeedButtonEXIT" },
        { "help_hint", "SpeedButton_Help" },
    };
    for (const auto &[file, button] : files)
        load(folder, file, button);
}

void GlyphBoard::loadRest(const QString &folder)
{
    auto loadAll = [&](std::initializer_list<std::pair<const char *, const char *>> files) {
        for (const auto &[file, button] : files)
            load(folder, file, button);
    };
    copy("SpeedButton_Help",
        { "SpeedButtonHintShot", "SpeedButtonHintAnno", "SpeedButtonHelpMonth", "SpeedButtonHelpWeek",
            "SpeedButtonHintContact", "SpeedButtonHintNote", "SpeedButtonHintLista",
            "SpeedButtonHintOpzioni" });
    // Pass 1: the agenda page, then the list pages take its glyphs.
    loadAll({ { "date_add", "SpeedButtonAddToday" }, { "date_del", "SpeedButtonDelToday" },
        { "date_mod", "SpeedButtonModToday" }, { "date_exp", "SpeedButtonEportToday" },
        { "date_chk", "SpeedButtonSvoltoToday" }, { "date_origin", "SpeedButtonFollowToday" },
        { "date_back", "SpeedButton_DateBack" }, { "date_next", "SpeedButtonNextDay" },
        { "date_today", "SpeedButtonToday" }, { "date_cal", "SpeedButtonClendarioLato" },
        { "print", "SpeedButtonPrintToday" }, { "invert", "SpeedButtonOrderShot" } });
    copy("SpeedButtonAddToday", { "SpeedButtonadShot" });
    copy("SpeedButtonDelToday", { "SpeedButtonDelShot" });
    copy("SpeedButtonModToday", { "SpeedButtonModShot" });
    copy("SpeedButtonPrintToday", { "SpeedButtonDupliShot" });
    load(folder, "date_dup", "SpeedButtonDateDupli");
    // On the appointment lists the Dupli… buttons print and the Print… buttons duplicate.
    copy("SpeedButtonAddToday", { "SpeedButtonAddYear", "SpeedButtonAggMese", "SpeedButtonAggWeek" });
    copy("SpeedButtonDelToday", { "SpeedButtonDelyear", "SpeedButtonDelMese", "SpeedButtonDelWeek" });
    copy("SpeedButtonModToday", { "SpeedButtonModYear", "SpeedButtonModMese", "SpeedButtonModWeek" });
    copy("SpeedButtonPrintToday",
        { "SpeedButtonDupliYear", "SpeedButtonDupliMonth", "SpeedButtonDupliWeek",
            "SpeedButtonPrintcontact" });
    copy("SpeedButtonDateDupli", { "SpeedButtonPrintyear", "SpeedButtonPrintMese", "SpeedButtonPrintWeek" });
    copy("SpeedButtonOrderShot", { "SpeedButtonOrderYear", "SpeedButtonOrderMonth", "SpeedButtonorderWeek" });
    loadAll({ { "contact_add", "SpeedButton_AddContact" }, { "contact_del", "SpeedButtonDelContact" },
        { "contact_mod", "SpeedButtonModContact" }, { "contact_imp", "SpeedButtonUOC" },
        { "contact_exp", "SpeedButtonCSV" }, { "contact_dup", "SpeedButtonDupliContact" },
        { "contact_email", "SpeedButtonMailContact" }, { "contact_phone", "SpeedButtonTele" },
        { "contact_web", "SpeedButtonWeb" }, { "contact_map", "SpeedButtonGoMap" } });
    copy("SpeedButtonOrderShot",
        { "SpeedButtonOrderContact", "SpeedButtonOrderToDo", "SpeedButtonOrderNote" });
    copy("SpeedButtonDateDupli", { "SpeedButtonDupliNote" });
    loadAll({ { "note_add", "SpeedButton_NuovaNota" }, { "note_del", "SpeedButtonDelnote" },
        { "note_mod", "SpeedButtonmodNote" }, { "note_hidelist", "SpeedButtonOpen" },
        { "note_save", "SpeedButtonUpdate" }, { "note_imp", "SpeedButtonImportText" },
        { "note_exp", "SpeedButtonSaveAs" }, { "note_breakline", "SpeedButton_Breakline" },
        { "note_format", "SpeedButton_Formatbar" }, { "note_restore", "SpeedButtonRestoreNote" },
        { "note_find", "SpeedButtonFind" } });
    copy("SpeedButtonPrintToday", { "SpeedButtonPrintNote" });
    loadAll({ { "todo_add", "SpeedButtonAggToDo" }, { "todo_del", "SpeedButtonDelToDo" },
        { "todo_mod", "SpeedButtonModToDo" }, { "todo_dup", "SpeedButtonDupliToDo" },
        { "todo_exp", "SpeedButtonExportTodo" }, { "todo_chk", "SpeedButtonCheckToDo" },
        { "help_manual", "SpeedButton_Manual" }, { "help_web", "SpeedButtonHelpOnLine" } });
    copy("SpeedButtonPrintToday", { "SpeedButtonPrintToDo" });

    // Pass 2: one glyph for a kind of button on every page.
    load(folder, "add", "SpeedButtonAddToday");
    copy("SpeedButtonAddToday",
        { "SpeedButtonadShot", "SpeedButtonAddYear", "SpeedButtonAggWeek", "SpeedButtonAggMese",
            "SpeedButton_AddContact", "SpeedButton_NuovaNota", "SpeedButtonAggToDo" });
    load(folder, "del", "SpeedButtonDelToday");
    copy("SpeedButtonDelToday",
        { "SpeedButtonDelShot", "SpeedButtonDelyear", "SpeedButtonDelWeek", "SpeedButtonDelMese",
            "SpeedButtonDelContact", "SpeedButtonDelnote", "SpeedButtonDelToDo" });
    load(folder, "mod", "SpeedButtonModToday");
    copy("SpeedButtonModToday",
        { "SpeedButtonModShot", "SpeedButtonModYear", "SpeedButtonModWeek", "SpeedButtonModMese",
            "SpeedButtonModContact", "SpeedButtonmodNote", "SpeedButtonModToDo" });
    load(folder, "dup", "SpeedButtonDateDupli");
    copy("SpeedButtonDateDupli",
        { "SpeedButtonPrintyear", "SpeedButtonPrintWeek", "SpeedButtonPrintMese", "SpeedButtonDupliContact",
            "SpeedButtonDupliToDo", "SpeedButtonDupliNote" });
    load(folder, "imp", "SpeedButtonUOC");
    copy("SpeedButtonUOC", { "SpeedButtonImportText" });
    load(folder, "exp", "SpeedButtonCSV");
    copy("SpeedButtonCSV", { "SpeedButtonEportToday", "SpeedButtonSaveAs", "SpeedButtonExportTodo" });
    load(folder, "chk", "SpeedButtonSvoltoToday");
    copy("SpeedButtonSvoltoToday", { "SpeedButtonCheckToDo" });

    // Pass 3: the special menu's key.
    load(folder, "key", "SpeedButton_VaiSpeciale");
    copy("SpeedButton_VaiSpeciale", { "SpeedButtonCloseSpecial" });

    // Pass 4: per-page files, no copies.
    loadAll({ { "contact_invert", "SpeedButtonOrderContact" }, { "contact_print", "SpeedButtonPrintcontact" },
        { "contact_hint", "SpeedButtonHintContact" }, { "note_print", "SpeedButtonPrintNote" },
        { "note_hint", "SpeedButtonHintNote" }, { "note_dup", "SpeedButtonDupliNote" },
        { "note_invert", "SpeedButtonOrderNote" }, { "todo_invert", "SpeedButtonOrderToDo" },
        { "todo_print", "SpeedButtonPrintToDo" }, { "todo_hint", "SpeedButtonHintLista" },
        { "today_add", "SpeedButtonAddToday" }, { "today_mod", "SpeedButtonModToday" },
        { "today_del", "SpeedButtonDelToday" }, { "today_exp", "SpeedButtonEportToday" },
        { "today_print", "SpeedButtonPrintToday" }, { "today_hint", "SpeedButton_Help" },
        { "option_hint", "SpeedButtonHintOpzioni" } });
    struct ListPage
    {
        const char *prefix;
        const char *add, *del, *mod, *dup, *invert, *print, *hint;
    };
    static const ListPage lists[] = {
        { "day", "SpeedButtonadShot", "SpeedButtonDelShot", "SpeedButtonModShot", "SpeedButtonDateDupli",
            "SpeedButtonOrderShot", "SpeedButtonDupliShot", "SpeedButtonHintShot" },
        { "year", "SpeedButtonAddYear", "SpeedButtonDelyear", "SpeedButtonModYear", "SpeedButtonPrintyear",
            "SpeedButtonOrderYear", "SpeedButtonDupliYear", "SpeedButtonHintAnno" },
        { "month", "SpeedButtonAggMese", "SpeedButtonDelMese", "SpeedButtonModMese", "SpeedButtonPrintMese",
            "SpeedButtonOrderMonth", "SpeedButtonDupliMonth", "SpeedButtonHelpMonth" },
        { "week", "SpeedButtonAggWeek", "SpeedButtonDelWeek", "SpeedButtonModWeek", "SpeedButtonPrintWeek",
            "SpeedButtonorderWeek", "SpeedButtonDupliWeek", "SpeedButtonHelpWeek" },
    };
    for (const ListPage &page : lists) {
        const std::pair<const char *, const char *> kinds[]
            = { { "add", page.add }, { "del", page.del }, { "mod", page.mod }, { "dup", page.dup },
                  { "invert", page.invert }, { "print", page.print }, { "hint", page.hint } };
        for (const auto &[kind, button] : kinds) {
            const QByteArray file = QByteArray(page.prefix) + '_' + kind;
            load(folder, file.constData(), button);
        }
    }
}

QStringList GlyphBoard::buttonNames()
{
    GlyphBoard board;
    board.m_listing = true;
    board.loadBase(QString());
    board.loadRest(QString());
    QStringList names = board.m_glyphs.keys();
    names.sort();
    return names;
}

const QStringList &themedButtons()
{
    static const QStringList names = [] {
        QStringList all = GlyphBoard::buttonNames();
        for (const QString &special : singleImageButtons())
            all.removeAll(special);
        all.sort();
        return all;
    }();
    return names;
}

const QStringList &singleImageButtons()
{
    static const QStringList names
        = { QStringLiteral("SpeedButton_VaiSpeciale"), QStringLiteral("SpeedButtonCloseSpecial") };
    return names;
}

const QStringList &selfSplitButtons()
{
    static const QStringList names = { QStringLiteral("SpeedButtonHelpOnLine"),
        QStringLiteral("SpeedButton_Manual"), QStringLiteral("SpeedButtonHintOpzioni") };
    return names;
}

// ---------------------------------------------------------------- start-up

void writeBuiltinTheme(const QString &programFolder)
{
    const QString folder = themeFolder(programFolder, defaultThemeName());
    if (!QDir().mkpath(folder))
        throw ThemeFileError(
            QStringLiteral("Impossibile creare la cartella ") + QDir::toNativeSeparators(folder));
    const QDir dir(folder);
    writeText(dir.filePath(QStringLiteral("Fonts.txt")), linesText(builtinFontsLines()));
    writeText(dir.filePath(QStringLiteral("Fonts.def")), linesText(builtinFontsLines()));
    writeText(dir.filePath(QStringLiteral("Colors.clr")), colour::schemeText(colour::kBuiltinSections));
    writeText(dir.filePath(QStringLiteral("Colors.def")), colour::schemeText(colour::kBuiltinSections));
    auto save = [&dir](const QImage &image, const QString &name) {
        const QString path = dir.filePath(name + QStringLiteral(".bmp"));
        if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP"))
            throw ThemeFileError(
                QStringLiteral("Impossibile creare il file ") + QDir::toNativeSeparators(path));
    };
    save(builtinPreview(), QStringLiteral("preview"));
    for (const QString &name : builtinGlyphNames())
        save(builtinGlyph(name), name);
}

QString prepareStartupTheme(const QString &programFolder, const QString &themeName)
{
    const QString folder = themeFolder(programFolder, defaultThemeName());
    if (!QFileInfo(folder).isDir() || !QFileInfo::exists(folder + QStringLiteral("key.bmp")))
        writeBuiltinTheme(programFolder);
    const QString name = themeName.isEmpty() ? defaultThemeName() : themeName;
    return QFileInfo(themeFolder(programFolder, name)).isDir() ? name : defaultThemeName();
}

} // namespace vellamora::theme
