#include "tests.h"
#include "themes/ThemeFiles.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImageReader>
#include <QtTest/QTest>

using namespace vellamora;
using namespace vellamora::theme;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A solid picture of a size, written as a theme file.
void writePicture(const QString &path, QSize size, QColor colour = Qt::green)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(image.save(path, "BMP"));
}

QSize pictureSize(const QString &path)
{
    return QImageReader(path).size();
}

} // namespace

void TestThemeFiles::builtinTheme()
{
    QTemporaryDir program;
    writeBuiltinTheme(program.path());
    const QDir dir(themeFolder(program.path(), QStringLiteral("default")));
    QCOMPARE(readLines(dir.filePath(QStringLiteral("Fonts.txt"))).value(), builtinFontsLines());
    QCOMPARE(builtinFontsLines().size(), 26);
    QFile fonts(dir.filePath(QStringLiteral("Fonts.def")));
    QVERIFY(fonts.open(QIODevice::ReadOnly));
    QVERIFY(fonts.readAll().startsWith("BARRA (1,2,3)\r\nArial\r\n11\r\nclBlack\r\n\r\nTABS (6,7,8)\r\n"));
    QCOMPARE(
        readColours(readLines(dir.filePath(QStringLiteral("Colors.def"))).value()), colour::kBuiltinSections);
    QCOMPARE(pictureSize(dir.filePath(QStringLiteral("preview.bmp"))), QSize(372, 255));
    QCOMPARE(QImageReader(dir.filePath(QStringLiteral("preview.bmp"))).format(), QByteArray("bmp"));
    QCOMPARE(pictureSize(dir.filePath(QStringLiteral("vm_about.bmp"))), QSize(62, 22));
    QCOMPARE(pictureSize(dir.filePath(QStringLiteral("vm_kill.bmp"))), QSize(32, 16));
    QCOMPARE(pictureSize(dir.filePath(QStringLiteral("key.bmp"))), QSize(28, 28));
    for (const QString &name : builtinGlyphNames()) {
        const QString path = dir.filePath(name + QStringLiteral(".bmp"));
        QVERIFY2(QFileInfo::exists(path), qPrintable(name));
        if (name.startsWith(QLatin1String("vm_")) || name == QLatin1String("key"))
            continue;
        QCOMPARE(pictureSize(path), QSize(64, 32));
        // Normal and disabled side by side: the disabled half is a faded copy, not the same picture.
        const QImage glyph(path);
        QVERIFY2(glyph.copy(0, 0, 32, 32) != glyph.copy(32, 0, 32, 32), qPrintable(name));
    }
    // Drawn pictures differ from each other: no two buttons share a built-in glyph.
    QSet<QByteArray> seen;
    for (const QString &name : builtinGlyphNames()) {
        QFile f(dir.filePath(name + QStringLiteral(".bmp")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY2(!seen.contains(bytes), qPrintable(name));
        seen.insert(bytes);
    }
}

void TestThemeFiles::startupTheme_data()
{
    QTest::addColumn<bool>("defaultFolder");
    QTest::addColumn<bool>("keyFile");
    QTest::addColumn<QString>("named");
    QTest::addColumn<bool>("namedFolder");
    QTest::addColumn<bool>("rewritten");
    QTest::addColumn<QString>("applied");
    QTest::newRow("first start") << false << false << "default" << false << true << "default";
    QTest::newRow("key missing rewrites") << true << false << "default" << false << true << "default";
    QTest::newRow("complete folder kept") << true << true << "default" << false << false << "default";
    QTest::newRow("named theme present") << true << true << "mare" << true << false << "mare";
    QTest::newRow("named theme gone") << true << true << "mare" << false << false << "default";
    QTest::newRow("no name") << true << true << "" << false << false << "default";
}

void TestThemeFiles::startupTheme()
{
    QFETCH(bool, defaultFolder);
    QFETCH(bool, keyFile);
    QFETCH(QString, named);
    QFETCH(bool, namedFolder);
    QFETCH(bool, rewritten);
    QFETCH(QString, applied);
    QTemporaryDir program;
    const QString def = themeFolder(program.path(), QStringLiteral("default"));
    if (defaultFolder) {
        // An edited Fonts.txt shows whether the folder was written again.
        writeFile(def + QStringLiteral("Fonts.txt"), "edited\r\n");
        if (keyFile)
            writePicture(def + QStringLiteral("key.bmp"), QSize(28, 28));
    }
    if (namedFolder)
        QVERIFY(QDir().mkpath(themeFolder(program.path(), named)));
    QCOMPARE(prepareStartupTheme(program.path(), named), applied);
    QVERIFY(QFileInfo::exists(def + QStringLiteral("key.bmp")));
    const QStringList fonts = readLines(def + QStringLiteral("Fonts.txt")).value();
    QCOMPARE(fonts == builtinFontsLines(), rewritten);
}

void TestThemeFiles::onlyColoursFolder()
{
    QTemporaryDir program;
    const QString folder = themeFolder(program.path(), QStringLiteral("solo"));
    writeFile(folder + QStringLiteral("Colors.clr"),
        "clWhite\r\nclRed\r\nclLime\r\nclBlue\r\nclAqua\r\nclNavy\r\n"
        "clTeal\r\nclGray\r\nclSilver\r\n");
    ensureTextFiles(folder);
    QCOMPARE(readLines(folder + QStringLiteral("Fonts.txt")).value(), builtinFontsLines());
    QCOMPARE(readLines(folder + QStringLiteral("Fonts.def")).value(), builtinFontsLines());
    QCOMPARE(
        readLines(folder + QStringLiteral("Colors.def")), readLines(folder + QStringLiteral("Colors.clr")));
    QCOMPARE(readColours(readLines(folder + QStringLiteral("Colors.clr")).value())[0], colour::kWhite);
    // No glyph file: every button keeps what it had.
    GlyphBoard board;
    board.set(QStringLiteral("SpeedButtonAddToday"), builtinGlyph(QStringLiteral("date_add")));
    board.loadBase(folder);
    board.loadRest(folder);
    QCOMPARE(board.glyph(QStringLiteral("SpeedButtonAddToday")), builtinGlyph(QStringLiteral("date_add")));
    // Writing into a folder that does not exist is a file error.
    QVERIFY_THROWS_EXCEPTION(
        ThemeFileError, ensureTextFiles(program.filePath(QStringLiteral("themes/gone/"))));
}

void TestThemeFiles::fontsCompletion_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<uint>("suspended");
    QTest::addColumn<bool>("frame");
    QTest::newRow("old file of 23 lines: grey, framed") << 23 << 0x00808080u << true;
    QTest::newRow("built-in 26 lines") << 26 << 0x004F4F4Fu << true;
    QTest::newRow("full file, no border") << 30 << 0x004F4F4Fu << false;
}

void TestThemeFiles::fontsCompletion()
{
    QFETCH(int, lineCount);
    QFETCH(uint, suspended);
    QFETCH(bool, frame);
    QStringList lines = builtinFontsLines();
    lines << QString() << QStringLiteral("LED (28)") << QStringLiteral("noborder")
          << QStringLiteral("no-default-color");
    const QStringList completed = completeFontsLines(lines.mid(0, lineCount));
    if (lineCount == 23) {
        QCOMPARE(completed.mid(23),
            QStringList({ QString(), QStringLiteral("SOSPESO (25)"), QStringLiteral("clGray"), QString(),
                QStringLiteral("LED (28)"), QStringLiteral("yesborder") }));
    }
    const FontSettings f = readFonts(completed);
    QCOMPARE(f.suspendedColour, suspended);
    QCOMPARE(f.squareFrame, frame);
    QCOMPARE(f.squareBuiltinColours, lineCount < 30);
    QCOMPARE(f.title.family, QStringLiteral("Arial"));
    QCOMPARE(f.title.pointSize, 11);
    QCOMPARE(f.grids.family, QStringLiteral("MS Sans Serif"));
    QCOMPARE(f.tormentColour, 0x00FF0000u);
    QCOMPARE(f.autoDeleteColour, 0x000000FFu);
    QCOMPARE(f.gridStyle, std::optional<int>(0));
}

void TestThemeFiles::fontsFallbacks()
{
    QStringList lines = completeFontsLines(builtinFontsLines());
    lines[2] = QStringLiteral("grande");
    lines[7] = QStringLiteral("10.5");
    lines[12] = QString();
    lines[22] = QStringLiteral("arcobaleno");
    FontSettings f = readFonts(lines);
    QCOMPARE(f.title.pointSize, 11);
    QCOMPARE(f.tabs.pointSize, 10);
    QCOMPARE(f.grids.pointSize, 9);
    QCOMPARE(f.gridStyle, std::nullopt);
    lines[22] = QStringLiteral("indicatori");
    QCOMPARE(readFonts(lines).gridStyle, std::optional<int>(2));
    // A bad colour line is a conversion error, not a silent default.
    lines[8] = QStringLiteral("blu");
    QVERIFY_THROWS_EXCEPTION(colour::ColourError, readFonts(lines));
    // A very short file is padded, so a missing colour line is the same error and never an overrun.
    QVERIFY_THROWS_EXCEPTION(colour::ColourError, readFonts(completeFontsLines({ QStringLiteral("BARRA") })));
}

void TestThemeFiles::titleBar_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("middleHeight");
    QTest::addColumn<int>("barHeight");
    QTest::addColumn<bool>("sides");
    QTest::addColumn<bool>("label");
    QTest::addColumn<bool>("middleStretched");
    QTest::addColumn<bool>("leftStretched");
    QTest::newRow("none") << QStringList() << 0 << 30 << true << true << false << false;
    QTest::newRow("plain, 20 high") << QStringList { "barra_mid", "barra_sx", "barra_dx" } << 20 << 30 << true
                                    << true << false << false;
    QTest::newRow("plain, 40 high") << QStringList { "barra_mid" } << 40 << 44 << true << true << false
                                    << false;
    QTest::newRow("31 high is 35") << QStringList { "barra_mid" } << 31 << 35 << true << true << false
                                   << false;
    QTest::newRow("stretched wins") << QStringList { "barra_mid", "barra_mid_s", "barra_sx", "barra_sx_s" }
                                    << 20 << 30 << true << true << true << true;
    QTest::newRow("_f hides the label")
        << QStringList { "barra_mid_s", "barra_mid_f" } << 20 << 30 << true << false << false << false;
    QTest::newRow("_x hides both sides") << QStringList { "barra_sx", "barra_dx", "barra_mid_x" } << 40 << 44
                                         << false << true << false << false;
}

