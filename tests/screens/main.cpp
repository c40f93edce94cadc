// Renders the main window and its pages into PNG files, for the README and for
// looking at what a change does. Runs the real window on a sample database in a
// temporary program folder; message boxes are answered by a double.
#include "agenda/AppointmentEditor.h"
#include "agenda/TodayPage.h"
#include "app/Regional.h"
#include "app/Services.h"
#include "app/TMainForm.h"
#include "app/OptionsPage.h"
#include "app/TTabShowForm.h"
#include "store/Database.h"
#include "store/OpenDatabase.h"
#include "store/Schema.h"
#include "support/TestDoubles.h"
#include "themes/ThemeFiles.h"
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <QtCore/QDir>
#include <string>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>

#include <cstdio>

using namespace vellamora;

namespace {

void addSample(Database &db, const QDate &today)
{
    struct Row
    {
        const char *id;
        const char *start;
        const char *end;
    };
    for (const Row &r : { Row { "Riunione di redazione", "09:30", "11:00" },
             Row { "Caffè con Giulia", "16:00", "  :  " }, Row { "Palestra", "  :  ", "  :  " } })
        db.insert(QStringLiteral("VNarc66"),
            { { QStringLiteral("id"), QString::fromUtf8(r.id) },
                { QStringLiteral("flag"), QStringLiteral("O") }, { QStringLiteral("datefull"), today },
                { QStringLiteral("orario"), QString::fromLatin1(r.start) },
                { QStringLiteral("orario2"), QString::fromLatin1(r.end) },
                { QStringLiteral("fatto"), today.addDays(-150000) },
                { QStringLiteral("flagfatto"), QStringLiteral("N") },
                { QStringLiteral("sospeso"), QStringLiteral("N") },
                { QStringLiteral("flagscad"), QStringLiteral("N") } });
}

// A busy day for the agenda page: every kind, done, suspended, nag, auto-delete, notes.
void addBusyDay(Database &db, const QDate &day, const Regional &regional)
{
    struct Row
    {
        const char *flag, *id, *start, *end, *note, *marker;
        bool done, suspended;
    };
    const Row rows[] = {
        { "O", "Dentista", "08:30", "09:00", "", "", true, false },
        { "W", "Lezione di piano", "09:00", "10:00", "Portare gli spartiti", "", false, false },
        { "O", "Chiamare l'idraulico", "10:30", "  :  ", "", "T", false, false },
        { "Y", "Compleanno di Marta", "  :  ", "  :  ", "Regalo: un libro", "", false, false },
        { "M", "Bolletta della luce", "12:00", "  :  ", "", "", true, false },
        { "O", "Ritirare la giacca", "15:00", "15:30", "", "X", false, false },
        { "W", "Palestra", "18:00", "19:30", "", "", false, true },
        { "O", "Cena con Luca, Anna", "20:30", "  :  ", "Pizzeria \"Da Gino\"", "", false, false },
    };
    for (const Row &r : rows) {
        const QString flag = QString::fromLatin1(r.flag);
        db.insert(QStringLiteral("VNarc66"),
            { { QStringLiteral("id"), QString::fromUtf8(r.id) }, { QStringLiteral("flag"), flag },
                { QStringLiteral("note"), QString::fromUtf8(r.note) }, { QStringLiteral("datefull"), day },
                { QStringLiteral("data"), agenda::dayMonthText(day, regional) },
                { QStringLiteral("dayofmonth"), flag == QLatin1String("M") ? agenda::dayText(day) : QString() },
                { QStringLiteral("dayofweek"),
                    flag == QLatin1String("W") ? agenda::weekdayText(day, regional) : QString::fromLatin1(r.marker) },
                { QStringLiteral("dayindex"), flag == QLatin1String("W") ? QVariant(day.dayOfWeek()) : QVariant() },
                { QStringLiteral("orario"), QString::fromLatin1(r.start) },
                { QStringLiteral("orario2"), QString::fromLatin1(r.end) },
                { QStringLiteral("fatto"), r.done ? day : day.addDays(-150000) },
                { QStringLiteral("flagfatto"), r.done ? QStringLiteral("Y") : QStringLiteral("N") },
                { QStringLiteral("sospeso"), r.suspended ? QStringLiteral("Y") : QStringLiteral("N") },
                { QStringLiteral("flagscad"), QStringLiteral("N") } });
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);
    QTemporaryDir dir;
    const QString program = dir.path() + QStringLiteral("/");
    const QString work = program + QStringLiteral("vellarcs/marioArc/");

    test::FakeClock clock(QDateTime(QDate(2026, 12, 11), QTime(10, 15, 30)));
    test::ScriptedPrompter prompter;
    test::ScriptedFileChooser files;
    test::RecordingShell shell;
    test::RecordingSoundPlayer sound;
    {
        Database db;
        openWorkingDatabase(db, work, clock.now(), Regional::italian(), prompter);
        schema::ensureSchema(db, { work, program, true });
        addSample(db, clock.today());
    }
    Services services { clock, prompter, files, shell, sound, program, {}, Regional::italian(),
        [](QDialog &) { return int(QDialog::Rejected); }, false };
    TMainForm form(services);
    QTest::qWait(100);
    form.activateWindow();
    form.TimerOrologioTimer();

    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("PageControlMenu"));
    // The section colour panels lie on a sheet the window keeps out of sight: rendered on their own.
    auto colourSheet = [&](const char *name) {
        QWidget &sheet = form.options().colourSheet();
        sheet.resize(form.options().size());
        const QString file = out + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png");
        sheet.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    };
    const QString main = out + QStringLiteral("/main-window.png");
    pages->setCurrentWidget(form.TabSheetTODAY);
    QTest::qWait(50);
    if (!form.grab().save(main))
        return 1;
    std::printf("%s\n", qPrintable(main));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(20);
        const QString file
            = out + QStringLiteral("/page-") + pages->widget(i)->objectName() + QStringLiteral(".png");
        form.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }
    colourSheet("colours");

    // A second theme written here: other colours, a full-width title bar picture, a few glyphs.
    {
        const QString mare = program + QStringLiteral("themes/mare/");
        QDir().mkpath(mare);
        QFile clr(mare + QStringLiteral("Colors.clr"));
        if (clr.open(QIODevice::WriteOnly))
            clr.write("$00E6C896\r\n$0096E6C8\r\n$00C896E6\r\n$0080B4E6\r\n$00E6B480\r\n$00B4E680\r\n"
                      "$00D2D2D2\r\n$0096C8FA\r\n$00FAC896\r\n");
        clr.close();
        QImage bar(600, 40, QImage::Format_RGB32);
        QPainter painter(&bar);
        QLinearGradient wave(0, 0, 600, 0);
        wave.setColorAt(0, QColor(0x1E, 0x5A, 0x8C));
        wave.setColorAt(1, QColor(0x8C, 0xC8, 0xE6));
        painter.fillRect(bar.rect(), wave);
        // Light crests only: the clock label is drawn over the middle of the picture.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 255, 255, 110), 2));
        for (int row = 0; row < 3; ++row) {
            QPainterPath crest;
            crest.moveTo(0, 12 + row * 9);
            for (int x = 0; x < 600; x += 40)
                crest.quadTo(x + 20, 6 + row * 9, x + 40, 12 + row * 9);
            painter.drawPath(crest);
        }
        painter.end();
        bar.save(mare + QStringLiteral("barra_mid_x.bmp"), "BMP");
        // Each half (normal, disabled) mirrored in its place.
        {
            const QImage refresh = theme::builtinGlyph(QStringLiteral("vm_refresh"));
            const int half = refresh.width() / 2;
            QImage kill(refresh.size(), QImage::Format_RGB32);
            QPainter halves(&kill);
            halves.drawImage(0, 0, refresh.copy(0, 0, half, refresh.height()).mirrored(true, false));
            halves.drawImage(half, 0, refresh.copy(half, 0, half, refresh.height()).mirrored(true, false));
            halves.end();
            kill.save(mare + QStringLiteral("vm_kill.bmp"), "BMP");
        }
        theme::builtinGlyph(QStringLiteral("help_web")).save(mare + QStringLiteral("vm_about.bmp"), "BMP");
        form.applyTheme(QStringLiteral("mare"));
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QTest::qWait(20);
            const QString file = out + QStringLiteral("/mare-page-") + pages->widget(i)->objectName()
                + QStringLiteral(".png");
            form.grab().save(file);
            std::printf("%s\n", qPrintable(file));
        }
        colourSheet("mare-colours");
        form.reapplyTheme();
        pages->setCurrentWidget(form.TabSheetTODAY);
    }
    // Every built-in glyph, normal and disabled, on one sheet.
    {
        const QStringList names = theme::builtinGlyphNames();
        QImage sheet(8 * 72, int((names.size() + 7) / 8) * 40, QImage::Format_RGB32);
        sheet.fill(QColor(0xF0, 0xF0, 0xF0));
        QPainter painter(&sheet);
        for (int i = 0; i < names.size(); ++i)
            painter.drawImage(QPoint((i % 8) * 72 + 4, (i / 8) * 40 + 4), theme::builtinGlyph(names.at(i)));
        painter.end();
        sheet.save(out + QStringLiteral("/builtin-glyphs.png"));
        theme::builtinPreview().save(out + QStringLiteral("/builtin-preview.png"));
    }

    auto save = [&](QWidget &widget, const char *name) {
        QTest::qWait(20);
        const QString file = out + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png");
        widget.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    };
    // One add and one modify dialog per appointment kind; the modify dialogs show a done,
    // suspended row with notes.
    {
        const std::pair<AppointmentKind, const char *> kinds[] = { { AppointmentKind::OneShot, "shot" },
            { AppointmentKind::Yearly, "year" }, { AppointmentKind::Monthly, "month" },
            { AppointmentKind::Weekly, "week" } };
        for (const auto &[kind, name] : kinds) {
            agenda::EditorContext context;
            context.db = &form.database();
            context.regional = &services.regional;
            context.prompter = &prompter;
            context.shownDate = clock.today();
            context.today = clock.today();
            context.datePicture = kind == AppointmentKind::Yearly ? QStringLiteral("d mmmm")
                                                                  : QStringLiteral("dddd d mmmm yyyy");
            context.advanceNoticeDays = 3;
            agenda::AppointmentEditor add(kind, context, std::nullopt, &form);
            add.show();
            QTest::keyClicks(add.Edit_id, QStringLiteral("Lezione di piano"));
            save(add, (std::string("editor-add-") + name).c_str());
            Appointment row;
            row.codimp = 1;
            row.flag = agenda::kindLetter(kind);
            row.id = QStringLiteral("Bolletta della luce");
            row.note = QStringLiteral("Pagare in posta");
            row.datefull = clock.today();
            row.dayofmonth = kind == AppointmentKind::Monthly ? agenda::dayText(clock.today())
                : kind == AppointmentKind::Yearly             ? QStringLiteral("SI")
                                                              : QString();
            row.dayofweek = kind == AppointmentKind::Weekly ? agenda::weekdayText(clock.today(), services.regional)
                                                            : QString();
            row.orario = QStringLiteral("09:30");
            row.orario2 = QStringLiteral("10:00");
            row.fatto = clock.today();
            row.flagfatto = QStringLiteral("Y");
            row.sospeso = QStringLiteral("Y");
            row.flagscad = QStringLiteral("N");
            row.scadenza = clock.today();
            agenda::AppointmentEditor modify(kind, context, row, &form);
            modify.show();
            save(modify, (std::string("editor-modify-") + name).c_str());
        }
    }
    // The agenda page on a busy day in each grid style, the side panel shown and the
    // suspended appointments listed.
    {
        const QDate busy = clock.today().addDays(3);
        addBusyDay(form.database(), busy, services.regional);
        pages->setCurrentWidget(form.TabSheetTODAY);
        agenda::TodayPage &today = *form.todayPage();
        today.SpeedButtonClendarioLato->click();
        today.CheckBox_Visualizza_Sospesi->setChecked(true);
        today.DateTimePickerTODAY->setDate(busy);
        const char *const styles[] = { "colorate", "coloratissime", "indicatori" };
        for (const char *style : styles) {
            const QString folder = program + QStringLiteral("themes/") + QString::fromLatin1(style) + QLatin1Char('/');
            QDir().mkpath(folder);
            QStringList fonts = theme::builtinFontsLines();
            fonts[22] = QString::fromLatin1(style);
            theme::writeText(folder + QStringLiteral("Fonts.txt"), theme::linesText(fonts));
            form.applyTheme(QString::fromLatin1(style));
            today.selectRow(2);
            save(form, (std::string("agenda-") + style).c_str());
        }
        // The add menu with the kinds' colour squares.
        today.SpeedButtonAddToday->click();
        save(*today.PopupMenuToday, "agenda-add-menu");
        today.PopupMenuToday->close();
        form.reapplyTheme();
    }
    // The special options panel, with a password typed and not yet confirmed.
    pages->setCurrentWidget(form.TabSheetSetup);
    form.options().SpeedButton_VaiSpeciale->click();
    form.options().Edit_ImpostaPSW->setText(QStringLiteral("segreto"));
    save(form, "options-special");
    // The tab visibility dialog.
    {
        TTabShowForm tabs(services, form.database(), form.settings(), Qt::lightGray, 100, &form);
        tabs.show();
        save(tabs, "tab-visibility");
    }
    // The locked window.
    prompter.inputs = { QStringLiteral("segreto") };
    form.options().SpeedButton_PSW->click();
    save(form, "locked");
    return 0;
}
