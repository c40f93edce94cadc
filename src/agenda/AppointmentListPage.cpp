#include "agenda/AppointmentListPage.h"
#include "app/NamedControl.h"

#include "app/DatePicture.h"
#include "platform/Prompter.h"

#include <QtGui/QKeyEvent>
#include <QtGui/QPainter>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTableView>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora::agenda {

namespace {

// The names, words and texts that differ between the four pages.
struct PageTexts
{
    const char *add, *del, *mod, *dup, *help, *print, *order, *attach;
    const char *find, *kindFind, *clearFind, *grid, *notes, *datePanel, *navigator;
    const char *word; // "giornaliero", ...
    QChar letter;
    const char *helpText;
};

const PageTexts &textsOf(AppointmentKind kind)
{
    static const PageTexts shot { "SpeedButtonadShot", "SpeedButtonDelShot", "SpeedButtonModShot",
        "SpeedButtonDateDupli", "SpeedButtonHintShot", "SpeedButtonDupliShot", "SpeedButtonOrderShot",
        "SpeedButtonAllegatoShot", "Edit_Find_Shot", "ComboBox_KindFindShot", "SpeedButtonClearFindShot",
        "DBGrid_Shot", "DBMemo_Shot", "Panel_Data_Shot", "DBNavigatorShot", "giornaliero", QLatin1Char('O'),
        "In questa sezione puoi tenere traccia degli appuntamenti occasionali.\r\n"
        "Esempi: incontri galanti, caffè con gli amici, feste e spettacoli vari." };
    static const PageTexts year { "SpeedButtonAddYear", "SpeedButtonDelyear", "SpeedButtonModYear",
        "SpeedButtonPrintyear", "SpeedButtonHintAnno", "SpeedButtonDupliYear", "SpeedButtonOrderYear",
        "SpeedButtonAllegatoYear", "Edit_Find_Anno", "ComboBox_KindFindYear", "SpeedButtonClearFindYear",
        "DBGrid_Year", "DBMemo_Year", "Panel_Data_Year", "DBNavigatorYear", "annuale", QLatin1Char('Y'),
        "In questa sezione puoi tenere traccia delle ricorrenze annuali.\r\n"
        "Esempi: compleanni, onomastici, anniversari, giorni di ferie." };
    static const PageTexts month { "SpeedButtonAggMese", "SpeedButtonDelMese", "SpeedButtonModMese",
        "SpeedButtonPrintMese", "SpeedButtonHelpMonth", "SpeedButtonDupliMonth", "SpeedButtonOrderMonth",
        "SpeedButtonAllegatoMonth", "Edit_Find_Mese", "ComboBox_KindFindMonth", "SpeedButtonClearFindMonth",
        "DBGrid_Month", "DBMemo_Month", "Panel_Data_Month", "DBNavigatorMonth", "mensile", QLatin1Char('M'),
        "In questa sezione puoi tenere conto delle scadenze mensili.\r\n"
        "Esempi: bollette e affitti da pagare." };
    static const PageTexts week { "SpeedButtonAggWeek", "SpeedButtonDelWeek", "SpeedButtonModWeek",
        "SpeedButtonPrintWeek", "SpeedButtonHelpWeek", "SpeedButtonDupliWeek", "SpeedButtonorderWeek",
        "SpeedButtonAllegatoWeek", "Edit_Find_Week", "ComboBox_KindFindWeek", "SpeedButtonClearFindWeek",
        "DBGrid_Week", "DBMemo_Week", "Panel_Data_Week", "DBNavigatorWeek", "settimanale", QLatin1Char('W'),
        "In questa sezione puoi organizzare i tuoi impegni settimanali.\r\n"
        "Esempi: lezioni, sport." };
    return pickByKind(kind, shot, year, month, week);
}

QToolButton *button(QWidget *parent, const char *name, const QString &hint, const QString &text = {})
{
    auto *b = namedControl<QToolButton>(parent, name);
    b->setToolTip(hint);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
}

QLabel *panel(QWidget *parent, const char *name)
{
    auto *l = namedControl<QLabel>(parent, name);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

// ---- grid drawing

namespace {

// `host` is the page's own, which lives as long as the grid.
GridLook listGridLook(const ListPageHost &host, AppointmentKind kind)
{
    GridLook look;
    look.style = host.gridStyle;
    if (host.sectionColour)
        look.kindColour = [colour = host.sectionColour](AppointmentKind) { return colour(); };
    look.fixedKind = kind;
    look.plainRows = host.plainRows;
    const auto &columns = AppointmentListModel::columnsOf(kind);
    for (size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].field == QLatin1String("Presenza"))
            look.noteColumn = int(c);
    }
    // Read on every paint: a theme applied later changes the host's colours.
    look.colours = [&host] { return host.colours; };
    return look;
}

} // namespace

