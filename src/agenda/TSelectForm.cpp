#include "agenda/TSelectForm.h"

#include "app/DatePicture.h"
#include "app/NamedControl.h"
#include "platform/Prompter.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QCalendarWidget>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora::agenda {

namespace {

void paint(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

} // namespace

TSelectForm::TSelectForm(const Regional &regional, Prompter &prompter, int scalePercent, QWidget *parent)
    : ScaledDialog(scalePercent, parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_regional(regional), m_prompter(prompter)
{
    setObjectName(QStringLiteral("TSelectForm"));
    setAutoFillBackground(true);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    NAMED(Panel_Contorno, QFrame, this);
    outer->addWidget(Panel_Contorno);
    auto *column = new QVBoxLayout(Panel_Contorno);
    column->setContentsMargins(0, 0, 0, 0);

    NAMED(Panel_TitoloForm, QLabel, Panel_Contorno);
    Panel_TitoloForm->setAlignment(Qt::AlignCenter);
    Panel_TitoloForm->setMinimumHeight(24);
    QFont bold = Panel_TitoloForm->font();
    bold.setBold(true);
    Panel_TitoloForm->setFont(bold);
    column->addWidget(Panel_TitoloForm);

    NAMED(Calendario, QCalendarWidget, Panel_Contorno);
    Calendario->setLocale(regional.locale);
    Calendario->setFirstDayOfWeek(Qt::Monday);
    Calendario->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    column->addWidget(Calendario, 1);

    NAMED(Panel_Bottoni, QFrame, Panel_Contorno);
    auto *buttons = new QHBoxLayout(Panel_Bottoni);
    buttons->setContentsMargins(2, 2, 2, 2);
    NAMED(SpeedButtonHelp, QToolButton, Panel_Bottoni);
    SpeedButtonHelp->setText(QStringLiteral("?"));
    SpeedButtonHelp->setToolTip(QStringLiteral("Suggerimento"));
    NAMED(SpeedButtonKeep, QToolButton, Panel_Bottoni);
    SpeedButtonKeep->setToolTip(QStringLiteral("Usa"));
    SpeedButtonKeep->setMinimumWidth(150);
    NAMED(SpeedButton2, QToolButton, Panel_Bottoni);
    SpeedButton2->setText(QStringLiteral("Chiudi"));
    buttons->addWidget(SpeedButtonHelp);
    buttons->addStretch(1);
    buttons->addWidget(SpeedButtonKeep);
    buttons->addWidget(SpeedButton2);
    column->addWidget(Panel_Bottoni);

    dragByPanels({ this, Panel_TitoloForm, Panel_Bottoni });
    connect(SpeedButtonKeep, &QToolButton::clicked, this, &TSelectForm::SpeedButtonKeepClick);
    connect(SpeedButton2, &QToolButton::clicked, this, &QDialog::reject);
    connect(SpeedButtonHelp, &QToolButton::clicked, this, &TSelectForm::SpeedButtonHelpClick);
    connect(Calendario, &QCalendarWidget::clicked, this, &TSelectForm::CalendarioClick);
    connect(Calendario, &QCalendarWidget::selectionChanged, this, &TSelectForm::CalendarioClick);
    connect(Calendario, &QCalendarWidget::activated, this, &TSelectForm::CalendarioDblClick);
    connect(Calendario, &QCalendarWidget::currentPageChanged, this, [this] { m_monthChanged = true; });
    if (auto *days = Calendario->findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview")))
        days->installEventFilter(this);
}

bool TSelectForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QAbstractItemView *>(watched)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            SpeedButtonKeepClick();
            return true;
        }
    }
    return ScaledDialog::eventFilter(watched, event);
}

void TSelectForm::prepare(
    const QColor &panels, const QColor &titleText, const QString &title, QChar mode, const QDate &date)
{
    m_mode = mode;
    for (QWidget *w : { static_cast<QWidget *>(this), static_cast<QWidget *>(Panel_Bottoni) })
        paint(w, QPalette::Window, panels);
    paint(Panel_TitoloForm, QPalette::WindowText, titleText);
    Panel_TitoloForm->setText(title);
    QFont font = Calendario->font();
    font.setPointSize(10);
    Calendario->setFont(font);
    // The calendar's title: the panels' colour under the tab font colour.
    if (auto *bar = Calendario->findChild<QWidget *>(QStringLiteral("qt_calendar_navigationbar"))) {
        QPalette p = bar->palette();
        p.setColor(QPalette::Highlight, panels);
        p.setColor(QPalette::HighlightedText, titleText);
        p.setColor(QPalette::ButtonText, titleText);
        p.setColor(QPalette::WindowText, titleText);
        bar->setPalette(p);
    }
    Calendario->setSelectedDate(date);
    Calendario->setCurrentPage(date.year(), date.month());
    m_monthChanged = false;
    CalendarioClick();
}

QDate TSelectForm::date() const
{
    return Calendario->selectedDate();
}

QString TSelectForm::keepText(const QDate &date) const
{
    const char *picture = m_mode == QLatin1Char('A') ? "d mmmm"
        : m_mode == QLatin1Char('M')                 ? "dd"
        : m_mode == QLatin1Char('S')                 ? "dddd"
                                                     : "d mmmm yyyy";
    return formatDatePicture(date, QString::fromLatin1(picture), m_regional);
}

void TSelectForm::CalendarioClick()
{
    SpeedButtonKeep->setText(keepText(date()));
}

void TSelectForm::CalendarioDblClick()
{
    // The double click that brought a day of another month into view only turns the page.
    if (m_monthChanged) {
        m_monthChanged = false;
        return;
    }
    SpeedButtonKeepClick();
}

void TSelectForm::SpeedButtonKeepClick()
{
    accept();
}

void TSelectForm::SpeedButtonHelpClick()
{
    m_prompter.information(QStringLiteral(
        "In questa finestra puoi selezionare in un colpo solo il giorno e la data d'inizio dell'impegno."));
}

void TSelectForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        SpeedButtonKeepClick();
        return;
    }
    ScaledDialog::keyPressEvent(event); // Esc closes without a choice
}

} // namespace vellamora::agenda
