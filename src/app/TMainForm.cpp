#include "app/TMainForm.h"

#include "agenda/AppointmentEditor.h"
#include "agenda/AppointmentListPage.h"
#include "agenda/TSelectForm.h"
#include "agenda/TodayPage.h"

#include "app/AlarmCenter.h"
#include "app/DatePicture.h"
#include "app/NamedControl.h"
#include "app/SettingsStore.h"
#include "app/ShellRules.h"
#include "app/TMigrationInfoForm.h"
#include "app/TTabShowForm.h"
#include "app/TrayImages.h"
#include "app/WorkingFolder.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "platform/SlideNotice.h"
#include "store/OpenDatabase.h"
#include "store/Schema.h"
#include "themes/SectionSquares.h"
#include "themes/SectionTabs.h"
#include "themes/TitleBarPicture.h"

#include <QtCore/QTimer>
#include <QtGui/QCloseEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QScreen>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCalendarWidget>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QStackedLayout>
#include <QtWidgets/QSystemTrayIcon>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora {

namespace {

constexpr int kMinWidth = shell::kMinimumSize.width();
constexpr int kMinHeight = shell::kMinimumSize.height();

// The colour column of each page, in page order (the last is the Opzioni page).
const char *const kSectionColours[] = { "shotcolor", "yearcolor", "monthcolor", "weekcolor", "todaycolor",
    "contactcolor", "notescolor", "todocolor", "usercolor" };

// The command panels hidden in read-only mode, and the group and quick-add buttons.
const char *const kCommandPanels[] = { "Panel_Shot", "Panel_year", "Panel_Month", "Panel_week", "panel_today",
    "panel_contact", "panelllo", "Panel_totnote", "Panel_ToDo", "SpeedButton_AddGroup", "SpeedButtonDelGroup",
    "SpeedButton_AppRapido" };

// The hint buttons of the pages.
const char *const kHintButtons[] = { "SpeedButtonHintShot", "SpeedButtonHintAnno", "SpeedButtonHelpMonth",
    "SpeedButtonHelpWeek", "SpeedButton_Help", "SpeedButtonHintContact", "SpeedButtonHintNote",
    "SpeedButtonHintLista", "SpeedButtonHintOpzioni" };

QTimer *makeTimer(QObject *parent, const char *name, int interval, bool enabled)
{
    auto *timer = namedControl<QTimer>(parent, name);
    timer->setInterval(interval);
    if (enabled)
        timer->start();
    return timer;
}

} // namespace

TMainForm::TMainForm(const Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(services)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Prompter::caption());
    resize(kMinWidth, kMinHeight);
    buildFrame();
    buildTray();
    NAMED(MSNPopUp_Anticipo, SlideNotice, this);
    MSNPopUp_Anticipo->setIcon(trayPicture(0).pixmap(16, 16));
    m_alarms = new AlarmCenter(*this);
    connectHandlers();
    // Esc, the mouse wheel and the field colours are handled for the whole window.
    qApp->installEventFilter(this);
    runStartupSequence();
    // The window opens centred on the screen, at the size the settings gave it.
    if (const QScreen *display = screen())
        move(display->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

TMainForm::~TMainForm()
{
    // The alarm centre filters the message panel's events: it goes before the pages do,
    // while this is still a whole window.
    delete m_alarms;
    m_alarms = nullptr;
}

// ---------------------------------------------------------------- frame

void TMainForm::buildFrame()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    NAMED(panel_credit0, QFrame, this);
    panel_credit0->setFrameShape(QFrame::StyledPanel);
    panel_credit0->setAutoFillBackground(true);
    buildTitleBar(panel_credit0);
    layout->addWidget(panel_credit0);
    // The page area and the lock panel share one place; the lock brings its panel to the front.
    auto *place = new QWidget(this);
    m_lockStack = new QStackedLayout(place);
    NAMED(Panel_portamenu, QFrame, place);
    auto *pagesBox = new QVBoxLayout(Panel_portamenu);
    pagesBox->setContentsMargins(0, 0, 0, 0);
    NAMED(PageControlMenu, SectionTabWidget, Panel_portamenu);
    // All nine tabs fit in the minimum width.
    PageControlMenu->setUsesScrollButtons(false);
    PageControlMenu->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 7px; height: 22px; }"));
    PageControlMenu->setPageColours([this](int page) { return sectionColour(page); });
    pagesBox->addWidget(PageControlMenu);
    m_lockStack->addWidget(Panel_portamenu);
    buildLockPanel();
    m_lockStack->addWidget(Panel_PSW);
    layout->addWidget(place, 1);
    buildPages();

    TimerOrologio = makeTimer(this, "TimerOrologio", 1000, true);
    TimerRitorna = makeTimer(this, "TimerRitorna", 1, true);
    TimerAppari = makeTimer(this, "TimerAppari", 1, false);
    TimerContolloOrario = makeTimer(this, "TimerContolloOrario", 1000, true);
    TimerFlashTempo = makeTimer(this, "TimerFlashTempo", 1000, false);
    TimerNero = makeTimer(this, "TimerNero", 1, false);
    TimerEscludiNero = makeTimer(this, "TimerEscludiNero", 1, false);
    TimerDrawContact = makeTimer(this, "TimerDrawContact", 10, false);
    TimerTrayCycle = makeTimer(this, "TimerTrayCycle", 300, false);
}