// ---- the page

AppointmentListPage::AppointmentListPage(AppointmentKind kind, ListPageHost host, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_host(std::move(host))
{
    const PageTexts &t = textsOf(kind);
    // The page is its own frame, painted in the section colour.
    setObjectName(QStringLiteral("Panel_Contorno_")
        + pickByKind<QString>(kind, QStringLiteral("Shot"), QStringLiteral("Year"), QStringLiteral("Month"),
            QStringLiteral("Week")));
    setAutoFillBackground(true);
    m_model = new AppointmentListModel(*m_host.db, kind, *m_host.regional, this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *bar = new QFrame(this);
    buildToolbar(bar);
    layout->addWidget(bar);
    auto *line = new QFrame(this);
    buildSearch(line);
    layout->addWidget(line);

    grid = namedControl<QTableView>(this, t.grid);
    grid->setModel(m_model);
    grid->setItemDelegate(new AppointmentGridDelegate(listGridLook(m_host, kind), grid));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setStretchLastSection(false);
    const auto &columns = AppointmentListModel::columnsOf(kind);
    for (size_t c = 0; c < columns.size(); ++c) {
        grid->setColumnWidth(int(c), columns[c].width);
        grid->setColumnHidden(int(c), columns[c].hidden);
    }
    layout->addWidget(grid, 1);

    auto *panels = new QHBoxLayout;
    if (kind == AppointmentKind::Yearly) {
        yearCount = panel(this, "Panel_Conteggio");
        panels->addWidget(yearCount, 1);
    } else {
        panels->addStretch(1);
    }
    datePanel = panel(this, t.datePanel);
    datePanel->setMinimumWidth(220);
    panels->addWidget(datePanel);
    layout->addLayout(panels);

    notes = namedControl<QPlainTextEdit>(this, t.notes);
    notes->setReadOnly(true);
    notes->setMaximumHeight(90);
    notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(notes);

    buildTableMenu();
    for (QWidget *w :
        { static_cast<QWidget *>(bar), static_cast<QWidget *>(grid), static_cast<QWidget *>(notes) }) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
            [this, w](const QPoint &at) { popupTableMenu(w->mapToGlobal(at)); });
    }
    grid->installEventFilter(this);
    notes->viewport()->installEventFilter(this);
    connectHandlers();
}

