#include "tests.h"

#include "MainFormFixture.h"
#include "agenda/AppointmentListPage.h"
#include "agenda/TodayPage.h"
#include "app/SettingsStore.h"
#include "store/Database.h"
#include "themes/ColourSheet.h"
#include "themes/SectionTabs.h"
#include "themes/ThemeFiles.h"
#include "themes/TitleBarPicture.h"

#include <QtCore/QDir>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCalendarWidget>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QDialog>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QTableView>
#include <QtWidgets/QToolButton>

using namespace vellamora;
using vellamora::test::MainFormFixture;

namespace {

// A theme folder of the program folder with the given files written into it.
QString themeFolder(MainFormFixture &f, const QString &name)
{
    const QString folder = f.programFolder() + QStringLiteral("themes/") + name + QLatin1Char('/');
    QDir().mkpath(folder);
    return folder;
}

void writePicture(const QString &path, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

// The colour drawn at a point of a control, as the user sees it.
QColor shownAt(QWidget *w, QPoint at)
{
    return w->grab().toImage().pixelColor(at);
}

} // namespace

void TestThemes::titleBarPictures_data()
{
    // Files: name=width x height; every picture has its own colour so the winner can be told.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<bool>("sides");
    QTest::addColumn<bool>("label");
    QTest::addColumn<bool>("middleStretched");
    QTest::addColumn<int>("barHeight");
    QTest::newRow("plain pictures at their size")
        << QStringList { "barra_sx", "barra_dx", "barra_mid" } << 800 << true << true << false << 30;
    QTest::newRow("_s wins over plain, stretched")
        << QStringList { "barra_mid", "barra_mid_s" } << 800 << true << true << true << 30;
    QTest::newRow("_f hides the label")
        << QStringList { "barra_mid_s", "barra_mid_f" } << 800 << true << false << false << 30;
    QTest::newRow("_x hides both sides")
        << QStringList { "barra_sx", "barra_dx", "barra_mid_x" } << 800 << false << true << false << 30;
    QTest::newRow("tall middle makes the bar taller")
        << QStringList { "barra_mid_s:40" } << 800 << true << true << true << 44;
    QTest::newRow("window narrower than a stretched picture")
        << QStringList { "barra_mid_s:20:750" } << 700 << true << true << false << 30;
}

void TestThemes::titleBarPictures()
{
    QFETCH(QStringList, files);
    QFETCH(int, windowWidth);
    QFETCH(bool, sides);
    QFETCH(bool, label);
    QFETCH(bool, middleStretched);
    QFETCH(int, barHeight);

    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    const QString folder = themeFolder(f, QStringLiteral("barra"));
    const QColor side(0x10, 0x80, 0x10);
    QColor middle;
    for (const QString &entry : files) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        const QString name = parts.at(0);
        const int height = parts.value(1, QStringLiteral("20")).toInt();
        const int width = parts.value(2, QStringLiteral("100")).toInt();
        const bool mid = name.startsWith(QLatin1String("barra_mid"));
        // Each later middle file gets a new colour: the last one must be drawn.
        const QColor colour = mid ? QColor(0x20 * (files.indexOf(entry) + 2), 0x20, 0xC0) : side;
        if (mid)
            middle = colour;
        writePicture(folder + name + QStringLiteral(".bmp"), QSize(width, height), colour);
    }
    form.resize(windowWidth, 600);
    form.applyTheme(QStringLiteral("barra"));
    QTest::qWait(10);

    QCOMPARE(form.panel_credit0->height(), barHeight);
    QCOMPARE(form.Image_barra_sx->isVisibleTo(form.panel_credit0), sides);
    QCOMPARE(form.Image_barra_dx->isVisibleTo(form.panel_credit0), sides);
    QCOMPARE(form.panel_credit->isVisibleTo(form.panel_credit0), label);
    QCOMPARE(form.Image_barra_mid->drawnStretched(), middleStretched);
    const QRect bar = form.panel_credit0->contentsRect();
    QCOMPARE(form.Image_barra_mid->width(), sides ? bar.width() - 300 : bar.width());

