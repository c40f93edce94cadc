#pragma once
// The add and modify dialogs of the four kinds (TAggShotForm / TModShotForm, TAggYearForm /
// TModYearForm, TAggMeseForm / TModMeseForm, TAggWeekForm / TModWeekForm): one class,
// its object name and controls chosen by kind and mode. Saving is the core's.
#include "agenda/AppointmentList.h"

#include <QtWidgets/QDialog>
#include <functional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace vellamora {

class Prompter;

namespace agenda {

struct EditorContext
{
    Database *db = nullptr;
    const Regional *regional = nullptr;
    Prompter *prompter = nullptr;
    QDate shownDate; // the agenda page's date: the add dialogs start on it
    QDate today;
    QString datePicture; // DataShot (one-shot) or DataYear (yearly)
    bool advanceNoticeOn = false;
    int advanceNoticeDays = 0;
    std::optional<qint64> linkedContact; // yearly add: a contact's birthday
    QString contactName; // its name in birthday mode
    std::function<void()> saved; // the kind's list refresh
};

class AppointmentEditor : public QDialog
{
    Q_OBJECT
public:
    // `row` empty: an add dialog; otherwise the modify dialog of that row.
    AppointmentEditor(AppointmentKind kind, EditorContext context, std::optional<Appointment> row,
        QWidget *parent = nullptr);

    // The editor start date (the calendar dialog sets it).
    void setStartDate(const QDate &date);
    QDate startDate() const { return m_start; }

    // Handlers.
    void SpeedButtonAddClick(); // "Inserisci": stays open and clears
    void SpeedButtonAddCloseClick(); // "Inserisci e chiudi"
    void SpeedButtonModClick(); // "Modifica"
    void SpeedButton4Click(); // no times
    void optionsChanged();

    QLabel *Panel_TitoloForm = nullptr;
    QLabel *dateLabel = nullptr; // Label_datefull / Label_date / Label_DayMonth / Label_dayweek
    QLineEdit *MaskEdit_Hour = nullptr;
    QLineEdit *MaskEdit_hour2 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QLineEdit *Edit_id = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QCheckBox *CheckBox_scadenza = nullptr;
    QDateEdit *DateTimePicker_scadenza = nullptr;
    QCheckBox *CheckBox_DeleteAfter = nullptr; // one-shot
    QCheckBox *CheckBox_Torment = nullptr; // one-shot
    QCheckBox *CheckBox_Conteggio = nullptr; // yearly
    QLabel *Label_Conteggio = nullptr; // yearly
    QCheckBox *everyOther = nullptr; // CheckBox_Biannuale / _Bimestrale / _Bisettimanale
    QCheckBox *CheckBox_Anticipo = nullptr;
    QCheckBox *CheckBox_Sospeso = nullptr;
    QLineEdit *Edit_Ricerca = nullptr;
    QToolButton *SpeedButtonClearRicerca = nullptr;
    QLineEdit *Edit_Allegato = nullptr;
    QToolButton *SpeedButtonClearAllegato = nullptr;
    QLabel *Label_Fatto = nullptr; // modify
    QToolButton *SpeedButtonAdd = nullptr; // add
    QToolButton *SpeedButtonAddClose = nullptr; // add
    QToolButton *SpeedButtonMod = nullptr; // modify
    QToolButton *SpeedButton3 = nullptr; // "Chiudi"

private:
    EditorInput input() const;
    bool save();
    void clearFields();
    void drawDate();
    void yearCountLabel();

    AppointmentKind m_kind;
    EditorContext m_context;
    std::optional<Appointment> m_row;
    QDate m_start;
};

} // namespace agenda
} // namespace vellamora
