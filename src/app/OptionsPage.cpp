#include "app/OptionsPage.h"

#include "agenda/Notices.h"
#include "app/DatePicture.h"
#include "app/NamedControl.h"
#include "app/Settings.h"
#include "app/SettingsStore.h"
#include "app/ShellRules.h"
#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "store/Database.h"

#include <QtCore/QDir>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QSpinBox>
#include <QtWidgets/QStackedLayout>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora {

namespace {

const QString kHelpPage = QStringLiteral("https://vellamora.org/aiuto");
const QString kAlarmsPage = QStringLiteral("https://vellamora.org/allarmi");
const QString kCloseSpecial = QStringLiteral("Chiudi menu speciale");

QToolButton *button(
    QToolButton *&member, const char *name, QWidget *parent, const QString &text, const QString &hint)
{
    member = namedControl<QToolButton>(parent, name);
    member->setText(text);
    member->setToolTip(hint);
    member->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return member;
}

QCheckBox *checkBox(QCheckBox *&member, const char *name, QWidget *parent, const QString &text)
{
    member = namedControl<QCheckBox>(parent, name);
    member->setText(text);
    return member;
}

} // namespace

OptionsPage::OptionsPage(
    const Services &services, Database &db, const SettingsRow &settings, OptionsHost &host, QWidget *parent)
    : QWidget(parent), m_services(services), m_db(db), m_settings(settings), m_host(host)
{
    setObjectName(QStringLiteral("TabSheetSetup"));
    m_stack = new QStackedLayout(this);
    m_options = buildOptions();
    m_stack->addWidget(m_options);
    m_stack->addWidget(buildSpecialPanel());
    // The section colour panels: the theme editor offers them, the page itself never shows them.
    m_colourSheet = new ColourSheet(services, host, this);
    m_stack->addWidget(m_colourSheet);
    connectHandlers();
    refreshPasswordControls();
    enableSoundControls();
}

// ---------------------------------------------------------------- layout