    // What the user sees: the middle picture in its place, stretched to the edge of its place or
    // centred at its size (the label's text would cover its centre).
    form.panel_credit->clear();
    const QRect mid = form.Image_barra_mid->geometry();
    const QPoint centre = mid.center();
    QCOMPARE(shownAt(form.panel_credit0, QPoint(centre.x(), centre.y())), middle);
    // Only a stretched picture reaches the corner of its place.
    const QPoint corner(mid.left() + 2, mid.top());
    QCOMPARE(shownAt(form.panel_credit0, corner) == middle, middleStretched);
    if (sides && files.contains(QStringLiteral("barra_sx")))
        QCOMPARE(shownAt(form.panel_credit0, QPoint(bar.left() + 90, centre.y())), side);
}

void TestThemes::titleBarResetByNextTheme()
{
    // Re-applying the default theme after one with pictures leaves an empty bar with its label.
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    const QString folder = themeFolder(f, QStringLiteral("barra"));
    writePicture(folder + QStringLiteral("barra_mid_x.bmp"), QSize(300, 40), Qt::blue);
    form.applyTheme(QStringLiteral("barra"));
    QVERIFY(!form.Image_barra_mid->picture().isNull());
    // The label names the current theme, not the folder just applied.
    QCOMPARE(form.options().Label_NomeTema->text(), QStringLiteral("Tema [default]"));
    form.applyTheme(QStringLiteral("default"));
    QVERIFY(form.Image_barra_mid->picture().isNull());
    QVERIFY(form.Image_barra_sx->isVisibleTo(form.panel_credit0));
    QVERIFY(form.panel_credit->isVisibleTo(form.panel_credit0));
    QCOMPARE(form.panel_credit0->height(), 30);
}

// ---------------------------------------------------------------- section colours

namespace {

QString storedText(TMainForm &form, const char *column)
{
    return form.database()
        .scalar(QStringLiteral("SELECT ") + QString::fromLatin1(column) + QStringLiteral(" FROM VNset63"))
        .toString();
}

colour::SectionColours storedColours(TMainForm &form)
{
    colour::SectionColours colours {};
    for (int i = 0; i < colour::kSections; ++i)
        colours[size_t(i)] = colour::fromText(storedText(form, colour::sectionColumns()[size_t(i)]));
    return colours;
}

// The colour painted inside a tab, away from its caption.
QColor tabShown(TMainForm &form, int index)
{
    QTabBar *bar = form.PageControlMenu->tabBar();
    const QRect r = bar->tabRect(index);
    return shownAt(bar, QPoint(r.left() + 4, r.bottom() - 4));
}

QColor panelShown(TMainForm &form, const char *panel)
{
    return form.findChild<QFrame *>(QString::fromLatin1(panel))->palette().color(QPalette::Window);
}

const colour::SectionColours kSea = { 0x00E6C896u, 0x0096E6C8u, 0x00C896E6u, 0x0080B4E6u, 0x00E6B480u,
    0x00B4E680u, 0x00D2D2D2u, 0x0096C8FAu, 0x00FAC896u };

} // namespace

void TestThemes::pageColours_data()
{
    QTest::addColumn<QList<int>>("hidden");
    QTest::newRow("all tabs") << QList<int> {};
    QTest::newRow("Giornalieri and Annuali hidden") << QList<int> { 0, 1 };
}

