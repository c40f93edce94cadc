#pragma once
#include "agenda/AgendaQuery.h"
#include "app/OptionsPage.h"
#include "app/Services.h"
#include "app/Settings.h"
#include "store/Database.h"
#include "themes/Colour.h"
#include "themes/ThemeFiles.h"

#include <QtCore/QDate>
#include <QtCore/QRandomGenerator>
#include <QtGui/QColor>
#include <QtGui/QIcon>
#include <QtWidgets/QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QStackedLayout;
class QMenu;
class QScrollArea;
class QSystemTrayIcon;
class QTabWidget;
class QTimer;
class QToolButton;
class QAction;

namespace vellamora {

namespace agenda {
class AppointmentListPage;
struct EditorContext;
class TSelectForm;
class TodayPage;
struct GridLook;
struct GridColours;
} // namespace agenda
class AlarmCenter;
class SlideNotice;
class SectionTabWidget;
class TitleBarPicture;

// The main window: owns the frame (title bar, pages, tray icon, timers), the
// database connection and the settings row, and runs the start-up sequence,
// the clock with the day change, coming up from the tray and the exit.
class TMainForm : public QWidget, public OptionsHost
{
    Q_OBJECT
    // The reminders are part of the window and act on its flags.
    friend class AlarmCenter;

public:
    explicit TMainForm(const Services &services, QWidget *parent = nullptr);
    ~TMainForm() override;

    // True once the program was told to end (possibly before the message loop ran).
    bool isTerminated() const { return m_terminated; }

    // Window-wide state, read by tests and by the pages.
    bool holdFlag() const { return m_hold; }
    bool hiddenInTray() const { return m_hiddenInTray; }
    bool firstAppearancePending() const { return m_firstAppearancePending; }
    bool restoreMarker() const { return m_restoreMarker; }
    QDate dayStamp() const { return m_dayStamp; }
    QString workingFolder() const override { return m_workingFolder; }
    QString defaultWorkingFolder() const { return m_defaultWorkingFolder; }
    QString clockFormat() const { return m_clockFormat; }
    int trayImage() const { return m_trayImage; }
    bool trayCycling() const;
    Database &database() { return m_db; }
    const SettingsRow &settings() const { return m_settings; }
    const std::vector<Appointment> &dayAgenda() const;
    const std::vector<Appointment> &alarmList() const { return m_alarmList; }
    int dayChanges() const { return m_dayChanges; }
    bool locked() const { return m_locked; }
    bool readOnly() const { return m_readOnly; }
    QColor currentPageColour() const { return m_pageColour; }
    int dialogScale() const { return m_options->dialogScale(); }
    QString themeName() const { return m_themeName; }
    const theme::GlyphBoard &glyphs() const { return m_glyphs; }
    const theme::FontSettings &themeFonts() const { return m_fonts; }
    QColor tabFontColour() const;
    // The colour square of a section (0..8) in the current colours and theme switches.
    QIcon colourSquare(int section) const { return m_colourSquares.at(size_t(section)); }

    // Themes: apply one folder to the window; re-apply is "default" then the current theme.
    void applyTheme(const QString &name);
    void reapplyTheme();
    // Writes the nine section colours to the settings row and repaints the window with them.
    void storeSectionColours(const colour::SectionColours &colours) override;
    // The title bar and the window take the active page's section colour.
    void titleBarColour() override;
    // The nine section colours in effect (the settings row's).
    colour::SectionColours sectionColours() const;
    OptionsPage &options() { return *m_options; }