void TestThemeFiles::titleBar()
{
    QFETCH(QStringList, files);
    QFETCH(int, middleHeight);
    QFETCH(int, barHeight);
    QFETCH(bool, sides);
    QFETCH(bool, label);
    QFETCH(bool, middleStretched);
    QFETCH(bool, leftStretched);
    QTemporaryDir folder;
    for (const QString &file : files) {
        const bool middle = file.startsWith(QLatin1String("barra_mid"));
        // The winning middle picture is the only one of the asked height; side files are 12 high.
        writePicture(folder.filePath(file + QStringLiteral(".bmp")),
            QSize(middle ? 200 : 150, middle && file == files.constLast() ? middleHeight : 12));
    }
    const TitleBarLayout bar = titleBarLayout(folder.path());
    QCOMPARE(bar.height, barHeight);
    QCOMPARE(bar.sidesVisible, sides);
    QCOMPARE(bar.labelVisible, label);
    QCOMPARE(bar.middleStretched, middleStretched);
    QCOMPARE(bar.leftStretched, leftStretched);
    if (files.contains(QStringLiteral("barra_sx")))
        QVERIFY(!bar.left.isNull());
}

void TestThemeFiles::genericAndPageGlyphs()
{
    QTemporaryDir folder;
    writePicture(folder.filePath(QStringLiteral("add.bmp")), QSize(64, 32), Qt::blue);
    writePicture(folder.filePath(QStringLiteral("day_add.bmp")), QSize(64, 32), Qt::red);
    writePicture(folder.filePath(QStringLiteral("today_hint.bmp")), QSize(32, 32), Qt::yellow);
    GlyphBoard board;
    board.loadBase(folder.path());
    board.loadRest(folder.path());
    const QColor onDay = board.glyph(QStringLiteral("SpeedButtonadShot")).pixelColor(0, 0);
    QCOMPARE(onDay, QColor(Qt::red));
    for (const char *button : { "SpeedButtonAddToday", "SpeedButtonAddYear", "SpeedButtonAggMese",
             "SpeedButtonAggWeek", "SpeedButton_AddContact", "SpeedButton_NuovaNota", "SpeedButtonAggToDo" })
        QCOMPARE(board.glyph(QString::fromLatin1(button)).pixelColor(0, 0), QColor(Qt::blue));
    // The per-page hint of the agenda comes after the hint copies: only the agenda's own changes.
    QCOMPARE(board.glyph(QStringLiteral("SpeedButton_Help")).pixelColor(0, 0), QColor(Qt::yellow));
    QVERIFY(board.glyph(QStringLiteral("SpeedButtonHintShot")).isNull());
}