QWidget *OptionsPage::buildOptions()
{
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(6);

    // Start-up and alarm.
    auto *start = new QGroupBox(QStringLiteral("Avvio"), page);
    auto *startBox = new QVBoxLayout(start);
    startBox->addWidget(
        checkBox(CheckBox_Autostart, "CheckBox_Autostart", start, QStringLiteral("Avvio automatico")));
    startBox->addWidget(
        checkBox(CheckBox_Minimized, "CheckBox_Minimized", start, QStringLiteral("Avvio minimizzato")));
    grid->addWidget(start, 0, 0);

    auto *alarm = new QGroupBox(QStringLiteral("Allarme"), page);
    auto *alarmBox = new QVBoxLayout(alarm);
    auto *kinds = new QHBoxLayout;
    kinds->addWidget(checkBox(CheckBox_Soundon, "CheckBox_Soundon", alarm, QStringLiteral("Allarme sonoro")));
    kinds->addWidget(checkBox(CheckBox_Visivo, "CheckBox_Visivo", alarm, QStringLiteral("Mostra organizer")));
    alarmBox->addLayout(kinds);
    auto *sounds = new QHBoxLayout;
    sounds->addWidget(button(SpeedButtonSound, "SpeedButtonSound", alarm, QStringLiteral("Cambia"),
        QStringLiteral("Serve ad indicami il file wav da eseguire come allarme")));
    sounds->addWidget(button(SpeedButtonWinSound, "SpeedButtonWinSound", alarm,
        QStringLiteral("Suono Windows"), QStringLiteral("Suono Windows")));
    sounds->addWidget(button(SpeedButtonCambiaSuono, "SpeedButtonCambiaSuono", alarm,
        QStringLiteral("Prova suono"), QStringLiteral("Prova suono")));
    sounds->addStretch(1);
    alarmBox->addLayout(sounds);
    NAMED(Label_SoundName, QLabel, alarm);
    Label_SoundName->setFrameShape(QFrame::StyledPanel);
    Label_SoundName->setText(shell::mailBeep());
    alarmBox->addWidget(Label_SoundName);
    auto *timed = new QHBoxLayout;
    NAMED(CheckBox_TimeCheck, QCheckBox, alarm);
    CheckBox_TimeCheck->setToolTip(QStringLiteral("Ti avvertirò all'ora dell'impegno"));
    NAMED(Label_TimeCheck, QLabel, alarm);
    Label_TimeCheck->setText(QStringLiteral("Allarme a tempo"));
    Label_TimeCheck->setBuddy(CheckBox_TimeCheck);
    timed->addWidget(CheckBox_TimeCheck);
    timed->addWidget(Label_TimeCheck, 1);
    alarmBox->addLayout(timed);
    grid->addWidget(alarm, 1, 0);

    // Date formats with an example of today.
    auto *dates = new QGroupBox(QStringLiteral("Formato date"), page);
    auto *datesBox = new QVBoxLayout(dates);
    NAMED(ComboBox_FormatoDataShot, QComboBox, dates);
    ComboBox_FormatoDataShot->addItems(settings::shotDateFormats());
    NAMED(Label_esempio_Full, QLabel, dates);
    NAMED(ComboBox_FormatoDataYear, QComboBox, dates);
    ComboBox_FormatoDataYear->addItems(settings::yearDateFormats());
    NAMED(Label_esempio_short, QLabel, dates);
    datesBox->addWidget(new QLabel(QStringLiteral("Giornalieri"), dates));
    datesBox->addWidget(ComboBox_FormatoDataShot);
    datesBox->addWidget(Label_esempio_Full);
    datesBox->addWidget(new QLabel(QStringLiteral("Annuali"), dates));
    datesBox->addWidget(ComboBox_FormatoDataYear);
    datesBox->addWidget(Label_esempio_short);
    grid->addWidget(dates, 0, 1, 2, 1);

    // Window commands.
    auto *window = new QGroupBox(QStringLiteral("Finestra"), page);
    auto *windowBox = new QGridLayout(window);
    windowBox->addWidget(
        button(SpeedButtonDimConsigliate, "SpeedButtonDimConsigliate", window, QStringLiteral("Default"),
            QStringLiteral("Riduce la mia interfaccia alle dimensioni consigliate")),
        0, 0);
    windowBox->addWidget(button(SpeedButtonFix, "SpeedButtonFix", window, QStringLiteral("Fissa W x H"),
                             QStringLiteral("Fissa le dimensioni correnti della mia finestra come dimensioni "
                                            "di default")),
        0, 1);
    windowBox->addWidget(
        button(SpeedButton_TabShow, "SpeedButton_TabShow", window, QStringLiteral("Schede visibili"),
            QStringLiteral("Permette di scegliere le sezioni visibili del programma")),
        1, 0);
    windowBox->addWidget(button(SpeedButton4, "SpeedButton4", window, QStringLiteral("Link sul Desktop"),
                             QStringLiteral("Crea un collegamento ad Vellamora sul Desktop")),
        1, 1);
    for (QToolButton *b : { SpeedButtonDimConsigliate, SpeedButtonFix, SpeedButton_TabShow, SpeedButton4 })
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid->addWidget(window, 2, 0);

    // Help and the special options.
    auto *help = new QGroupBox(QStringLiteral("Aiuto"), page);
    auto *helpBox = new QHBoxLayout(help);
    helpBox->addWidget(button(SpeedButtonHintOpzioni, "SpeedButtonHintOpzioni", help, QStringLiteral("?"),
        QStringLiteral("Suggerimento")));
    helpBox->addWidget(button(SpeedButton_Manual, "SpeedButton_Manual", help, QStringLiteral("Manuale"),
        QStringLiteral("Manuale di Vellamora")));
    SpeedButton_Manual->hide();
    helpBox->addWidget(button(SpeedButtonHelpOnLine, "SpeedButtonHelpOnLine", help,
        QStringLiteral("Aiuto in linea"), QStringLiteral("Collegamento all'aiuto in linea")));
    helpBox->addWidget(button(SpeedButton5, "SpeedButton5", help, QStringLiteral("Allarmi"),
        QStringLiteral("Scarica le collezioni di allarmi dal sito di Vellamora")));
    helpBox->addStretch(1);
    helpBox->addWidget(button(SpeedButton_VaiSpeciale, "SpeedButton_VaiSpeciale", help,
        QStringLiteral("Apri menu speciale"), QStringLiteral("Permette l'accesso al menu speciale")));
    grid->addWidget(help, 2, 1);

    // Where the archives are.
    auto *archives = new QGroupBox(QStringLiteral("Archivi"), page);
    auto *archivesBox = new QVBoxLayout(archives);
    archivesBox->addWidget(new QLabel(QStringLiteral("Posizione archivi"), archives));
    NAMED(ScrollBox1, QScrollArea, archives);
    NAMED(Label_Archives_Folder, QLabel, ScrollBox1);
    Label_Archives_Folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label_Archives_Folder->setToolTip(QStringLiteral("Doppio clic per aprire la cartella"));
    ScrollBox1->setWidget(Label_Archives_Folder);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setFixedHeight(40);
    archivesBox->addWidget(ScrollBox1);
    grid->addWidget(archives, 3, 0, 1, 2);

    // The theme in use.
    auto *themeBox = new QGroupBox(QStringLiteral("Tema"), page);
    auto *themeRow = new QHBoxLayout(themeBox);
    NAMED(Label_NomeTema, QLabel, themeBox);
    themeRow->addWidget(Label_NomeTema, 1);
    grid->addWidget(themeBox, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

QFrame *OptionsPage::buildSpecialPanel()
{
    NAMED(Panel_special, QFrame, this);
    Panel_special->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(Panel_special);
    grid->setContentsMargins(6, 6, 6, 6);

    auto *password = new QGroupBox(QStringLiteral("Password"), Panel_special);
    auto *passwordBox = new QGridLayout(password);
    NAMED(Edit_ImpostaPSW, QLineEdit, password);
    Edit_ImpostaPSW->setMaxLength(settings::kPasswordLength);
    Edit_ImpostaPSW->setEchoMode(QLineEdit::Password);
    passwordBox->addWidget(Edit_ImpostaPSW, 0, 0, 1, 2);
    passwordBox->addWidget(button(SpeedButtonClearPSW, "SpeedButtonClearPSW", password,
                               QStringLiteral("Cancella"), QStringLiteral("Nessuna password")),
        0, 2);
    passwordBox->addWidget(checkBox(CheckBox_impostaPSW, "CheckBox_impostaPSW", password,
                               QStringLiteral("Maschera i caratteri")),
        1, 0);
    CheckBox_impostaPSW->setChecked(true);
    passwordBox->addWidget(
        checkBox(CheckBox_Blocco, "CheckBox_Blocco", password, QStringLiteral("Blocca all'avvio")), 1, 1);
    passwordBox->addWidget(button(SpeedButton_PSW, "SpeedButton_PSW", password, QStringLiteral("Blocca"),
                               QStringLiteral("Mi metto subito in modalità di attesa password")),
        1, 2);
    passwordBox->addWidget(
        checkBox(CheckBox_SolaLettura, "CheckBox_SolaLettura", password, QStringLiteral("Lettura")), 2, 0);
    grid->addWidget(password, 0, 0, 1, 2);

    auto *startPage = new QGroupBox(QStringLiteral("Sezione all'avvio"), Panel_special);
    auto *startBox = new QVBoxLayout(startPage);
    NAMED(ComboBox_Startab, QComboBox, startPage);
    ComboBox_Startab->addItems(settings::startPages());
    ComboBox_Startab->setToolTip(
        QStringLiteral("Cambia la sezione attiva di default (quando non ci sono impegni)"));
    startBox->addWidget(ComboBox_Startab);
    grid->addWidget(startPage, 1, 0);

    auto *notice = new QGroupBox(QStringLiteral("Impegni importanti"), Panel_special);
    auto *noticeBox = new QGridLayout(notice);
    noticeBox->addWidget(
        checkBox(CheckBoxFuturo, "CheckBoxFuturo", notice, QStringLiteral("Notifica impegni importanti")), 0,
        0, 1, 2);
    NAMED(SpinEditFuturo, QSpinBox, notice);
    // Typing is not limited to the maximum: a larger value is set back to it when it arrives.
    SpinEditFuturo->setRange(1, 9999);
    SpinEditFuturo->setSuffix(QStringLiteral(" giorni"));
    noticeBox->addWidget(SpinEditFuturo, 1, 0);
    noticeBox->addWidget(button(SpeedButtonAnticipo, "SpeedButtonAnticipo", notice,
                             QStringLiteral("Controlla impegni importanti"),
                             QStringLiteral("Controlla adesso la presenza di impegni importanti")),
        1, 1);
    grid->addWidget(notice, 1, 1);

    auto *other = new QGroupBox(QStringLiteral("Varie"), Panel_special);
    auto *otherBox = new QHBoxLayout(other);
    otherBox->addWidget(checkBox(CheckBoxAmPm, "CheckBoxAmPm", other, QStringLiteral("Orologio Am/Pm")));
    otherBox->addWidget(
        checkBox(CheckBoxHideTips, "CheckBoxHideTips", other, QStringLiteral("No suggerimenti")));
    otherBox->addStretch(1);
    otherBox->addWidget(new QLabel(QStringLiteral("Stira finestre"), other));
    NAMED(ComboBoxScala, QComboBox, other);
    ComboBoxScala->addItems(settings::scales());
    otherBox->addWidget(ComboBoxScala);
    otherBox->addWidget(new QLabel(QStringLiteral("%"), other));
    grid->addWidget(other, 2, 0, 1, 2);

    grid->setRowStretch(3, 1);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(button(SpeedButtonCloseSpecial, "SpeedButtonCloseSpecial", Panel_special,
        kCloseSpecial, QStringLiteral("Esce dal menu speciale")));
    grid->addLayout(closeRow, 4, 0, 1, 2);
    return Panel_special;
}

void OptionsPage::connectHandlers()
{
    auto generalWrite = [this] { writeAndReload(); };
    connect(CheckBox_Autostart, &QCheckBox::clicked, this, &OptionsPage::CheckBox_AutostartClick);
    connect(CheckBox_Minimized, &QCheckBox::clicked, this, generalWrite);
    connect(CheckBox_Soundon, &QCheckBox::clicked, this, &OptionsPage::CheckBox_SoundonClick);
    connect(CheckBox_Visivo, &QCheckBox::clicked, this, generalWrite);
    connect(CheckBox_TimeCheck, &QCheckBox::clicked, this, generalWrite);
    connect(SpeedButtonSound, &QToolButton::clicked, this, &OptionsPage::SpeedButtonSoundClick);
    connect(SpeedButtonWinSound, &QToolButton::clicked, this, &OptionsPage::SpeedButtonWinSoundClick);
    connect(SpeedButtonCambiaSuono, &QToolButton::clicked, this, &OptionsPage::SpeedButtonCambiaSuonoClick);
    connect(
        ComboBox_FormatoDataShot, &QComboBox::activated, this, &OptionsPage::ComboBox_FormatoDataShotChange);
    connect(
        ComboBox_FormatoDataYear, &QComboBox::activated, this, &OptionsPage::ComboBox_FormatoDataYearChange);
    connect(ComboBox_Startab, &QComboBox::activated, this, [this] { guarded([this] { writeGeneral(); }); });
    CheckBox_Blocco->installEventFilter(this);
    Label_Archives_Folder->installEventFilter(this);

    connect(SpeedButton_VaiSpeciale, &QToolButton::clicked, this,
        [this] { m_stack->setCurrentWidget(Panel_special); });
    connect(SpeedButtonCloseSpecial, &QToolButton::clicked, this, &OptionsPage::SpeedButtonCloseSpecialClick);
    connect(Edit_ImpostaPSW, &QLineEdit::textChanged, this, &OptionsPage::Edit_ImpostaPSWChange);
    connect(CheckBox_impostaPSW, &QCheckBox::toggled, this,
        [this](bool mask) { Edit_ImpostaPSW->setEchoMode(mask ? QLineEdit::Password : QLineEdit::Normal); });
    connect(SpeedButtonClearPSW, &QToolButton::clicked, Edit_ImpostaPSW, &QLineEdit::clear);
    connect(SpeedButton_PSW, &QToolButton::clicked, this, [this] { m_host.lockNow(); });

    connect(CheckBoxFuturo, &QCheckBox::clicked, this, &OptionsPage::CheckBoxFuturoClick);
    connect(SpinEditFuturo, &QSpinBox::valueChanged, this, &OptionsPage::SpinEditFuturoChange);
    connect(ComboBoxScala, &QComboBox::activated, this, &OptionsPage::ComboBoxScalaCloseUp);
    connect(CheckBoxAmPm, &QCheckBox::clicked, this, &OptionsPage::CheckBoxAmPmClick);
    connect(CheckBoxHideTips, &QCheckBox::clicked, this, &OptionsPage::CheckBoxHideTipsClick);
    connect(CheckBox_SolaLettura, &QCheckBox::clicked, this, &OptionsPage::CheckBox_SolaLetturaClick);

    connect(SpeedButtonHintOpzioni, &QToolButton::clicked, this, &OptionsPage::SpeedButtonHintOpzioniClick);
    connect(SpeedButton_Manual, &QToolButton::clicked, this, &OptionsPage::SpeedButton_ManualClick);
    connect(SpeedButtonHelpOnLine, &QToolButton::clicked, this, [this] { openMakerPage(kHelpPage); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { openMakerPage(kAlarmsPage); });
    connect(SpeedButton4, &QToolButton::clicked, this, &OptionsPage::SpeedButton4Click);
    connect(
        SpeedButtonDimConsigliate, &QToolButton::clicked, this, [this] { m_host.defaultSizeRequested(); });
    connect(SpeedButtonFix, &QToolButton::clicked, this, [this] { m_host.rememberSizeRequested(); });
    connect(SpeedButton_TabShow, &QToolButton::clicked, this, [this] { m_host.tabVisibilityRequested(); });
    connect(m_colourSheet, &ColourSheet::colourActionDone, CheckBox_Autostart,
        [this] { CheckBox_Autostart->setFocus(); });
}

bool OptionsPage::eventFilter(QObject *watched, QEvent *event)
{
    // The start lock is stored when a key is released on it; a click alone waits for the next write.
    if (watched == CheckBox_Blocco && event->type() == QEvent::KeyRelease)
        guarded([this] { writeGeneral(); });
    if (watched == Label_Archives_Folder && event->type() == QEvent::MouseButtonDblClick)
        m_services.shell.open(Label_Archives_Folder->text());
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- loading

void OptionsPage::applyLoadedSettings()
{
    const QSignalBlocker blockEdit(Edit_ImpostaPSW);
    m_password = m_settings.text(QStringLiteral("psw"));
    Edit_ImpostaPSW->setText(m_password);
    refreshPasswordControls();
    CheckBox_Blocco->setChecked(m_settings.yes(QStringLiteral("blocco")));

    m_shotFormat = m_settings.text(QStringLiteral("datashot"));
    m_yearFormat = m_settings.text(QStringLiteral("datayear"));
    ComboBox_FormatoDataShot->setCurrentIndex(m_settings.integer(QStringLiteral("DataShotIndex"), -1));
    ComboBox_FormatoDataYear->setCurrentIndex(m_settings.integer(QStringLiteral("DataYearIndex"), -1));
    showDateExamples();

    // The box mirrors the autostart entry, whatever the column says.
    CheckBox_Autostart->setChecked(shell::autostartEntryExists(m_services.shell));
    m_waveSound = m_settings.text(QStringLiteral("wavesound"));
    CheckBox_Minimized->setChecked(m_settings.yes(QStringLiteral("minimized")));
    if (const auto flags = settings::soundFlags(m_settings.text(QStringLiteral("soundon")))) {
        CheckBox_Soundon->setChecked(flags->sound);
        CheckBox_Visivo->setChecked(flags->visual);
    }
    CheckBox_TimeCheck->setChecked(m_settings.yes(QStringLiteral("timecheck")));
    enableSoundControls();
}

void OptionsPage::applyStartSettings()
{
    const QSignalBlocker blockSpin(SpinEditFuturo);
    CheckBoxFuturo->setChecked(m_settings.logical(QStringLiteral("futuro_flag")));
    SpinEditFuturo->setEnabled(CheckBoxFuturo->isChecked());
    SpeedButtonAnticipo->setEnabled(CheckBoxFuturo->isChecked());
    SpinEditFuturo->setValue(
        std::min(m_settings.integer(QStringLiteral("futuro_days"), 5), settings::kMaxAdvanceDays));

    ComboBoxScala->setCurrentIndex(m_settings.integer(QStringLiteral("scala_index"), 0));
    m_scale = settings::dialogScale(ComboBoxScala->currentIndex());
    CheckBoxAmPm->setChecked(m_settings.logical(QStringLiteral("ampm")));
    CheckBoxHideTips->setChecked(m_settings.logical(QStringLiteral("hidetips")));
    CheckBox_SolaLettura->setChecked(m_settings.logical(QStringLiteral("solalettura")));
    refreshSoundLabel();
}

void OptionsPage::selectStartPage(int index)
{
    ComboBox_Startab->setCurrentIndex(index < ComboBox_Startab->count() ? index : -1);
}

void OptionsPage::showDateExamples()
{
    const QDate today = m_services.clock.today();
    Label_esempio_Full->setText(formatDatePicture(today, m_shotFormat, m_services.regional));
    Label_esempio_short->setText(formatDatePicture(today, m_yearFormat, m_services.regional));
}

void OptionsPage::enableSoundControls()
{
    const bool on = CheckBox_Soundon->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *> {
             SpeedButtonSound, SpeedButtonCambiaSuono, SpeedButtonWinSound, Label_SoundName })
        w->setEnabled(on);
}

void OptionsPage::refreshSoundLabel()
{
    const shell::SoundLabel label = shell::soundLabel(m_waveSound);
    Label_SoundName->setText(label.text);
    Label_SoundName->setToolTip(label.hint);
    QPalette palette = Label_SoundName->palette();
    palette.setColor(
        QPalette::WindowText, label.fallback ? QColor(Qt::red) : this->palette().color(QPalette::WindowText));
    Label_SoundName->setPalette(palette);
}

// ---------------------------------------------------------------- writing

bool OptionsPage::guarded(const std::function<void()> &write)
{
    try {
        write();
        return true;
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
        return false;
    }
}

void OptionsPage::writeGeneral()
{
    settings::General g;
    g.autostart = CheckBox_Autostart->isChecked();
    g.minimized = CheckBox_Minimized->isChecked();
    g.soundCode = settings::soundCode(CheckBox_Soundon->isChecked(), CheckBox_Visivo->isChecked());
    g.waveSound = m_waveSound;
    // The note editor and the side calendar keep what is stored until their pages write them.
    g.breakline = m_settings.yes(QStringLiteral("breakline"));
    g.formatbar = m_settings.yes(QStringLiteral("formatbar"));
    g.showcale = m_settings.yes(QStringLiteral("showcale"));
    g.timecheck = CheckBox_TimeCheck->isChecked();
    g.dataShot = ComboBox_FormatoDataShot->currentText();
    g.dataYear = ComboBox_FormatoDataYear->currentText();
    g.dataShotIndex = ComboBox_FormatoDataShot->currentIndex();
    g.dataYearIndex = ComboBox_FormatoDataYear->currentIndex();
    g.password = m_password;
    g.blocco = CheckBox_Blocco->isChecked();
    g.startPage = ComboBox_Startab->currentIndex();
    settings::writeGeneral(m_db, g);
}

void OptionsPage::writeAndReload()
{
    if (guarded([this] { writeGeneral(); }))
        m_host.reloadSettings();
}

void OptionsPage::CheckBox_AutostartClick()
{
    if (!guarded([this] { writeGeneral(); }))
        return;
    if (CheckBox_Autostart->isChecked())
        shell::createAutostartEntry(m_services.shell, m_services.programFile());
    else
        shell::removeAutostartEntry(m_services.shell);
    m_host.reloadSettings();
}

void OptionsPage::CheckBox_SoundonClick()
{
    enableSoundControls();
    writeAndReload();
}

void OptionsPage::SpeedButtonSoundClick()
{
    const QString folder
        = shell::soundDialogFolder(m_services.programFolder, m_services.shell.desktopFolder(), m_waveSound);
    const auto chosen = m_services.files.openFile(
        QStringLiteral("Apri allarme"), folder, QStringLiteral("File audio (*.wav)"));
    if (!chosen || chosen->isEmpty())
        return;
    m_waveSound = *chosen;
    writeAndReload();
    refreshSoundLabel();
}

void OptionsPage::SpeedButtonWinSoundClick()
{
    if (!m_services.prompter.question(
            QStringLiteral("Vuoi impostare come allarme lo stesso suono di sistema per la posta in arrivo?")))
        return;
    m_waveSound = shell::mailBeep();
    writeAndReload();
    refreshSoundLabel();
}

void OptionsPage::SpeedButtonCambiaSuonoClick()
{
    refreshSoundLabel();
    agenda::notice::playAlarmSound(
        m_services.sound, m_waveSound, m_services.programFolder, agenda::notice::AlarmsFolder::Skipped);
}

void OptionsPage::ComboBox_FormatoDataShotChange()
{
    writeAndReload();
    m_host.dateFormatChanged(QLatin1Char('O'));
}

void OptionsPage::ComboBox_FormatoDataYearChange()
{
    writeAndReload();
    m_host.dateFormatChanged(QLatin1Char('Y'));
}

// ---------------------------------------------------------------- password and special panel

void OptionsPage::refreshPasswordControls()
{
    const bool typed = !Edit_ImpostaPSW->text().isEmpty();
    SpeedButton_PSW->setEnabled(typed);
    SpeedButtonClearPSW->setEnabled(typed);
    CheckBox_SolaLettura->setEnabled(typed);
    SpeedButtonCloseSpecial->setText(
        typed && Edit_ImpostaPSW->text() != m_password ? QStringLiteral("Conferma PASSWORD") : kCloseSpecial);
}

void OptionsPage::Edit_ImpostaPSWChange()
{
    // Clearing the field stores "no password" at once, without confirmation.
    if (Edit_ImpostaPSW->text().isEmpty()) {
        m_password.clear();
        writeAndReload();
    }
    refreshPasswordControls();
}

bool OptionsPage::specialPanelOpen() const
{
    return m_stack->currentWidget() == Panel_special;
}

void OptionsPage::SpeedButtonCloseSpecialClick()
{
    closeSpecialPanel();
}

void OptionsPage::closeSpecialPanel()
{
    SpeedButtonCloseSpecial->setText(kCloseSpecial);
    const QString typed = Edit_ImpostaPSW->text();
    if (!typed.isEmpty() && typed != m_password) {
        const auto again = m_services.prompter.inputBox(
            QStringLiteral("Conferma password"), QStringLiteral("Ridigita la nuova password"), QString());
        if (again.value_or(QString()) != typed) {
            {
                const QSignalBlocker block(Edit_ImpostaPSW);
                Edit_ImpostaPSW->setText(m_password);
            }
            m_services.prompter.warning(m_password.isEmpty()
                    ? QStringLiteral("Conferma password NON superata!\rNon hai impostato NESSUNA password!")
                    : QStringLiteral(
                        "Conferma password NON superata!\rHo ripristinato la password PRECEDENTE!"));
        } else {
            m_password = typed;
            m_services.prompter.information(QStringLiteral("Nuova password CONFERMATA!"));
        }
        writeAndReload();
    } else if (typed.isEmpty() && !m_password.isEmpty()) {
        m_password.clear();
        writeAndReload();
    }
    refreshPasswordControls();
    m_stack->setCurrentWidget(m_options);
}

// ---------------------------------------------------------------- own-statement options

void OptionsPage::CheckBoxFuturoClick()
{
    const bool on = CheckBoxFuturo->isChecked();
    if (!guarded([&] { settings::writeOwn(m_db, QStringLiteral("futuro_flag"), on); }))
        return;
    SpinEditFuturo->setEnabled(on);
    SpeedButtonAnticipo->setEnabled(on);
    m_host.advanceNoticeChanged();
}

void OptionsPage::SpinEditFuturoChange()
{
    if (SpinEditFuturo->value() > settings::kMaxAdvanceDays) {
        SpinEditFuturo->setValue(settings::kMaxAdvanceDays); // re-enters with the capped value
        return;
    }
    guarded([this] { settings::writeOwn(m_db, QStringLiteral("futuro_days"), SpinEditFuturo->value()); });
}

void OptionsPage::ComboBoxScalaCloseUp()
{
    const int index = ComboBoxScala->currentIndex();
    if (!guarded([&] { settings::writeOwn(m_db, QStringLiteral("scala_index"), index); }))
        return;
    m_scale = settings::dialogScale(index);
    m_host.dialogScaleChanged(m_scale);
}

void OptionsPage::CheckBoxAmPmClick()
{
    const bool on = CheckBoxAmPm->isChecked();
    if (guarded([&] { settings::writeOwn(m_db, QStringLiteral("ampm"), on); }))
        m_host.clockFormatChanged(settings::clockFormat(on));
}

void OptionsPage::CheckBoxHideTipsClick()
{
    const bool hide = CheckBoxHideTips->isChecked();
    m_host.setHintButtonsVisible(!hide);
    if (guarded([&] { settings::writeOwn(m_db, QStringLiteral("hidetips"), hide); }))
        m_host.reloadSettings();
}

void OptionsPage::CheckBox_SolaLetturaClick()
{
    const bool on = CheckBox_SolaLettura->isChecked();
    guarded([&] { settings::writeOwn(m_db, QStringLiteral("solalettura"), on); });
}

// ---------------------------------------------------------------- help and the desktop

void OptionsPage::SpeedButtonHintOpzioniClick()
{
    m_services.prompter.plain(QStringLiteral(
        "In questa sezione puoi personalizzare l'agenda ed eseguire il backup ed il ripristino dei dati."));
}

void OptionsPage::SpeedButton_ManualClick()
{
    if (!m_services.shell.open(m_services.programFolder + QStringLiteral("VM_manuale.chm")))
        m_services.prompter.plain(
            QStringLiteral("Il manuale di Vellamora non è installato.\rPuoi scaricarlo dal sito "
                           "di Vellamora e copiarlo nella cartella del programma."));
}

void OptionsPage::openMakerPage(const QString &address)
{
    if (m_services.prompter.question(QStringLiteral("Vuoi visitare il sito di Vellamora?")))
        m_services.shell.open(address);
}

void OptionsPage::SpeedButton4Click()
{
    if (m_services.prompter.question(QStringLiteral("Vuoi creare un collegamento ad Vellamora sul Desktop?")))
        shell::createDesktopShortcut(m_services.shell, m_services.programFile());
}

void OptionsPage::showWindowSize(const QSize &size, bool maximized)
{
    SpeedButtonFix->setText(shell::fixCaption(size));
    SpeedButtonDimConsigliate->setEnabled(shell::defaultSizeEnabled(maximized, size));
}

QWidget *OptionsPage::entryField() const
{
    return specialPanelOpen() ? static_cast<QWidget *>(Edit_ImpostaPSW) : CheckBox_Autostart;
}

} // namespace vellamora