void AppointmentListPage::buildTableMenu()
{
    // "Nuovo" reaches the add actions of every page; the rest works on this page.
    PopupMenuTabelle = new QMenu(this);
    PopupMenuTabelle->setObjectName(QStringLiteral("PopupMenuTabelle"));
    auto action = [](QMenu *menu, const char *name, const char *text) {
        QAction *a = menu->addAction(QString::fromUtf8(text));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto submenu = [](QMenu *menu, const char *name, const char *text) {
        QMenu *m = menu->addMenu(QString::fromUtf8(text));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    QMenu *newMenu = submenu(PopupMenuTabelle, "Nuovo1", "Nuovo");
    QMenu *appointment = submenu(newMenu, "Impegno1", "Impegno");
    static const struct
    {
        const char *name, *text;
        AppointmentKind kind;
    } kinds[] = { { "Giornaliero1", "Giornaliero", AppointmentKind::OneShot },
        { "Annuale1", "Annuale", AppointmentKind::Yearly },
        { "Mensile1", "Mensile", AppointmentKind::Monthly },
        { "Settimanale1", "Settimanale", AppointmentKind::Weekly } };
    for (const auto &k : kinds) {
        connect(action(appointment, k.name, k.text), &QAction::triggered, this, [this, kind = k.kind] {
            if (m_host.agendaAdd)
                m_host.agendaAdd(kind);
        });
    }
    static const struct
    {
        const char *name, *text;
        char page;
    } others[]
        = { { "Contatto1", "Contatto", 'C' }, { "Nota1", "Nota", 'N' }, { "Compito1", "Compito", 'L' } };
    for (const auto &o : others) {
        connect(action(newMenu, o.name, o.text), &QAction::triggered, this, [this, page = o.page] {
            if (m_host.newEntry)
                m_host.newEntry(QLatin1Char(page));
        });
    }
    connect(action(PopupMenuTabelle, "Elimina1", "Elimina"), &QAction::triggered, this,
        &AppointmentListPage::deleteClick);
    connect(action(PopupMenuTabelle, "Modifica1", "Modifica"), &QAction::triggered, this,
        &AppointmentListPage::modifyClick);
    QMenu *print = submenu(PopupMenuTabelle, "Stampa1", "Stampa");
    action(print, "Anteprima1", "Anteprima");
    action(print, "Stampa2", "Stampa");
    action(PopupMenuTabelle, "Annulla1", "Annulla");
}

bool AppointmentListPage::prepareTableMenu()
{
    if (m_host.readOnly && m_host.readOnly())
        return false;
    const bool locked = m_host.locked && m_host.locked();
    const bool rows = deleteButton->isEnabled();
    auto enable = [this](const char *name, bool on) {
        PopupMenuTabelle->findChild<QAction *>(QString::fromLatin1(name))->setEnabled(on);
    };
    enable("Nuovo1", !locked);
    for (const char *name : { "Elimina1", "Modifica1", "Stampa1" })
        enable(name, rows && !locked);
    // What the window cannot do yet stays visible but disabled: the contact, note and
    // to-do entries until their pages exist, the printing entries until the reports do.
    for (const char *name : { "Contatto1", "Nota1", "Compito1" })
        enable(name, bool(m_host.newEntry));
    for (const char *name : { "Anteprima1", "Stampa2" })
        enable(name, false);
    if (m_host.sectionSquare) {
        static const std::pair<const char *, int> squares[] = { { "Giornaliero1", 0 }, { "Annuale1", 1 },
            { "Mensile1", 2 }, { "Settimanale1", 3 }, { "Contatto1", 5 }, { "Nota1", 6 }, { "Compito1", 7 } };
        for (const auto &[name, section] : squares)
            PopupMenuTabelle->findChild<QAction *>(QString::fromLatin1(name))
                ->setIcon(m_host.sectionSquare(section));
    }
    return true;
}

void AppointmentListPage::popupTableMenu(const QPoint &globalPos)
{
    if (prepareTableMenu())
        PopupMenuTabelle->popup(globalPos);
}

void AppointmentListPage::buildToolbar(QWidget *bar)
{
    const PageTexts &t = textsOf(m_kind);
    const QString word = QString::fromUtf8(t.word);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    addButton = button(bar, t.add, QStringLiteral("Inserisci un nuovo impegno ") + word);
    deleteButton = button(bar, t.del, QStringLiteral("Elimina impegno ") + word);
    modifyButton = button(bar, t.mod, QStringLiteral("Modifica impegno ") + word);
    duplicateButton = button(bar, t.dup, QStringLiteral("Duplica impegno ") + word);
    helpButton = button(bar, t.help, QString(), QStringLiteral("?"));
    printButton = button(bar, t.print, QStringLiteral("Stampa impegni (visibili)"));
    orderButton = button(bar, t.order, QStringLiteral("Ordine"), QStringLiteral("Ordine"));
    attachmentsButton = button(bar, t.attach, QStringLiteral("Lista allegati"), QStringLiteral("Allegati"));
    static const char *const navNames[] = { "First", "Prior", "Next", "Last" };
    static const char *const navHints[]
        = { "Primo impegno", "Impegno precedente", "Impegno seguente", "Ultimo impegno" };
    static const char *const navText[] = { "|<", "<", ">", ">|" };
    for (QToolButton *b : { addButton, deleteButton, modifyButton, duplicateButton, helpButton, printButton,
             orderButton, attachmentsButton })
        row->addWidget(b);
    row->addSpacing(12);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = QByteArray(t.navigator) + navNames[i];
        navigator[i]
            = button(bar, name.constData(), QString::fromUtf8(navHints[i]), QString::fromLatin1(navText[i]));
        row->addWidget(navigator[i]);
    }
    row->addStretch(1);
    printMenu = new QMenu(this);
    printMenu->setObjectName(QStringLiteral("PopupMenu_STAMPA"));
    printMenu->addAction(QStringLiteral("Anteprima"));
    printMenu->addAction(QStringLiteral("Stampa"));
    printMenu->addAction(QStringLiteral("Annulla"));
}

void AppointmentListPage::buildSearch(QWidget *line)
{
    const PageTexts &t = textsOf(m_kind);
    auto *row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    kindFind = namedControl<QComboBox>(line, t.kindFind);
    kindFind->addItems({ QStringLiteral("Descrizione"), QStringLiteral("Note") });
    row->addWidget(kindFind);
    findEdit = namedControl<QLineEdit>(line, t.find);
    row->addWidget(findEdit, 1);
    clearFind
        = button(line, t.clearFind, QStringLiteral("Cancella il testo da cercare"), QStringLiteral("x"));
    clearFind->setEnabled(false);
    row->addWidget(clearFind);
    const QLocale &locale = m_host.regional->locale;
    switch (m_kind) {
    case AppointmentKind::OneShot: {
        periodBox = namedControl<QCheckBox>(line, "CheckBoxPeriodShot");
        periodBox->setToolTip(QStringLiteral("Abilita filtro da data a data"));
        periodFromLabel = namedControl<QLabel>(line, "LabelShot1");
        periodFromLabel->setText(QStringLiteral("Dal"));
        periodFrom = namedControl<QDateEdit>(line, "DateTimePickerShot1");
        periodToLabel = namedControl<QLabel>(line, "LabelShot2");
        periodToLabel->setText(QStringLiteral("al"));
        periodTo = namedControl<QDateEdit>(line, "DateTimePickerShot2");
        const QDate today = m_host.today ? m_host.today() : QDate::currentDate();
        for (QDateEdit *picker : { periodFrom, periodTo }) {
            picker->setCalendarPopup(true);
            picker->setLocale(locale);
            picker->setDate(today);
            picker->setEnabled(false);
        }
        periodFromLabel->setEnabled(false);
        periodToLabel->setEnabled(false);
        autoFind = namedControl<QCheckBox>(line, "CheckBoxAutoFindShot");
        autoFind->setToolTip(QStringLiteral("Ricerca automatica"));
        autoFind->setChecked(true);
        for (QWidget *w : std::initializer_list<QWidget *> {
                 periodBox, periodFromLabel, periodFrom, periodToLabel, periodTo, autoFind })
            row->addWidget(w);
        break;
    }
    case AppointmentKind::Yearly:
        monthFilter = namedControl<QComboBox>(line, "ComboBox_Month");
        monthFilter->setToolTip(QStringLiteral("Filtra per mese"));
        for (int m = 1; m <= 12; ++m)
            monthFilter->addItem(locale.monthName(m, QLocale::LongFormat));
        monthFilter->addItem(QStringLiteral("Tutti"));
        monthFilter->setCurrentIndex(12);
        row->addWidget(monthFilter);
        break;
    case AppointmentKind::Weekly:
        weekdayFilter = namedControl<QComboBox>(line, "ComboBox_dayofweek");
        weekdayFilter->setToolTip(QStringLiteral("Filtra per giorno della settimana"));
        for (int d = 1; d <= 7; ++d)
            weekdayFilter->addItem(locale.dayName(d, QLocale::LongFormat));
        weekdayFilter->addItem(QStringLiteral("Tutti"));
        weekdayFilter->setCurrentIndex(7);
        row->addWidget(weekdayFilter);
        break;
    case AppointmentKind::Monthly:
        break;
    }
}

void AppointmentListPage::connectHandlers()
{
    connect(addButton, &QToolButton::clicked, this, &AppointmentListPage::addClick);
    connect(modifyButton, &QToolButton::clicked, this, &AppointmentListPage::modifyClick);
    connect(deleteButton, &QToolButton::clicked, this, &AppointmentListPage::deleteClick);
    connect(duplicateButton, &QToolButton::clicked, this, &AppointmentListPage::duplicateClick);
    connect(helpButton, &QToolButton::clicked, this, &AppointmentListPage::helpClick);
    connect(orderButton, &QToolButton::clicked, this, &AppointmentListPage::orderClick);
    connect(printButton, &QToolButton::clicked, this,
        [this] { printMenu->popup(printButton->mapToGlobal(QPoint(0, printButton->height()))); });
    connect(clearFind, &QToolButton::clicked, this, &AppointmentListPage::clearFindClick);
    connect(findEdit, &QLineEdit::textChanged, this, &AppointmentListPage::findChanged);
    connect(findEdit, &QLineEdit::returnPressed, this, &AppointmentListPage::findReturnPressed);
    connect(kindFind, &QComboBox::currentIndexChanged, this, &AppointmentListPage::kindFindChanged);
    connect(navigator[0], &QToolButton::clicked, this, [this] { selectRow(0); });
    connect(navigator[1], &QToolButton::clicked, this, [this] { selectRow(std::max(0, currentRow() - 1)); });
    connect(navigator[2], &QToolButton::clicked, this,
        [this] { selectRow(std::min(m_model->rowCount() - 1, currentRow() + 1)); });
    connect(navigator[3], &QToolButton::clicked, this, [this] { selectRow(m_model->rowCount() - 1); });
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        &AppointmentListPage::rowChanged);
    connect(grid, &QTableView::doubleClicked, this, [this] {
        if (modifyButton->isEnabled())
            modifyClick();
    });
    connect(grid, &QTableView::clicked, this, &AppointmentListPage::gridClicked);
    connect(attachmentsButton, &QToolButton::clicked, this, &AppointmentListPage::attachmentsClick);
    if (autoFind) {
        connect(autoFind, &QCheckBox::clicked, this, &AppointmentListPage::autoFindClicked);
        connect(periodBox, &QCheckBox::clicked, this, &AppointmentListPage::periodChanged);
        connect(periodFrom, &QDateEdit::editingFinished, this, &AppointmentListPage::periodChanged);
        connect(periodTo, &QDateEdit::editingFinished, this, &AppointmentListPage::periodChanged);
    }
    if (monthFilter)
        connect(monthFilter, &QComboBox::currentIndexChanged, this, &AppointmentListPage::refresh);
    if (weekdayFilter)
        connect(weekdayFilter, &QComboBox::currentIndexChanged, this, &AppointmentListPage::refresh);
}