void TMainForm::buildTitleBar(QWidget *bar)
{
    // The theme's pictures lie under the buttons and the title label, placed by hand.
    NAMED(Image_barra_sx, TitleBarPicture, bar);
    Image_barra_sx->setAnchor(TitleBarPicture::Anchor::Left);
    NAMED(Image_barra_mid, TitleBarPicture, bar);
    NAMED(Image_barra_dx, TitleBarPicture, bar);
    Image_barra_dx->setAnchor(TitleBarPicture::Anchor::Right);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    auto button
        = [bar, row](QToolButton *&member, const char *name, const QString &text, const QString &hint) {
              member = namedControl<QToolButton>(bar, name);
              member->setText(text);
              member->setToolTip(hint);
              member->setAutoRaise(true);
              member->setFocusPolicy(Qt::NoFocus);
              row->addWidget(member);
          };
    button(SpeedButtonAbout, "SpeedButtonAbout", QStringLiteral("?"), QStringLiteral("Info su Vellamora"));
    button(SpeedButtonMigrationInfo, "SpeedButtonMigrationInfo", QStringLiteral("!"),
        QStringLiteral("Messaggio dalla regia"));
    button(SpeedButtonAggiornaTutto, "SpeedButtonAggiornaTutto", QStringLiteral("\u21bb"),
        QStringLiteral("Aggiorna tutto"));
    NAMED(panel_credit, QLabel, bar);
    panel_credit->setText(Prompter::caption());
    panel_credit->setToolTip(Prompter::caption());
    panel_credit->setAlignment(Qt::AlignCenter);
    QFont clockFont = panel_credit->font();
    clockFont.setBold(true);
    panel_credit->setFont(clockFont);
    row->addWidget(panel_credit, 1);
    button(
        SpeedButtonTOP, "SpeedButtonTOP", QStringLiteral("\u2191"), QStringLiteral("Sempre in primo piano"));
    SpeedButtonTOP->setCheckable(true);
    button(SpeedButton_minimize_bar, "SpeedButton_minimize_bar", QStringLiteral("_"),
        QStringLiteral("Minimizza"));
    button(SpeedButton_MINIMIZE, "SpeedButton_MINIMIZE", QStringLiteral("\u25bf"),
        QStringLiteral("Minimizza vicino l'orologio"));
    button(SpeedButtonWinSize, "SpeedButtonWinSize", QStringLiteral("\u25a1"),
        QStringLiteral("Massimizza/Ripristina"));
    button(SpeedButtonEXIT, "SpeedButtonEXIT", QStringLiteral("\u2715"), QStringLiteral("Non ci provare!"));
    SpeedButtonMigrationInfo->hide();
}

void TMainForm::buildPages()
{
    struct Page
    {
        QWidget *TMainForm::*member;
        const char *name;
        const char *caption;
    };
    static const Page pages[] = {
        { &TMainForm::TabSheetShot, "TabSheetShot", "Giornalieri" },
        { &TMainForm::TabSheetYEAR, "TabSheetYEAR", "Annuali" },
        { &TMainForm::TabSheetMonth, "TabSheetMonth", "Mensili" },
        { &TMainForm::TabSheetWEEK, "TabSheetWEEK", "Settimanali" },
        { &TMainForm::TabSheetTODAY, "TabSheetTODAY", "Impegni" },
        { &TMainForm::TabSheetCONTACTS, "TabSheetCONTACTS", "Contatti" },
        { &TMainForm::TabSheetNotes, "TabSheetNotes", "Note" },
        { &TMainForm::TabSheetToDo, "TabSheetToDo", "Lista" },
        { &TMainForm::TabSheetSetup, "TabSheetSetup", "Opzioni" },
    };
    for (const Page &p : pages) {
        QWidget *page = p.member == &TMainForm::TabSheetSetup
            ? (m_options = new OptionsPage(m_services, m_db, m_settings, *this, PageControlMenu))
            : namedControl<QWidget>(PageControlMenu, p.name);
        this->*(p.member) = page;
        PageControlMenu->addTab(page, QString::fromUtf8(p.caption));
    }

    buildListPages();

    buildTodayPage();
}

void TMainForm::buildLockPanel()
{
    NAMED(Panel_PSW, QFrame, this);
    Panel_PSW->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(Panel_PSW);
    column->addStretch(1);
    auto centred = [column](QWidget *w) { column->addWidget(w, 0, Qt::AlignHCenter); };
    NAMED(Label_InsPsw, QLabel, Panel_PSW);
    Label_InsPsw->setText(QStringLiteral("Inserisci la password"));
    QFont big = Label_InsPsw->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    Label_InsPsw->setFont(big);
    centred(Label_InsPsw);
    NAMED(Edit_PSW, QLineEdit, Panel_PSW);
    Edit_PSW->setMaxLength(settings::kPasswordLength);
    Edit_PSW->setEchoMode(QLineEdit::Password);
    Edit_PSW->setFixedWidth(220);
    centred(Edit_PSW);
    NAMED(CheckBox_PSW, QCheckBox, Panel_PSW);
    CheckBox_PSW->setText(QStringLiteral("Maschera i caratteri"));
    CheckBox_PSW->setChecked(true);
    centred(CheckBox_PSW);
    NAMED(SpeedButton_SolaLettura, QToolButton, Panel_PSW);
    SpeedButton_SolaLettura->setText(QStringLiteral("Sola lettura"));
    SpeedButton_SolaLettura->setToolTip(QStringLiteral("Accedi in modalità di sola lettura"));
    centred(SpeedButton_SolaLettura);
    column->addStretch(2);
}

void TMainForm::buildTray()
{
    NAMED(PopupMenuTray, QMenu, this);
    struct Item
    {
        const char *name;
        const char *caption;
        QWidget *TMainForm::*page;
    };
    static const Item items[] = {
        { "OneShot1", "Giornalieri", &TMainForm::TabSheetShot },
        { "Yearly1", "Annuali", &TMainForm::TabSheetYEAR },
        { "Monthly1", "Mensili", &TMainForm::TabSheetMonth },
        { "Weekly1", "Settimanali", &TMainForm::TabSheetWEEK },
        { "Today1", "Impegni", &TMainForm::TabSheetTODAY },
        { "Contacts1", "Contatti", &TMainForm::TabSheetCONTACTS },
        { "Notes1", "Note", &TMainForm::TabSheetNotes },
        { "Lista", "Lista", &TMainForm::TabSheetToDo },
        { "Setup1", "Opzioni", &TMainForm::TabSheetSetup },
    };
    for (const Item &item : items) {
        QAction *action = PopupMenuTray->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setVisible(false);
        QWidget *page = this->*(item.page);
        connect(action, &QAction::triggered, this, [this, page] {
            Open1->trigger();
            PageControlMenu->setCurrentWidget(page);
        });
    }
    PopupMenuTray->addSeparator();
    Open1 = PopupMenuTray->addAction(QStringLiteral("Apri Vellamora"));
    Open1->setObjectName(QStringLiteral("Open1"));
    PopupMenuTray->addSeparator();
    Closevellamora1 = PopupMenuTray->addAction(QStringLiteral("Termina"));
    Closevellamora1->setObjectName(QStringLiteral("Closevellamora1"));

    NAMED(TrayIcon, QSystemTrayIcon, this);
    TrayIcon->setToolTip(Prompter::caption());
    TrayIcon->setContextMenu(PopupMenuTray);
    setTrayImage(4);
    if (m_services.trayAvailable)
        TrayIcon->show();
}

