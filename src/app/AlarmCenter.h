#pragma once
#include "agenda/AlarmClock.h"
#include "platform/NoticeContent.h"

#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtGui/QColor>

namespace vellamora {

class TMainForm;
class SlideNotice;

// The window's reminders: the alarm clock over the alarm list, today's reminder at
// start-up and at the day change, the advance notice of the days ahead, and the message
// panel that blinks after an alarm. It is part of the main window and acts on its flags.
class AlarmCenter : public QObject
{
    Q_OBJECT
public:
    explicit AlarmCenter(TMainForm &form);

    bool blinking() const { return m_blinking; }
    QString messageLine1() const { return m_line1; }
    QString messageLine2() const { return m_line2; }

    // The alarm clock's tick: rings every appointment whose start the clock passed.
    void TimerContolloOrarioTimer();
    // The title clock's tick: a blinking message panel swaps its two lines.
    void blinkTick();
    // Start-up and day change: the automatic advance notice, the "controllo" end,
    // today's reminder.
    void startupCheck();
    // The advance notice of the next N days, farthest day first.
    void advanceNoticeCheck();
    // The automatic run: under the hold flag, and the advance notice is no longer pending.
    void automaticAdvanceNoticeCheck();
    // The window was unlocked: a check held back by the lock runs now.
    void unlocked();
    // A click on the message panel or on a notice ends the blinking.
    void stopBlinking();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ring(const Appointment &a);
    void todaysReminder();
    void playAlarmSound();
    void noticeClicked();
    void showNotice(const NoticeContent &content);
    bool lockConfigured() const;
    void setPanel(
        const QString &caption, const QColor &background, const QColor &text, Qt::CursorShape cursor);

    TMainForm &m_form;
    agenda::AlarmClock m_clock;
    QString m_line1;
    QString m_line2;
    bool m_blinking = false;
};

} // namespace vellamora
