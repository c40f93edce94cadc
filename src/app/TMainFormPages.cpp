// The appointment pages of the main window: the four list pages and the agenda page,
// each given what it needs of the window through its host, and the editors' context.
#include "app/TMainForm.h"

#include "agenda/AppointmentEditor.h"
#include "agenda/AppointmentListPage.h"
#include "agenda/TSelectForm.h"
#include "agenda/TodayPage.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "store/StoreError.h"
#include "themes/SectionTabs.h"

#include <QtCore/QTimer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDateEdit>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QVBoxLayout>

namespace vellamora {

void TMainForm::buildListPages()
{
    const std::array<QWidget *, 4> sheets { TabSheetShot, TabSheetYEAR, TabSheetMonth, TabSheetWEEK };
    const AppointmentKind kinds[] = { AppointmentKind::OneShot, AppointmentKind::Yearly,
        AppointmentKind::Monthly, AppointmentKind::Weekly };
    for (int i = 0; i < 4; ++i) {
        agenda::ListPageHost host;
        host.db = &m_db;
        host.regional = &m_services.regional;
        host.prompter = &m_services.prompter;
        host.today = [this] { return m_services.clock.today(); };
        host.datePicture = [this](AppointmentKind kind) {
            const bool yearly = kind == AppointmentKind::Yearly;
            const QString picture
                = m_settings.text(yearly ? QStringLiteral("DataYear") : QStringLiteral("DataShot"));
            if (!picture.isEmpty())
                return picture;
            return yearly ? QStringLiteral("d mmmm") : QStringLiteral("dddd d mmmm yyyy");
        };
        host.countPanel = [this](QChar letter, std::optional<int> rows) { countPanel(letter, rows); };
        host.deletionPhrase = [this] { return deletionPhrase(); };
        host.listOpened = [this] {
            m_listChange.set();
            if (m_listsReady)
                refreshAlarmList();
        };
        host.readOnly = [this] { return m_readOnly; };
        host.pageChanged = [this] { pageChanged(); };
        host.gridStyle = [this] { return m_fonts.gridStyle.value_or(0); };
        host.sectionColour = [this, i] { return sectionColour(i); };
        host.plainRows = [this] { return buttonFacePage(); };
        host.sectionSquare = [this](int section) { return colourSquare(section); };
        host.locked = [this] { return m_locked; };
        host.requestEnlargedNote = [this] { requestEnlargedNote(); };
        // The agenda page is built after the lists: reached when the user acts.
        host.agendaAdd = [this](AppointmentKind kind) { m_todayPage->addOfKind(kind); };
        host.showAttachments
            = [this](const Appointment &a, QWidget *button) { m_todayPage->showAttachmentsOf(a, button); };
        host.openEditor = [this, i](AppointmentKind kind, std::optional<Appointment> row) {
            m_pageColour = sectionColour(i);
            const bool adding = !row;
            agenda::EditorContext context = editorContext(kind);
            m_enlargedNote = false;
            bool saved = false;
            context.saved = [this, i, adding, &saved] {
                saved = true;
                agenda::AppointmentListPage *page = m_listPages[size_t(i)];
                page->refresh();
                if (adding) {
                    page->fitColumns();
                    resizeSteps();
                }
                if (PageControlMenu->currentWidget() == TabSheetTODAY)
                    refreshDayAgenda();
            };
            agenda::AppointmentEditor dialog(kind, std::move(context), std::move(row), this);
            m_services.runModal(dialog);
            return saved;
        };
        auto *layout = new QVBoxLayout(sheets[size_t(i)]);
        layout->setContentsMargins(0, 0, 0, 0);
        m_listPages[size_t(i)] = new agenda::AppointmentListPage(kinds[i], host, sheets[size_t(i)]);
        layout->addWidget(m_listPages[size_t(i)]);
    }
}

void TMainForm::requestEnlargedNote()
{
    // For the modify dialog this action opens, if it opens one: a request that opened
    // nothing (read-only mode) must not reach a later dialog.
    m_enlargedNote = true;
    QTimer::singleShot(0, this, [this] { m_enlargedNote = false; });
}

agenda::EditorContext TMainForm::editorContext(AppointmentKind kind)
{
    const int section = agenda::pickByKind(kind, 0, 1, 2, 3);
    agenda::EditorContext context;
    context.db = &m_db;
    context.regional = &m_services.regional;
    context.prompter = &m_services.prompter;
    context.shownDate = DateTimePickerTODAY->date();
    context.today = m_services.clock.today();
    context.datePicture = m_listPages[size_t(section)]->model().datePicture();
    context.advanceNoticeOn = m_options->CheckBoxFuturo->isChecked();
    context.advanceNoticeDays = m_options->SpinEditFuturo->value();
    context.enlargedNote = m_enlargedNote;
    context.scalePercent = m_options->dialogScale();
    context.sectionColour = sectionColour(section);
    const agenda::GridColours colours = gridColours();
    context.titleText = colours.titleText;
    context.autoDeleteColour = colours.autoDelete;
    context.nagColour = colours.nag;
    context.suspendedColour = colours.suspended;
    if (!m_selectForm)
        m_selectForm = new agenda::TSelectForm(
            m_services.regional, m_services.prompter, m_options->dialogScale(), this);
    context.calendar = m_selectForm;
    context.runModal = m_services.runModal;
    context.files = &m_services.files;
    context.programFolder = m_services.programFolder;
    context.homeFolder = QDir::homePath();
    context.rootFolder = QDir::rootPath();
    return context;
}

void TMainForm::refreshLists()
{
    for (agenda::AppointmentListPage *page : m_listPages)
        page->refresh();
}

void TMainForm::buildTodayPage()
{
    agenda::TodayPageHost host;
    host.db = &m_db;
    host.regional = &m_services.regional;
    host.prompter = &m_services.prompter;
    host.files = &m_services.files;
    host.shell = &m_services.shell;
    host.programFolder = m_services.programFolder;
    host.listChange = &m_listChange;
    host.today = [this] { return m_services.clock.today(); };
    host.advanceNoticeDays
        = [this] { return m_options->CheckBoxFuturo->isChecked() ? m_options->SpinEditFuturo->value() : 0; };
    host.refreshDayAgenda = [this] {
        try {
            if (m_databaseReady)
                refreshDayAgenda();
        } catch (const StoreError &e) {
            m_services.prompter.errorReport(e.text());
        }
    };
    host.listPage = [this](AppointmentKind kind) { return m_listPages.at(size_t(kind)); };
    host.showListPage = [this](AppointmentKind kind) {
        PageControlMenu->setCurrentWidget(m_listPages.at(size_t(kind))->parentWidget());
    };
    host.pageChanged = [this] { pageChanged(); };
    host.resizeSteps = [this] { resizeSteps(); };
    host.refreshAlarmList = [this] { refreshAlarmList(); };
    host.deletionPhrase = [this] { return deletionPhrase(); };
    host.readOnly = [this] { return m_readOnly; };
    // Until the contacts page exists, "Ricerca" only brings its tab to the front.
    host.contactSearch = [this](const QString &) { PageControlMenu->setCurrentWidget(TabSheetCONTACTS); };
    host.advanceNoticeCheck = [this] { SpeedButtonAnticipoClick(); };
    host.requestEnlargedNote = [this] { requestEnlargedNote(); };
    host.kindSquare = [this](AppointmentKind kind) { return colourSquare(int(kind)); };
    host.look = agendaGridLook();
    auto *layout = new QVBoxLayout(TabSheetTODAY);
    layout->setContentsMargins(0, 0, 0, 0);
    m_todayPage = new agenda::TodayPage(std::move(host), TabSheetTODAY);
    layout->addWidget(m_todayPage);
    DateTimePickerTODAY = m_todayPage->DateTimePickerTODAY;
    panel_today = m_todayPage->panel_today;
    Panel_MEssaggio = m_todayPage->Panel_MEssaggio;
}

bool TMainForm::buttonFacePage() const
{
    return m_pageColour == QApplication::palette().color(QPalette::Button);
}

agenda::GridLook TMainForm::agendaGridLook()
{
    agenda::GridLook look;
    look.style = [this] { return m_fonts.gridStyle.value_or(agenda::GridColorate); };
    look.kindColour = [this](AppointmentKind kind) { return sectionColour(int(kind)); };
    look.agendaColour = [this] { return sectionColour(PageControlMenu->indexOf(TabSheetTODAY)); };
    look.squareFrame = [this] { return m_fonts.squareFrame; };
    look.plainRows = [this] { return buttonFacePage(); };
    look.squareBuiltinColours = [this] { return m_fonts.squareBuiltinColours; };
    look.colours = [this] { return gridColours(); };
    return look;
}

agenda::GridColours TMainForm::gridColours() const
{
    return agenda::GridColours { colour::toQColor(m_fonts.gridColour), tabFontColour(),
        colour::toQColor(m_fonts.autoDeleteColour), colour::toQColor(m_fonts.tormentColour),
        colour::toQColor(m_fonts.suspendedColour) };
}

const std::vector<Appointment> &TMainForm::dayAgenda() const
{
    return m_todayPage->model().rows();
}

} // namespace vellamora