void TMainForm::connectHandlers()
{
    for (QWidget *w : std::initializer_list<QWidget *> {
             panel_credit0, panel_credit, Image_barra_sx, Image_barra_mid, Image_barra_dx })
        w->installEventFilter(this);
    connect(TimerOrologio, &QTimer::timeout, this, &TMainForm::TimerOrologioTimer);
    connect(TimerRitorna, &QTimer::timeout, this, &TMainForm::TimerRitornaTimer);
    connect(TimerAppari, &QTimer::timeout, this, &TMainForm::TimerAppariTimer);
    connect(TimerContolloOrario, &QTimer::timeout, m_alarms, &AlarmCenter::TimerContolloOrarioTimer);
    connect(
        m_options->SpeedButtonAnticipo, &QToolButton::clicked, this, &TMainForm::SpeedButtonAnticipoClick);
    connect(TimerTrayCycle, &QTimer::timeout, this, [this] { setTrayImage((m_trayImage + 1) % 4); });
    connect(TimerFlashTempo, &QTimer::timeout, this, [this] {
        QLabel *label = m_options->Label_TimeCheck;
        const bool red = label->property("flashRed").toBool();
        label->setProperty("flashRed", !red);
        label->setStyleSheet(red ? QString() : QStringLiteral("color: red"));
    });
    connect(TrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            TrayIconClick();
    });
    connect(Open1, &QAction::triggered, this, [this] {
        if (!m_hold)
            enableAppearTimer();
    });
    connect(Closevellamora1, &QAction::triggered, this, &TMainForm::SpeedButtonEXITClick);
    connect(SpeedButtonEXIT, &QToolButton::clicked, this, &TMainForm::SpeedButtonEXITClick);
    connect(SpeedButtonAbout, &QToolButton::clicked, this, &TMainForm::SpeedButtonAboutClick);
    connect(SpeedButtonMigrationInfo, &QToolButton::clicked, this, &TMainForm::SpeedButtonMigrationInfoClick);
    connect(SpeedButtonWinSize, &QToolButton::clicked, this, &TMainForm::toggleMaximized);
    connect(SpeedButton_minimize_bar, &QToolButton::clicked, this, &TMainForm::SpeedButton_minimize_barClick);
    connect(SpeedButton_MINIMIZE, &QToolButton::clicked, this, &TMainForm::SpeedButton_MINIMIZEClick);
    connect(SpeedButtonAggiornaTutto, &QToolButton::clicked, this, &TMainForm::SpeedButtonAggiornaTuttoClick);
    connect(SpeedButtonTOP, &QToolButton::toggled, this, [this](bool down) {
        setWindowFlag(Qt::WindowStaysOnTopHint, down);
        show();
    });
    connect(PageControlMenu, &QTabWidget::currentChanged, this, &TMainForm::pageChanged);
    connect(Edit_PSW, &QLineEdit::textChanged, this, &TMainForm::Edit_PSWChange);
    connect(CheckBox_PSW, &QCheckBox::toggled, this,
        [this](bool mask) { Edit_PSW->setEchoMode(mask ? QLineEdit::Password : QLineEdit::Normal); });
    connect(SpeedButton_SolaLettura, &QToolButton::clicked, this, &TMainForm::SpeedButton_SolaLetturaClick);
    // The agenda page refreshes itself; the picker's colours follow the date.
    connect(DateTimePickerTODAY, &QDateEdit::dateChanged, this, &TMainForm::colourAgendaDatePicker);
}

// ---------------------------------------------------------------- start-up

void TMainForm::runStartupSequence()
{
    if (!colourCheck())
        return;
    const QDate today = m_services.clock.today();
    m_dayStamp = today;
    DateTimePickerTODAY->setDate(today);
    if (!computeWorkingFolder())
        return;
    applyRedirection();
    if (!openDatabase())
        return;
    if (!loadSettings())
        return;
    try {
        agenda::cleanupOneShot(m_db, today);
        applyStartSettings();
        startupTheme();
        m_databaseReady = true;
        refreshAlarmList();
        refreshDayAgenda();
        refreshLists();
        m_listsReady = true;
        // The theme was applied before the lists were read: their columns fit now, with the
        // resize steps after them.
        for (agenda::AppointmentListPage *page : m_listPages)
            page->fitColumns();
        applyWindowSize();
        startupCheck();
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
        return;
    }
    m_options->Label_Archives_Folder->setText(QDir::toNativeSeparators(m_workingFolder));
}

bool TMainForm::colourCheck()
{
    if (m_services.shell.colourDepth() > 8)
        return true;
    TrayIcon->hide();
    TimerContolloOrario->stop();
    TimerRitorna->stop();
    const bool goOn = m_services.prompter.warningQuestion(QStringLiteral(
        "La corretta esecuzione di Vellamora richiede che Windows sia settato a più di 256 colori. Con pochi "
        "colori l'interfaccia del programma potrebbe risultare incomprensibile o addirittura bloccarsi.\r"
        "Credi se sia il caso di continuare lo stesso?\rScegli \"Si\" per sfidare la sorte, oppure \"NO\" "
        "(consigliato) per parare la botta."));
    if (!goOn) {
        terminate();
        return false;
    }
    TimerContolloOrario->start();
    TimerRitorna->start();
    if (m_services.trayAvailable)
        TrayIcon->show();
    return true;
}

bool TMainForm::computeWorkingFolder()
{
    const DefaultFolder folder
        = computeDefaultWorkingFolder(m_services.programFolder, m_services.shell.logonName());
    if (folder.surplus > 0) {
        TimerContolloOrario->stop();
        TimerOrologio->stop();
        m_hold = true;
        m_services.prompter.warning(tooLongMessage(m_services.programFolder, folder.surplus));
        terminate();
        return false;
    }
    m_defaultWorkingFolder = folder.path;
    m_workingFolder = folder.path;
    return true;
}

void TMainForm::applyRedirection()
{
    if (!QFileInfo::exists(redirectionFile(m_defaultWorkingFolder))) {
        SpeedButtonAggiornaTutto->hide();
        return;
    }
    TimerContolloOrario->stop();
    TimerRitorna->stop();
    m_hold = true;
    const Redirection r = vellamora::applyRedirection(m_defaultWorkingFolder, m_services.prompter);
    m_hold = false;
    m_workingFolder = r.workingFolder;
    SpeedButtonAggiornaTutto->setVisible(m_workingFolder != m_defaultWorkingFolder);
    TimerContolloOrario->start();
    TimerRitorna->start();
}

