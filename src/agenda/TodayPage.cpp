#include "agenda/TodayPage.h"

#include "agenda/AppointmentList.h"
#include "agenda/AppointmentListPage.h"
#include "agenda/DayExport.h"
#include "agenda/DoneState.h"
#include "app/NamedControl.h"
#include "platform/FileChooser.h"
#include "platform/Prompter.h"

#include <QtCore/QFileInfo>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QFileIconProvider>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QTableView>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

#include <span>

namespace vellamora::agenda {

namespace {

const QString kHelpText = QStringLiteral(
    "In questa sezione viene automaticamente costruito il programma del giorno considerando\r"
    "le cadenze di tutti i tipi d'impegni (giornalieri, annuali, mensili e settimanali).");

// A toolbar button of the page: member, system name, hint, the text shown without a glyph
// and its click handler.
struct ToolButtonRow
{
    QToolButton *TodayPage::*member;
    const char *name;
    const char *hint;
    const char *text;
    void (TodayPage::*click)();
};

// The date bar, beside the date picker.
const ToolButtonRow kDateButtons[] = {
    { &TodayPage::SpeedButton_DateBack, "SpeedButton_DateBack", "Giorno prima", "<",
        &TodayPage::SpeedButton_DateBackClick },
    { &TodayPage::SpeedButtonNextDay, "SpeedButtonNextDay", "Giorno dopo", ">",
        &TodayPage::SpeedButtonNextDayClick },
    { &TodayPage::SpeedButtonToday, "SpeedButtonToday", "Oggi", "Oggi", &TodayPage::SpeedButtonTodayClick },
    { &TodayPage::SpeedButtonClendarioLato, "SpeedButtonClendarioLato", "Mostra calendario ed informazioni",
        "Calendario", &TodayPage::SpeedButtonClendarioLatoClick },
    { &TodayPage::SpeedButtonAllegatoToday, "SpeedButtonAllegatoToday", "Lista allegati", "Allegati",
        &TodayPage::SpeedButtonAllegatoTodayClick },
};

// The command toolbar (the panel hidden in read-only mode).
const ToolButtonRow kCommandButtons[] = {
    { &TodayPage::SpeedButtonAddToday, "SpeedButtonAddToday", "Inserisci un nuovo impegno", "Nuovo",
        &TodayPage::SpeedButtonAddTodayClick },
    { &TodayPage::SpeedButtonDelToday, "SpeedButtonDelToday", "Elimina impegno", "Elimina",
        &TodayPage::SpeedButtonDelTodayClick },
    { &TodayPage::SpeedButtonModToday, "SpeedButtonModToday", "Modifica impegno", "Modifica",
        &TodayPage::SpeedButtonModTodayClick },
    { &TodayPage::SpeedButtonSvoltoToday, "SpeedButtonSvoltoToday", "Impegno svolto si/no", "Svolto",
        &TodayPage::SpeedButtonSvoltoTodayClick },
    { &TodayPage::SpeedButtonFollowToday, "SpeedButtonFollowToday", "Origine impegno", "Origine",
        &TodayPage::SpeedButtonFollowTodayClick },
    { &TodayPage::SpeedButtonEportToday, "SpeedButtonEportToday", "Esporta impegni (visibili)", "Esporta",
        &TodayPage::SpeedButtonEportTodayClick },
    { &TodayPage::SpeedButtonPrintToday, "SpeedButtonPrintToday", "Stampa impegni (visibili)", "Stampa",
        &TodayPage::SpeedButtonPrintTodayClick },
    { &TodayPage::SpeedButton_Help, "SpeedButton_Help", "Suggerimento", "?",
        &TodayPage::SpeedButton_HelpClick },
};

QToolButton *makeButton(QWidget *parent, const char *name, const char *hint, const char *text)
{
    auto *b = namedControl<QToolButton>(parent, name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setText(QString::fromUtf8(text));
    b->setAutoRaise(true);
    return b;
}

// The menu entries of the add menu, in their order.
const std::pair<const char *, AppointmentKind> kAddEntries[] = {
    { "Giornaliero", AppointmentKind::OneShot },
    { "Annuale", AppointmentKind::Yearly },
    { "Mensile", AppointmentKind::Monthly },
    { "Settimanale", AppointmentKind::Weekly },
};

} // namespace

TodayPage::TodayPage(TodayPageHost host, QWidget *parent) : QWidget(parent), m_host(std::move(host))
{
    // The page is its own frame, painted in the page's colour.
    setObjectName(QStringLiteral("Panel_Contorno_Today"));
    m_model = new DayAgendaModel(this);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    buildSidePanel();
    row->addWidget(Panel_LATO);
    auto *column = new QVBoxLayout;
    auto *dateBar = new QWidget(this);
    buildDateBar(dateBar);
    column->addWidget(dateBar);
    buildToolbar();
    column->addWidget(panel_today);
    NAMED(Panel_MEssaggio, QLabel, this);
    Panel_MEssaggio->setFrameShape(QFrame::Panel);
    Panel_MEssaggio->setFrameShadow(QFrame::Sunken);
    Panel_MEssaggio->setAlignment(Qt::AlignCenter);
    Panel_MEssaggio->setMinimumHeight(28);
    column->addWidget(Panel_MEssaggio);
    buildGrid();
    column->addWidget(DBGrid_Today, 1);
    NAMED(DBMemoToday, QPlainTextEdit, this);
    DBMemoToday->setReadOnly(true);
    DBMemoToday->setMaximumHeight(90);
    DBMemoToday->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->addWidget(DBMemoToday);
    row->addLayout(column, 1);
    buildMenus();
    connectHandlers();
    updateEnabling();
}

void TodayPage::applyGridFont(const QFont &font)
{
    // Rows stay tall enough for a kind indicator that shows its colour.
    agenda::applyGridFont(*DBGrid_Today, *DBMemoToday, font, 26);
}

void TodayPage::paintSectionColour(const QColor &section, const QColor &titleText)
{
    paintSectionFrame(*this, *DBGrid_Today, *DBMemoToday, section, titleText);
}

void TodayPage::buildSidePanel()
{
    NAMED(Panel_LATO, QFrame, this);
    Panel_LATO->setFrameShape(QFrame::StyledPanel);
    Panel_LATO->setFixedWidth(200);
    auto *column = new QVBoxLayout(Panel_LATO);
    // The side calendar and its information go here.
    NAMED(calendarPlace, QWidget, Panel_LATO);
    column->addWidget(calendarPlace, 1);
    NAMED(CheckBox_Visualizza_Sospesi, QCheckBox, Panel_LATO);
    CheckBox_Visualizza_Sospesi->setText(QStringLiteral("Visualizza sospesi"));
    CheckBox_Visualizza_Sospesi->setToolTip(
        QStringLiteral("Permette di vedere tutti gli impegni per poter cambiarne lo stato"));
    column->addWidget(CheckBox_Visualizza_Sospesi);
    SpeedButtonAnticipoHome = makeButton(
        Panel_LATO, "SpeedButtonAnticipoHome", "Controlla impegni importanti", "Impegni importanti");
    SpeedButtonAnticipoHome->setMouseTracking(true);
    SpeedButtonAnticipoHome->hide();
    column->addWidget(SpeedButtonAnticipoHome);
    Panel_LATO->hide();
}

int TodayPage::textWidth(const QString &text) const
{
    return DateTimePickerTODAY->fontMetrics().horizontalAdvance(text);
}

void TodayPage::buildDateBar(QWidget *bar)
{
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (const ToolButtonRow &b : kDateButtons)
        this->*(b.member) = makeButton(bar, b.name, b.hint, b.text);
    NAMED(DateTimePickerTODAY, QDateEdit, bar);
    DateTimePickerTODAY->setCalendarPopup(true);
    DateTimePickerTODAY->setDisplayFormat(QStringLiteral("dddd d MMMM yyyy"));
    DateTimePickerTODAY->setLocale(m_host.regional->locale);
    DateTimePickerTODAY->setToolTip(QStringLiteral("Filtra per giorno"));
    DateTimePickerTODAY->setDate(m_host.today());
    SpeedButtonClendarioLato->setCheckable(true);
    // Wide enough for the longest date of the year (a long weekday and a long month), also
    // when the side panel takes its part of the page; the buttons sit close to spare room.
    const QLocale &locale = m_host.regional->locale;
    QString longestDay, longestMonth;
    for (int d = 1; d <= 7; ++d)
        longestDay = std::max(longestDay, locale.dayName(d),
            [this](const QString &a, const QString &b) { return textWidth(a) < textWidth(b); });
    for (int m = 1; m <= 12; ++m)
        longestMonth = std::max(longestMonth, locale.monthName(m),
            [this](const QString &a, const QString &b) { return textWidth(a) < textWidth(b); });
    DateTimePickerTODAY->setMinimumWidth(
        textWidth(longestDay + QStringLiteral(" 30 ") + longestMonth + QStringLiteral(" 2026")) + 36);
    row->setSpacing(2);
    row->addWidget(SpeedButton_DateBack);
    row->addWidget(DateTimePickerTODAY, 1);
    for (QToolButton *b :
        { SpeedButtonNextDay, SpeedButtonToday, SpeedButtonClendarioLato, SpeedButtonAllegatoToday })
        row->addWidget(b);
}

void TodayPage::buildToolbar()
{
    // The count panel is the toolbar's own panel: buttons at the left, the count at the right.
    NAMED(panel_today, QLabel, this);
    panel_today->setFrameShape(QFrame::Panel);
    panel_today->setFrameShadow(QFrame::Raised);
    panel_today->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *row = new QHBoxLayout(panel_today);
    // The right end is kept free for the count.
    // Tight: with the side panel shown the toolbar has little more than 450 pixels.
    row->setSpacing(0);
    row->setContentsMargins(2, 2, panel_today->fontMetrics().horizontalAdvance(QStringLiteral("0000 ")), 2);
    for (const ToolButtonRow &b : kCommandButtons) {
        this->*(b.member) = makeButton(panel_today, b.name, b.hint, b.text);
        row->addWidget(this->*(b.member));
    }
    row->addSpacing(6);
    static const char *const names[] = { "DBNavigatorTodayFirst", "DBNavigatorTodayPrior",
        "DBNavigatorTodayNext", "DBNavigatorTodayLast" };
    static const char *const hints[]
        = { "Primo impegno", "Impegno precedente", "Impegno seguente", "Ultimo impegno" };
    static const char *const texts[] = { "|<", "<", ">", ">|" };
    for (int i = 0; i < 4; ++i) {
        navigator[i] = makeButton(panel_today, names[i], hints[i], texts[i]);
        navigator[i]->setFixedWidth(navigator[i]->fontMetrics().horizontalAdvance(QStringLiteral(">|")) + 10);
        row->addWidget(navigator[i]);
    }
    row->addStretch(1);
    // The panel is as high as its buttons, whatever glyphs a theme gives them.
    row->setSizeConstraint(QLayout::SetMinimumSize);
}

void TodayPage::buildGrid()
{
    NAMED(DBGrid_Today, QTableView, this);
    DBGrid_Today->setModel(m_model);
    GridLook look = m_host.look;
    look.shownDate = [this] { return shownDate(); };
    look.descriptionColumn = DayAgendaModel::Description;
    look.noteColumn = DayAgendaModel::Note;
    DBGrid_Today->setItemDelegate(new AppointmentGridDelegate(std::move(look), DBGrid_Today));
    DBGrid_Today->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid_Today->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid_Today->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid_Today->verticalHeader()->hide();
    // Rows tall enough for a kind indicator that shows its colour (cell height - 20 pixels wide).
    DBGrid_Today->verticalHeader()->setDefaultSectionSize(
        std::max(26, DBGrid_Today->fontMetrics().height() + 8));
    DBGrid_Today->horizontalHeader()->setStretchLastSection(false);
    for (int c = 0; c < DayAgendaModel::ColumnCount; ++c) {
        DBGrid_Today->setColumnWidth(c, DayAgendaModel::column(c).width);
        DBGrid_Today->setColumnHidden(c, DayAgendaModel::column(c).hidden);
    }
    DBGrid_Today->horizontalHeader()->setSectionResizeMode(DayAgendaModel::Description, QHeaderView::Stretch);
}

void TodayPage::buildMenus()
{
    NAMED(PopupMenuToday, QMenu, this);
    for (const auto &[caption, kind] : kAddEntries) {
        QAction *entry = PopupMenuToday->addAction(QString::fromUtf8(caption));
        entry->setObjectName(QString::fromUtf8(caption) + QStringLiteral("Today"));
        connect(entry, &QAction::triggered, this, [this, kind = kind] { addOfKind(kind); });
    }
    PopupMenuToday->addSeparator();
    PopupMenuToday->addAction(QStringLiteral("Annulla"));

    NAMED(PopupMenuAllegatoToday, QMenu, this);
    NAMED(allegatotoday, QAction, PopupMenuAllegatoToday);
    allegatotoday->setText(QStringLiteral("Allegato"));
    NAMED(ricercatoday, QAction, PopupMenuAllegatoToday);
    ricercatoday->setText(QStringLiteral("Ricerca"));
    PopupMenuAllegatoToday->addActions({ allegatotoday, ricercatoday });
    PopupMenuAllegatoToday->addSeparator();
    PopupMenuAllegatoToday->addAction(QStringLiteral("Annulla"));

    printMenu = new QMenu(this);
    printMenu->setObjectName(QStringLiteral("PopupMenu_STAMPA"));
    for (const bool preview : { true, false }) {
        QAction *entry
            = printMenu->addAction(preview ? QStringLiteral("Anteprima") : QStringLiteral("Stampa"));
        // Printing the day is not available until the host offers it.
        entry->setEnabled(bool(m_host.printDay));
        connect(entry, &QAction::triggered, this, [this, preview] { m_host.printDay(preview); });
    }
    printMenu->addAction(QStringLiteral("Annulla"));
}

void TodayPage::connectHandlers()
{
    for (QObject *watched :
        std::initializer_list<QObject *> { SpeedButtonAnticipoHome, DBMemoToday->viewport(), DBGrid_Today })
        watched->installEventFilter(this);
    using Table = std::span<const ToolButtonRow>;
    for (const Table table : { Table(kDateButtons), Table(kCommandButtons) }) {
        for (const ToolButtonRow &b : table)
            connect(this->*(b.member), &QToolButton::clicked, this, b.click);
    }
    connect(navigator[0], &QToolButton::clicked, this, [this] { selectRow(0); });
    connect(navigator[1], &QToolButton::clicked, this, [this] { selectRow(std::max(0, currentRow() - 1)); });
    connect(navigator[2], &QToolButton::clicked, this,
        [this] { selectRow(std::min(m_model->rowCount() - 1, currentRow() + 1)); });
    connect(navigator[3], &QToolButton::clicked, this, [this] { selectRow(m_model->rowCount() - 1); });
    connect(DateTimePickerTODAY, &QDateEdit::dateChanged, this, &TodayPage::DateTimePickerTODAYChange);
    connect(
        CheckBox_Visualizza_Sospesi, &QCheckBox::clicked, this, &TodayPage::CheckBox_Visualizza_SospesiClick);
    connect(SpeedButtonAnticipoHome, &QToolButton::clicked, this, &TodayPage::SpeedButtonAnticipoHomeClick);
    connect(PopupMenuToday, &QMenu::aboutToShow, this, &TodayPage::PopupMenuTodayPopup);
    connect(PopupMenuAllegatoToday, &QMenu::aboutToShow, this, &TodayPage::PopupMenuAllegatoTodayPopup);
    connect(allegatotoday, &QAction::triggered, this, &TodayPage::allegatotodayClick);
    connect(ricercatoday, &QAction::triggered, this, &TodayPage::ricercatodayClick);
    connect(DBGrid_Today->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        &TodayPage::rowChanged);
    connect(DBGrid_Today, &QTableView::doubleClicked, this, &TodayPage::SpeedButtonModTodayClick);
    connect(DBGrid_Today, &QTableView::clicked, this, &TodayPage::DBGrid_TodayClick);
    connect(DBGrid_Today->verticalScrollBar(), &QScrollBar::valueChanged, DBGrid_Today->viewport(),
        qOverload<>(&QWidget::update));
}

bool TodayPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SpeedButtonAnticipoHome && event->type() == QEvent::MouseMove) {
        const int days = m_host.advanceNoticeDays ? m_host.advanceNoticeDays() : 0;
        SpeedButtonAnticipoHome->setToolTip(QStringLiteral("Hai degli impegni importanti nei prossimi ")
            + QString::number(days) + QStringLiteral(" giorni"));
    } else if (watched == DBMemoToday->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        modifyNote();
        return true;
    } else if (watched == DBGrid_Today && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SpeedButtonModTodayClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- refresh and rows

QDate TodayPage::shownDate() const
{
    return DateTimePickerTODAY->date();
}

void TodayPage::refresh()
{
    DayAgendaRequest request;
    request.shownDate = shownDate();
    request.today = m_host.today();
    request.showSuspended = CheckBox_Visualizza_Sospesi->isChecked();
    request.advanceNoticeDays = m_host.advanceNoticeDays ? m_host.advanceNoticeDays() : 0;
    DayAgendaResult result = refreshDayAgenda(*m_host.db, request, *m_host.regional, *m_host.listChange);
    m_model->setRows(std::move(result.rows));
    panel_today->setText(result.countText);
    // The picker is white while it shows today.
    QPalette palette = DateTimePickerTODAY->palette();
    palette.setColor(QPalette::Base, result.showsToday ? QColor(Qt::white) : palette.color(QPalette::Button));
    DateTimePickerTODAY->setPalette(palette);
    m_advanceNoticeDay = result.advanceNoticeDay;
    SpeedButtonAnticipoHome->setVisible(m_advanceNoticeDay.has_value());
    updateEnabling();
    selectRow(0);
}

void TodayPage::updateEnabling()
{
    const bool rows = m_model->rowCount() > 0;
    for (QToolButton *b : { SpeedButtonPrintToday, SpeedButtonFollowToday, SpeedButtonModToday,
             SpeedButtonDelToday, SpeedButtonEportToday, SpeedButtonSvoltoToday, navigator[0], navigator[1],
             navigator[2], navigator[3] })
        b->setEnabled(rows);
    const QString day = QStringLiteral("dd MM yyyy");
    SpeedButtonToday->setEnabled(shownDate().toString(day) != m_host.today().toString(day));
}

int TodayPage::currentRow() const
{
    const QModelIndex index = DBGrid_Today->currentIndex();
    return index.isValid() ? index.row() : -1;
}

void TodayPage::selectRow(int row)
{
    if (row >= 0 && row < m_model->rowCount())
        DBGrid_Today->selectRow(row);
    else
        DBGrid_Today->setCurrentIndex(QModelIndex());
    rowChanged();
}

const Appointment *TodayPage::current() const
{
    const int row = currentRow();
    return row >= 0 ? &m_model->appointment(row) : nullptr;
}

void TodayPage::rowChanged()
{
    const Appointment *a = current();
    const QString note = a ? a->note : QString();
    DBMemoToday->setPlainText(note);
    DBMemoToday->setVerticalScrollBarPolicy(note.isEmpty() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    SpeedButtonAllegatoToday->setEnabled(a && (!a->ricerca.isEmpty() || !a->allegato.isEmpty()));
    allegatotoday->setText(a ? fileNamePart(a->allegato) : QString());
    ricercatoday->setText(a ? fileNamePart(a->ricerca) : QString());
}

// ---------------------------------------------------------------- navigation

void TodayPage::moveDate(int days)
{
    DateTimePickerTODAY->setDate(shownDate().addDays(days)); // the change refreshes
}

void TodayPage::SpeedButton_DateBackClick()
{
    moveDate(-1);
}

void TodayPage::SpeedButtonNextDayClick()
{
    moveDate(1);
}

void TodayPage::SpeedButtonTodayClick()
{
    const QDate today = m_host.today();
    if (shownDate() == today)
        m_host.refreshDayAgenda();
    else
        DateTimePickerTODAY->setDate(today);
}

void TodayPage::DateTimePickerTODAYChange()
{
    // The side calendar takes the picker's date here once it exists.
    m_host.refreshDayAgenda();
}

void TodayPage::CheckBox_Visualizza_SospesiClick()
{
    m_host.refreshDayAgenda();
    if (CheckBox_Visualizza_Sospesi->isChecked() && m_host.refreshAlarmList)
        m_host.refreshAlarmList();
}

void TodayPage::SpeedButtonClendarioLatoClick()
{
    Panel_LATO->setVisible(SpeedButtonClendarioLato->isChecked());
    m_host.resizeSteps();
}

void TodayPage::SpeedButtonAnticipoHomeClick()
{
    if (m_host.advanceNoticeCheck)
        m_host.advanceNoticeCheck();
}

void TodayPage::SpeedButton_HelpClick()
{
    m_host.prompter->information(kHelpText);
}

// ---------------------------------------------------------------- row actions

void TodayPage::SpeedButtonSvoltoTodayClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const Appointment a = m_model->appointment(row);
    writeDoneState(*m_host.db, a.codimp, toggledDone(a, shownDate()));
    m_host.refreshDayAgenda();
    selectRow(std::min(row, m_model->rowCount() - 1));
    if (a.kind())
        m_host.listPage(*a.kind())->refresh();
}

AppointmentListPage *TodayPage::listPageAt(const Appointment &a)
{
    AppointmentListPage *page = m_host.listPage(a.kind().value_or(AppointmentKind::OneShot));
    page->showUnfiltered();
    page->selectKey(a.codimp);
    return page;
}

void TodayPage::SpeedButtonFollowTodayClick()
{
    const Appointment *a = current();
    if (!a || !a->kind())
        return;
    const Appointment row = *a;
    listPageAt(row);
    m_host.showListPage(*row.kind());
    m_host.pageChanged();
}

void TodayPage::SpeedButtonModTodayClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const Appointment a = m_model->appointment(row);
    if (!a.kind())
        return;
    listPageAt(a)->modifyClick();
    if (a.kind() == AppointmentKind::Yearly && m_host.refreshContacts)
        m_host.refreshContacts();
    selectRow(std::min(row, m_model->rowCount() - 1));
    m_host.resizeSteps();
}

void TodayPage::DBGrid_TodayClick(const QModelIndex &index)
{
    if (index.column() == DayAgendaModel::Note && index.data(DayAgendaModel::HasNoteRole).toBool())
        modifyNote();
}

void TodayPage::modifyNote()
{
    if (currentRow() < 0)
        return;
    if (m_host.requestEnlargedNote)
        m_host.requestEnlargedNote();
    SpeedButtonModTodayClick();
}

void TodayPage::SpeedButtonDelTodayClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const Appointment a = m_model->appointment(row);
    const QString phrase = m_host.deletionPhrase ? m_host.deletionPhrase() : QStringLiteral("\"?");
    if (m_host.prompter->question(QStringLiteral(" Stai per eliminare \"") + a.id + phrase)) {
        deleteAppointment(*m_host.db, a.codimp);
        m_host.refreshDayAgenda();
        selectRow(rowAfterDelete(row, m_model->rowCount()));
    }
    if (a.kind()) {
        m_host.listPage(*a.kind())->refresh();
        if (a.kind() == AppointmentKind::Yearly && m_host.refreshContacts)
            m_host.refreshContacts();
    }
    if (m_host.refreshAlarmList)
        m_host.refreshAlarmList();
    m_host.resizeSteps();
}

