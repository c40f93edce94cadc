#include "app/AlarmCenter.h"

#include "agenda/AgendaQuery.h"
#include "agenda/Notices.h"
#include "app/TMainForm.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/SlideNotice.h"
#include "store/StoreError.h"
#include "themes/SectionTabs.h"

#include <QtCore/QEvent>
#include <QtCore/QTimer>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QSpinBox>

namespace vellamora {

namespace notice = agenda::notice;

namespace {

const QColor kNavy(0x00, 0x00, 0x80);

} // namespace

AlarmCenter::AlarmCenter(TMainForm &form) : QObject(&form), m_form(form)
{
    m_form.Panel_MEssaggio->installEventFilter(this);
    connect(m_form.MSNPopUp_Anticipo, &SlideNotice::clicked, this, &AlarmCenter::noticeClicked);
    // The alarm watches from the moment it is switched on (at start-up too): what
    // passed while it was off does not ring.
    m_clock.restartAt(m_form.m_services.clock.now());
    connect(m_form.m_options->CheckBox_TimeCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_clock.restartAt(m_form.m_services.clock.now());
    });
}

bool AlarmCenter::lockConfigured() const
{
    return m_form.m_settings.lockConfigured();
}

void AlarmCenter::showNotice(const NoticeContent &content)
{
    m_form.MSNPopUp_Anticipo->showNotice(content);
}

// ---------------------------------------------------------------- alarm clock

void AlarmCenter::TimerContolloOrarioTimer()
{
    if (!m_form.m_databaseReady)
        return;
    const QDateTime now = m_form.m_services.clock.now();
    // Copies: ringing changes the page, and a page may read the alarm list again.
    std::vector<Appointment> ringing;
    const auto collect = [&] {
        for (const Appointment *a : m_clock.dueIn(m_form.m_alarmList, m_form.m_alarmListDate, now))
            ringing.push_back(*a);
    };
    collect();
    // Past midnight (or waking up on another day) before the clock's day change has read
    // today's list: what is left of the old day rang above, today's so far rings now.
    if (m_form.m_alarmListDate != now.date()) {
        m_form.refreshAlarmList();
        collect();
    }
    m_clock.advanceTo(now);
    for (const Appointment &a : ringing)
        ring(a);
}

void AlarmCenter::ring(const Appointment &a)
{
    const OptionsPage &options = *m_form.m_options;
    if (options.CheckBox_Soundon->isChecked())
        playAlarmSound();
    m_form.PageControlMenu->setCurrentWidget(m_form.TabSheetTODAY);
    if (options.CheckBox_Visivo->isChecked())
        m_form.Open1->trigger();

    m_line1 = notice::messageLine1();
    m_line2 = notice::messageLine2(a.id);
    m_blinking = true;
    const AppointmentKind kind = a.kind().value_or(AppointmentKind::OneShot);
    const int page = agenda::pickByKind(kind, 0, 1, 2, 3);
    setPanel(m_line1, colour::toQColor(m_form.sectionColours().at(size_t(page))), m_form.tabFontColour(),
        Qt::PointingHandCursor);

    if (m_form.m_hiddenInTray) {
        m_form.startTrayCycling();
        if (!lockConfigured())
            showNotice(notice::alarmNotice(a, m_line2));
    } else {
        m_form.TimerAppari->start();
    }
}

void AlarmCenter::playAlarmSound()
{
    notice::playAlarmSound(
        m_form.m_services.sound, m_form.m_options->alarmSound(), m_form.m_services.programFolder);
}

// ---------------------------------------------------------------- message panel

void AlarmCenter::setPanel(
    const QString &caption, const QColor &background, const QColor &text, Qt::CursorShape cursor)
{
    QLabel *panel = m_form.Panel_MEssaggio;
    panel->setText(caption);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    panel->setCursor(cursor);
}