void TestThemes::pageColours()
{
    // Every shown tab is painted in its own page's colour, and the active page colours the title bar.
    QFETCH(QList<int>, hidden);
    MainFormFixture f;
    f.prepareDatabase([&](Database &db) {
        for (int page : hidden)
            db.update(QStringLiteral("VNset63"),
                { { QString::fromLatin1(settings::tabVisibleColumns()[size_t(page)]), false } });
    });
    TMainForm &form = f.start();
    f.comeUp();
    const QString folder = themeFolder(f, QStringLiteral("mare"));
    theme::writeText(folder + QStringLiteral("Colors.clr"), colour::schemeText(kSea));
    form.applyTheme(QStringLiteral("mare"));
    QCOMPARE(storedColours(form), kSea);

    for (int page = 0; page < colour::kSections; ++page) {
        if (hidden.contains(page))
            continue;
        const QColor expected = colour::toQColor(kSea[size_t(page)]);
        QCOMPARE(tabShown(form, page), expected);
        form.PageControlMenu->setCurrentIndex(page);
        QCOMPARE(form.currentPageColour(), expected);
        QCOMPARE(form.panel_credit0->palette().color(QPalette::Window), expected);
        QCOMPARE(shownAt(form.panel_credit0, QPoint(form.panel_credit0->width() / 2, 3)), expected);
        if (page < 4) {
            // The list pages: frame, grid titles and notes box in their own colour.
            agenda::AppointmentListPage *list = form.listPage(page);
            QCOMPARE(shownAt(list, QPoint(0, 0)), expected);
            QHeaderView *titles = list->grid->horizontalHeader();
            QCOMPARE(shownAt(titles, QPoint(titles->sectionViewportPosition(3) + 4, 1)), expected);
            QCOMPARE(shownAt(list->notes->viewport(), QPoint(4, 4)), expected);
        } else if (page == 4) {
            // The agenda page likewise.
            agenda::TodayPage *today = form.todayPage();
            QCOMPARE(shownAt(today, QPoint(0, 0)), expected);
            QHeaderView *titles = today->DBGrid_Today->horizontalHeader();
            QCOMPARE(shownAt(titles, QPoint(titles->sectionViewportPosition(2) + 4, 1)), expected);
            QCOMPARE(shownAt(today->DBMemoToday->viewport(), QPoint(4, 4)), expected);
        } else {
            // The other pages' frames.
            QCOMPARE(shownAt(form.PageControlMenu->widget(page), QPoint(1, 1)), expected);
        }
    }
    // The first tab the user sees carries its own caption and colour.
    const int first = hidden.isEmpty() ? 0 : 2;
    QCOMPARE(form.PageControlMenu->tabBar()->tabText(first).trimmed(),
        QString::fromLatin1(colour::sectionCaptions()[size_t(first)]));
}

void TestThemes::colourSquares_data()
{
    QTest::addColumn<bool>("themeColours");
    QTest::newRow("built-in colours, black frame") << false;
    QTest::newRow("section colours, no frame") << true;
}

void TestThemes::colourSquares()
{
    // The squares of the tray menu, the agenda's add menu and the grids' context menu
    // follow the section colours and the theme's two square switches.
    QFETCH(bool, themeColours);
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    const QString folder = themeFolder(f, QStringLiteral("mare"));
    theme::writeText(folder + QStringLiteral("Colors.clr"), colour::schemeText(kSea));
    QStringList fonts = theme::builtinFontsLines();
    if (themeColours)
        fonts << QString() << QString() << QStringLiteral("noborder") << QStringLiteral("no-default-color");
    theme::writeText(folder + QStringLiteral("Fonts.txt"), theme::linesText(fonts));
    form.applyTheme(QStringLiteral("mare"));

    const auto fill = [&](int section) {
        return colour::toQColor((themeColours ? kSea : colour::kBuiltinSections)[size_t(section)]);
    };
    const QColor frame = themeColours ? QApplication::palette().color(QPalette::Button) : QColor(Qt::black);
    const auto check = [&](const QIcon &icon, int section) {
        const QImage square = icon.pixmap(16, 16).toImage();
        QCOMPARE(square.pixelColor(8, 8), fill(section));
        QCOMPARE(square.pixelColor(0, 0), frame);
    };
    const QList<QAction *> tray = form.PopupMenuTray->actions();
    for (int section = 0; section < colour::kSections; ++section)
        check(tray.at(section)->icon(), section);
    agenda::TodayPage *today = form.todayPage();
    today->PopupMenuTodayPopup();
    check(today->PopupMenuToday->findChild<QAction *>(QStringLiteral("MensileToday"))->icon(), 2);
    agenda::AppointmentListPage *list = form.listPage(0);
    QVERIFY(list->prepareTableMenu());
    check(list->findChild<QAction *>(QStringLiteral("Contatto1"))->icon(), 5);
    check(list->findChild<QAction *>(QStringLiteral("Settimanale1"))->icon(), 3);
}

void TestThemes::colourPanelChoice_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("section");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("Impegni, chosen") << "Panel_TodayColor" << 4 << true;
    QTest::newRow("Opzioni, chosen") << "Panel_UserColor" << 8 << true;
    QTest::newRow("Contatti, cancelled") << "Panel_ContactColor" << 5 << false;
}

