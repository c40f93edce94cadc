#pragma once
#include "app/Services.h"
#include "themes/ColourSheet.h"

#include <QtWidgets/QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;
class QStackedLayout;
class QToolButton;

namespace vellamora {

class Database;
class SettingsRow;

// What the Opzioni page asks of the main window.
class OptionsHost : public ColourSheetHost
{
public:
    virtual ~OptionsHost() = default;
    // Re-reads the settings row and applies it everywhere (load settings).
    virtual void reloadSettings() = 0;
    virtual void lockNow() = 0;
    virtual void clockFormatChanged(const QString &format) = 0;
    virtual void dialogScaleChanged(int percent) = 0;
    // The advance-notice option changed: the advance-notice scan runs again.
    virtual void advanceNoticeChanged() = 0;
    // Shows or hides the hint buttons of every page (the manual button only when hiding).
    virtual void setHintButtonsVisible(bool visible) = 0;
    // A date format changed: the list of that section ('O' one-shot, 'Y' yearly) re-opens.
    virtual void dateFormatChanged(QChar section) = 0;
    virtual void defaultSizeRequested() = 0;
    virtual void rememberSizeRequested() = 0;
    virtual void tabVisibilityRequested() = 0;
};

// The Opzioni page (TabSheetSetup): the options of the settings row, the special
// options panel with the password, the window commands and the archive folder.
class OptionsPage : public QWidget
{
    Q_OBJECT
public:
    OptionsPage(const Services &services, Database &db, const SettingsRow &settings, OptionsHost &host,
        QWidget *parent = nullptr);

    // Load settings, the steps that concern this page (stored password, lock box,
    // date formats, autostart entry, alarm sound, start minimised, sound code,
    // timed alarm box, sound controls).
    void applyLoadedSettings();
    // The columns applied once at start: advance notice, dialog scale, am/pm,
    // hints, read-only option, the alarm sound label.
    void applyStartSettings();
    // Selects the start-page entry (-1: none) without storing it.
    void selectStartPage(int index);
    // The general settings write from the controls.
    void writeGeneral();
    // Closes the special options panel, confirming a new password first.
    void closeSpecialPanel();
    // The window size shown on "Fissa" and whether "Default" applies.
    void showWindowSize(const QSize &size, bool maximized);

    QString storedPassword() const { return m_password; }
    QString alarmSound() const { return m_waveSound; }
    QString shotDateFormat() const { return m_shotFormat; }
    QString yearDateFormat() const { return m_yearFormat; }
    int dialogScale() const { return m_scale; }
    bool specialPanelOpen() const;
    // The "Colori e Font" sheet with the section colour panels (kept out of sight).
    ColourSheet &colourSheet() const { return *m_colourSheet; }
    // The focus control when the page becomes active.
    QWidget *entryField() const;

    // Handlers.
    void CheckBox_AutostartClick();
    void CheckBox_SoundonClick();
    void SpeedButtonSoundClick();
    void SpeedButtonWinSoundClick();
    void SpeedButtonCambiaSuonoClick();
    void ComboBox_FormatoDataShotChange();
    void ComboBox_FormatoDataYearChange();
    void Edit_ImpostaPSWChange();
    void SpeedButtonCloseSpecialClick();
    void CheckBoxFuturoClick();
    void SpinEditFuturoChange();
    void ComboBoxScalaCloseUp();
    void CheckBoxAmPmClick();
    void CheckBoxHideTipsClick();
    void CheckBox_SolaLetturaClick();
    void SpeedButtonHintOpzioniClick();
    void SpeedButton_ManualClick();
    void SpeedButton4Click();
    void openMakerPage(const QString &address);

    // Controls that keep their system names.
    QCheckBox *CheckBox_Autostart = nullptr;
    QCheckBox *CheckBox_Minimized = nullptr;
    QCheckBox *CheckBox_Soundon = nullptr;
    QCheckBox *CheckBox_Visivo = nullptr;
    QToolButton *SpeedButtonSound = nullptr;
    QToolButton *SpeedButtonWinSound = nullptr;
    QToolButton *SpeedButtonCambiaSuono = nullptr;
    QLabel *Label_SoundName = nullptr;
    QCheckBox *CheckBox_TimeCheck = nullptr;
    QLabel *Label_TimeCheck = nullptr;
    QComboBox *ComboBox_FormatoDataShot = nullptr;
    QLabel *Label_esempio_Full = nullptr;
    QComboBox *ComboBox_FormatoDataYear = nullptr;
    QLabel *Label_esempio_short = nullptr;
    QToolButton *SpeedButtonHintOpzioni = nullptr;
    QToolButton *SpeedButton_Manual = nullptr;
    QToolButton *SpeedButtonHelpOnLine = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton_TabShow = nullptr;
    QToolButton *SpeedButtonDimConsigliate = nullptr;
    QToolButton *SpeedButtonFix = nullptr;
    QToolButton *SpeedButton_VaiSpeciale = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *Label_Archives_Folder = nullptr;
    QLabel *Label_NomeTema = nullptr;

    QFrame *Panel_special = nullptr;
    QLineEdit *Edit_ImpostaPSW = nullptr;
    QCheckBox *CheckBox_impostaPSW = nullptr;
    QToolButton *SpeedButtonClearPSW = nullptr;
    QToolButton *SpeedButton_PSW = nullptr;
    QCheckBox *CheckBox_Blocco = nullptr;
    QCheckBox *CheckBox_SolaLettura = nullptr;
    QComboBox *ComboBox_Startab = nullptr;
    QCheckBox *CheckBoxFuturo = nullptr;
    QSpinBox *SpinEditFuturo = nullptr;
    QToolButton *SpeedButtonAnticipo = nullptr;
    QCheckBox *CheckBoxAmPm = nullptr;
    QCheckBox *CheckBoxHideTips = nullptr;
    QComboBox *ComboBoxScala = nullptr;
    QToolButton *SpeedButtonCloseSpecial = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildOptions();
    QFrame *buildSpecialPanel();
    void connectHandlers();
    void writeAndReload();
    void refreshSoundLabel();
    void enableSoundControls();
    void refreshPasswordControls();
    void showDateExamples();
    bool guarded(const std::function<void()> &write);

    Services m_services;
    Database &m_db;
    const SettingsRow &m_settings;
    OptionsHost &m_host;
    QStackedLayout *m_stack = nullptr;
    QWidget *m_options = nullptr;
    ColourSheet *m_colourSheet = nullptr;
    QString m_password;
    QString m_waveSound = QStringLiteral("mailbeep");
    QString m_shotFormat;
    QString m_yearFormat;
    int m_scale = 100;
};

} // namespace vellamora