bool TMainForm::openDatabase()
{
    try {
        if (openWorkingDatabase(
                m_db, m_workingFolder, m_services.clock.now(), m_services.regional, m_services.prompter))
            m_restoreMarker = false;
        // A page cache large enough for a month of agendas over a heavy user's table; it
        // only grows as pages are read.
        m_db.setCacheSize(64 * 1024);
        m_creationLog
            = schema::ensureSchema(m_db, { m_workingFolder, m_services.programFolder, m_restoreMarker });
        return true;
    } catch (const StoreError &e) {
        // The window still comes up, with the pages as far as they were prepared.
        m_services.prompter.errorReport(e.text());
        return false;
    }
}

bool TMainForm::loadSettings()
{
    try {
        m_settings.load(m_db);
    } catch (const StoreError &e) {
        m_services.prompter.plain(QStringLiteral("Errore di tipo: ") + StoreError::className()
            + QStringLiteral(", Messaggio: ") + e.text());
        terminate();
        return false;
    }
    m_options->applyLoadedSettings();
    applySectionColours();
    // The timed alarm: its list is read again and its timer follows the box.
    try {
        if (m_options->CheckBox_TimeCheck->isChecked()) {
            if (m_databaseReady)
                refreshAlarmList();
            TimerContolloOrario->start();
        } else {
            TimerContolloOrario->stop();
        }
        if (m_databaseReady)
            refreshDayAgenda();
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
    }
    PageControlMenu->update();
    return true;
}

void TMainForm::reloadSettings()
{
    loadSettings();
}

void TMainForm::applyStartSettings()
{
    m_options->applyStartSettings();
    m_clockFormat = settings::clockFormat(m_settings.logical(QStringLiteral("ampm")));
    if (!m_settings.text(QStringLiteral("theme_name")).isEmpty())
        m_themeName = m_settings.text(QStringLiteral("theme_name"));
    for (int i = 0; i < settings::kHideablePages; ++i)
        PageControlMenu->setTabVisible(
            i, m_settings.logical(QString::fromLatin1(settings::tabVisibleColumns()[size_t(i)])));
    applyStartPage();
    if (m_settings.logical(QStringLiteral("hidetips")))
        setHintButtonsVisible(false);
    SpeedButton_SolaLettura->setVisible(m_settings.logical(QStringLiteral("solalettura")));
    if (m_settings.lockConfigured())
        showLockPanel();
}

void TMainForm::applyStartPage()
{
    const QString code = m_settings.text(QStringLiteral("startab"));
    if (code == QLatin1String("-")) {
        // A lost choice: the agenda page, stored as the start page from now on.
        PageControlMenu->setCurrentWidget(TabSheetTODAY);
        m_options->selectStartPage(4);
        m_options->writeGeneral();
        loadSettings();
    } else if (const auto index = settings::startPageIndex(code)) {
        if (*index == 8)
            PageControlMenu->setCurrentWidget(TabSheetSetup);
        else if (PageControlMenu->isTabVisible(*index))
            PageControlMenu->setCurrentIndex(*index);
    }
    // A hidden start page leaves the page control on its first visible page.
    if (!PageControlMenu->isTabVisible(PageControlMenu->currentIndex())) {
        for (int i = 0; i < PageControlMenu->count(); ++i) {
            if (PageControlMenu->isTabVisible(i)) {
                PageControlMenu->setCurrentIndex(i);
                break;
            }
        }
    }
    m_options->selectStartPage(
        settings::startPageIndex(m_settings.text(QStringLiteral("startab"))).value_or(-1));
}

void TMainForm::applyWindowSize()
{
    resize(m_settings.integer(QStringLiteral("WinWidth"), kMinWidth),
        m_settings.integer(QStringLiteral("WinHeight"), kMinHeight));
    resizeSteps();
    if (m_settings.text(QStringLiteral("WinStato")) != QLatin1String("wsNormal"))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::refreshDayAgenda()
{
    m_todayPage->refresh();
    m_advanceNoticeDay = m_todayPage->advanceNoticeDay();
}

void TMainForm::refreshAlarmList()
{
    if (!m_options->CheckBox_TimeCheck->isChecked())
        return;
    m_alarmListDate = m_services.clock.today();
    m_alarmList = agenda::readAgenda(m_db, agenda::Variant::AlarmList, m_alarmListDate, m_services.regional);
}

void TMainForm::startupCheck()
{
    m_alarms->startupCheck();
}

void TMainForm::SpeedButtonAnticipoClick()
{
    m_alarms->advanceNoticeCheck();
}

// ---------------------------------------------------------------- clock and day change

void TMainForm::TimerOrologioTimer()
{
    const QDateTime now = m_services.clock.now();
    panel_credit->setText(
        isActiveWindow() ? formatDatePicture(now, m_clockFormat, m_services.regional) : Prompter::caption());
    const bool midnight = formatDatePicture(now, QStringLiteral("hh.mm.ss"), m_services.regional)
        == QLatin1String("00.00.00");
    if (midnight || now.date() != m_dayStamp) {
        m_dayStamp = now.date();
        dayChange();
    }
    m_alarms->blinkTick();
}

void TMainForm::dayChange()
{
    ++m_dayChanges;
    if (!m_databaseReady)
        return;
    try {
        // What the old day still had to ring rings before its list is replaced.
        if (TimerContolloOrario->isActive())
            m_alarms->TimerContolloOrarioTimer();
        agenda::cleanupOneShot(m_db, m_services.clock.today());
        refreshAlarmList();
        refreshLists();
        SpeedButtonTodayClick();
        startupCheck();
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
    }
}

void TMainForm::SpeedButtonTodayClick()
{
    m_todayPage->SpeedButtonTodayClick();
}

// ---------------------------------------------------------------- coming up from the tray

void TMainForm::TimerRitornaTimer()
{
    if (m_hold)
        return;
    // Without settings (the database could not be opened) the window comes up all the
    // same: hidden in the tray it would leave the user no way to see what happened.
    if (!m_settings.isLoaded() || !m_settings.yes(QStringLiteral("minimized")))
        TrayIconClick();
    setTrayImage(0);
    TimerRitorna->stop();
}

void TMainForm::TrayIconClick()
{
    if (m_hold)
        return;
    raise();
    enableAppearTimer();
}

void TMainForm::enableAppearTimer()
{
    if (!SpeedButtonTOP->isChecked() || m_hiddenInTray)
        TimerAppari->start();
}

void TMainForm::bringToFrontRequested()
{
    if (m_hold)
        return;
    raise();
    activateWindow();
    enableAppearTimer();
}

void TMainForm::argumentsReceived(const QStringList &arguments)
{
    // The running instance accepts a second start's arguments and acts on none of them.
    Q_UNUSED(arguments);
}

void TMainForm::TimerAppariTimer()
{
    if (m_hold || !m_appearingAllowed)
        return;
    m_hiddenInTray = false;
    if (trayCycling()) {
        PageControlMenu->setCurrentWidget(TabSheetTODAY);
        stopTrayCycling();
    }
    if (m_firstAppearancePending)
        firstAppearance();
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    TimerAppari->stop();
    if (m_options->CheckBoxFuturo->isChecked() && m_advanceNoticePending)
        m_alarms->automaticAdvanceNoticeCheck();
    m_advanceNoticePending = false;
}

void TMainForm::firstAppearance()
{
    m_appearingAllowed = false;
    if (!m_creationLog.isEmpty()) {
        const QString report = m_creationLog + QStringLiteral("\rTutto questo è accaduto nella cartella:\r")
            + QDir::toNativeSeparators(m_workingFolder) + QLatin1Char('\r');
        m_creationLog.clear();
        m_services.prompter.information(report, Prompter::caption() + QStringLiteral(" - Rapporto archivi"));
    }
    for (int i = 0; i < PageControlMenu->count(); ++i)
        PageControlMenu->setTabText(i, QLatin1Char(' ') + PageControlMenu->tabText(i) + QLatin1Char(' '));
    if (width() < kMinWidth || height() < kMinHeight)
        resize(std::max(width(), kMinWidth), std::max(height(), kMinHeight));
    // From now on a smaller size is refused.
    setMinimumSize(kMinWidth, kMinHeight);
    m_firstAppearancePending = false;
    m_appearingAllowed = true;
}

void TMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        windowShown();
}