    // Shared helpers of the pages.
    // The count panel of a section letter (O Y M W C N L D); `shownRows` is what its
    // page query holds (nothing: only the total label is set).
    void countPanel(QChar letter, std::optional<int> shownRows);
    // The closing phrase of a deletion question, drawn at random.
    QString deletionPhrase();
    // Run on every page change, by the user or in code.
    void pageChanged();
    // The list pages Giornalieri, Annuali, Mensili, Settimanali (0..3) and their refresh.
    agenda::AppointmentListPage *listPage(int index) const { return m_listPages.at(size_t(index)); }
    void refreshLists();
    // What an appointment editor of a kind is given: the agenda date, the theme's and the
    // kind's colours, the dialog scale, the calendar dialog, the choosers.
    agenda::EditorContext editorContext(AppointmentKind kind);
    // The calendar dialog, kept from the first editor that needs it to the end.
    agenda::TSelectForm *selectForm() const { return m_selectForm; }
    // The enlarged-note request: the next modify dialog opens on its enlarged notes area.
    bool enlargedNoteRequest() const { return m_enlargedNote; }
    void requestEnlargedNote();
    // The agenda page "Impegni".
    agenda::TodayPage *todayPage() const { return m_todayPage; }
    // The list-change mark: set when an appointment list opens.
    agenda::ListChangeMark &listChangeMark() { return m_listChange; }

    // Handlers, public so the message loop, the hand-over and tests reach them.
    void bringToFrontRequested();
    void argumentsReceived(const QStringList &arguments);
    void TimerOrologioTimer();
    void TimerRitornaTimer();
    void TimerAppariTimer();
    void TrayIconClick();
    void SpeedButtonEXITClick();
    void SpeedButtonMigrationInfoClick();
    void SpeedButtonAboutClick();
    void SpeedButtonTodayClick();
    // Re-runs the day agenda of the agenda page's date.
    void refreshDayAgenda();
    void SpeedButton_MINIMIZEClick();
    void SpeedButton_minimize_barClick();
    void SpeedButtonAggiornaTuttoClick();
    void SpeedButton_SolaLetturaClick();
    void Edit_PSWChange();
    // The advance-notice check, from the options page and the agenda page.
    void SpeedButtonAnticipoClick();
    AlarmCenter &alarms() { return *m_alarms; }

    // OptionsHost
    void reloadSettings() override;
    void lockNow() override;
    void clockFormatChanged(const QString &format) override;
    void dialogScaleChanged(int percent) override;
    void advanceNoticeChanged() override;
    void setHintButtonsVisible(bool visible) override;
    void dateFormatChanged(QChar section) override;
    void defaultSizeRequested() override;
    void rememberSizeRequested() override;
    void tabVisibilityRequested() override;

    // Controls that keep their system names.
    QFrame *panel_credit0 = nullptr;
    TitleBarPicture *Image_barra_sx = nullptr;
    TitleBarPicture *Image_barra_mid = nullptr;
    TitleBarPicture *Image_barra_dx = nullptr;
    QLabel *panel_credit = nullptr;
    QToolButton *SpeedButtonAbout = nullptr;
    QToolButton *SpeedButtonMigrationInfo = nullptr;
    QToolButton *SpeedButtonAggiornaTutto = nullptr;
    QToolButton *SpeedButtonTOP = nullptr;
    QToolButton *SpeedButton_minimize_bar = nullptr;
    QToolButton *SpeedButton_MINIMIZE = nullptr;
    QToolButton *SpeedButtonWinSize = nullptr;
    QToolButton *SpeedButtonEXIT = nullptr;
    QFrame *Panel_portamenu = nullptr;
    SectionTabWidget *PageControlMenu = nullptr;
    QFrame *Panel_PSW = nullptr;
    QLabel *Label_InsPsw = nullptr;
    QLineEdit *Edit_PSW = nullptr;
    QCheckBox *CheckBox_PSW = nullptr;
    QToolButton *SpeedButton_SolaLettura = nullptr;
    QWidget *TabSheetShot = nullptr;
    QWidget *TabSheetYEAR = nullptr;
    QWidget *TabSheetMonth = nullptr;
    QWidget *TabSheetWEEK = nullptr;
    QWidget *TabSheetTODAY = nullptr;
    QWidget *TabSheetCONTACTS = nullptr;
    QWidget *TabSheetNotes = nullptr;
    QWidget *TabSheetToDo = nullptr;
    QWidget *TabSheetSetup = nullptr;
    QDateEdit *DateTimePickerTODAY = nullptr;
    QLabel *panel_today = nullptr;
    QLabel *Panel_MEssaggio = nullptr;
    QTimer *TimerOrologio = nullptr;
    QTimer *TimerRitorna = nullptr;
    QTimer *TimerAppari = nullptr;
    QTimer *TimerContolloOrario = nullptr;
    QTimer *TimerFlashTempo = nullptr;
    QTimer *TimerNero = nullptr;
    QTimer *TimerEscludiNero = nullptr;
    QTimer *TimerDrawContact = nullptr;
    QTimer *TimerTrayCycle = nullptr;
    QSystemTrayIcon *TrayIcon = nullptr;
    QMenu *PopupMenuTray = nullptr;
    QAction *Open1 = nullptr;
    QAction *Closevellamora1 = nullptr;
    SlideNotice *MSNPopUp_Anticipo = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame();
    void buildTitleBar(QWidget *bar);
    void placeTitlePictures();
    void buildPages();
    void buildTray();
    void buildLockPanel();
    void connectHandlers();

