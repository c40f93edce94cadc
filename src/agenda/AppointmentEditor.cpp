#include "agenda/AppointmentEditor.h"
#include "app/NamedControl.h"

#include "agenda/TSelectForm.h"
#include "app/DatePicture.h"
#include "platform/FileChooser.h"
#include "platform/Prompter.h"

#include <QtCore/QDir>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora::agenda {

namespace {

struct KindTexts
{
    const char *addForm, *modForm, *word, *dateLabel, *dateCaption, *everyOther, *everyOtherText;
    const char *calendarTitle;
    char calendarMode;
    const char *purpose; // the first part of the help text
};

const KindTexts &textsOf(AppointmentKind kind)
{
    static const KindTexts shot { "TAggShotForm", "TModShotForm", "giornaliero", "Label_datefull", "Data",
        nullptr, nullptr, "Scegli la data", 'G',
        "Qui inserisci un impegno giornaliero, cioè un appuntamento occasionale legato a una data.\r\n"
        "Esempi: un incontro di lavoro, un caffè con gli amici, una festa." };
    static const KindTexts year { "TAggYearForm", "TModYearForm", "annuale", "Label_date", "Data",
        "CheckBox_Biannuale", "Biennale", "Scegli il giorno e il mese", 'A',
        "Qui inserisci una ricorrenza annuale, che torna ogni anno nello stesso giorno.\r\n"
        "Esempi: compleanni, onomastici, anniversari, giorni di ferie." };
    static const KindTexts month { "TAggMeseForm", "TModMeseForm", "mensile", "Label_DayMonth", "Giorno",
        "CheckBox_Bimestrale", "Bimestrale", "Scegli il giorno del mese", 'M',
        "Qui inserisci una scadenza mensile, che torna ogni mese nello stesso giorno.\r\n"
        "Esempi: bollette e affitti da pagare." };
    static const KindTexts week { "TAggWeekForm", "TModWeekForm", "settimanale", "Label_dayweek", "Giorno",
        "CheckBox_Bisettimanale", "Bisettimanale", "Scegli il giorno della settimana", 'S',
        "Qui inserisci un impegno settimanale, che torna ogni settimana nello stesso giorno.\r\n"
        "Esempi: lezioni, sport." };
    return pickByKind(kind, shot, year, month, week);
}

void paint(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

} // namespace

QString AppointmentEditor::helpText(AppointmentKind kind)
{
    return QStringLiteral("DESCRIZIONE:\r\n") + QString::fromUtf8(textsOf(kind).purpose)
        + QStringLiteral(
            "\r\n\r\nALLEGATI:\r\n"
            "1) Se il programma è installato in rete, aggiungi gli allegati attraverso il percorso di "
            "rete (ad esempio \\\\server\\documenti\\contratto.pdf), così tutti li possono aprire.\r\n"
            "2) Per allegare una e-mail scrivi \"mailto:\" seguito dagli indirizzi, separati da \",\" "
            "o \";\" e mai da spazi (ad esempio mailto:mario.rossi@esempio.it;anna@esempio.it).\r\n"
            "3) Per allegare un sito web scrivi \"http://\" seguito dall'indirizzo (ad esempio "
            "http://www.esempio.it).");
}

AppointmentEditor::AppointmentEditor(
    AppointmentKind kind, EditorContext context, std::optional<Appointment> row, QWidget *parent)
    : ScaledDialog(
        context.scalePercent, parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_kind(kind), m_context(std::move(context)), m_row(std::move(row))
{
    const KindTexts &t = textsOf(kind);
    const bool add = !m_row;
    setObjectName(QString::fromLatin1(add ? t.addForm : t.modForm));
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    NAMED(Panel_TitoloForm, QLabel, this);
    Panel_TitoloForm->setText((add ? QStringLiteral("Nuovo impegno ") : QStringLiteral("Modifica impegno "))
        + QString::fromUtf8(t.word));
    Panel_TitoloForm->setAlignment(Qt::AlignCenter);
    Panel_TitoloForm->setMinimumHeight(26);
    QFont bold = Panel_TitoloForm->font();
    bold.setBold(true);
    Panel_TitoloForm->setFont(bold);
    layout->addWidget(Panel_TitoloForm);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildBody());
    NAMED(Memo_BIG, QPlainTextEdit, m_pages);
    m_pages->addWidget(Memo_BIG);
    layout->addWidget(m_pages, 1);
    buildButtons();
    layout->addWidget(Panel_Bottoni);
    connectHandlers();
    applyColours();
    dragByPanels({ this, Panel_TitoloForm, Panel_Bottoni });

    if (add) {
        setStartDate(m_context.shownDate);
        DateTimePicker_scadenza->setDate(m_start);
        clearFields();
        if (m_context.linkedContact) {
            Edit_id->setText(QStringLiteral("Compleanno di ") + m_context.contactName);
            Edit_Ricerca->setText(m_context.contactName);
            if (!m_context.contactEmail.isEmpty())
                Edit_Allegato->setText(QStringLiteral("mailto:") + m_context.contactEmail);
            CheckBox_Conteggio->setChecked(true);
            SpeedButtonAdd->hide();
        }
    } else {
        showRow(*m_row);
    }
    optionsChanged();
    yearCountLabel();
}

QWidget *AppointmentEditor::buildBody()
{
    const KindTexts &t = textsOf(m_kind);
    auto *body = new QFrame(this);
    body->setObjectName(QStringLiteral("Panel_Corpo"));
    body->setFrameShape(QFrame::StyledPanel);
    auto *form = new QFormLayout(body);

    auto *date = new QHBoxLayout;
    dateLabel = namedControl<QLabel>(body, t.dateLabel);
    dateLabel->setCursor(Qt::PointingHandCursor);
    QFont dateFont = dateLabel->font();
    dateFont.setBold(true);
    dateLabel->setFont(dateFont);
    NAMED(SpeedButtonShowCalendar, QToolButton, body);
    SpeedButtonShowCalendar->setText(QStringLiteral("..."));
    SpeedButtonShowCalendar->setToolTip(QStringLiteral("Mostra calendario"));
    date->addWidget(dateLabel, 1);
    date->addWidget(SpeedButtonShowCalendar);
    form->addRow(QString::fromLatin1(t.dateCaption), date);

    // Two digits, the time separator, two digits; blanks show as blanks, so an untouched
    // field reads as the blank time.
    const QString timeMask
        = QStringLiteral("00") + m_context.regional->timeSeparator + QStringLiteral("00; ");
    auto *times = new QHBoxLayout;
    NAMED(MaskEdit_Hour, QLineEdit, body);
    NAMED(MaskEdit_hour2, QLineEdit, body);
    for (QLineEdit *e : { MaskEdit_Hour, MaskEdit_hour2 }) {
        e->setInputMask(timeMask);
        e->setMaximumWidth(60);
    }
    NAMED(SpeedButton4, QToolButton, body);
    SpeedButton4->setText(QStringLiteral("0"));
    SpeedButton4->setToolTip(QStringLiteral("Senza orario"));
    times->addWidget(MaskEdit_Hour);
    times->addWidget(new QLabel(QStringLiteral("Alle"), body));
    times->addWidget(MaskEdit_hour2);
    times->addWidget(SpeedButton4);
    times->addStretch(1);
    form->addRow(QStringLiteral("Dalle"), times);

    NAMED(Edit_id, QLineEdit, body);
    Edit_id->setMaxLength(255);
    auto *idCaption = new QLabel(QStringLiteral("Descrizione"), body);
    idCaption->setFont(dateFont);
    form->addRow(idCaption, Edit_id);
    NAMED(Memo, QPlainTextEdit, body);
    Memo->setMinimumHeight(70);
    form->addRow(QStringLiteral("Note"), Memo);

    NAMED(CheckBox_scadenza, QCheckBox, body);
    CheckBox_scadenza->setText(QStringLiteral("Scadenza"));
    NAMED(DateTimePicker_scadenza, QDateEdit, body);
    DateTimePicker_scadenza->setCalendarPopup(true);
    DateTimePicker_scadenza->setLocale(m_context.regional->locale);
    DateTimePicker_scadenza->setEnabled(false);
    auto *expiry = new QHBoxLayout;
    expiry->addWidget(CheckBox_scadenza);
    expiry->addWidget(DateTimePicker_scadenza);
    expiry->addStretch(1);
    form->addRow(expiry);
    if (m_kind == AppointmentKind::OneShot) {
        NAMED(CheckBox_DeleteAfter, QCheckBox, body);
        CheckBox_DeleteAfter->setText(QStringLiteral("Elimina automaticamente dopo questa data"));
        NAMED(CheckBox_Torment, QCheckBox, body);
        CheckBox_Torment->setText(QStringLiteral("Tormentami tutti i giorni!"));
        form->addRow(CheckBox_DeleteAfter);
        form->addRow(CheckBox_Torment);
    } else {
        if (m_kind == AppointmentKind::Yearly) {
            NAMED(CheckBox_Conteggio, QCheckBox, body);
            NAMED(Label_Conteggio, QLabel, body);
            auto *count = new QHBoxLayout;
            count->addWidget(CheckBox_Conteggio);
            count->addWidget(Label_Conteggio, 1);
            form->addRow(count);
        }
        everyOther = namedControl<QCheckBox>(body, t.everyOther);
        everyOther->setText(QString::fromLatin1(t.everyOtherText));
        form->addRow(everyOther);
    }
    NAMED(CheckBox_Anticipo, QCheckBox, body);
    CheckBox_Anticipo->setText(QStringLiteral("Ricorda con ") + QString::number(m_context.advanceNoticeDays)
        + QStringLiteral(" giorni di anticipo"));
    CheckBox_Anticipo->setEnabled(m_context.advanceNoticeOn);
    NAMED(CheckBox_Sospeso, QCheckBox, body);
    CheckBox_Sospeso->setText(QStringLiteral("Sospendi segnalazione impegno"));
    form->addRow(CheckBox_Anticipo);
    form->addRow(CheckBox_Sospeso);

    auto tool = [body](QToolButton *&member, const char *name, const char *text, const char *hint) {
        member = namedControl<QToolButton>(body, name);
        member->setText(QString::fromUtf8(text));
        member->setToolTip(QString::fromUtf8(hint));
        return member;
    };
    NAMED(Edit_Ricerca, QLineEdit, body);
    Edit_Ricerca->setMaxLength(50);
    auto *search = new QHBoxLayout;
    search->addWidget(Edit_Ricerca, 1);
    search->addWidget(tool(SpeedButtonClearRicerca, "SpeedButtonClearRicerca", "x", "Nessun allegato"));
    form->addRow(
        new QLabel(QStringLiteral("Allega la ricerca di un contatto, di una società o di un gruppo"), body));
    form->addRow(search);
    NAMED(Edit_Allegato, QLineEdit, body);
    Edit_Allegato->setMaxLength(255);
    auto *attachment = new QHBoxLayout;
    attachment->addWidget(Edit_Allegato, 1);
    attachment->addWidget(tool(SpeedButtonAllegaFile, "SpeedButtonAllegaFile", "File", "Allega un file"));
    attachment->addWidget(
        tool(SpeedButtonAllegaCartella, "SpeedButtonAllegaCartella", "Cartella", "Allega una cartella"));
    attachment->addWidget(tool(SpeedButtonClearAllegato, "SpeedButtonClearAllegato", "x", "Nessun allegato"));
    form->addRow(new QLabel(QStringLiteral("Allega un file, una cartella, una e-mail o un sito web"), body));
    form->addRow(attachment);
    // The clear buttons follow their fields, which start empty.
    SpeedButtonClearRicerca->setEnabled(false);
    SpeedButtonClearAllegato->setEnabled(false);
    if (m_row) {
        NAMED(Label_Fatto, QLabel, body);
        form->addRow(Label_Fatto);
    }
    return body;
}

void AppointmentEditor::buildButtons()
{
    NAMED(Panel_Bottoni, QFrame, this);
    auto *buttons = new QHBoxLayout(Panel_Bottoni);
    buttons->setContentsMargins(2, 4, 2, 2);
    auto tool = [this](QToolButton *&member, const char *name, const char *text, const char *hint = "") {
        member = namedControl<QToolButton>(Panel_Bottoni, name);
        member->setText(QString::fromUtf8(text));
        member->setToolTip(QString::fromUtf8(hint));
        return member;
    };
    buttons->addWidget(
        tool(SpeedButtonSpiegazioneImpegno, "SpeedButtonSpiegazioneImpegno", "?", "Suggerimento"));
    buttons->addWidget(tool(SpeedButtonZoomNote, "SpeedButtonZoomNote", "+", "Area note grande/normale"));
    buttons->addStretch(1);
    if (!m_row) {
        buttons->addWidget(tool(SpeedButtonAdd, "SpeedButtonAdd", "Inserisci"));
        buttons->addWidget(tool(SpeedButtonAddClose, "SpeedButtonAddClose", "Inserisci e chiudi"));
    } else {
        buttons->addWidget(tool(SpeedButtonPrintContact, "SpeedButtonPrintContact", "Stampa"));
        SpeedButtonPrintContact->setEnabled(bool(m_context.printWindow));
        buttons->addWidget(tool(SpeedButtonMod, "SpeedButtonMod", "Modifica"));
    }
    buttons->addWidget(tool(SpeedButton3, "SpeedButton3", "Chiudi"));
}

void AppointmentEditor::connectHandlers()
{
    if (SpeedButtonAdd) {
        connect(SpeedButtonAdd, &QToolButton::clicked, this, &AppointmentEditor::SpeedButtonAddClick);
        connect(
            SpeedButtonAddClose, &QToolButton::clicked, this, &AppointmentEditor::SpeedButtonAddCloseClick);
    } else {
        connect(SpeedButtonMod, &QToolButton::clicked, this, &AppointmentEditor::SpeedButtonModClick);
        connect(
            SpeedButtonPrintContact, &QToolButton::clicked, this, [this] { m_context.printWindow(*this); });
    }
    connect(SpeedButton3, &QToolButton::clicked, this, &QDialog::reject);
    connect(SpeedButton4, &QToolButton::clicked, this, &AppointmentEditor::SpeedButton4Click);
    connect(SpeedButtonShowCalendar, &QToolButton::clicked, this,
        &AppointmentEditor::SpeedButtonShowCalendarClick);
    connect(
        SpeedButtonAllegaFile, &QToolButton::clicked, this, &AppointmentEditor::SpeedButtonAllegaFileClick);
    connect(SpeedButtonAllegaCartella, &QToolButton::clicked, this,
        &AppointmentEditor::SpeedButtonAllegaCartellaClick);
    connect(SpeedButtonZoomNote, &QToolButton::clicked, this, &AppointmentEditor::SpeedButtonZoomNoteClick);
    connect(SpeedButtonSpiegazioneImpegno, &QToolButton::clicked, this,
        &AppointmentEditor::SpeedButtonSpiegazioneImpegnoClick);
    connect(SpeedButtonClearRicerca, &QToolButton::clicked, Edit_Ricerca, &QLineEdit::clear);
    connect(SpeedButtonClearAllegato, &QToolButton::clicked, Edit_Allegato, &QLineEdit::clear);
    connect(Edit_Ricerca, &QLineEdit::textChanged, this,
        [this] { SpeedButtonClearRicerca->setEnabled(!Edit_Ricerca->text().isEmpty()); });
    connect(Edit_Allegato, &QLineEdit::textChanged, this, &AppointmentEditor::Edit_AllegatoChange);
    connect(Edit_id, &QLineEdit::textChanged, this, [this] {
        for (QToolButton *b : { SpeedButtonAdd, SpeedButtonAddClose, SpeedButtonMod })
            if (b)
                b->setEnabled(!Edit_id->text().isEmpty());
    });
    for (QLineEdit *e : { Edit_id, MaskEdit_Hour, MaskEdit_hour2, Edit_Ricerca, Edit_Allegato }) {
        connect(e, &QLineEdit::returnPressed, this, &AppointmentEditor::fieldReturnPressed);
        e->installEventFilter(this);
    }
    dateLabel->installEventFilter(this);
    // The two notes boxes always hold the same text.
    connect(Memo, &QPlainTextEdit::textChanged, this, [this] {
        if (Memo_BIG->toPlainText() != Memo->toPlainText())
            Memo_BIG->setPlainText(Memo->toPlainText());
    });
    connect(Memo_BIG, &QPlainTextEdit::textChanged, this, [this] {
        if (Memo->toPlainText() != Memo_BIG->toPlainText())
            Memo->setPlainText(Memo_BIG->toPlainText());
    });
    for (QCheckBox *box : { CheckBox_scadenza, CheckBox_DeleteAfter, CheckBox_Torment, CheckBox_Conteggio }) {
        if (box)
            connect(box, &QCheckBox::toggled, this, &AppointmentEditor::optionsChanged);
    }
    connect(DateTimePicker_scadenza, &QDateEdit::dateChanged, this, [this](const QDate &d) {
        if (d < m_start)
            DateTimePicker_scadenza->setDate(m_start); // never before the start date
    });
}

void AppointmentEditor::applyColours()
{
    // Border, title and buttons in the section colour, the title in the tab font colour;
    // the option labels in the theme's marker colours.
    for (QWidget *w : { static_cast<QWidget *>(this), static_cast<QWidget *>(Panel_TitoloForm),
             static_cast<QWidget *>(Panel_Bottoni) })
        paint(w, QPalette::Window, m_context.sectionColour);
    m_pages->setAutoFillBackground(true);
    paint(m_pages, QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
    paint(Panel_TitoloForm, QPalette::WindowText, m_context.titleText);
    if (CheckBox_DeleteAfter) {
        paint(CheckBox_DeleteAfter, QPalette::WindowText, m_context.autoDeleteColour);
        paint(CheckBox_Torment, QPalette::WindowText, m_context.nagColour);
    }
    paint(CheckBox_Sospeso, QPalette::WindowText, m_context.suspendedColour);
}

void AppointmentEditor::showRow(const Appointment &a)
{
    const QChar sep = m_context.regional->timeSeparator;
    setStartDate(a.datefull);
    if (m_kind == AppointmentKind::Monthly)
        dateLabel->setText(a.dayofmonth);
    MaskEdit_Hour->setText(timeForEditing(a.orario, sep));
    MaskEdit_hour2->setText(timeForEditing(a.orario2, sep));
    Edit_id->setText(a.id);
    Memo->setPlainText(a.note);
    Edit_Ricerca->setText(a.ricerca);
    Edit_Allegato->setText(a.allegato);
    Edit_AllegatoChange();
    Label_Fatto->setText(a.flagfatto != marker::yes ? QStringLiteral("Svolto: non ancora.")
                                                    : QStringLiteral("Svolto: ")
                + formatDatePicture(a.fatto, QStringLiteral("dddd d mmmm yyyy"), *m_context.regional));
    if (CheckBox_DeleteAfter) {
        CheckBox_DeleteAfter->setChecked(a.dayofweek == marker::autoDelete);
        CheckBox_Torment->setChecked(a.dayofweek == marker::nag);
    }
    CheckBox_Anticipo->setChecked(a.anticipa == marker::yes);
    CheckBox_Sospeso->setChecked(a.sospeso == marker::yes);
    CheckBox_scadenza->setChecked(a.flagscad == marker::yes);
    if (CheckBox_Conteggio)
        CheckBox_Conteggio->setChecked(a.dayofmonth == marker::yearCountOn);
    if (everyOther)
        everyOther->setChecked(
            m_kind == AppointmentKind::Weekly ? !a.dayofmonth.isEmpty() : !a.dayofweek.isEmpty());
    const QDate expiryDate = a.scadenza.isValid() ? a.scadenza : m_context.today;
    DateTimePicker_scadenza->setDate(std::max(expiryDate, m_start));
    if (m_context.enlargedNote)
        setEnlargedNotes(true);
}

void AppointmentEditor::setStartDate(const QDate &date)
{
    m_start = date;
    drawDate();
    if (DateTimePicker_scadenza->date() < m_start)
        DateTimePicker_scadenza->setDate(m_start);
    yearCountLabel();
}

void AppointmentEditor::drawDate()
{
    switch (m_kind) {
    case AppointmentKind::OneShot:
    case AppointmentKind::Yearly:
        dateLabel->setText(formatDatePicture(m_start, m_context.datePicture, *m_context.regional));
        break;
    case AppointmentKind::Monthly:
        dateLabel->setText(dayText(m_start));
        break;
    case AppointmentKind::Weekly:
        dateLabel->setText(weekdayText(m_start, *m_context.regional));
        break;
    }
}

void AppointmentEditor::yearCountLabel()
{
    if (!Label_Conteggio)
        return;
    if (!CheckBox_Conteggio->isChecked()) {
        Label_Conteggio->setText(QStringLiteral("La ricorrenza ha un anno d'inizio"));
        return;
    }
    const QString picture = QStringLiteral("dd mmm yyyy");
    Label_Conteggio->setText(QStringLiteral("Conteggio anni: ")
        + QString::number(completedYears(m_start, m_context.today)) + QStringLiteral(" - Periodo: ")
        + formatDatePicture(m_start, picture, *m_context.regional) + QStringLiteral(" - ")
        + formatDatePicture(m_context.today, picture, *m_context.regional));
}

void AppointmentEditor::optionsChanged()
{
    DateTimePicker_scadenza->setEnabled(CheckBox_scadenza->isChecked());
    if (CheckBox_DeleteAfter) {
        const bool del = CheckBox_DeleteAfter->isChecked();
        const bool nag = CheckBox_Torment->isChecked();
        const bool exp = CheckBox_scadenza->isChecked();
        CheckBox_DeleteAfter->setEnabled(!nag && !exp);
        CheckBox_Torment->setEnabled(!del && !exp);
        CheckBox_scadenza->setEnabled(!del && !nag);
    }
    yearCountLabel();
}

void AppointmentEditor::clearFields()
{
    for (QLineEdit *e : { MaskEdit_Hour, MaskEdit_hour2, Edit_id, Edit_Ricerca, Edit_Allegato })
        e->clear();
    Memo->clear();
    Memo_BIG->clear();
    for (QToolButton *b : { SpeedButtonAdd, SpeedButtonAddClose, SpeedButtonMod, SpeedButtonClearRicerca,
             SpeedButtonClearAllegato })
        if (b)
            b->setEnabled(false);
    Edit_id->setFocus();
    if (!m_context.activeContact.isEmpty()) {
        Edit_id->setText(m_context.activeContact);
        Edit_Ricerca->setText(m_context.activeContact);
    }
}

void AppointmentEditor::SpeedButtonShowCalendarClick()
{
    TSelectForm *calendar = m_context.calendar;
    if (!calendar || !m_context.runModal)
        return;
    const KindTexts &t = textsOf(m_kind);
    // One-shot and weekly add dialogs open the calendar on today, the others on the start date.
    const bool onToday = !m_row && (m_kind == AppointmentKind::OneShot || m_kind == AppointmentKind::Weekly);
    calendar->prepare(m_context.sectionColour, m_context.titleText, QString::fromUtf8(t.calendarTitle),
        QLatin1Char(t.calendarMode), onToday ? m_context.today : m_start);
    if (m_context.runModal(*calendar) == QDialog::Accepted)
        setStartDate(calendar->date());
}

std::optional<QString> AppointmentEditor::chooseAway(
    const QPoint &away, const std::function<std::optional<QString>()> &choose)
{
    const QPoint home = pos();
    move(home + away);
    std::optional<QString> chosen = choose();
    move(home);
    return chosen;
}

void AppointmentEditor::SpeedButtonAllegaFileClick()
{
    if (!m_context.files)
        return;
    const QString start = attachmentFileStart(Edit_Allegato->text(), m_context.homeFolder);
    const auto chosen = chooseAway(QPoint(-7000, 0), [&] {
        return m_context.files->openFile(
            QStringLiteral("Allega file"), start, QStringLiteral("Tutti i file (*)"));
    });
    if (chosen)
        Edit_Allegato->setText(QDir::toNativeSeparators(*chosen));
}

void AppointmentEditor::SpeedButtonAllegaCartellaClick()
{
    if (!m_context.files)
        return;
    const QString start = attachmentFolderStart(Edit_Allegato->text(), m_context.rootFolder);
    const auto chosen = chooseAway(
        QPoint(0, -7000), [&] { return m_context.files->folder(QStringLiteral("Allega cartella"), start); });
    if (chosen)
        Edit_Allegato->setText(QDir::toNativeSeparators(*chosen));
}

void AppointmentEditor::Edit_AllegatoChange()
{
    const QString stored = storedAttachment(Edit_Allegato->text(), m_context.programFolder);
    if (stored != Edit_Allegato->text()) {
        Edit_Allegato->setText(stored); // comes back here with the stored text
        return;
    }
    Edit_Allegato->setToolTip(stored);
    SpeedButtonClearAllegato->setEnabled(!stored.isEmpty());
}

bool AppointmentEditor::enlargedNotes() const
{
    return m_pages->currentWidget() == Memo_BIG;
}

void AppointmentEditor::setEnlargedNotes(bool on)
{
    QPlainTextEdit *from = on ? Memo : Memo_BIG;
    QPlainTextEdit *to = on ? Memo_BIG : Memo;
    const int position = from->textCursor().position();
    m_pages->setCurrentWidget(on ? static_cast<QWidget *>(Memo_BIG) : m_pages->widget(0));
    SpeedButtonZoomNote->setText(on ? QStringLiteral("-") : QStringLiteral("+"));
    QTextCursor cursor = to->textCursor();
    cursor.setPosition(std::min(position, int(to->toPlainText().size())));
    to->setTextCursor(cursor);
    to->ensureCursorVisible();
    to->setFocus();
}

void AppointmentEditor::SpeedButtonZoomNoteClick()
{
    setEnlargedNotes(!enlargedNotes());
}

void AppointmentEditor::SpeedButtonSpiegazioneImpegnoClick()
{
    m_context.prompter->information(helpText(m_kind), QStringLiteral("Suggerimento"));
}

void AppointmentEditor::fieldReturnPressed()
{
    QToolButton *confirm = m_row ? SpeedButtonMod : SpeedButtonAddClose;
    if (confirm->isEnabled())
        confirm->click();
}

bool AppointmentEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == dateLabel && event->type() == QEvent::MouseButtonRelease) {
        SpeedButtonShowCalendarClick();
        return true;
    }
    // A click into a blank time field leaves the cursor where the mouse was, past the
    // mask, where typed digits are dropped: start the entry at the first digit instead.
    if ((watched == MaskEdit_Hour || watched == MaskEdit_hour2)
        && event->type() == QEvent::MouseButtonRelease) {
        auto *edit = static_cast<QLineEdit *>(watched);
        if (!edit->hasSelectedText() && isBlankTime(edit->displayText()))
            edit->setCursorPosition(0);
    }
    // Edit fields take the page colour and the tab font colour while they have the focus.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
            const bool entering = event->type() == QEvent::FocusIn;
            QPalette p = edit->palette();
            p.setColor(QPalette::Base, entering ? m_context.sectionColour : QColor(Qt::white));
            p.setColor(QPalette::Text, entering ? m_context.titleText : QColor(Qt::black));
            edit->setPalette(p);
        }
    }
    return ScaledDialog::eventFilter(watched, event);
}