void TMainForm::windowShown()
{
    if (!m_settings.isLoaded())
        return;
    try {
        if (m_restoreMarker) {
            const bool notice = m_settings.logical(QStringLiteral("migrationinfo"));
            SpeedButtonMigrationInfo->setVisible(notice);
            if (notice)
                QTimer::singleShot(0, this, &TMainForm::SpeedButtonMigrationInfoClick);
        } else {
            m_db.exec(QStringLiteral("UPDATE VNset63 SET migrationinfo = :migrationinfo"),
                { { QStringLiteral("migrationinfo"), false } });
            SpeedButtonMigrationInfo->hide();
        }
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
    }
    if (m_settings.lockConfigured()) {
        showLockPanel();
        QPalette palette = Edit_PSW->palette();
        palette.setColor(QPalette::Base, sectionColour(PageControlMenu->indexOf(TabSheetTODAY)));
        Edit_PSW->setPalette(palette);
        SpeedButton_SolaLettura->setVisible(m_settings.logical(QStringLiteral("solalettura")));
    }
}

void TMainForm::SpeedButtonAboutClick()
{
    m_services.prompter.information(QStringLiteral("Vellamora ") + QCoreApplication::applicationVersion()
            + QStringLiteral("\rAgenda personale: impegni, contatti, note e lista delle cose da fare.\r\r"
                             "Archivi in uso:\r")
            + QDir::toNativeSeparators(m_workingFolder),
        QStringLiteral("Info su Vellamora"));
}

void TMainForm::SpeedButtonMigrationInfoClick()
{
    TMigrationInfoForm form(m_services, m_options->dialogScale(), this);
    m_services.runModal(form);
    if (!form.closedWithChiudi())
        return;
    try {
        m_restoreMarker = false;
        m_db.exec(QStringLiteral("UPDATE VNset63 SET migrationinfo = :migrationinfo"),
            { { QStringLiteral("migrationinfo"), !form.CheckBoxStopInfo->isChecked() } });
        m_settings.load(m_db);
        SpeedButtonMigrationInfo->setVisible(!form.CheckBoxStopInfo->isChecked());
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
    }
}

// ---------------------------------------------------------------- tray icon

void TMainForm::setTrayImage(int index)
{
    m_trayImage = index;
    TrayIcon->setIcon(trayPicture(index));
}

bool TMainForm::trayCycling() const
{
    return TimerTrayCycle->isActive();
}

void TMainForm::startTrayCycling()
{
    TimerTrayCycle->start();
}

void TMainForm::stopTrayCycling()
{
    TimerTrayCycle->stop();
    setTrayImage(0);
}

// ---------------------------------------------------------------- exit

void TMainForm::SpeedButtonEXITClick()
{
    m_options->closeSpecialPanel();
    if (m_options->CheckBox_TimeCheck->isChecked() && !panel_today->isHidden()) {
        PageControlMenu->setCurrentWidget(TabSheetSetup);
        TimerFlashTempo->start();
        const bool leave = m_services.prompter.question(QStringLiteral(
            " Hey! Se mi termini non potrò avvertirti in orario!\r Sei sicuro di farcela da solo?"));
        TimerFlashTempo->stop();
        m_options->Label_TimeCheck->setStyleSheet(QString());
        m_options->Label_TimeCheck->setProperty("flashRed", false);
        if (!leave) {
            Closevellamora1->setEnabled(true);
            return;
        }
    }
    terminate();
}

void TMainForm::terminate()
{
    m_terminated = true;
    for (QTimer *timer : findChildren<QTimer *>())
        timer->stop();
    TrayIcon->hide();
    hide();
    QCoreApplication::exit(0);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // Closing the window from the desktop is the exit command, with its questions.
    if (!m_terminated) {
        event->ignore();
        SpeedButtonEXITClick();
        return;
    }
    QWidget::closeEvent(event);
}

void TMainForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized())
            m_hiddenInTray = true;
        resizeSteps();
    }
    if (event->type() == QEvent::ActivationChange)
        panel_credit->setText(isActiveWindow()
                ? formatDatePicture(m_services.clock.now(), m_clockFormat, m_services.regional)
                : Prompter::caption());
}

// ---------------------------------------------------------------- moving and sizing

void TMainForm::toggleMaximized()
{
    raise();
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    raise();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->isWidgetType() && shellEvent(static_cast<QWidget *>(watched), event))
        return true;
    if (watched == panel_credit0 && event->type() == QEvent::Resize)
        placeTitlePictures();
    // The title bar, its pictures and its label move the window (except when maximised) and a
    // double click maximises/restores it.
    if (watched != panel_credit0 && watched != panel_credit && watched != Image_barra_sx
        && watched != Image_barra_mid && watched != Image_barra_dx)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        m_dragging = mouse->button() == Qt::LeftButton && !isMaximized();
        m_dragOffset = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
        break;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_dragging && (mouse->buttons() & Qt::LeftButton) && !isMaximized())
            move(mouse->globalPosition().toPoint() - m_dragOffset);
        break;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            toggleMaximized();
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- pages and shared helpers