ListFilter AppointmentListPage::currentFilter() const
{
    ListFilter f;
    f.kind = m_kind;
    f.field = kindFind->currentIndex() == 1 ? SearchField::Note : SearchField::Description;
    f.text = findEdit->text();
    f.descending = m_descending;
    if (periodBox && periodBox->isChecked())
        f.period = std::pair { periodFrom->date(), periodTo->date() };
    if (monthFilter && monthFilter->currentIndex() < 12)
        f.month = monthFilter->currentIndex() + 1;
    if (weekdayFilter && weekdayFilter->currentIndex() < 7)
        f.weekday = weekdayFilter->currentText();
    return f;
}

void AppointmentListPage::refresh()
{
    m_model->setDatePicture(m_host.datePicture ? m_host.datePicture(m_kind) : QString());
    m_model->refresh(currentFilter());
    const bool rows = m_model->rowCount() > 0;
    for (QToolButton *b : { deleteButton, modifyButton, duplicateButton, printButton, orderButton })
        b->setEnabled(rows);
    if (m_host.countPanel) {
        m_host.countPanel(textsOf(m_kind).letter, m_model->rowCount());
        if (m_kind == AppointmentKind::OneShot)
            m_host.countPanel(QLatin1Char('D'), std::nullopt);
    }
    if (m_host.listOpened)
        m_host.listOpened();
    selectRow(rows ? 0 : -1);
}