void TestThemes::colourPanelChoice()
{
    QFETCH(QString, panel);
    QFETCH(int, section);
    QFETCH(bool, chosen);
    MainFormFixture f;
    TMainForm *form = &f.start();
    f.comeUp();
    form->PageControlMenu->setCurrentWidget(form->TabSheetSetup);
    const QColor before = colour::toQColor(colour::kBuiltinSections[size_t(section)]);
    const QColor white(Qt::white);
    f.files.colours = { chosen ? std::optional<QColor>(white) : std::nullopt };

    auto *flat = form->findChild<QFrame *>(panel)->findChild<QToolButton *>();
    flat->click();

    // The dialog opens on the panel's colour.
    QCOMPARE(f.files.colourPresets, QList<QColor> { before });
    const QColor now = chosen ? white : before;
    QCOMPARE(panelShown(*form, panel.toLatin1().constData()), now);
    QCOMPARE(storedText(*form, colour::sectionColumns()[size_t(section)]),
        chosen ? QStringLiteral("clWhite") : colour::toText(colour::kBuiltinSections[size_t(section)]));
    QCOMPARE(tabShown(*form, section), now);
    QCOMPARE(form->panel_credit0->palette().color(QPalette::Window),
        section == 8 ? now : form->currentPageColour());
    QVERIFY(f.prompter.texts(QStringLiteral("error")).isEmpty());

    // The next start applies the theme again, whose colours come back.
    f.form.reset();
    form = &f.start();
    f.comeUp();
    QCOMPARE(storedColours(*form), colour::kBuiltinSections);
    QCOMPARE(panelShown(*form, panel.toLatin1().constData()), before);
}

void TestThemes::restoreBuiltinColours_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestThemes::restoreBuiltinColours()
{
    QFETCH(bool, yes);
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    const QString folder = themeFolder(f, QStringLiteral("mare"));
    theme::writeText(folder + QStringLiteral("Colors.clr"), colour::schemeText(kSea));
    form.applyTheme(QStringLiteral("mare"));
    f.prompter.answers = { yes };
    form.options().colourSheet().SpeedButtonRestoreColor->click();
    QCOMPARE(f.prompter.texts(QStringLiteral("question")),
        QStringList { QStringLiteral("Nostalgia del vecchio look?") });
    const colour::SectionColours expected = yes ? colour::kBuiltinSections : kSea;
    QCOMPARE(storedColours(form), expected);
    QCOMPARE(form.options().colourSheet().colours(), expected);
    QCOMPARE(tabShown(form, 0), colour::toQColor(expected[0]));
}

void TestThemes::schemeSaveAndOpen_data()
{
    QTest::addColumn<bool>("colorsFolder");
    QTest::newRow("no colors folder") << false;
    QTest::newRow("colors folder") << true;
}

