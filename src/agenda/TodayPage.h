#pragma once
// The "Impegni" page: the day agenda of the shown date, with day navigation, marking done,
// the way to an appointment's own list page, modify, delete, add, attachments, export and
// print. Its controls carry the page's system names; what it needs from the main window
// comes through TodayPageHost.
#include "agenda/AgendaQuery.h"
#include "agenda/AppointmentGridDelegate.h"
#include "agenda/DayAgendaModel.h"

#include <QtGui/QIcon>
#include <QtWidgets/QWidget>
#include <functional>

class QAction;
class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTableView;
class QToolButton;

namespace vellamora {

class FileChooser;
class Prompter;
class Shell;

namespace agenda {

class AppointmentListPage;

// What the agenda page needs from the main window.
struct TodayPageHost
{
    Database *db = nullptr;
    const Regional *regional = nullptr;
    Prompter *prompter = nullptr;
    FileChooser *files = nullptr;
    Shell *shell = nullptr;
    QString programFolder; // with a trailing separator: attachments are also looked for there
    ListChangeMark *listChange = nullptr;
    std::function<QDate()> today;
    // The advance-notice day count, 0 while the advance notice is off.
    std::function<int()> advanceNoticeDays;
    // Runs the day agenda refresh (the main window adds what it keeps of the result).
    std::function<void()> refreshDayAgenda;
    // The list page of a kind, making it the active page, and the page-change handler.
    std::function<AppointmentListPage *(AppointmentKind)> listPage;
    std::function<void(AppointmentKind)> showListPage;
    std::function<void()> pageChanged;
    std::function<void()> resizeSteps;
    // The alarm list refresh (when the timed alarm is on) and the contact list refresh.
    std::function<void()> refreshAlarmList;
    std::function<void()> refreshContacts;
    std::function<QString()> deletionPhrase;
    std::function<bool()> readOnly;
    // The contact search of the attachment menu's "Ricerca" entry.
    std::function<void(const QString &)> contactSearch;
    // Printing the day: preview or print. Unset while printing is not available.
    std::function<void(bool preview)> printDay;
    // The editors' enlarged-note request: the next modify dialog opens on its enlarged notes.
    std::function<void()> requestEnlargedNote;
    // The advance-notice check of the side panel's button.
    std::function<void()> advanceNoticeCheck;
    // The colour square of a kind's section (ImageList_ColoreSezioni).
    std::function<QIcon(AppointmentKind)> kindSquare;
    // Grid drawing; the page adds the shown date and its columns.
    GridLook look;
};

class TodayPage : public QWidget
{
    Q_OBJECT
public:
    TodayPage(TodayPageHost host, QWidget *parent);

    DayAgendaModel &model() { return *m_model; }
    const DayAgendaModel &model() const { return *m_model; }
    QDate shownDate() const;
    // The day agenda refresh of the shown date.
    void refresh();
    // The farthest day ahead with something to announce, after the last refresh.
    std::optional<int> advanceNoticeDay() const { return m_advanceNoticeDay; }
    int currentRow() const;
    void selectRow(int row);
    // Theme and section colour: the grid and notes font; the page frame
    // (Panel_Contorno_Today), the grid titles and the notes box in the page's colour.
    void applyGridFont(const QFont &font);
    void paintSectionColour(const QColor &section, const QColor &titleText);

    // Handlers.
    void SpeedButton_DateBackClick();
    void SpeedButtonNextDayClick();
    void SpeedButtonTodayClick();
    void DateTimePickerTODAYChange();
    void CheckBox_Visualizza_SospesiClick();
    void SpeedButtonSvoltoTodayClick();
    void SpeedButtonFollowTodayClick();
    void SpeedButtonModTodayClick();
    // Modify with the enlarged-note request (the notes box, the note picture).
    void modifyNote();
    void SpeedButtonDelTodayClick();
    void SpeedButtonAddTodayClick();
    void PopupMenuTodayPopup();
    void addOfKind(AppointmentKind kind);
    void SpeedButtonAllegatoTodayClick();
    // The list pages' "Allegati": the appointment's day is shown with its row selected (its
    // suspended state listed), then the attachment menu pops up under `button`.
    void showAttachmentsOf(Appointment a, QWidget *button); // a copy: the caller's row may be re-read
    void PopupMenuAllegatoTodayPopup();
    void allegatotodayClick();
    void ricercatodayClick();
    void SpeedButtonEportTodayClick();
    void SpeedButtonPrintTodayClick();
    void SpeedButton_HelpClick();
    void SpeedButtonClendarioLatoClick();
    void SpeedButtonAnticipoHomeClick();
    void DBGrid_TodayClick(const QModelIndex &index);
    void rowChanged();

    // Controls (object names are the system names).
    QFrame *Panel_LATO = nullptr;
    QWidget *calendarPlace = nullptr; // the side calendar's room
    QCheckBox *CheckBox_Visualizza_Sospesi = nullptr;
    QToolButton *SpeedButtonAnticipoHome = nullptr;
    QToolButton *SpeedButton_DateBack = nullptr;
    QDateEdit *DateTimePickerTODAY = nullptr;
    QToolButton *SpeedButtonNextDay = nullptr;
    QToolButton *SpeedButtonToday = nullptr;
    QToolButton *SpeedButtonClendarioLato = nullptr;
    QToolButton *SpeedButtonAllegatoToday = nullptr;
    QLabel *panel_today = nullptr;
    QToolButton *SpeedButtonPrintToday = nullptr;
    QToolButton *SpeedButton_Help = nullptr;
    QToolButton *SpeedButtonFollowToday = nullptr;
    QToolButton *SpeedButtonModToday = nullptr;
    QToolButton *SpeedButtonDelToday = nullptr;
    QToolButton *SpeedButtonEportToday = nullptr;
    QToolButton *SpeedButtonAddToday = nullptr;
    QToolButton *SpeedButtonSvoltoToday = nullptr;
    QToolButton *navigator[4] = {}; // DBNavigatorToday: first, prior, next, last
    QLabel *Panel_MEssaggio = nullptr;
    QTableView *DBGrid_Today = nullptr;
    QPlainTextEdit *DBMemoToday = nullptr;
    QMenu *PopupMenuToday = nullptr;
    QMenu *PopupMenuAllegatoToday = nullptr;
    QAction *allegatotoday = nullptr;
    QAction *ricercatoday = nullptr;
    QMenu *printMenu = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildDateBar(QWidget *bar);
    int textWidth(const QString &text) const;
    void buildToolbar();
    void buildSidePanel();
    void buildGrid();
    void buildMenus();
    void connectHandlers();
    void updateEnabling();
    void moveDate(int days);
    void popUnder(QMenu *menu, QWidget *button);
    // The current row's list page brought to the unfiltered list with the row selected.
    AppointmentListPage *listPageAt(const Appointment &a);
    const Appointment *current() const;

    TodayPageHost m_host;
    DayAgendaModel *m_model = nullptr;
    std::optional<int> m_advanceNoticeDay;
};

} // namespace agenda
} // namespace vellamora