int AppointmentListPage::currentRow() const
{
    const QModelIndex current = grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void AppointmentListPage::selectRow(int row)
{
    if (row >= 0 && row < m_model->rowCount())
        grid->selectRow(row);
    else
        grid->setCurrentIndex(QModelIndex());
    rowChanged();
}

void AppointmentListPage::rowChanged()
{
    const int row = currentRow();
    if (row < 0) {
        datePanel->clear();
        if (yearCount)
            yearCount->clear();
        notes->clear();
        attachmentsButton->setEnabled(false);
        return;
    }
    const Appointment &a = m_model->appointment(row);
    const QString picture = m_host.datePicture ? m_host.datePicture(m_kind) : QString();
    const QString blanks = QStringLiteral("   ");
    switch (m_kind) {
    case AppointmentKind::OneShot:
        datePanel->setText(formatDatePicture(a.datefull, picture, *m_host.regional) + blanks);
        break;
    case AppointmentKind::Yearly: {
        const QString text = formatDatePicture(a.datefull, picture, *m_host.regional);
        if (a.dayofmonth == marker::yearCountOn) {
            datePanel->setText(text + QLatin1Char(' ') + QString::number(a.datefull.year()) + blanks);
            const QDate today = m_host.today ? m_host.today() : QDate::currentDate();
            yearCount->setText(QString::number(completedYears(a.datefull, today))
                + QStringLiteral(" anni                          "));
        } else {
            datePanel->setText(text + blanks);
            yearCount->clear();
        }
        break;
    }
    case AppointmentKind::Monthly:
        datePanel->setText(a.dayofmonth + QString(26, QLatin1Char(' ')));
        break;
    case AppointmentKind::Weekly:
        datePanel->setText(a.dayofweek + blanks);
        break;
    }
    attachmentsButton->setEnabled(!a.ricerca.isEmpty() || !a.allegato.isEmpty());
    notes->setPlainText(a.note);
    notes->setVerticalScrollBarPolicy(a.note.isEmpty() ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void AppointmentListPage::attachmentsClick()
{
    const int row = currentRow();
    if (row >= 0 && m_host.showAttachments)
        m_host.showAttachments(m_model->appointment(row), attachmentsButton);
}

void AppointmentListPage::notesDoubleClick()
{
    if (!modifyButton->isEnabled())
        return;
    if (m_host.requestEnlargedNote)
        m_host.requestEnlargedNote();
    modifyClick();
}

void AppointmentListPage::gridClicked(const QModelIndex &index)
{
    const auto &column = AppointmentListModel::columnsOf(m_kind).at(size_t(index.column()));
    if (column.field == QLatin1String("Presenza") && m_model->appointment(index.row()).hasNote())
        notesDoubleClick();
}

bool AppointmentListPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == notes->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        notesDoubleClick();
        return true;
    }
    if (watched == grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (modifyButton->isEnabled())
                modifyClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AppointmentListPage::applyLook(const ListPageLook &look)
{
    m_host.colours = look.colours;
    applyGridFont(*grid, *notes, look.gridFont);
    paintSectionColour();
}

void AppointmentListPage::paintSectionColour()
{
    const QColor section = m_host.sectionColour ? m_host.sectionColour() : QColor(Qt::white);
    paintSectionFrame(*this, *grid, *notes, section, m_host.colours.titleText);
}

void AppointmentListPage::fitColumns()
{
    grid->hide();
    const QFontMetrics metrics(grid->font());
    const auto &columns = AppointmentListModel::columnsOf(m_kind);
    for (size_t c = 0; c < columns.size(); ++c) {
        const QString &field = columns[c].field;
        if (columns[c].hidden)
            continue;
        if (field == QLatin1String("orario") || field == QLatin1String("orario2")
            || field == QLatin1String("Presenza")) {
            grid->setColumnWidth(int(c), 42);
            continue;
        }
        if (field == QLatin1String("dayofmonth")) {
            grid->setColumnWidth(int(c), 50);
            continue;
        }
        // Every text the column shows, each measured once.
        int width = metrics.horizontalAdvance(field);
        for (const QString &text : m_model->columnTexts(int(c)))
            width = std::max(width, metrics.horizontalAdvance(text.trimmed()));
        grid->setColumnWidth(int(c), width + 10);
    }
    grid->show();
}

void AppointmentListPage::fillDescriptionColumn()
{
    const auto &columns = AppointmentListModel::columnsOf(m_kind);
    int others = 0;
    int description = -1;
    for (size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].field == QLatin1String("id"))
            description = int(c);
        else if (!grid->isColumnHidden(int(c)))
            others += grid->columnWidth(int(c));
    }
    const int rest = grid->viewport()->width() - others - 6;
    // A window too narrow for the other columns leaves the description as it is.
    if (description >= 0 && rest > 0)
        grid->setColumnWidth(description, rest);
}

void AppointmentListPage::addClick()
{
    if ((m_host.readOnly && m_host.readOnly()) || !m_host.openEditor)
        return;
    m_host.openEditor(m_kind, std::nullopt);
    if (m_host.pageChanged)
        m_host.pageChanged();
}

void AppointmentListPage::modifyClick()
{
    const int row = currentRow();
    if ((m_host.readOnly && m_host.readOnly()) || !m_host.openEditor || row < 0)
        return;
    const bool saved = m_host.openEditor(m_kind, m_model->appointment(row));
    if (saved || m_kind == AppointmentKind::Yearly)
        selectRow(std::min(row, m_model->rowCount() - 1));
    if (m_host.pageChanged)
        m_host.pageChanged();
}

void AppointmentListPage::deleteClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const Appointment a = m_model->appointment(row);
    const QString phrase = m_host.deletionPhrase ? m_host.deletionPhrase() : QStringLiteral("\"?");
    if (!m_host.prompter->question(QStringLiteral(" Stai per eliminare \"") + a.id + phrase))
        return;
    deleteAppointment(*m_host.db, a.codimp);
    refresh();
    selectRow(rowAfterDelete(row, m_model->rowCount()));
    if (m_host.pageChanged)
        m_host.pageChanged();
}