void TestThemes::schemeSaveAndOpen()
{
    QFETCH(bool, colorsFolder);
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    const QString colors = f.programFolder() + QStringLiteral("colors");
    if (colorsFolder)
        QDir().mkpath(colors);
    ColourSheet &sheet = form.options().colourSheet();
    // Named colours are written by name, the others as $ and eight digits.
    colour::SectionColours mine = kSea;
    mine[2] = colour::kWhite;
    mine[7] = 0x00000080u; // clMaroon
    sheet.showColours(mine);

    const QString file = f.dir.filePath(QStringLiteral("mio"));
    f.files.paths = { file };
    sheet.SpeedButtonSalvaColori->click();
    QCOMPARE(f.files.requests.size(), size_t(1));
    const auto save = f.files.requests.back();
    QCOMPARE(save.kind, QStringLiteral("save"));
    QCOMPARE(save.caption, QStringLiteral("Salva set di colori"));
    QCOMPARE(save.filter, QStringLiteral("Lista di colori (*.clr)"));
    QCOMPARE(save.start, (colorsFolder ? colors : QDir(f.workingFolder()).path()) + QLatin1Char('/'));
    QFile saved(file + QStringLiteral(".clr"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(),
        QByteArray("$00E6C896\r\n$0096E6C8\r\nclWhite\r\n$0080B4E6\r\n$00E6B480\r\n$00B4E680\r\n"
                   "$00D2D2D2\r\nclMaroon\r\n$00FAC896\r\n"));
    saved.close();

    // Saving over it asks first; No leaves the file as it was.
    sheet.showColours(colour::kBuiltinSections);
    f.files.paths = { file + QStringLiteral(".clr") };
    f.prompter.answers = { false };
    sheet.SpeedButtonSalvaColori->click();
    QCOMPARE(f.prompter.texts(QStringLiteral("question")),
        QStringList { QStringLiteral("Sovrascrivere \"mio.clr\"?") });
    QCOMPARE(theme::readColours(*theme::readLines(file + QStringLiteral(".clr"))), mine);

    // Opened again it gives back the same nine colours, stored and shown.
    f.files.paths = { file + QStringLiteral(".clr") };
    sheet.SpeedButtonApriColori->click();
    const auto open = f.files.requests.back();
    QCOMPARE(open.kind, QStringLiteral("open"));
    QCOMPARE(open.caption, QStringLiteral("Apri set di colori"));
    QCOMPARE(open.filter, QStringLiteral("Lista di colori (*.clr)"));
    QCOMPARE(open.start, colorsFolder ? colors : f.shell.desktop);
    QCOMPARE(sheet.colours(), mine);
    QCOMPARE(storedColours(form), mine);
    QCOMPARE(tabShown(form, 2), QColor(Qt::white));
    QVERIFY(f.prompter.texts(QStringLiteral("error")).isEmpty());

    // Cancelled dialogs change nothing.
    f.files.paths = { std::nullopt, std::nullopt };
    sheet.SpeedButtonSalvaColori->click();
    sheet.SpeedButtonApriColori->click();
    QCOMPARE(storedColours(form), mine);
}

void TestThemes::schemeBadFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<quint32>>("readBefore"); // the colours of the lines before the bad one
    QTest::newRow("bad fourth line") << QByteArray("clRed\r\nclLime\r\nclBlue\r\nrosso\r\nclRed\r\n")
                                     << QList<quint32> { 0x000000FFu, 0x0000FF00u, 0x00FF0000u };
    QTest::newRow("eight lines") << QByteArray("clRed\nclRed\nclRed\nclRed\nclRed\nclRed\nclRed\nclRed\n")
                                 << QList<quint32>(8, 0x000000FFu);
    QTest::newRow("no file") << QByteArray() << QList<quint32> {};
}

void TestThemes::schemeBadFile()
{
    // The panels read before the bad line keep their new colours; nothing is stored.
    QFETCH(QByteArray, content);
    QFETCH(QList<quint32>, readBefore);
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    const QString file = f.dir.filePath(QStringLiteral("rotto.clr"));
    if (!content.isEmpty()) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    f.files.paths = { file };
    ColourSheet &sheet = form.options().colourSheet();
    sheet.SpeedButtonApriColori->click();
    QCOMPARE(f.prompter.texts(QStringLiteral("error")).size(), 1);
    QCOMPARE(storedColours(form), colour::kBuiltinSections);
    for (int i = 0; i < colour::kSections; ++i)
        QCOMPARE(sheet.colours()[size_t(i)],
            i < readBefore.size() ? readBefore.at(i) : colour::kBuiltinSections[size_t(i)]);
}

// ---------------------------------------------------------------- focus colours and dialog scale

void TestThemes::focusColours()
{
    // A field takes the page colour and the theme's tab font colour while it has the focus.
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    const QString folder = themeFolder(f, QStringLiteral("rosso"));
    QStringList fonts = theme::builtinFontsLines();
    fonts[8] = QStringLiteral("clRed");
    theme::writeText(folder + QStringLiteral("Fonts.txt"), theme::linesText(fonts));
    form.applyTheme(QStringLiteral("rosso"));
    form.PageControlMenu->setCurrentWidget(form.TabSheetSetup);

    QWidget *field = form.options().ComboBox_FormatoDataShot;
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(field, &in);
    QCOMPARE(field->palette().color(QPalette::Base), colour::toQColor(colour::kBuiltinSections[8]));
    QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::red));
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(field, &out);
    QCOMPARE(field->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::black));
}

void TestThemes::dialogScale_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("scaleIndex");
    QTest::addColumn<QSize>("designed");
    QTest::newRow("tab chooser at 100") << "tabs" << 0 << QSize(280, 220);
    QTest::newRow("tab chooser at 150") << "tabs" << 5 << QSize(280, 220);
    QTest::newRow("migration notice at 120") << "migration" << 2 << QSize(520, 300);
}

