#pragma once
// One of the four appointment list pages ("Giornalieri", "Annuali", "Mensili",
// "Settimanali"): toolbar, search line, the kind's filter, the grid over its list, the
// date panel and the notes box. The four are built alike from a table of their
// differences; their controls carry the system names of each page.
#include "agenda/AppointmentGridDelegate.h"
#include "agenda/AppointmentListModel.h"

#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QIcon>
#include <QtWidgets/QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTableView;
class QToolButton;

namespace vellamora {

class Prompter;

namespace agenda {

// What a list page needs from the main window.
struct ListPageHost
{
    Database *db = nullptr;
    const Regional *regional = nullptr;
    Prompter *prompter = nullptr;
    std::function<QDate()> today;
    // The DataShot / DataYear picture of the settings row.
    std::function<QString(AppointmentKind)> datePicture;
    std::function<void(QChar, std::optional<int>)> countPanel;
    std::function<QString()> deletionPhrase;
    // Run after every list opening: the list-change mark and the alarm list.
    std::function<void()> listOpened;
    std::function<bool()> readOnly;
    // The resize steps and the page-change handler after a change.
    std::function<void()> pageChanged;
    // Add (row empty) or modify an appointment; returns whether something was saved.
    std::function<bool(AppointmentKind, std::optional<Appointment>)> openEditor;
    // Grid drawing: style 0 "colorate", 1 "coloratissime", 2 "indicatori".
    std::function<int()> gridStyle;
    std::function<QColor()> sectionColour;
    // The colour square of a section (0..8): the pictures of the context menu's entries.
    std::function<QIcon(int)> sectionSquare;
    // The window's page colour is the desktop's button face (rows do not alternate).
    std::function<bool()> plainRows;
    // The theme's text colours of the grid (the title colour is also the notes text).
    GridColours colours;
    // The window is locked: the context menu offers nothing that changes data.
    std::function<bool()> locked;
    // The enlarged-note request of the editors (double click on the notes, "Note" column).
    std::function<void()> requestEnlargedNote;
    // Context menu "Nuovo" > "Impegno" > kind: the agenda page's add action of that kind.
    std::function<void(AppointmentKind)> agendaAdd;
    // Context menu "Nuovo" > "Contatto" ('C'), "Nota" ('N'), "Compito" ('L').
    std::function<void(QChar)> newEntry;
    // "Allegati": the appointment is selected on the agenda page and that page's attachment
    // menu pops up under `button`.
    std::function<void(const Appointment &, QWidget *button)> showAttachments;
};

// What a theme gives the list pages: the grid and notes font and the text colours.
struct ListPageLook
{
    QFont gridFont;
    GridColours colours;
};

class AppointmentListPage : public QWidget
{
    Q_OBJECT
public:
    AppointmentListPage(AppointmentKind kind, ListPageHost host, QWidget *parent);

    AppointmentKind kind() const { return m_kind; }
    AppointmentListModel &model() { return *m_model; }
    // The list refresh: re-reads the list for the current search, filter and order.
    void refresh();
    int currentRow() const;
    void selectRow(int row);

    // Handlers (public for the main window's menus and for tests).
    void addClick();
    void modifyClick();
    void deleteClick();
    void duplicateClick();
    void helpClick();
    void orderClick();
    void clearFindClick();
    void findChanged();
    void findReturnPressed();
    void kindFindChanged();
    void autoFindClicked();
    void periodChanged();
    void rowChanged();
    void attachmentsClick();
    void notesDoubleClick();
    void gridClicked(const QModelIndex &index);

    // Theme and section colour: fonts and text colours, then the frame (the page itself,
    // Panel_Contorno_*), the grid titles and the notes box in the section colour.
    void applyLook(const ListPageLook &look);
    void paintSectionColour();
    // Each column as wide as its field name or its widest text, plus 10; the time and
    // note columns 42, the day of the month 50.
    void fitColumns();
    // Resize step: the description column takes the rest of the grid's width, less 6.
    void fillDescriptionColumn();
    // The context menu PopupMenuTabelle: false (and nothing shown) in read-only mode.
    bool prepareTableMenu();
    void popupTableMenu(const QPoint &globalPos);

    // Controls (object names are the page's system names).
    QToolButton *addButton = nullptr;
    QToolButton *deleteButton = nullptr;
    QToolButton *modifyButton = nullptr;
    QToolButton *duplicateButton = nullptr;
    QToolButton *helpButton = nullptr;
    QToolButton *printButton = nullptr;
    QToolButton *orderButton = nullptr;
    QToolButton *attachmentsButton = nullptr;
    QToolButton *navigator[4] = {};
    QComboBox *kindFind = nullptr;
    QLineEdit *findEdit = nullptr;
    QToolButton *clearFind = nullptr;
    QCheckBox *periodBox = nullptr; // one-shot
    QDateEdit *periodFrom = nullptr; // one-shot
    QDateEdit *periodTo = nullptr; // one-shot
    QLabel *periodFromLabel = nullptr; // one-shot
    QLabel *periodToLabel = nullptr; // one-shot
    QCheckBox *autoFind = nullptr; // one-shot
    QComboBox *monthFilter = nullptr; // yearly
    QComboBox *weekdayFilter = nullptr; // weekly
    QTableView *grid = nullptr;
    QLabel *datePanel = nullptr;
    QLabel *yearCount = nullptr; // yearly
    QPlainTextEdit *notes = nullptr;
    QMenu *printMenu = nullptr;
    QMenu *PopupMenuTabelle = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTableMenu();
    ListFilter currentFilter() const;
    void buildToolbar(QWidget *bar);
    void buildSearch(QWidget *line);
    void connectHandlers();

    AppointmentKind m_kind;
    ListPageHost m_host;
    AppointmentListModel *m_model = nullptr;
    bool m_descending = false;

public:
    // For the day agenda's origin and modify: the page without search text and filters
    // (search field "Descrizione", every month and weekday, no period), re-read once.
    void showUnfiltered();
    // Selects the row of `codimp`, or the last row when the list does not hold it.
    void selectKey(qint64 codimp);
};

} // namespace agenda
} // namespace vellamora