void AppointmentListPage::duplicateClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    if (!duplicateAppointment(*m_host.db, m_model->appointment(row))) {
        m_host.prompter->information(kDuplicateRefused);
        return;
    }
    refresh();
    selectRow(row);
    if (m_host.pageChanged)
        m_host.pageChanged();
}

void AppointmentListPage::helpClick()
{
    m_host.prompter->information(QString::fromUtf8(textsOf(m_kind).helpText));
}

void AppointmentListPage::orderClick()
{
    m_descending = !m_descending;
    refresh();
}

void AppointmentListPage::clearFindClick()
{
    if (autoFind)
        autoFind->setChecked(true);
    findEdit->clear(); // refreshes through findChanged
}

void AppointmentListPage::findChanged()
{
    clearFind->setEnabled(!findEdit->text().isEmpty());
    if (!autoFind || autoFind->isChecked())
        refresh();
}

void AppointmentListPage::findReturnPressed()
{
    if (autoFind)
        refresh();
}

void AppointmentListPage::kindFindChanged()
{
    if (!autoFind || autoFind->isChecked())
        refresh();
    findEdit->setFocus();
}

void AppointmentListPage::autoFindClicked()
{
    if (!autoFind->isChecked()) {
        m_host.prompter->information(
            QStringLiteral("Hai disattivato la ricerca automatica mentre digiti. \r"
                           "Per avviare la ricerca premi il tasto INVIO nella casella di "
                           "ricerca."));
    }
    findEdit->setFocus();
}

