#pragma once
// The calendar dialog of the appointment editors: picks the start date in one go. The
// main window keeps one for the program's life; each editor prepares it (colours, title,
// mode letter, date) and shows it modally. Accepted means "Usa": date() is the choice.
#include "app/ScaledDialog.h"

#include <QtCore/QDate>

class QCalendarWidget;
class QFrame;
class QLabel;
class QToolButton;

namespace vellamora {

struct Regional;
class Prompter;

namespace agenda {

class TSelectForm : public ScaledDialog
{
    Q_OBJECT
public:
    TSelectForm(const Regional &regional, Prompter &prompter, int scalePercent, QWidget *parent = nullptr);

    // Mode letters: 'G' full date, 'A' day and month, 'M' day of the month, 'S' weekday.
    void prepare(
        const QColor &panels, const QColor &titleText, const QString &title, QChar mode, const QDate &date);
    QDate date() const;
    QChar mode() const { return m_mode; }
    // The text of "Usa" for a date in the current mode.
    QString keepText(const QDate &date) const;

    void SpeedButtonKeepClick(); // "Usa"
    void SpeedButtonHelpClick();
    void CalendarioClick();
    void CalendarioDblClick();

    QFrame *Panel_Contorno = nullptr;
    QLabel *Panel_TitoloForm = nullptr;
    QCalendarWidget *Calendario = nullptr;
    QFrame *Panel_Bottoni = nullptr;
    QToolButton *SpeedButtonHelp = nullptr;
    QToolButton *SpeedButtonKeep = nullptr;
    QToolButton *SpeedButton2 = nullptr; // "Chiudi"

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Enter in the calendar's day table chooses too: the table would report it as an
    // activation, which the double-click rule may ignore.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const Regional &m_regional;
    Prompter &m_prompter;
    QChar m_mode = QLatin1Char('G');
    // A month change of the calendar makes it ignore the next double click.
    bool m_monthChanged = false;
};

} // namespace agenda
} // namespace vellamora
