#include "agenda/AppointmentEditor.h"
#include "app/NamedControl.h"

#include "app/DatePicture.h"
#include "platform/Prompter.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora::agenda {

namespace {

QToolButton *button(QWidget *parent, const char *name, const QString &text, const QString &hint = {})
{
    auto *b = namedControl<QToolButton>(parent, name);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

struct KindTexts
{
    const char *addForm, *modForm, *word, *dateLabel, *dateCaption, *everyOther, *everyOtherText;
};

const KindTexts &textsOf(AppointmentKind kind)
{
    static const KindTexts shot { "TAggShotForm", "TModShotForm", "giornaliero", "Label_datefull", "Data",
        nullptr, nullptr };
    static const KindTexts year { "TAggYearForm", "TModYearForm", "annuale", "Label_date", "Data",
        "CheckBox_Biannuale", "Biennale" };
    static const KindTexts month { "TAggMeseForm", "TModMeseForm", "mensile", "Label_DayMonth", "Giorno",
        "CheckBox_Bimestrale", "Bimestrale" };
    static const KindTexts week { "TAggWeekForm", "TModWeekForm", "settimanale", "Label_dayweek", "Giorno",
        "CheckBox_Bisettimanale", "Bisettimanale" };
    return pickByKind(kind, shot, year, month, week);
}

} // namespace

AppointmentEditor::AppointmentEditor(
    AppointmentKind kind, EditorContext context, std::optional<Appointment> row, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_kind(kind),
      m_context(std::move(context)), m_row(std::move(row))
{
    const KindTexts &t = textsOf(kind);
    const bool add = !m_row;
    setObjectName(QString::fromLatin1(add ? t.addForm : t.modForm));
    const QChar sep = m_context.regional->timeSeparator;
    // Two digits (the first may stay blank), the separator, two digits; blanks show as
    // blanks, so an untouched field reads as the blank time.
    const QString timeMask = QStringLiteral("00") + sep + QStringLiteral("00; ");

    auto *layout = new QVBoxLayout(this);
    Panel_TitoloForm = namedControl<QLabel>(this, "Panel_TitoloForm");
    Panel_TitoloForm->setText((add ? QStringLiteral("Nuovo impegno ") : QStringLiteral("Modifica impegno "))
        + QString::fromUtf8(t.word));
    Panel_TitoloForm->setAlignment(Qt::AlignCenter);
    layout->addWidget(Panel_TitoloForm);

    auto *form = new QFormLayout;
    dateLabel = namedControl<QLabel>(this, t.dateLabel);
    form->addRow(QString::fromLatin1(t.dateCaption), dateLabel);
    auto *times = new QHBoxLayout;
    MaskEdit_Hour = namedControl<QLineEdit>(this, "MaskEdit_Hour");
    MaskEdit_hour2 = namedControl<QLineEdit>(this, "MaskEdit_hour2");
    for (QLineEdit *e : { MaskEdit_Hour, MaskEdit_hour2 })
        e->setInputMask(timeMask);
    SpeedButton4 = button(this, "SpeedButton4", QStringLiteral("0"), QStringLiteral("Senza orario"));
    times->addWidget(new QLabel(QStringLiteral("Dalle"), this));
    times->addWidget(MaskEdit_Hour);
    times->addWidget(new QLabel(QStringLiteral("Alle"), this));
    times->addWidget(MaskEdit_hour2);
    times->addWidget(SpeedButton4);
    form->addRow(times);
    Edit_id = namedControl<QLineEdit>(this, "Edit_id");
    Edit_id->setMaxLength(255);
    form->addRow(QStringLiteral("Descrizione"), Edit_id);
    Memo = namedControl<QPlainTextEdit>(this, "Memo");
    form->addRow(QStringLiteral("Note"), Memo);

    CheckBox_scadenza = namedControl<QCheckBox>(this, "CheckBox_scadenza");
    CheckBox_scadenza->setText(QStringLiteral("Scadenza"));
    DateTimePicker_scadenza = namedControl<QDateEdit>(this, "DateTimePicker_scadenza");
    DateTimePicker_scadenza->setCalendarPopup(true);
    DateTimePicker_scadenza->setLocale(m_context.regional->locale);
    DateTimePicker_scadenza->setEnabled(false);
    auto *expiry = new QHBoxLayout;
    expiry->addWidget(CheckBox_scadenza);
    expiry->addWidget(DateTimePicker_scadenza);
    form->addRow(expiry);
    if (kind == AppointmentKind::OneShot) {
        CheckBox_DeleteAfter = namedControl<QCheckBox>(this, "CheckBox_DeleteAfter");
        CheckBox_DeleteAfter->setText(QStringLiteral("Elimina automaticamente dopo questa data"));
        CheckBox_Torment = namedControl<QCheckBox>(this, "CheckBox_Torment");
        CheckBox_Torment->setText(QStringLiteral("Tormentami tutti i giorni!"));
        form->addRow(CheckBox_DeleteAfter);
        form->addRow(CheckBox_Torment);
    } else {
        if (kind == AppointmentKind::Yearly) {
            CheckBox_Conteggio = namedControl<QCheckBox>(this, "CheckBox_Conteggio");
            Label_Conteggio = namedControl<QLabel>(this, "Label_Conteggio");
            auto *count = new QHBoxLayout;
            count->addWidget(CheckBox_Conteggio);
            count->addWidget(Label_Conteggio, 1);
            form->addRow(count);
        }
        everyOther = namedControl<QCheckBox>(this, t.everyOther);
        everyOther->setText(QString::fromLatin1(t.everyOtherText));
        form->addRow(everyOther);
    }
    CheckBox_Anticipo = namedControl<QCheckBox>(this, "CheckBox_Anticipo");
    CheckBox_Anticipo->setText(QStringLiteral("Ricorda con ") + QString::number(m_context.advanceNoticeDays)
        + QStringLiteral(" giorni di anticipo"));
    CheckBox_Anticipo->setEnabled(m_context.advanceNoticeOn);
    CheckBox_Sospeso = namedControl<QCheckBox>(this, "CheckBox_Sospeso");
    CheckBox_Sospeso->setText(QStringLiteral("Sospendi segnalazione impegno"));
    form->addRow(CheckBox_Anticipo);
    form->addRow(CheckBox_Sospeso);

    Edit_Ricerca = namedControl<QLineEdit>(this, "Edit_Ricerca");
    Edit_Ricerca->setMaxLength(50);
    SpeedButtonClearRicerca
        = button(this, "SpeedButtonClearRicerca", QStringLiteral("x"), QStringLiteral("Nessun allegato"));
    auto *search = new QHBoxLayout;
    search->addWidget(Edit_Ricerca, 1);
    search->addWidget(SpeedButtonClearRicerca);
    form->addRow(
        new QLabel(QStringLiteral("Allega la ricerca di un contatto, di una società o di un gruppo"), this));
    form->addRow(search);
    Edit_Allegato = namedControl<QLineEdit>(this, "Edit_Allegato");
    Edit_Allegato->setMaxLength(255);
    SpeedButtonClearAllegato
        = button(this, "SpeedButtonClearAllegato", QStringLiteral("x"), QStringLiteral("Nessun allegato"));
    auto *attachment = new QHBoxLayout;
    attachment->addWidget(Edit_Allegato, 1);
    attachment->addWidget(SpeedButtonClearAllegato);
    form->addRow(new QLabel(QStringLiteral("Allega un file, una cartella, una e-mail o un sito web"), this));
    form->addRow(attachment);
    layout->addLayout(form);

    auto *buttons = new QHBoxLayout;
    if (add) {
        SpeedButtonAdd = button(this, "SpeedButtonAdd", QStringLiteral("Inserisci"));
        SpeedButtonAddClose = button(this, "SpeedButtonAddClose", QStringLiteral("Inserisci e chiudi"));
        buttons->addWidget(SpeedButtonAdd);
        buttons->addWidget(SpeedButtonAddClose);
        connect(SpeedButtonAdd, &QToolButton::clicked, this, &AppointmentEditor::SpeedButtonAddClick);
        connect(
            SpeedButtonAddClose, &QToolButton::clicked, this, &AppointmentEditor::SpeedButtonAddCloseClick);
    } else {
        Label_Fatto = namedControl<QLabel>(this, "Label_Fatto");
        layout->addWidget(Label_Fatto);
        SpeedButtonMod = button(this, "SpeedButtonMod", QStringLiteral("Modifica"));
        buttons->addWidget(SpeedButtonMod);
        connect(SpeedButtonMod, &QToolButton::clicked, this, &AppointmentEditor::SpeedButtonModClick);
    }
    SpeedButton3 = button(this, "SpeedButton3", QStringLiteral("Chiudi"));
    buttons->addWidget(SpeedButton3);
    layout->addLayout(buttons);
    connect(SpeedButton3, &QToolButton::clicked, this, &QDialog::reject);
    connect(SpeedButton4, &QToolButton::clicked, this, &AppointmentEditor::SpeedButton4Click);
    connect(SpeedButtonClearRicerca, &QToolButton::clicked, Edit_Ricerca, &QLineEdit::clear);
    connect(SpeedButtonClearAllegato, &QToolButton::clicked, Edit_Allegato, &QLineEdit::clear);
    connect(Edit_Ricerca, &QLineEdit::textChanged, this,
        [this] { SpeedButtonClearRicerca->setEnabled(!Edit_Ricerca->text().isEmpty()); });
    connect(Edit_Allegato, &QLineEdit::textChanged, this, [this] {
        Edit_Allegato->setToolTip(Edit_Allegato->text());
        SpeedButtonClearAllegato->setEnabled(!Edit_Allegato->text().isEmpty());
    });
    connect(Edit_id, &QLineEdit::textChanged, this, [this] {
        for (QToolButton *b : { SpeedButtonAdd, SpeedButtonAddClose, SpeedButtonMod })
            if (b)
                b->setEnabled(!Edit_id->text().isEmpty());
    });
    for (QCheckBox *box : { CheckBox_scadenza, CheckBox_DeleteAfter, CheckBox_Torment, CheckBox_Conteggio }) {
        if (box)
            connect(box, &QCheckBox::toggled, this, &AppointmentEditor::optionsChanged);
    }
    connect(DateTimePicker_scadenza, &QDateEdit::dateChanged, this, [this](const QDate &d) {
        if (d < m_start)
            DateTimePicker_scadenza->setDate(m_start); // never before the start date
    });

    if (add) {
        setStartDate(m_context.shownDate);
        DateTimePicker_scadenza->setDate(m_start);
        clearFields();
        if (m_context.linkedContact) {
            Edit_id->setText(QStringLiteral("Compleanno di ") + m_context.contactName);
            Edit_Ricerca->setText(m_context.contactName);
            CheckBox_Conteggio->setChecked(true);
            SpeedButtonAdd->hide();
        }
    } else {
        const Appointment &a = *m_row;
        setStartDate(a.datefull);
        if (kind == AppointmentKind::Monthly)
            dateLabel->setText(a.dayofmonth);
        MaskEdit_Hour->setText(timeForEditing(a.orario, sep));
        MaskEdit_hour2->setText(timeForEditing(a.orario2, sep));
        Edit_id->setText(a.id);
        Memo->setPlainText(a.note);
        Edit_Ricerca->setText(a.ricerca);
        Edit_Allegato->setText(a.allegato);
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
        if (everyOther) {
            everyOther->setChecked(
                kind == AppointmentKind::Weekly ? !a.dayofmonth.isEmpty() : !a.dayofweek.isEmpty());
        }
        QDate expiryDate = a.scadenza.isValid() ? a.scadenza : m_context.today;
        DateTimePicker_scadenza->setDate(std::max(expiryDate, m_start));
    }
    optionsChanged();
    yearCountLabel();
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
    for (QToolButton *b : { SpeedButtonAdd, SpeedButtonAddClose, SpeedButtonMod, SpeedButtonClearRicerca,
             SpeedButtonClearAllegato })
        if (b)
            b->setEnabled(false);
    Edit_id->setFocus();
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
    in.from = MaskEdit_Hour->displayText();
    in.to = MaskEdit_hour2->displayText();
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
    if (save())
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
