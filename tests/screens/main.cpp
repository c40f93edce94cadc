// Renders the main window and its pages into PNG files, for the README and for
// looking at what a change does. Runs the real window on a sample database in a
// temporary program folder; message boxes are answered by a double.
#include "agenda/AppointmentEditor.h"
#include "agenda/Notices.h"
#include "agenda/TSelectForm.h"
#include "agenda/TodayPage.h"
#include "app/AlarmCenter.h"
#include "app/OptionsPage.h"
#include "app/Regional.h"
#include "app/Services.h"
#include "app/TMainForm.h"
#include "app/TTabShowForm.h"
#include "platform/SlideNotice.h"
#include "store/Database.h"
#include "store/OpenDatabase.h"
#include "store/Schema.h"
#include "support/TestDoubles.h"
#include "themes/ThemeFiles.h"
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>
#include <string>

#include <cstdio>

using namespace vellamora;

namespace {

Appointment sample(const char *id, const QString &flag, const QDate &date, const char *from, const char *to)
{
    Appointment a;
    a.id = QString::fromUtf8(id);
    a.flag = flag;
    a.datefull = date;
    a.orario = QString::fromLatin1(from);
    a.orario2 = QString::fromLatin1(to);
    a.fatto = agenda::neverDoneDate(date);
    a.flagfatto = QStringLiteral("N");
    a.anticipa = QStringLiteral("N");
    a.sospeso = QStringLiteral("N");
    a.flagscad = QStringLiteral("N");
    a.scadenza = date;
    return a;
}

// A few appointments of each kind, with notes, markers and a suspended one.
void addSample(Database &db, const QDate &today, const Regional &regional)
{
    const QString O = QStringLiteral("O"), Y = QStringLiteral("Y"), M = QStringLiteral("M"),
                  W = QStringLiteral("W");
    std::vector<Appointment> rows {
        sample("Riunione di redazione", O, today, "09:30", "11:00"),
        sample("Caffè con Giulia", O, today, "16:00", "  :  "),
        sample("Palestra", O, today.addDays(1), "  :  ", "  :  "),
        sample("Rinnovo passaporto", O, today.addDays(3), "10:00", "10:30"),
        sample("Cena di Natale", O, today.addDays(13), "20:30", "  :  "),
        sample("Compleanno di Anna", Y, QDate(1990, 3, 20), "  :  ", "  :  "),
        sample("Anniversario di nozze", Y, QDate(2005, 6, 11), "  :  ", "  :  "),
        sample("Ferie in montagna", Y, QDate(2020, 8, 1), "  :  ", "  :  "),
        sample("Affitto", M, QDate(2026, 1, 5), "  :  ", "  :  "),
        sample("Bolletta della luce", M, QDate(2026, 1, 20), "  :  ", "  :  "),
        sample("Rata del mutuo", M, QDate(2026, 1, 27), "09:00", "  :  "),
        sample("Lezione di piano", W, QDate(2026, 12, 7), "17:00", "18:00"),
        sample("Nuoto", W, QDate(2026, 12, 9), "19:00", "20:00"),
        sample("Spesa al mercato", W, QDate(2026, 12, 12), "08:30", "  :  "),
    };
    rows[1].note = QStringLiteral("Portare il libro");
    rows[2].dayofweek = agenda::marker::nag;
    rows[3].dayofweek = agenda::marker::autoDelete;
    rows[4].sospeso = QStringLiteral("Y");
    rows[5].dayofmonth = QStringLiteral("SI");
    rows[6].note = QStringLiteral("Prenotare il ristorante");
    for (Appointment &a : rows) {
        if (a.flag == Y)
            a.data = agenda::dayMonthText(a.datefull, regional);
        if (a.flag == M)
            a.dayofmonth = agenda::dayText(a.datefull);
        if (a.flag == W) {
            a.dayofweek = agenda::weekdayText(a.datefull, regional);
            a.dayindex = a.datefull.dayOfWeek() % 7 + 1;
        }
    }
    rows[9].note = QStringLiteral("Pagare in posta");
    rows[12].sospeso = QStringLiteral("Y");
    for (const Appointment &a : rows)
        db.insert(QStringLiteral("VNarc66"), agenda::appointmentValues(a));
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
                { QStringLiteral("dayofmonth"),
                    flag == QLatin1String("M") ? agenda::dayText(day) : QString() },
                { QStringLiteral("dayofweek"),
                    flag == QLatin1String("W") ? agenda::weekdayText(day, regional)
                                               : QString::fromLatin1(r.marker) },
                { QStringLiteral("dayindex"),
                    flag == QLatin1String("W") ? QVariant(day.dayOfWeek()) : QVariant() },
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
        addSample(db, clock.today(), Regional::italian());
        // The timed alarm and the advance notice of three days, with two days to announce.
        db.update(QStringLiteral("VNset63"),
            { { QStringLiteral("timecheck"), QStringLiteral("Y") }, { QStringLiteral("futuro_flag"), true },
                { QStringLiteral("futuro_days"), 3 } });
        for (const auto &[days, id] :
            { std::pair { 1, "Esame di guida" }, std::pair { 3, "Rinnovo passaporto" } })
            db.insert(QStringLiteral("VNarc66"),
                { { QStringLiteral("id"), QString::fromUtf8(id) },
                    { QStringLiteral("flag"), QStringLiteral("O") },
                    { QStringLiteral("datefull"), clock.today().addDays(days) },
                    { QStringLiteral("orario"), QStringLiteral("08:45") },
                    { QStringLiteral("orario2"), QStringLiteral("  :  ") },
                    { QStringLiteral("fatto"), clock.today().addDays(-150000) },
                    { QStringLiteral("flagfatto"), QStringLiteral("N") },
                    { QStringLiteral("anticipa"), QStringLiteral("Y") },
                    { QStringLiteral("sospeso"), QStringLiteral("N") },
                    { QStringLiteral("flagscad"), QStringLiteral("N") } });
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
        // A page's own picture: Giornalieri adds with the note picture, the other pages keep theirs.
        theme::builtinGlyph(QStringLiteral("note_add")).save(mare + QStringLiteral("day_add.bmp"), "BMP");
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
        const std::pair<AppointmentKind, const char *> kinds[]
            = { { AppointmentKind::OneShot, "shot" }, { AppointmentKind::Yearly, "year" },
                  { AppointmentKind::Monthly, "month" }, { AppointmentKind::Weekly, "week" } };
        for (const auto &[kind, name] : kinds) {
            agenda::EditorContext context = form.editorContext(kind);
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
            row.dayofweek = kind == AppointmentKind::Weekly
                ? agenda::weekdayText(clock.today(), services.regional)
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
            if (kind == AppointmentKind::Weekly) {
                modify.SpeedButtonZoomNote->click();
                save(modify, "editor-modify-week-notes");
            }
        }
        // The calendar dialog as the one-shot editor opens it.
        agenda::EditorContext context = form.editorContext(AppointmentKind::OneShot);
        agenda::TSelectForm &calendar = *context.calendar;
        calendar.prepare(context.sectionColour, context.titleText, QStringLiteral("Scegli la data"),
            QLatin1Char('G'), clock.today());
        calendar.show();
        save(calendar, "calendar");
        calendar.hide();
    }
    // An alarm rung while the window waits in the tray: its notice, then the blinking panel.
    {
        SlideNotice &notices = *form.MSNPopUp_Anticipo;
        notices.closeAll();
        pages->setCurrentWidget(form.TabSheetTODAY);
        form.SpeedButton_MINIMIZEClick();
        clock.set(QDateTime(clock.today(), QTime(16, 0)));
        form.alarms().TimerContolloOrarioTimer();
        QTest::qWait(300); // slid in
        if (!notices.windows().isEmpty())
            save(*notices.windows().last(), "notice-alarm");
        form.TrayIconClick();
        QTest::qWait(100);
        save(form, "alarm-panel");
        form.TimerOrologioTimer();
        save(form, "alarm-panel-line2");
        form.alarms().stopBlinking();

        // The advance notice: one notice per day, the farthest first, stacked upwards.
        form.SpeedButtonAnticipoClick();
        QTest::qWait(400);
        const QList<QWidget *> shown = notices.windows();
        QRect area;
        for (QWidget *w : shown)
            area |= w->geometry();
        QImage stack(area.size() + QSize(16, 16), QImage::Format_RGB32);
        stack.fill(QColor(0x3A, 0x6E, 0xA5)); // a desktop behind them
        QPainter painter(&stack);
        for (int i = 0; i < shown.size(); ++i) {
            painter.drawPixmap(
                shown[i]->geometry().topLeft() - area.topLeft() + QPoint(8, 8), shown[i]->grab());
            save(*shown[i], (std::string("notice-advance-") + std::to_string(i + 1)).c_str());
        }
        painter.end();
        const QString file = out + QStringLiteral("/notice-stack.png");
        stack.save(file);
        std::printf("%s\n", qPrintable(file));
        notices.closeAll();
        // Today's summary, as a start in the tray shows it.
        notices.showNotice(agenda::notice::dailySummary(form.dayAgenda(), clock.today(), services.regional));
        QTest::qWait(300);
        save(*notices.windows().last(), "notice-summary");
        notices.closeAll();
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
            const QString folder
                = program + QStringLiteral("themes/") + QString::fromLatin1(style) + QLatin1Char('/');
            QDir().mkpath(folder);
            QStringList fonts = theme::builtinFontsLines();
            fonts[22] = QString::fromLatin1(style);
            theme::writeText(folder + QStringLiteral("Fonts.txt"), theme::linesText(fonts));
            form.applyTheme(QString::fromLatin1(style));
            today.selectRow(2);
            save(form, (std::string("agenda-") + style).c_str());
        }
        // The busy day as the page opens, without the side panel (the README's picture).
        today.SpeedButtonClendarioLato->click();
        form.applyTheme(QStringLiteral("colorate"));
        today.selectRow(2);
        save(form, "agenda-busy-day");
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
