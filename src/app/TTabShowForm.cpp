#include "app/TTabShowForm.h"

#include "app/NamedControl.h"
#include "app/Settings.h"
#include "app/SettingsStore.h"
#include "platform/Prompter.h"
#include "store/Database.h"

#include <QtGui/QKeyEvent>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora {

TTabShowForm::TTabShowForm(const Services &services, Database &db, const SettingsRow &settings,
    const QColor &colour, int scale, QWidget *parent)
    : ScaledDialog(scale, parent, Qt::Dialog | Qt::FramelessWindowHint), m_services(services), m_db(db)
{
    setObjectName(QStringLiteral("TabShowForm"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::Window, colour);
    setPalette(framePalette);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);

    addTitlePanel(*outer, QStringLiteral("Schede visibili"), PanelTitle, LabelTitle);

    NAMED(PanelChecks, QFrame, this);
    PanelChecks->setAutoFillBackground(true);
    PanelChecks->setBackgroundRole(QPalette::Base);
    auto *grid = new QGridLayout(PanelChecks);
    struct Box
    {
        QCheckBox *TTabShowForm::*member;
        const char *name;
        const char *caption;
    };
    static const Box list[] = {
        { &TTabShowForm::CheckBox_giornalieri, "CheckBox_giornalieri", "Giornalieri" },
        { &TTabShowForm::CheckBox_annuali, "CheckBox_annuali", "Annuali" },
        { &TTabShowForm::CheckBox_mensili, "CheckBox_mensili", "Mensili" },
        { &TTabShowForm::CheckBox_settimanali, "CheckBox_settimanali", "Settimanali" },
        { &TTabShowForm::CheckBox_impegni, "CheckBox_impegni", "Impegni" },
        { &TTabShowForm::CheckBox_contatti, "CheckBox_contatti", "Contatti" },
        { &TTabShowForm::CheckBox_note, "CheckBox_note", "Note" },
        { &TTabShowForm::CheckBox_lista, "CheckBox_lista", "Lista" },
    };
    for (int i = 0; i < 8; ++i) {
        QCheckBox *box = namedControl<QCheckBox>(PanelChecks, list[i].name);
        this->*(list[i].member) = box;
        box->setText(QString::fromLatin1(list[i].caption));
        box->setChecked(settings.logical(QString::fromLatin1(settings::tabVisibleColumns()[size_t(i)])));
        grid->addWidget(box, i % 4, i / 4);
    }
    outer->addWidget(PanelChecks, 1);

    NAMED(PanelButtons, QFrame, this);
    PanelButtons->setFrameShape(QFrame::StyledPanel);
    auto *buttons = new QHBoxLayout(PanelButtons);
    NAMED(SpeedButtonSpiegazioneImpegno, QToolButton, PanelButtons);
    SpeedButtonSpiegazioneImpegno->setText(QStringLiteral("?"));
    SpeedButtonSpiegazioneImpegno->setToolTip(QStringLiteral("Suggerimento"));
    buttons->addWidget(SpeedButtonSpiegazioneImpegno);
    buttons->addStretch(1);
    NAMED(SpeedButtonUse, QToolButton, PanelButtons);
    SpeedButtonUse->setText(QStringLiteral("Applica"));
    buttons->addWidget(SpeedButtonUse);
    NAMED(SpeedButton2, QToolButton, PanelButtons);
    SpeedButton2->setText(QStringLiteral("Chiudi"));
    buttons->addWidget(SpeedButton2);
    outer->addWidget(PanelButtons);

    dragByPanels({ PanelTitle, PanelButtons, LabelTitle, PanelChecks });
    connect(SpeedButtonUse, &QToolButton::clicked, this, &TTabShowForm::SpeedButtonUseClick);
    connect(SpeedButton2, &QToolButton::clicked, this, &QDialog::reject);
    connect(SpeedButtonSpiegazioneImpegno, &QToolButton::clicked, this,
        &TTabShowForm::SpeedButtonSpiegazioneImpegnoClick);

    // The designed size; showing scales it by the dialog scale.
    resize(280, 220);
}

std::array<QCheckBox *, 8> TTabShowForm::boxes() const
{
    return { CheckBox_giornalieri, CheckBox_annuali, CheckBox_mensili, CheckBox_settimanali, CheckBox_impegni,
        CheckBox_contatti, CheckBox_note, CheckBox_lista };
}

void TTabShowForm::SpeedButtonUseClick()
{
    std::array<bool, settings::kHideablePages> visible {};
    const auto list = boxes();
    for (size_t i = 0; i < list.size(); ++i)
        visible[i] = list[i]->isChecked();
    try {
        settings::writeTabVisibility(m_db, visible);
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
        return;
    }
    m_services.prompter.plain(
        QStringLiteral("Le modifiche avranno effetto al prossimo avvio del programma."));
    accept();
}

void TTabShowForm::SpeedButtonSpiegazioneImpegnoClick()
{
    m_services.prompter.plain(
        QStringLiteral("In questo modulo puoi scegliere le sezioni visibili del programma."));
}

void TTabShowForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        SpeedButtonUseClick();
        return;
    }
    QDialog::keyPressEvent(event); // Esc closes
}

} // namespace vellamora