// ---------------------------------------------------------------- menus

void TodayPage::popUnder(QMenu *menu, QWidget *button)
{
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TodayPage::SpeedButtonAddTodayClick()
{
    if (m_host.readOnly && m_host.readOnly())
        return;
    popUnder(PopupMenuToday, SpeedButtonAddToday);
}

void TodayPage::PopupMenuTodayPopup()
{
    // The squares follow the section colours in effect.
    const QList<QAction *> entries = PopupMenuToday->actions();
    for (size_t i = 0; i < std::size(kAddEntries) && m_host.kindSquare; ++i)
        entries.at(qsizetype(i))->setIcon(m_host.kindSquare(kAddEntries[i].second));
}

void TodayPage::addOfKind(AppointmentKind kind)
{
    m_host.listPage(kind)->addClick();
    if (m_host.listChange->isSet())
        m_host.refreshDayAgenda();
    m_host.resizeSteps();
}

void TodayPage::SpeedButtonAllegatoTodayClick()
{
    popUnder(PopupMenuAllegatoToday, SpeedButtonAllegatoToday);
}

void TodayPage::showAttachmentsOf(Appointment a, QWidget *button)
{
    if (a.isSuspended())
        CheckBox_Visualizza_Sospesi->setChecked(true);
    if (shownDate() == a.datefull)
        m_host.refreshDayAgenda();
    else
        DateTimePickerTODAY->setDate(a.datefull); // the change refreshes
    const auto &rows = m_model->rows();
    const auto found
        = std::find_if(rows.begin(), rows.end(), [&a](const Appointment &r) { return r.codimp == a.codimp; });
    selectRow(found != rows.end() ? int(found - rows.begin()) : m_model->rowCount() - 1);
    popUnder(PopupMenuAllegatoToday, button);
}

void TodayPage::PopupMenuAllegatoTodayPopup()
{
    const Appointment *a = current();
    const QString allegato = a ? a->allegato : QString();
    allegatotoday->setVisible(true);
    ricercatoday->setVisible(true);
    // The file or folder the opener will find, in the program folder's allegati/ too.
    if (const std::optional<QString> found = existingAttachment(m_host.programFolder, allegato)) {
        allegatotoday->setIcon(QFileIconProvider().icon(QFileInfo(*found)));
    } else {
        allegatotoday->setVisible(!allegato.isEmpty());
        allegatotoday->setIcon(QIcon(AppointmentGridDelegate::notePicture()));
    }
    ricercatoday->setVisible(a && !a->ricerca.isEmpty());
}

void TodayPage::allegatotodayClick()
{
    if (const Appointment *a = current())
        openAttachment(*m_host.shell, m_host.programFolder, a->allegato);
}

void TodayPage::ricercatodayClick()
{
    if (const Appointment *a = current(); a && m_host.contactSearch)
        m_host.contactSearch(a->ricerca);
}

void TodayPage::SpeedButtonPrintTodayClick()
{
    popUnder(printMenu, SpeedButtonPrintToday);
}

void TodayPage::SpeedButtonEportTodayClick()
{
    const auto chosen = m_host.files->saveFile(
        kDayExportCaption, dayExportFileName(shownDate(), *m_host.regional), kDayExportFilter);
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (QFileInfo::exists(path)
        && !m_host.prompter->question(
            QStringLiteral("Sovrascrivere \"") + QFileInfo(path).fileName() + QStringLiteral("\"?")))
        return;
    if (!writeDayExport(path, m_model->rows()))
        m_host.prompter->errorReport(
            QStringLiteral("Impossibile scrivere il file \"") + path + QLatin1Char('"'));
    selectRow(0);
}

} // namespace vellamora::agenda
