#pragma once
// The add and modify dialogs of the four kinds (TAggShotForm / TModShotForm, TAggYearForm /
// TModYearForm, TAggMeseForm / TModMeseForm, TAggWeekForm / TModWeekForm): one class,
// its object name and controls chosen by kind and mode. Saving is the core's.
#include "agenda/AppointmentList.h"
#include "app/ScaledDialog.h"

#include <QtGui/QColor>
#include <functional>

class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStackedWidget;
class QToolButton;

namespace vellamora {

class FileChooser;
class Prompter;

namespace agenda {

class TSelectForm;

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
    QString contactEmail; // its e-mail address, when it has one
    std::function<void()> saved; // the kind's list refresh
    // The contact selected on the contacts page while it is the active page: an add
    // dialog starts with it as description and contact search text.
    QString activeContact;
    // The enlarged-note request: a modify dialog opens on the enlarged notes area.
    bool enlargedNote = false;

    // Look: the dialog scale and the colours of the kind's section and of the theme.
    int scalePercent = 100;
    QColor sectionColour = Qt::white;
    QColor titleText = Qt::black; // the tab font colour
    QColor autoDeleteColour = QColor(0xFF, 0, 0);
    QColor nagColour = QColor(0, 0, 0xFF);
    QColor suspendedColour = QColor(0x4F, 0x4F, 0x4F);

    // The calendar dialog the main window keeps, and how modal dialogs are shown.
    TSelectForm *calendar = nullptr;
    std::function<int(QDialog &)> runModal;
    // Attachment choosers; attachments under the program folder are stored relative to it.
    FileChooser *files = nullptr;
    QString programFolder;
    QString homeFolder;
    QString rootFolder = QStringLiteral("/");
    // Prints the dialog as it looks ("Stampa" of the modify dialogs); unset: disabled.
    std::function<void(QWidget &)> printWindow;
};

class AppointmentEditor : public ScaledDialog
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
    void SpeedButtonShowCalendarClick();
    void SpeedButtonAllegaFileClick();
    void SpeedButtonAllegaCartellaClick();
    void SpeedButtonZoomNoteClick();
    void SpeedButtonSpiegazioneImpegnoClick();
    void Edit_AllegatoChange();
    void optionsChanged();
    // Enter in the description, time, contact search and attachment fields.
    void fieldReturnPressed();
    bool enlargedNotes() const;
    // The help text of a kind's dialogs.
    static QString helpText(AppointmentKind kind);

    QLabel *Panel_TitoloForm = nullptr;
    QFrame *Panel_Bottoni = nullptr;
    QLabel *dateLabel = nullptr; // Label_datefull / Label_date / Label_DayMonth / Label_dayweek
    QToolButton *SpeedButtonShowCalendar = nullptr;
    QLineEdit *MaskEdit_Hour = nullptr;
    QLineEdit *MaskEdit_hour2 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QLineEdit *Edit_id = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QPlainTextEdit *Memo_BIG = nullptr;
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
    QToolButton *SpeedButtonAllegaFile = nullptr;
    QToolButton *SpeedButtonAllegaCartella = nullptr;
    QToolButton *SpeedButtonClearAllegato = nullptr;
    QLabel *Label_Fatto = nullptr; // modify
    QToolButton *SpeedButtonSpiegazioneImpegno = nullptr;
    QToolButton *SpeedButtonZoomNote = nullptr;
    QToolButton *SpeedButtonAdd = nullptr; // add
    QToolButton *SpeedButtonAddClose = nullptr; // add
    QToolButton *SpeedButtonPrintContact = nullptr; // modify: "Stampa"
    QToolButton *SpeedButtonMod = nullptr; // modify
    QToolButton *SpeedButton3 = nullptr; // "Chiudi"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildBody();
    void buildButtons();
    void connectHandlers();
    void applyColours();
    void showRow(const Appointment &a);
    void setEnlargedNotes(bool on);
    // Shows a chooser with the dialog moved out of sight by `away`.
    std::optional<QString> chooseAway(
        const QPoint &away, const std::function<std::optional<QString>()> &choose);
    EditorInput input() const;
    bool save();
    void clearFields();
    void drawDate();
    void yearCountLabel();

    AppointmentKind m_kind;
    EditorContext m_context;
    std::optional<Appointment> m_row;
    QDate m_start;
    QStackedWidget *m_pages = nullptr; // the normal layout and the enlarged notes area
};

} // namespace agenda
} // namespace vellamora