void AlarmCenter::blinkTick()
{
    if (m_blinking)
        m_form.Panel_MEssaggio->setText(m_form.Panel_MEssaggio->text() == m_line1 ? m_line2 : m_line1);
}

void AlarmCenter::stopBlinking()
{
    if (!m_blinking)
        return;
    m_blinking = false;
    setPanel(QString(), m_form.palette().color(QPalette::Button), kNavy, Qt::ArrowCursor);
}

void AlarmCenter::noticeClicked()
{
    m_form.stopTrayCycling();
    stopBlinking();
}

bool AlarmCenter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form.Panel_MEssaggio && event->type() == QEvent::MouseButtonRelease)
        stopBlinking();
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------- start-up check

void AlarmCenter::startupCheck()
{
    const OptionsPage &options = *m_form.m_options;
    if (options.CheckBoxFuturo->isChecked()
        && (options.CheckBox_Minimized->isChecked() || !m_form.m_advanceNoticePending))
        automaticAdvanceNoticeCheck();
    const QString first = m_form.m_services.arguments.value(0).toUpper();
    if ((first == QLatin1String("CONTROLLO") || first == QLatin1String("CONTROL"))
        && m_form.dayAgenda().empty()) {
        m_form.terminate();
        return;
    }
    if (agenda::startupCheckHasRows(m_form.m_db, m_form.m_services.clock.today(), m_form.m_services.regional))
        todaysReminder();
}

void AlarmCenter::todaysReminder()
{
    const OptionsPage &options = *m_form.m_options;
    m_form.startTrayCycling();
    // The summary stands in for the window: not when the window comes up by itself.
    if (!lockConfigured() && !options.CheckBox_Visivo->isChecked() && !m_form.dayAgenda().empty()
        && options.CheckBox_Minimized->isChecked())
        showNotice(notice::dailySummary(
            m_form.dayAgenda(), m_form.m_services.clock.today(), m_form.m_services.regional));
    if (options.CheckBox_Soundon->isChecked())
        playAlarmSound();
    if (options.CheckBox_Visivo->isChecked())
        m_form.Open1->trigger();
}

// ---------------------------------------------------------------- advance notice

void AlarmCenter::automaticAdvanceNoticeCheck()
{
    m_form.m_hold = true;
    advanceNoticeCheck();
    m_form.m_advanceNoticePending = false;
}

void AlarmCenter::advanceNoticeCheck()
{
    m_form.MSNPopUp_Anticipo->closeAll();
    const int days = std::clamp(m_form.m_options->SpinEditFuturo->value(), 1, 366);
    const QDate today = m_form.m_services.clock.today();
    const Regional &regional = m_form.m_services.regional;
    bool found = false;
    try {
        for (int k = days; k >= 1; --k) {
            const QDate day = today.addDays(k);
            const std::vector<Appointment> rows
                = agenda::readAgenda(m_form.m_db, agenda::Variant::AdvanceNotice, day, regional);
            if (rows.empty())
                continue;
            found = true;
            const NoticeContent dayNotice = notice::advanceNotice(k, day, rows, regional);
            if (m_form.m_hold && lockConfigured()) {
                // The days wait for the password: unlocking runs the check again.
                if (m_form.m_locked) {
                    showNotice(notice::lockedAdvanceNotice(dayNotice.height));
                    m_form.m_advanceNoticeDeferred = true;
                }
                break;
            }
            showNotice(dayNotice);
        }
    } catch (const StoreError &e) {
        m_form.m_hold = false;
        m_form.m_services.prompter.errorReport(e.text());
        return;
    }
    if (!found && m_form.PageControlMenu->currentWidget() == m_form.TabSheetSetup)
        showNotice(notice::nothingAhead(days));
    m_form.m_hold = false;
}

void AlarmCenter::unlocked()
{
    if (!m_form.m_advanceNoticeDeferred)
        return;
    m_form.m_advanceNoticeDeferred = false;
    advanceNoticeCheck();
}

} // namespace vellamora