void TestThemes::dialogScale()
{
    // A dialog shown with the scale at p per cent is p/100 times its designed size, fonts included.
    QFETCH(QString, dialog);
    QFETCH(int, scaleIndex);
    QFETCH(QSize, designed);
    MainFormFixture f;
    f.prepareDatabase([&](Database &db) {
        db.update(QStringLiteral("VNset63"), { { QStringLiteral("scala_index"), scaleIndex } });
    });
    TMainForm &form = f.start();
    f.comeUp();
    const double factor = (100 + 10 * scaleIndex) / 100.0;
    QCOMPARE(form.dialogScale(), 100 + 10 * scaleIndex);

    const qreal basePoints = QApplication::font().pointSizeF();
    QSize shownSize;
    qreal dialogPoints = 0;
    qreal titlePoints = 0;
    int margin = 0;
    f.onModal = [&](QDialog &d) {
        d.show();
        shownSize = d.size();
        dialogPoints = d.font().pointSizeF();
        titlePoints = d.findChild<QLabel *>(QStringLiteral("LabelTitle"))->font().pointSizeF();
        margin = d.layout()->contentsMargins().left();
        d.hide();
        return int(QDialog::Rejected);
    };
    if (dialog == QLatin1String("tabs"))
        form.options().SpeedButton_TabShow->click();
    else
        form.SpeedButtonMigrationInfoClick();
    QCOMPARE(f.modalShown, 1);
    QCOMPARE(shownSize, QSize(qRound(designed.width() * factor), qRound(designed.height() * factor)));
    QCOMPARE(dialogPoints, basePoints * factor);
    QCOMPARE(titlePoints, basePoints * factor);
    QCOMPARE(margin, qRound(4 * factor));
}

// ---------------------------------------------------------------- theme files

void TestThemes::contactMapAddedToOldDefault()
{
    // A default folder written by an older version gains the map picture at the next theme application.
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    const QString map = f.programFolder() + QStringLiteral("themes/default/contact_map.bmp");
    QVERIFY(QFile::remove(map));
    form.reapplyTheme();
    const QImage saved(map);
    QCOMPARE(saved.size(), QSize(64, 32));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB888),
        theme::builtinGlyph(QStringLiteral("contact_map")).convertToFormat(QImage::Format_RGB888));
}

void TestThemes::badColoursFile()
{
    // A bad line of Colors.clr is reported; the rest of the theme is abandoned and what was
    // applied before the error stays.
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    f.prompter.clear();
    const QString folder = themeFolder(f, QStringLiteral("rotto"));
    QStringList fonts = theme::builtinFontsLines();
    fonts[8] = QStringLiteral("clRed");
    theme::writeText(folder + QStringLiteral("Fonts.txt"), theme::linesText(fonts));
    theme::writeText(folder + QStringLiteral("Colors.clr"), QStringLiteral("clRed\r\nclLime\r\nverdino\r\n"));
    const QString map = f.programFolder() + QStringLiteral("themes/default/contact_map.bmp");
    QVERIFY(QFile::remove(map));

    form.applyTheme(QStringLiteral("rotto"));
    const QStringList errors = f.prompter.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.at(0).contains(QStringLiteral("verdino")), qPrintable(errors.at(0)));
    QCOMPARE(storedColours(form), colour::kBuiltinSections);
    QCOMPARE(form.tabFontColour(), QColor(Qt::red)); // applied before the colours
    QVERIFY(!QFileInfo::exists(map)); // a later step
}

// ---------------------------------------------------------------- list grids and the agenda date