QColor TMainForm::sectionColour(int page) const
{
    if (page < 0 || page >= int(std::size(kSectionColours)))
        return QColor(Qt::white);
    return shell::colourFromText(m_settings.text(QString::fromLatin1(kSectionColours[page])));
}

void TMainForm::pageChanged()
{
    const int page = PageControlMenu->currentIndex();
    Q_UNUSED(page);
    titleBarColour();
    resizeSteps();
    if (!m_firstAppearancePending && PageControlMenu->currentWidget() == TabSheetSetup)
        m_options->entryField()->setFocus();
    if (PageControlMenu->currentWidget() == TabSheetTODAY) {
        if (trayCycling())
            stopTrayCycling();
        if (m_listChange.isSet() && m_databaseReady) {
            try {
                refreshDayAgenda();
            } catch (const StoreError &e) {
                m_services.prompter.errorReport(e.text());
            }
        }
        resizeSteps();
    }
    if (m_locked) {
        Edit_PSW->setFocus();
        QPalette edit = Edit_PSW->palette();
        edit.setColor(QPalette::Base, m_pageColour);
        Edit_PSW->setPalette(edit);
    }
}

void TMainForm::countPanel(QChar letter, std::optional<int> shownRows)
{
    const shell::CountSection *section = shell::countSection(letter);
    if (!section)
        return;
    int total = 0;
    try {
        total = shell::sectionTotal(m_db, *section);
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
        return;
    }
    if (section->panel && shownRows) {
        if (auto *panel = findChild<QLabel *>(QString::fromLatin1(section->panel)))
            panel->setText(shell::countPanelText(*shownRows, total));
    }
    if (auto *label = findChild<QLabel *>(QString::fromLatin1(section->label)))
        label->setText(QString::fromLatin1(section->prefix) + QString::number(total));
}

QString TMainForm::deletionPhrase()
{
    return shell::deletionPhrase(m_random);
}

// ---------------------------------------------------------------- lock and read-only mode

void TMainForm::showLockPanel()
{
    m_lockStack->setCurrentWidget(Panel_PSW);
    Edit_PSW->setFocus();
    m_locked = true;
}

void TMainForm::lockNow()
{
    m_options->closeSpecialPanel();
    if (m_options->storedPassword().isEmpty())
        return;
    SpeedButton_SolaLettura->setVisible(m_options->CheckBox_SolaLettura->isChecked());
    showLockPanel();
    loadSettings();
}

void TMainForm::leaveLock()
{
    m_lockStack->setCurrentWidget(Panel_portamenu);
    {
        const QSignalBlocker block(Edit_PSW);
        Edit_PSW->clear();
    }
    m_locked = false;
    pageChanged();
    m_alarms->unlocked();
}

void TMainForm::Edit_PSWChange()
{
    // Only the exact stored password unlocks, letter case included.
    if (!m_locked || Edit_PSW->text() != m_options->storedPassword())
        return;
    leaveLock();
    setReadOnlyMode(false);
}

void TMainForm::SpeedButton_SolaLetturaClick()
{
    setReadOnlyMode(true);
    leaveLock();
}

void TMainForm::setReadOnlyMode(bool on)
{
    m_readOnly = on;
    for (const char *name : kCommandPanels) {
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(name)))
            w->setVisible(!on);
    }
    PageControlMenu->setTabVisible(PageControlMenu->indexOf(TabSheetSetup), !on);
}

// ---------------------------------------------------------------- window commands

void TMainForm::SpeedButton_MINIMIZEClick()
{
    // With the start lock ticked and a password typed, the window goes to the tray locked.
    if (m_options->CheckBox_Blocco->isChecked() && !m_options->Edit_ImpostaPSW->text().isEmpty())
        lockNow();
    m_hiddenInTray = true;
    if (m_services.trayAvailable)
        hide();
    else
        showMinimized();
}

void TMainForm::SpeedButton_minimize_barClick()
{
    m_hiddenInTray = true;
    showMinimized();
}

void TMainForm::SpeedButtonAggiornaTuttoClick()
{
    reapplyTheme();
    try {
        agenda::cleanupOneShot(m_db, m_services.clock.today());
        refreshDayAgenda();
        refreshAlarmList();
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
    }
    resizeSteps();
}

void TMainForm::resizeSteps()
{
    for (agenda::AppointmentListPage *page : m_listPages) {
        if (page)
            page->fillDescriptionColumn();
    }
    // A stretched middle picture is never squeezed below its own width.
    if (Image_barra_mid)
        Image_barra_mid->setStretchAllowed(width() >= Image_barra_mid->picture().width());
    if (m_options)
        m_options->showWindowSize(size(), isMaximized());
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    resizeSteps();
}

void TMainForm::clockFormatChanged(const QString &format)
{
    m_clockFormat = format;
}

void TMainForm::dialogScaleChanged(int)
{
    // Dialogs read the scale when they are shown; the kept calendar dialog was scaled when
    // first shown, so the next editor that needs it gets one at the new scale.
    delete m_selectForm;
    m_selectForm = nullptr;
}

void TMainForm::advanceNoticeChanged()
{
    try {
        refreshDayAgenda();
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
    }
}

void TMainForm::setHintButtonsVisible(bool visible)
{
    for (const char *name : kHintButtons) {
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(name)))
            w->setVisible(visible);
    }
    // The manual's button is hidden with the hints and not shown again with them.
    if (!visible)
        m_options->SpeedButton_Manual->hide();
}

void TMainForm::dateFormatChanged(QChar section)
{
    // The list shows its dates in the new format, on the same row.
    agenda::AppointmentListPage *page = m_listPages[section == QLatin1Char('Y') ? 1 : 0];
    const int row = page->currentRow();
    try {
        page->refresh();
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
        return;
    }
    page->selectRow(row);
}

void TMainForm::defaultSizeRequested()
{
    if (isMaximized())
        showNormal();
    resize(shell::kMinimumSize);
}

void TMainForm::rememberSizeRequested()
{
    if (!m_services.prompter.question(
            QStringLiteral("Vuoi memorizzare le mie dimensioni correnti come dimensioni di default?")))
        return;
    try {
        settings::writeWindow(m_db, isMaximized(), size());
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
        return;
    }
    loadSettings();
}

