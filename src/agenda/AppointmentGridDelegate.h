#pragma once
// Paints the cells of the appointment grids (the four list pages and the day agenda):
// alternating backgrounds by grid style, the selected row, marker colours, the struck-out
// text of rows done on the shown date, the kind indicator and the note picture.
#include "agenda/Appointment.h"

#include <QtCore/QDate>
#include <QtGui/QColor>
#include <QtWidgets/QStyledItemDelegate>

class QPlainTextEdit;
class QTableView;
#include <functional>
#include <optional>

namespace vellamora::agenda {

// The model roles the painter reads (both appointment models answer them).
namespace gridrole {
constexpr int hasNote = Qt::UserRole + 1;
constexpr int suspended = Qt::UserRole + 2;
constexpr int marker = Qt::UserRole + 3; // dayofweek: "X" auto-delete, "T" nag on one-shot rows
constexpr int key = Qt::UserRole + 4;
constexpr int kind = Qt::UserRole + 5; // the row's AppointmentKind as int (day agenda)
constexpr int done = Qt::UserRole + 6; // the row's `fatto` date (day agenda)
} // namespace gridrole

// Grid styles as the theme names them.
enum GridStyle { GridColorate = 0, GridColoratissime = 1, GridIndicatori = 2 };

// The theme's text colours of a grid.
struct GridColours
{
    QColor gridText = Qt::black;
    QColor titleText = Qt::black; // a selected row's text
    QColor autoDelete = QColor(0xFF, 0, 0);
    QColor nag = QColor(0, 0, 0xFF);
    QColor suspended = QColor(0x4F, 0x4F, 0x4F);
};

// What a grid is painted with; the functions are asked on every paint so that theme and
// colour changes show at once.
struct GridLook
{
    std::function<int()> style;
    // The section colour of a kind (on a list page: the page's own colour for every row).
    std::function<QColor(AppointmentKind)> kindColour;
    // The day agenda only: its page colour (selection of "indicatori", empty indicator) and
    // the shown date (done rows are struck out relative to it). Empty on the list pages.
    std::function<QColor()> agendaColour;
    std::function<QDate()> shownDate;
    // Kind indicator switches of the theme: black frame, built-in fill colours.
    std::function<bool()> squareFrame;
    std::function<bool()> squareBuiltinColours;
    // The kind of rows whose model does not tell it (a list page's kind).
    AppointmentKind fixedKind = AppointmentKind::OneShot;
    int descriptionColumn = -1; // gets the kind indicator ("indicatori", day agenda)
    int noteColumn = -1; // shows the note picture
    // Unset: the default colours.
    std::function<GridColours()> colours;
    // True while the window's page colour is the desktop's button face: rows then keep the
    // grid's own background instead of alternating.
    std::function<bool()> plainRows;
};

class AppointmentGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    AppointmentGridDelegate(GridLook look, QObject *parent);
    void paint(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // What a cell is drawn with.
    struct Cell
    {
        QColor background;
        QColor text;
        bool struckOut = false;
        std::optional<std::pair<QColor, QColor>> indicator; // fill, frame
    };
    Cell cell(const QModelIndex &index, bool selected) const;
    // Background and text colour of a cell.
    std::pair<QColor, QColor> cellColours(const QModelIndex &index, bool selected) const;

    // The 18 x 16 note picture of the "Note" column.
    static QPixmap notePicture();
    // The built-in colour of a kind (the theme's square colour switch asks for these).
    static QColor builtinKindColour(AppointmentKind kind);

private:
    AppointmentKind kindOf(const QModelIndex &index) const;
    std::pair<QColor, QColor> indicatorColours(const QModelIndex &index) const;
    void paintIndicator(QPainter *painter, QRect &rect, const std::pair<QColor, QColor> &colours) const;

    GridLook m_look;
};

// The section colour on a page of appointments: the page frame, the grid's title area and
// the notes box, whose text takes the tab font colour.
void paintSectionFrame(
    QWidget &frame, QTableView &grid, QPlainTextEdit &notes, const QColor &section, const QColor &titleText);
// The theme's grid font on a grid, its titles and its notes box; rows as high as the font
// needs, and never lower than `minimumRowHeight`.
void applyGridFont(QTableView &grid, QPlainTextEdit &notes, const QFont &font, int minimumRowHeight = 0);

// The list pages' former name of the painter.
using ListGridDelegate = AppointmentGridDelegate;

} // namespace vellamora::agenda