void AppointmentListPage::periodChanged()
{
    const bool on = periodBox->isChecked();
    for (QWidget *w :
        std::initializer_list<QWidget *> { periodFrom, periodTo, periodFromLabel, periodToLabel })
        w->setEnabled(on);
    refresh();
    if (m_host.pageChanged)
        m_host.pageChanged();
}

// ---- selection from the day agenda

void AppointmentListPage::showUnfiltered()
{
    {
        // One refresh at the end instead of one per control.
        const QSignalBlocker find(findEdit), field(kindFind), month(monthFilter), weekday(weekdayFilter),
            period(periodBox);
        kindFind->setCurrentIndex(0);
        findEdit->clear();
        clearFind->setEnabled(false);
        if (monthFilter)
            monthFilter->setCurrentIndex(12);
        if (weekdayFilter)
            weekdayFilter->setCurrentIndex(7);
        if (periodBox) {
            periodBox->setChecked(false);
            for (QWidget *w :
                std::initializer_list<QWidget *> { periodFrom, periodTo, periodFromLabel, periodToLabel })
                w->setEnabled(false);
        }
    }
    refresh();
}

void AppointmentListPage::selectKey(qint64 codimp)
{
    const int row = m_model->rowOfKey(codimp);
    selectRow(row >= 0 ? row : m_model->rowCount() - 1);
}

} // namespace vellamora::agenda