void AppointmentEditor::SpeedButton4Click()
{
    MaskEdit_Hour->clear();
    MaskEdit_hour2->clear();
    Edit_id->setFocus();
}

EditorInput AppointmentEditor::input() const
{
    EditorInput in;
    in.kind = m_kind;
    in.start = m_start;
    in.dayMonth = dayMonthText(m_start, *m_context.regional);
    in.dateText = dateLabel->text();
    // An untouched masked field shows blanks around the separator: the blank time.
    in.from = completedTime(MaskEdit_Hour->displayText(), m_context.regional->timeSeparator);
    in.to = completedTime(MaskEdit_hour2->displayText(), m_context.regional->timeSeparator);
    in.id = Edit_id->text();
    in.note = Memo->toPlainText();
    in.ricerca = Edit_Ricerca->text();
    in.allegato = Edit_Allegato->text();
    in.advanceNotice = CheckBox_Anticipo->isChecked();
    in.suspended = CheckBox_Sospeso->isChecked();
    in.expiry = CheckBox_scadenza->isChecked();
    in.expiryDate = DateTimePicker_scadenza->date();
    in.autoDelete = CheckBox_DeleteAfter && CheckBox_DeleteAfter->isChecked();
    in.nag = CheckBox_Torment && CheckBox_Torment->isChecked();
    in.yearCount = CheckBox_Conteggio && CheckBox_Conteggio->isChecked();
    in.everyOther = everyOther && everyOther->isChecked();
    if (!m_row)
        in.linkedContact = m_context.linkedContact;
    return in;
}

bool AppointmentEditor::save()
{
    if (Edit_id->text().isEmpty())
        return false;
    const EditorInput in = input();
    const QChar sep = m_context.regional->timeSeparator;
    if (const SaveProblem problem = checkTimes(in, sep); problem != SaveProblem::None) {
        m_context.prompter->warning(saveProblemText(problem));
        return false;
    }
    Edit_id->setText(capitalizeFirst(Edit_id->text()));
    Edit_Ricerca->setText(capitalizeFirst(Edit_Ricerca->text()));
    if (m_row)
        updateAppointment(*m_context.db, *m_row, in, m_context.shownDate, sep);
    else
        insertAppointment(*m_context.db, in, m_context.shownDate, sep);
    if (m_context.saved)
        m_context.saved();
    return true;
}

void AppointmentEditor::SpeedButtonAddClick()
{
    if (!save())
        return;
    if (enlargedNotes())
        setEnlargedNotes(false);
    clearFields();
}

void AppointmentEditor::SpeedButtonAddCloseClick()
{
    if (save())
        accept();
}

void AppointmentEditor::SpeedButtonModClick()
{
    if (save())
        accept();
}

} // namespace vellamora::agenda