    void runStartupSequence();
    bool colourCheck();
    bool computeWorkingFolder();
    void applyRedirection();
    bool openDatabase();
    bool loadSettings();
    void applyStartSettings();
    void applyStartPage();
    void applyWindowSize();
    void showLockPanel();
    void leaveLock();
    void setReadOnlyMode(bool on);
    void resizeSteps();
    void applySectionColours();
    QColor sectionColour(int page) const;
    bool shellEvent(QWidget *widget, QEvent *event);
    void startupCheck();
    void refreshAlarmList();
    void dayChange();
    void firstAppearance();
    void windowShown();
    void enableAppearTimer();
    void setTrayImage(int index);
    void startTrayCycling();
    void stopTrayCycling();
    void terminate();
    void toggleMaximized();

    Services m_services;
    Database m_db;
    SettingsRow m_settings;
    OptionsPage *m_options = nullptr;
    QStackedLayout *m_lockStack = nullptr;
    agenda::ListChangeMark m_listChange;
    std::array<agenda::AppointmentListPage *, 4> m_listPages {};
    agenda::TSelectForm *m_selectForm = nullptr;
    bool m_enlargedNote = false;
    bool m_listsReady = false; // start-up has read the lists: list openings refresh the alarms
    void buildListPages();
    void colourAgendaDatePicker();
    agenda::TodayPage *m_todayPage = nullptr;
    void buildTodayPage();
    agenda::GridLook agendaGridLook();
    // The theme's text colours of the grids (Fonts.txt), for every appointment grid.
    agenda::GridColours gridColours() const;
    // The current page colour is the desktop's button face.
    bool buttonFacePage() const;
    // ImageList_ColoreSezioni: a colour square per section, the pictures of the tray menu,
    // the agenda's add menu and the grids' context menu; rebuilt with the section colours.
    std::array<QIcon, colour::kSections> m_colourSquares;
    void rebuildColourSquares();
    QRandomGenerator m_random { QRandomGenerator::securelySeeded() };
    QColor m_pageColour = Qt::white;
    QString m_themeName = QStringLiteral("default");
    std::vector<Appointment> m_alarmList;
    QDate m_alarmListDate; // the date the alarm list was read for
    AlarmCenter *m_alarms = nullptr;

    QString m_defaultWorkingFolder;
    QString m_workingFolder;
    QString m_clockFormat = QStringLiteral("dddd d mmmm yyyy - hh:mm:ss");
    QString m_creationLog;
    QDate m_dayStamp;
    QPoint m_dragOffset;
    bool m_hold = false;
    bool m_hiddenInTray = true;
    bool m_firstAppearancePending = true;
    bool m_appearingAllowed = true;
    bool m_advanceNoticePending = true;
    bool m_restoreMarker = true;
    bool m_databaseReady = false;
    bool m_terminated = false;
    bool m_dragging = false;
    bool m_locked = false;
    bool m_readOnly = false;
    bool m_advanceNoticeDeferred = false;
    bool m_titleSides = true; // the left and right title bar pictures are shown
    std::optional<int> m_advanceNoticeDay;
    theme::GlyphBoard m_glyphs;
    theme::FontSettings m_fonts;
    void applyGlyphs();
    void addContactMapPicture();
    void startupTheme();
    int m_trayImage = 4;
    int m_dayChanges = 0;
};

} // namespace vellamora
