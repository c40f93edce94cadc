#pragma once
#include "agenda/AgendaQuery.h"
#include "app/Services.h"
#include "app/Settings.h"
#include "store/Database.h"

#include <QtCore/QDate>
#include <QtWidgets/QWidget>
#include <memory>

class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QMenu;
class QScrollArea;
class QSystemTrayIcon;
class QTabWidget;
class QTimer;
class QToolButton;
class QAction;

namespace vellamora {

// The main window: owns the frame (title bar, pages, tray icon, timers), the
// database connection and the settings row, and runs the start-up sequence,
// the clock with the day change, coming up from the tray and the exit.
class TMainForm : public QWidget
{
    Q_OBJECT
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
    QString workingFolder() const { return m_workingFolder; }
    QString defaultWorkingFolder() const { return m_defaultWorkingFolder; }
    QString clockFormat() const { return m_clockFormat; }
    int trayImage() const { return m_trayImage; }
    bool trayCycling() const;
    Database &database() { return m_db; }
    const SettingsRow &settings() const { return m_settings; }
    const std::vector<Appointment> &dayAgenda() const { return m_dayAgenda; }
    const std::vector<Appointment> &alarmList() const { return m_alarmList; }
    int dayChanges() const { return m_dayChanges; }

    // Handlers, public so the message loop, the hand-over and tests reach them.
    void bringToFrontRequested();
    void argumentsReceived(const QStringList &arguments);
    void TimerOrologioTimer();
    void TimerRitornaTimer();
    void TimerAppariTimer();
    void TrayIconClick();
    void SpeedButtonEXITClick();
    void SpeedButtonMigrationInfoClick();
    void SpeedButtonTodayClick();
    // Re-runs the day agenda of the agenda page's date.
    void refreshDayAgenda();

    // Controls that keep their system names.
    QFrame *panel_credit0 = nullptr;
    QLabel *panel_credit = nullptr;
    QToolButton *SpeedButtonAbout = nullptr;
    QToolButton *SpeedButtonMigrationInfo = nullptr;
    QToolButton *SpeedButtonAggiornaTutto = nullptr;
    QToolButton *SpeedButtonTOP = nullptr;
    QToolButton *SpeedButton_minimize_bar = nullptr;
    QToolButton *SpeedButton_MINIMIZE = nullptr;
    QToolButton *SpeedButtonWinSize = nullptr;
    QToolButton *SpeedButtonEXIT = nullptr;
    QTabWidget *PageControlMenu = nullptr;
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
    QCheckBox *CheckBox_TimeCheck = nullptr;
    QLabel *Label_TimeCheck = nullptr;
    QCheckBox *CheckBox_Minimized = nullptr;
    QCheckBox *CheckBoxFuturo = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *Label_Archives_Folder = nullptr;
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

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame();
    void buildTitleBar(QWidget *bar);
    void buildPages();
    void buildTray();
    void connectHandlers();

    void runStartupSequence();
    bool colourCheck();
    bool computeWorkingFolder();
    void applyRedirection();
    bool openDatabase();
    bool loadSettings();
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
    std::vector<Appointment> m_dayAgenda;
    std::vector<Appointment> m_alarmList;

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
    int m_trayImage = 4;
    int m_dayChanges = 0;
};

} // namespace vellamora
