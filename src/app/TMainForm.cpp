#include "app/TMainForm.h"

#include "app/DatePicture.h"
#include "app/NamedControl.h"
#include "app/TMigrationInfoForm.h"
#include "app/TrayImages.h"
#include "app/WorkingFolder.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "store/OpenDatabase.h"
#include "store/Schema.h"

#include <QtCore/QTimer>
#include <QtGui/QCloseEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QSystemTrayIcon>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora {

namespace {

constexpr int kMinWidth = 670;
constexpr int kMinHeight = 592;

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
    setMinimumSize(kMinWidth, kMinHeight);
    resize(kMinWidth, kMinHeight);
    buildFrame();
    buildTray();
    connectHandlers();
    runStartupSequence();
}

TMainForm::~TMainForm() = default;

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
    NAMED(PageControlMenu, QTabWidget, this);
    // All nine tabs fit in the minimum width.
    PageControlMenu->setUsesScrollButtons(false);
    PageControlMenu->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 7px; }"));
    layout->addWidget(PageControlMenu, 1);
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
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    auto button = [bar, row](QToolButton *&member, const char *name, const QString &text, const QString &hint) {
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
    button(SpeedButtonTOP, "SpeedButtonTOP", QStringLiteral("\u2191"), QStringLiteral("Sempre in primo piano"));
    SpeedButtonTOP->setCheckable(true);
    button(SpeedButton_minimize_bar, "SpeedButton_minimize_bar", QStringLiteral("_"), QStringLiteral("Minimizza"));
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
        {&TMainForm::TabSheetShot, "TabSheetShot", "Giornalieri"},
        {&TMainForm::TabSheetYEAR, "TabSheetYEAR", "Annuali"},
        {&TMainForm::TabSheetMonth, "TabSheetMonth", "Mensili"},
        {&TMainForm::TabSheetWEEK, "TabSheetWEEK", "Settimanali"},
        {&TMainForm::TabSheetTODAY, "TabSheetTODAY", "Impegni"},
        {&TMainForm::TabSheetCONTACTS, "TabSheetCONTACTS", "Contatti"},
        {&TMainForm::TabSheetNotes, "TabSheetNotes", "Note"},
        {&TMainForm::TabSheetToDo, "TabSheetToDo", "Lista"},
        {&TMainForm::TabSheetSetup, "TabSheetSetup", "Opzioni"},
    };
    for (const Page &p : pages) {
        QWidget *page = namedControl<QWidget>(PageControlMenu, p.name);
        this->*(p.member) = page;
        PageControlMenu->addTab(page, QString::fromUtf8(p.caption));
    }

    // The agenda page: its date, count panel and message panel.
    auto *today = new QVBoxLayout(TabSheetTODAY);
    auto *header = new QHBoxLayout;
    NAMED(DateTimePickerTODAY, QDateEdit, TabSheetTODAY);
    DateTimePickerTODAY->setCalendarPopup(true);
    DateTimePickerTODAY->setDisplayFormat(QStringLiteral("dddd d MMMM yyyy"));
    DateTimePickerTODAY->setLocale(m_services.regional.locale);
    header->addWidget(DateTimePickerTODAY, 1);
    NAMED(panel_today, QLabel, TabSheetTODAY);
    panel_today->setFrameShape(QFrame::Panel);
    panel_today->setFrameShadow(QFrame::Sunken);
    panel_today->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panel_today->setMinimumWidth(60);
    header->addWidget(panel_today);
    today->addLayout(header);
    NAMED(Panel_MEssaggio, QLabel, TabSheetTODAY);
    Panel_MEssaggio->setFrameShape(QFrame::Panel);
    Panel_MEssaggio->setMinimumHeight(28);
    today->addWidget(Panel_MEssaggio);
    today->addStretch(1);

    // The options page: the options the life cycle reads, and where the archives are.
    auto *setup = new QVBoxLayout(TabSheetSetup);
    NAMED(CheckBox_Minimized, QCheckBox, TabSheetSetup);
    CheckBox_Minimized->setText(QStringLiteral("Avvio minimizzato"));
    setup->addWidget(CheckBox_Minimized);
    auto *timeRow = new QHBoxLayout;
    NAMED(CheckBox_TimeCheck, QCheckBox, TabSheetSetup);
    CheckBox_TimeCheck->setToolTip(QStringLiteral("Ti avvertirò all'ora dell'impegno"));
    NAMED(Label_TimeCheck, QLabel, TabSheetSetup);
    Label_TimeCheck->setText(QStringLiteral("Allarme a tempo"));
    Label_TimeCheck->setBuddy(CheckBox_TimeCheck);
    timeRow->addWidget(CheckBox_TimeCheck);
    timeRow->addWidget(Label_TimeCheck, 1);
    setup->addLayout(timeRow);
    NAMED(CheckBoxFuturo, QCheckBox, TabSheetSetup);
    CheckBoxFuturo->setText(QStringLiteral("Notifica impegni importanti"));
    setup->addWidget(CheckBoxFuturo);
    setup->addWidget(new QLabel(QStringLiteral("Posizione archivi"), TabSheetSetup));
    NAMED(ScrollBox1, QScrollArea, TabSheetSetup);
    NAMED(Label_Archives_Folder, QLabel, ScrollBox1);
    Label_Archives_Folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ScrollBox1->setWidget(Label_Archives_Folder);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setFixedHeight(44);
    setup->addWidget(ScrollBox1);
    setup->addStretch(1);
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
        {"OneShot1", "Giornalieri", &TMainForm::TabSheetShot},
        {"Yearly1", "Annuali", &TMainForm::TabSheetYEAR},
        {"Monthly1", "Mensili", &TMainForm::TabSheetMonth},
        {"Weekly1", "Settimanali", &TMainForm::TabSheetWEEK},
        {"Today1", "Impegni", &TMainForm::TabSheetTODAY},
        {"Contacts1", "Contatti", &TMainForm::TabSheetCONTACTS},
        {"Notes1", "Note", &TMainForm::TabSheetNotes},
        {"Lista", "Lista", &TMainForm::TabSheetToDo},
        {"Setup1", "Opzioni", &TMainForm::TabSheetSetup},
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
    panel_credit0->installEventFilter(this);
    panel_credit->installEventFilter(this);
    connect(TimerOrologio, &QTimer::timeout, this, &TMainForm::TimerOrologioTimer);
    connect(TimerRitorna, &QTimer::timeout, this, &TMainForm::TimerRitornaTimer);
    connect(TimerAppari, &QTimer::timeout, this, &TMainForm::TimerAppariTimer);
    connect(TimerTrayCycle, &QTimer::timeout, this, [this] { setTrayImage((m_trayImage + 1) % 4); });
    connect(TimerFlashTempo, &QTimer::timeout, this, [this] {
        const bool red = Label_TimeCheck->property("flashRed").toBool();
        Label_TimeCheck->setProperty("flashRed", !red);
        Label_TimeCheck->setStyleSheet(red ? QString() : QStringLiteral("color: red"));
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
    connect(SpeedButtonMigrationInfo, &QToolButton::clicked, this, &TMainForm::SpeedButtonMigrationInfoClick);
    connect(SpeedButtonWinSize, &QToolButton::clicked, this, &TMainForm::toggleMaximized);
    connect(SpeedButton_minimize_bar, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(SpeedButton_MINIMIZE, &QToolButton::clicked, this, [this] {
        m_hiddenInTray = true;
        if (m_services.trayAvailable)
            hide();
        else
            showMinimized();
    });
    connect(SpeedButtonTOP, &QToolButton::toggled, this, [this](bool down) {
        setWindowFlag(Qt::WindowStaysOnTopHint, down);
        show();
    });
    connect(DateTimePickerTODAY, &QDateEdit::dateChanged, this, [this] {
        if (m_databaseReady)
            refreshDayAgenda();
    });
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
        m_databaseReady = true;
        refreshAlarmList();
        refreshDayAgenda();
        startupCheck();
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
        return;
    }
    Label_Archives_Folder->setText(QDir::toNativeSeparators(m_workingFolder));
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
    const DefaultFolder folder =
        computeDefaultWorkingFolder(m_services.programFolder, m_services.shell.logonName());
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
        if (openWorkingDatabase(m_db, m_workingFolder, m_services.clock.now(), m_services.regional,
                                m_services.prompter))
            m_restoreMarker = false;
        m_creationLog = schema::ensureSchema(m_db, {m_workingFolder, m_services.programFolder, m_restoreMarker});
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
    CheckBox_Minimized->setChecked(m_settings.yes(QStringLiteral("minimized")));
    CheckBox_TimeCheck->setChecked(m_settings.yes(QStringLiteral("timecheck")));
    CheckBoxFuturo->setChecked(m_settings.logical(QStringLiteral("futuro_flag")));
    m_clockFormat = m_settings.logical(QStringLiteral("ampm"))
                        ? QStringLiteral("dddd d mmmm yyyy - hh:mm:ss am/pm")
                        : QStringLiteral("dddd d mmmm yyyy - hh:mm:ss");
    return true;
}

void TMainForm::refreshDayAgenda()
{
    m_dayAgenda = agenda::readAgenda(m_db, agenda::Variant::DayAgenda, DateTimePickerTODAY->date(),
                                     m_services.regional);
    panel_today->setText(QString::number(m_dayAgenda.size()) + QStringLiteral("   "));
}

void TMainForm::refreshAlarmList()
{
    if (CheckBox_TimeCheck->isChecked())
        m_alarmList = agenda::readAgenda(m_db, agenda::Variant::AlarmList, m_services.clock.today(),
                                         m_services.regional);
}

void TMainForm::startupCheck()
{
    const QString first = m_services.arguments.value(0).toUpper();
    if ((first == QLatin1String("CONTROLLO") || first == QLatin1String("CONTROL")) && m_dayAgenda.empty()) {
        terminate();
        return;
    }
    const auto rows = agenda::readAgenda(m_db, agenda::Variant::StartupCheck, m_services.clock.today(),
                                         m_services.regional);
    if (!rows.empty())
        startTrayCycling();
}

// ---------------------------------------------------------------- clock and day change

void TMainForm::TimerOrologioTimer()
{
    const QDateTime now = m_services.clock.now();
    panel_credit->setText(isActiveWindow() ? formatDatePicture(now, m_clockFormat, m_services.regional)
                                           : Prompter::caption());
    const bool midnight = formatDatePicture(now, QStringLiteral("hh.mm.ss"), m_services.regional)
                          == QLatin1String("00.00.00");
    if (midnight || now.date() != m_dayStamp) {
        m_dayStamp = now.date();
        dayChange();
    }
}

void TMainForm::dayChange()
{
    ++m_dayChanges;
    if (!m_databaseReady)
        return;
    try {
        agenda::cleanupOneShot(m_db, m_services.clock.today());
        refreshAlarmList();
        SpeedButtonTodayClick();
        startupCheck();
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
    }
}

void TMainForm::SpeedButtonTodayClick()
{
    const QDate today = m_services.clock.today();
    if (DateTimePickerTODAY->date() == today) {
        if (m_databaseReady)
            refreshDayAgenda();
    } else {
        DateTimePickerTODAY->setDate(today); // the date change refreshes the agenda
    }
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
                      {{QStringLiteral("migrationinfo"), false}});
            SpeedButtonMigrationInfo->hide();
        }
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
    }
}