void TMainForm::tabVisibilityRequested()
{
    TTabShowForm form(m_services, m_db, m_settings, sectionColour(8), m_options->dialogScale(), this);
    m_services.runModal(form);
}

// ---------------------------------------------------------------- keys, wheel and field colours

namespace {

// A field's background and text colours, given to the edit field inside it too.
void paintFieldColours(QWidget &field, const QColor &base, const QColor &text)
{
    QList<QWidget *> parts { &field };
    if (qobject_cast<QAbstractSpinBox *>(&field) || qobject_cast<QComboBox *>(&field))
        for (QLineEdit *edit : field.findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
            parts << edit;
    for (QWidget *w : parts) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, text);
        w->setPalette(palette);
    }
}

} // namespace

bool TMainForm::shellEvent(QWidget *widget, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::Wheel
        && type != QEvent::FocusIn && type != QEvent::FocusOut)
        return false;
    if (widget->window() != this)
        return false;
    switch (type) {
    case QEvent::KeyPress:
        // The window sees keys before its controls: Esc is the exit.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            SpeedButtonEXITClick();
            return true;
        }
        return false;
    case QEvent::KeyRelease:
        if (m_locked && widget != Edit_PSW)
            Edit_PSW->setFocus();
        return false;
    case QEvent::Wheel: {
        // A turn of the wheel is an arrow key for the control with the focus.
        const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
        QWidget *target = QApplication::focusWidget();
        if (delta == 0 || !target || target->window() != this)
            return true;
        const int key = delta < 0 ? Qt::Key_Down : Qt::Key_Up;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Edits and lists take the page colour and the tab font colour while they have the
        // focus, white and black otherwise.
        if (!qobject_cast<QLineEdit *>(widget) && !qobject_cast<QComboBox *>(widget)
            && !qobject_cast<QAbstractSpinBox *>(widget))
            return false;
        const bool entering = type == QEvent::FocusIn;
        // A picker or a combo is painted with the edit field inside it (under the page's
        // style sheet the field does not inherit the control's colours).
        QWidget *field = widget;
        if (QWidget *outer = widget->parentWidget();
            outer && (qobject_cast<QAbstractSpinBox *>(outer) || qobject_cast<QComboBox *>(outer)))
            field = outer;
        paintFieldColours(*field, entering ? m_pageColour : QColor(Qt::white),
            entering ? tabFontColour() : QColor(Qt::black));
        // The agenda's date picker goes back to the colour that tells whether it shows today.
        if (!entering && field == DateTimePickerTODAY)
            colourAgendaDatePicker();
        return false;
    }
    default:
        return false;
    }
}

// ---------------------------------------------------------------- themes and section colours

void TMainForm::placeTitlePictures()
{
    // Left and right pictures take 150 pixels at their edges, the middle one the rest;
    // without the sides the middle fills the whole bar.
    const QRect area = panel_credit0->contentsRect();
    const int side = m_titleSides ? theme::kTitleBarSideWidth : 0;
    Image_barra_sx->setGeometry(area.left(), area.top(), theme::kTitleBarSideWidth, area.height());
    Image_barra_dx->setGeometry(
        area.right() + 1 - theme::kTitleBarSideWidth, area.top(), theme::kTitleBarSideWidth, area.height());
    Image_barra_mid->setGeometry(area.adjusted(side, 0, -side, 0));
    for (QWidget *w : std::initializer_list<QWidget *> { Image_barra_mid, Image_barra_dx, Image_barra_sx })
        w->lower();
}

QColor TMainForm::tabFontColour() const
{
    return colour::toQColor(m_fonts.tabColour);
}

void TMainForm::titleBarColour()
{
    m_pageColour = sectionColour(PageControlMenu->currentIndex());
    for (QWidget *w : { static_cast<QWidget *>(panel_credit0), static_cast<QWidget *>(this) }) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, m_pageColour);
        w->setPalette(palette);
    }
    setAutoFillBackground(true);
    PageControlMenu->tabBar()->update();
}

colour::SectionColours TMainForm::sectionColours() const
{
    colour::SectionColours colours = colour::kBuiltinSections;
    for (int i = 0; i < colour::kSections; ++i) {
        try {
            colours[size_t(i)] = colour::fromText(m_settings.text(QString::fromLatin1(kSectionColours[i])));
        } catch (const colour::ColourError &) {
            // A row that never held this colour keeps the built-in one.
        }
    }
    return colours;
}

void TMainForm::applySectionColours()
{
    m_options->colourSheet().showColours(sectionColours());
    for (agenda::AppointmentListPage *page : m_listPages) {
        if (page)
            page->paintSectionColour();
    }
    if (m_todayPage)
        m_todayPage->paintSectionColour(sectionColour(4), tabFontColour());
    // The Opzioni page's frame (Panel_Contorno_User) and the sheets of the contacts, notes
    // and to-do pages are painted whole in their colours.
    const std::pair<QWidget *, int> frames[]
        = { { TabSheetCONTACTS, 5 }, { TabSheetNotes, 6 }, { TabSheetToDo, 7 }, { TabSheetSetup, 8 } };
    for (const auto &[sheet, section] : frames) {
        sheet->setAutoFillBackground(true);
        QPalette palette = sheet->palette();
        palette.setColor(QPalette::Window, sectionColour(section));
        sheet->setPalette(palette);
    }
    colourAgendaDatePicker();
    rebuildColourSquares();
}

void TMainForm::rebuildColourSquares()
{
    const theme::SquareLook look { m_fonts.squareBuiltinColours, m_fonts.squareFrame,
        QApplication::palette().color(QPalette::Button) };
    m_colourSquares = theme::sectionSquares(sectionColours(), look);
    // The tray menu's page entries come in section order.
    const QList<QAction *> entries = PopupMenuTray->actions();
    for (int i = 0; i < colour::kSections && i < entries.size(); ++i)
        entries.at(i)->setIcon(m_colourSquares.at(size_t(i)));
}

void TMainForm::colourAgendaDatePicker()
{
    // White on today's date, button face on any other; the drop-down calendar's title in
    // the agenda page's colour under the tab font colour.
    paintFieldColours(*DateTimePickerTODAY,
        DateTimePickerTODAY->date() == m_services.clock.today()
            ? QColor(Qt::white)
            : QApplication::palette().color(QPalette::Button),
        DateTimePickerTODAY->palette().color(QPalette::Text));
    if (auto *bar = DateTimePickerTODAY->calendarWidget()->findChild<QWidget *>(
            QStringLiteral("qt_calendar_navigationbar"))) {
        QPalette title = bar->palette();
        title.setColor(QPalette::Highlight, sectionColour(4));
        title.setColor(QPalette::HighlightedText, tabFontColour());
        bar->setPalette(title);
    }
}