void TestThemes::listGridsFollowTheTheme()
{
    // Fonts.txt gives the grids and notes boxes their font and the cells their text colours;
    // the columns are fitted to the new font.
    MainFormFixture f;
    f.prepareDatabase([](Database &db) {
        for (const char *id : { "Una cena piuttosto lunga", "Pranzo" }) {
            Appointment a;
            a.id = QString::fromLatin1(id);
            a.flag = QStringLiteral("O");
            a.datefull = QDate(2026, 12, 20);
            a.orario = a.orario2 = QStringLiteral("  :  ");
            a.fatto = agenda::neverDoneDate(a.datefull);
            a.flagfatto = a.anticipa = a.flagscad = QStringLiteral("N");
            a.sospeso = a.id == QLatin1String("Pranzo") ? QStringLiteral("N") : QStringLiteral("Y");
            db.insert(QStringLiteral("VNarc66"), agenda::appointmentValues(a));
        }
    });
    TMainForm &form = f.start();
    f.comeUp();
    const QString folder = themeFolder(f, QStringLiteral("grande"));
    QStringList fonts = theme::builtinFontsLines();
    fonts[8] = QStringLiteral("clNavy");
    fonts[11] = QStringLiteral("Arial");
    fonts[12] = QStringLiteral("16");
    fonts[13] = QStringLiteral("clGreen");
    fonts[25] = QStringLiteral("clPurple");
    theme::writeText(folder + QStringLiteral("Fonts.txt"), theme::linesText(fonts));
    agenda::AppointmentListPage *page = form.listPage(0);
    const int narrowWidth = page->grid->columnWidth(3);
    form.applyTheme(QStringLiteral("grande"));

    for (int i = 0; i < 4; ++i) {
        agenda::AppointmentListPage *list = form.listPage(i);
        QCOMPARE(list->grid->font().pointSize(), 16);
        QCOMPARE(list->grid->font().family(), theme::mapFontFamily(QStringLiteral("Arial")));
        QCOMPARE(list->notes->font().pointSize(), 16);
    }
    QVERIFY(page->grid->columnWidth(3) > narrowWidth);
    QCOMPARE(page->grid->columnWidth(3),
        QFontMetrics(page->grid->font()).horizontalAdvance(QStringLiteral("Una cena piuttosto lunga")) + 10);
    auto *delegate = qobject_cast<agenda::ListGridDelegate *>(page->grid->itemDelegate());
    const int lunch = page->model().appointment(0).id == QLatin1String("Pranzo") ? 0 : 1;
    QCOMPARE(delegate->cellColours(page->model().index(1 - lunch, 3), false).second, QColor(0x80, 0, 0x80));
    QCOMPARE(delegate->cellColours(page->model().index(lunch, 3), false).second, QColor(0, 0x80, 0));
    QHeaderView *titles = page->grid->horizontalHeader();
    QVERIFY(titles->styleSheet().contains(QColor(0, 0, 0x80).name()));
    QCOMPARE(page->notes->palette().color(QPalette::Text), QColor(0, 0, 0x80));
}

void TestThemes::agendaDatePickerColours()
{
    // The agenda date is white on today's date and button face on any other; its calendar's
    // title takes the Impegni colour.
    MainFormFixture f;
    TMainForm &form = f.start();
    f.comeUp();
    QCOMPARE(form.DateTimePickerTODAY->date(), f.clock.today());
    QCOMPARE(form.DateTimePickerTODAY->palette().color(QPalette::Base), QColor(Qt::white));
    form.DateTimePickerTODAY->setDate(f.clock.today().addDays(1));
    QCOMPARE(form.DateTimePickerTODAY->palette().color(QPalette::Base),
        QApplication::palette().color(QPalette::Button));
    auto *title = form.DateTimePickerTODAY->calendarWidget()->findChild<QWidget *>(
        QStringLiteral("qt_calendar_navigationbar"));
    QVERIFY(title);
    QCOMPARE(title->palette().color(QPalette::Highlight), colour::toQColor(colour::kBuiltinSections[4]));
    // Leaving the picker gives back the colour of its date, not the white of the other fields.
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    // The focus reaches the picker and its edit field; what shows is the edit field.
    auto *field = form.DateTimePickerTODAY->findChild<QLineEdit *>();
    QVERIFY(field);
    for (QWidget *w : { static_cast<QWidget *>(form.DateTimePickerTODAY), static_cast<QWidget *>(field) }) {
        QApplication::sendEvent(w, &in);
        QApplication::sendEvent(w, &out);
    }
    for (QWidget *w : { static_cast<QWidget *>(form.DateTimePickerTODAY), static_cast<QWidget *>(field) }) {
        QCOMPARE(w->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
        QCOMPARE(w->palette().color(QPalette::Text), QColor(Qt::black));
    }
    form.DateTimePickerTODAY->setDate(f.clock.today());
    QCOMPARE(form.DateTimePickerTODAY->palette().color(QPalette::Base), QColor(Qt::white));
}
