#include "agenda/AppointmentGridDelegate.h"
#include "agenda/AppointmentListModel.h"
#include "agenda/DayAgendaModel.h"

#include <QtGui/QPainter>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTableView>

namespace vellamora::agenda {

namespace {

static_assert(AppointmentListModel::HasNoteRole == gridrole::hasNote
    && AppointmentListModel::SuspendedRole == gridrole::suspended
    && AppointmentListModel::MarkerRole == gridrole::marker && AppointmentListModel::KeyRole == gridrole::key
    && DayAgendaModel::KindRole == gridrole::kind && DayAgendaModel::DoneRole == gridrole::done
    && DayAgendaModel::HasNoteRole == gridrole::hasNote && DayAgendaModel::MarkerRole == gridrole::marker);

// percent of white over a colour
QColor towardsWhite(const QColor &c, int percent)
{
    const auto channel = [percent](int v) { return v + (255 - v) * percent / 100; };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()));
}

} // namespace

AppointmentGridDelegate::AppointmentGridDelegate(GridLook look, QObject *parent)
    : QStyledItemDelegate(parent), m_look(std::move(look))
{
}

QPixmap AppointmentGridDelegate::notePicture()
{
    // An 18 x 16 sheet with lines, on a transparent ground.
    QPixmap pixmap(18, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.setBrush(QColor(0xFF, 0xF8, 0xC0));
    p.drawRect(3, 1, 11, 13);
    for (int y = 4; y <= 11; y += 3)
        p.drawLine(5, y, 12, y);
    return pixmap;
}

QColor AppointmentGridDelegate::builtinKindColour(AppointmentKind kind)
{
    // The first four built-in section colours, stored as $00BBGGRR.
    static const QColor shot(0xD2, 0xA6, 0xA6), year(0xF5, 0xE3, 0xA7), month(0x54, 0xA5, 0x58),
        week(0x07, 0x8F, 0xBC);
    return pickByKind(kind, shot, year, month, week);
}

AppointmentKind AppointmentGridDelegate::kindOf(const QModelIndex &index) const
{
    const QVariant kind = index.data(gridrole::kind);
    return kind.isValid() ? AppointmentKind(kind.toInt()) : m_look.fixedKind;
}

AppointmentGridDelegate::Cell AppointmentGridDelegate::cell(const QModelIndex &index, bool selected) const
{
    const AppointmentKind kind = kindOf(index);
    const QColor section = m_look.kindColour ? m_look.kindColour(kind) : QColor(Qt::white);
    const int style = m_look.style ? m_look.style() : GridColorate;
    const bool agenda = bool(m_look.agendaColour);
    const bool odd = (index.row() + 1) % 2 == 1;
    const GridColours colours = m_look.colours ? m_look.colours() : GridColours();
    Cell c;
    if (style == GridColoratissime)
        c.background = towardsWhite(section, odd ? 80 : 70);
    else if (m_look.plainRows && m_look.plainRows())
        c.background = QColor();
    else
        c.background = odd ? QColor(0xF4, 0xF4, 0xF4) : QColor(Qt::white);
    c.text = colours.gridText;
    if (selected) {
        c.background = agenda && style == GridIndicatori ? m_look.agendaColour() : section;
        c.text = colours.titleText;
    }
    const QString marker = index.data(gridrole::marker).toString();
    if (kind == AppointmentKind::OneShot && marker == marker::autoDelete)
        c.text = colours.autoDelete;
    if (kind == AppointmentKind::OneShot && marker == marker::nag)
        c.text = colours.nag;
    if (m_look.shownDate) {
        const QDate done = index.data(gridrole::done).toDate();
        c.struckOut = done.isValid() && done >= m_look.shownDate();
    }
    if (index.data(gridrole::suspended).toBool())
        c.text = colours.suspended;
    if (agenda && style == GridIndicatori && index.column() == m_look.descriptionColumn)
        c.indicator = indicatorColours(index);
    return c;
}

std::pair<QColor, QColor> AppointmentGridDelegate::cellColours(const QModelIndex &index, bool selected) const
{
    const Cell c = cell(index, selected);
    return { c.background, c.text };
}

std::pair<QColor, QColor> AppointmentGridDelegate::indicatorColours(const QModelIndex &index) const
{
    const AppointmentKind kind = kindOf(index);
    const bool builtin = m_look.squareBuiltinColours && m_look.squareBuiltinColours();
    const QColor fill = builtin ? builtinKindColour(kind) : m_look.kindColour(kind);
    const bool frame = m_look.squareFrame && m_look.squareFrame();
    return { fill, frame ? QColor(Qt::black) : fill };
}

void AppointmentGridDelegate::paintIndicator(
    QPainter *painter, QRect &rect, const std::pair<QColor, QColor> &colours) const
{
    // A framed rectangle over the full cell height, (cell height - 20) pixels wide; the
    // text starts at its right edge.
    const int width = std::max(1, rect.height() - 20);
    const QRect box(rect.left(), rect.top(), width, rect.height());
    painter->fillRect(box, colours.second);
    if (width > 2)
        painter->fillRect(box.adjusted(1, 1, -1, -1), colours.first);
    rect.setLeft(box.right() + 1);
}

void AppointmentGridDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const Cell c = cell(index, option.state & QStyle::State_Selected);
    painter->fillRect(
        option.rect, c.background.isValid() ? c.background : option.palette.color(QPalette::Base));
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    QRect textRect = option.rect;
    painter->save();
    if (c.indicator)
        paintIndicator(painter, textRect, *c.indicator);
    QFont font = o.font;
    font.setStrikeOut(c.struckOut);
    painter->setPen(c.text);
    painter->setFont(font);
    painter->drawText(textRect.adjusted(2, 0, -2, 0), int(o.displayAlignment), o.text);
    painter->restore();
    if (index.column() == m_look.noteColumn && index.data(gridrole::hasNote).toBool()) {
        static const QPixmap picture = notePicture();
        const QRect r = option.rect;
        painter->drawPixmap(r.left() + (r.width() / 2 - picture.width() / 2),
            r.top() + (r.height() / 2 - picture.height() / 2), picture);
    }
}

void paintSectionFrame(
    QWidget &frame, QTableView &grid, QPlainTextEdit &notes, const QColor &section, const QColor &titleText)
{
    frame.setAutoFillBackground(true);
    QPalette palette = frame.palette();
    palette.setColor(QPalette::Window, section);
    frame.setPalette(palette);
    grid.horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; color: %2; border: none;"
                       " border-right: 1px solid %3; border-bottom: 1px solid %3; padding: 2px; }")
            .arg(section.name(), titleText.name(), section.darker(130).name()));
    // The viewport keeps the palette it inherited first: both are painted.
    for (QWidget *w : { static_cast<QWidget *>(&notes), notes.viewport() }) {
        QPalette memo = w->palette();
        memo.setColor(QPalette::Base, section);
        memo.setColor(QPalette::Text, titleText);
        w->setPalette(memo);
    }
    grid.viewport()->update();
}

void applyGridFont(QTableView &grid, QPlainTextEdit &notes, const QFont &font, int minimumRowHeight)
{
    grid.setFont(font);
    grid.horizontalHeader()->setFont(font);
    grid.verticalHeader()->setDefaultSectionSize(std::max(minimumRowHeight, QFontMetrics(font).height() + 6));
    notes.setFont(font);
}

} // namespace vellamora::agenda