void TMainForm::storeSectionColours(const colour::SectionColours &colours)
{
    QString sql = QStringLiteral("UPDATE VNset63 SET ");
    SqlParams params;
    for (int i = 0; i < colour::kSections; ++i) {
        const QString column = QString::fromLatin1(colour::sectionColumns()[size_t(i)]);
        sql += (i ? QStringLiteral(", ") : QString()) + column + QStringLiteral(" = :") + column;
        params.push_back({ column, colour::toText(colours[size_t(i)]) });
    }
    m_db.exec(sql, params);
    loadSettings();
    titleBarColour();
}

void TMainForm::startupTheme()
{
    try {
        m_themeName = theme::prepareStartupTheme(m_services.programFolder, m_themeName);
    } catch (const theme::ThemeFileError &e) {
        m_services.prompter.errorReport(e.text());
    }
    applyTheme(m_themeName);
}

void TMainForm::reapplyTheme()
{
    applyTheme(theme::defaultThemeName());
    if (m_themeName != theme::defaultThemeName())
        applyTheme(m_themeName);
}

void TMainForm::applyTheme(const QString &name)
{
    const QString folder = theme::themeFolder(m_services.programFolder, name);
    // The label names the current theme, whichever folder is being applied.
    m_options->Label_NomeTema->setText(QStringLiteral("Tema [") + m_themeName + QLatin1Char(']'));
    try {
        theme::ensureTextFiles(folder);
    } catch (const theme::ThemeFileError &e) {
        m_services.prompter.errorReport(e.text());
    }
    m_glyphs.loadBase(folder);
    // Title bar: the label hides under a full middle picture; a tall picture makes the bar taller.
    const theme::TitleBarLayout bar = theme::titleBarLayout(folder);
    Image_barra_sx->setPicture(bar.left, bar.leftStretched);
    Image_barra_mid->setPicture(bar.middle, bar.middleStretched);
    Image_barra_dx->setPicture(bar.right, bar.rightStretched);
    m_titleSides = bar.sidesVisible;
    Image_barra_sx->setVisible(bar.sidesVisible);
    Image_barra_dx->setVisible(bar.sidesVisible);
    panel_credit->setVisible(bar.labelVisible);
    panel_credit0->setFixedHeight(bar.height);
    placeTitlePictures();
    resizeSteps();
    m_glyphs.loadRest(folder);
    applyGlyphs();
    try {
        if (const auto lines = theme::readLines(folder + QStringLiteral("Fonts.txt")))
            m_fonts = theme::readFonts(theme::completeFontsLines(*lines));
        else
            m_fonts = theme::fallbackFonts();
        QFont title(theme::mapFontFamily(m_fonts.title.family), m_fonts.title.pointSize, QFont::Bold);
        panel_credit->setFont(title);
        QPalette titlePalette = panel_credit->palette();
        titlePalette.setColor(QPalette::WindowText, colour::toQColor(m_fonts.titleColour));
        panel_credit->setPalette(titlePalette);
        PageControlMenu->tabBar()->setFont(
            QFont(theme::mapFontFamily(m_fonts.tabs.family), m_fonts.tabs.pointSize));
        PageControlMenu->setTabFontColour(colour::toQColor(m_fonts.tabColour));
        const agenda::ListPageLook look {
            QFont(theme::mapFontFamily(m_fonts.grids.family), m_fonts.grids.pointSize), gridColours()
        };
        for (agenda::AppointmentListPage *page : m_listPages)
            page->applyLook(look);
        m_todayPage->applyGridFont(look.gridFont);
        colour::SectionColours colours = colour::kBuiltinSections;
        if (const auto lines = theme::readLines(folder + QStringLiteral("Colors.clr")))
            colours = theme::readColours(*lines);
        storeSectionColours(colours);
        addContactMapPicture();
        // At start-up the lists are not read yet; their columns fit once they are.
        if (m_listsReady) {
            for (agenda::AppointmentListPage *page : m_listPages)
                page->fitColumns();
        }
    } catch (const colour::ColourError &e) {
        // The rest of the theme is abandoned; what was applied before stays.
        m_services.prompter.errorReport(e.text());
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
    }
}

void TMainForm::addContactMapPicture()
{
    // Default folders written by older versions lack the map picture: it is saved from the
    // glyph the map button holds now.
    const QString path = theme::themeFolder(m_services.programFolder, theme::defaultThemeName())
        + QStringLiteral("contact_map.bmp");
    if (QFileInfo::exists(path))
        return;
    QImage glyph = m_glyphs.glyph(QStringLiteral("SpeedButtonGoMap"));
    if (glyph.isNull())
        glyph = theme::builtinGlyph(QStringLiteral("contact_map"));
    if (!glyph.convertToFormat(QImage::Format_RGB888).save(path, "BMP"))
        m_services.prompter.errorReport(
            QStringLiteral("Impossibile creare il file ") + QDir::toNativeSeparators(path));
}

void TMainForm::applyGlyphs()
{
    const QImage hint = m_glyphs.glyph(QStringLiteral("SpeedButton_Help"));
    const bool splitAll = !hint.isNull() && theme::splitGlyph(hint.width());
    for (auto it = m_glyphs.all().cbegin(); it != m_glyphs.all().cend(); ++it) {
        auto *button = findChild<QToolButton *>(it.key());
        if (!button || it.value().isNull())
            continue;
        bool split = splitAll;
        if (theme::singleImageButtons().contains(it.key()))
            split = false;
        else if (theme::selfSplitButtons().contains(it.key()))
            split = theme::splitGlyph(it.value().width());
        // The bottom-left pixel is the see-through colour of a glyph bitmap.
        auto pixmap = [](const QImage &image) {
            QPixmap pm = QPixmap::fromImage(image);
            pm.setMask(pm.createMaskFromColor(image.pixelColor(0, image.height() - 1)));
            return pm;
        };
        const QImage &glyph = it.value();
        const int half = split ? glyph.width() / 2 : glyph.width();
        QIcon icon(pixmap(glyph.copy(0, 0, half, glyph.height())));
        if (split)
            icon.addPixmap(
                pixmap(glyph.copy(half, 0, glyph.width() - half, glyph.height())), QIcon::Disabled);
        button->setIcon(icon);
        button->setIconSize(QSize(half, glyph.height()));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
}

} // namespace vellamora