void TestThemeFiles::copiesTakeWhatTheButtonHolds()
{
    QTemporaryDir folder;
    writePicture(folder.filePath(QStringLiteral("print.bmp")), QSize(64, 32), Qt::cyan);
    writePicture(folder.filePath(QStringLiteral("date_dup.bmp")), QSize(64, 32), Qt::magenta);
    writePicture(folder.filePath(QStringLiteral("help_hint.bmp")), QSize(64, 32), Qt::darkGreen);
    GlyphBoard board;
    board.loadBase(folder.path());
    board.loadRest(folder.path());
    // On the appointment lists the Dupli… buttons print and the Print… buttons duplicate.
    QCOMPARE(board.glyph(QStringLiteral("SpeedButtonDupliYear")).pixelColor(0, 0), QColor(Qt::cyan));
    QCOMPARE(board.glyph(QStringLiteral("SpeedButtonPrintyear")).pixelColor(0, 0), QColor(Qt::magenta));
    QCOMPARE(board.glyph(QStringLiteral("SpeedButtonPrintToDo")).pixelColor(0, 0), QColor(Qt::cyan));
    QCOMPARE(board.glyph(QStringLiteral("SpeedButtonDupliNote")).pixelColor(0, 0), QColor(Qt::magenta));
    QCOMPARE(board.glyph(QStringLiteral("SpeedButtonHintOpzioni")).pixelColor(0, 0), QColor(Qt::darkGreen));
    QVERIFY(themedButtons().contains(QStringLiteral("SpeedButtonGoMap")));
    QVERIFY(!themedButtons().contains(QStringLiteral("SpeedButton_VaiSpeciale")));
}

void TestThemeFiles::splitRule_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("split");
    QTest::newRow("32: one image") << 32 << false;
    QTest::newRow("38: one image") << 38 << false;
    QTest::newRow("39: two images") << 39 << true;
    QTest::newRow("64: two images") << 64 << true;
}

void TestThemeFiles::splitRule()
{
    QFETCH(int, width);
    QFETCH(bool, split);
    QCOMPARE(splitGlyph(width), split);
}