void TMainForm::SpeedButtonMigrationInfoClick()
{
    TMigrationInfoForm form(m_services, this);
    m_services.runModal(form);
    if (!form.closedWithChiudi())
        return;
    try {
        m_restoreMarker = false;
        m_db.exec(QStringLiteral("UPDATE VNset63 SET migrationinfo = :migrationinfo"),
                  {{QStringLiteral("migrationinfo"), !form.CheckBoxStopInfo->isChecked()}});
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
    if (CheckBox_TimeCheck->isChecked() && !panel_today->isHidden()) {
        PageControlMenu->setCurrentWidget(TabSheetSetup);
        TimerFlashTempo->start();
        const bool leave = m_services.prompter.question(
            QStringLiteral(" Hey! Se mi termini non potrò avvertirti in orario!\r Sei sicuro di farcela da solo?"));
        TimerFlashTempo->stop();
        Label_TimeCheck->setStyleSheet(QString());
        Label_TimeCheck->setProperty("flashRed", false);
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
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        m_hiddenInTray = true;
    if (event->type() == QEvent::ActivationChange)
        panel_credit->setText(isActiveWindow()
                                  ? formatDatePicture(m_services.clock.now(), m_clockFormat, m_services.regional)
                                  : Prompter::caption());
}

// ---------------------------------------------------------------- moving and sizing

void TMainForm::toggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    // The title bar moves the window (except when maximised) and a double click maximises/restores it.
    if (watched != panel_credit0 && watched != panel_credit)
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

} // namespace vellamora
