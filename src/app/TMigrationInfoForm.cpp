#include "app/TMigrationInfoForm.h"

#include "app/NamedControl.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"

#include <QtGui/QPainter>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFrame>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora {

namespace {

// A small picture of the migration program: two archive drums and an arrow.
QPixmap migratorPicture()
{
    QPixmap pixmap(120, 72);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    auto drum = [&p](qreal x, const QColor &colour) {
        p.setPen(QPen(QColor(50, 50, 50), 1.5));
        p.setBrush(colour);
        p.drawRect(QRectF(x, 18, 34, 38));
        p.drawEllipse(QRectF(x, 10, 34, 14));
        p.drawEllipse(QRectF(x, 50, 34, 12));
    };
    drum(6, QColor(0xb0, 0xb0, 0xb0));
    drum(80, QColor(0x6c, 0xa6, 0xe0));
    p.setPen(QPen(QColor(0x2f, 0x6f, 0xb5), 4));
    p.drawLine(QPointF(46, 36), QPointF(72, 36));
    p.drawLine(QPointF(64, 28), QPointF(72, 36));
    p.drawLine(QPointF(64, 44), QPointF(72, 36));
    return pixmap;
}

} // namespace

TMigrationInfoForm::TMigrationInfoForm(const Services &services, int scale, QWidget *parent)
    : ScaledDialog(scale, parent, Qt::Dialog | Qt::FramelessWindowHint), m_services(services)
{
    setObjectName(QStringLiteral("MigrationInfoForm"));
    setModal(true);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);

    addTitlePanel(
        *outer, QStringLiteral("Informazioni importanti su questo aggiornamento"), PanelTitle, LabelTitle);

    auto *body = new QHBoxLayout;
    NAMED(MemoInfo, QPlainTextEdit, this);
    MemoInfo->setReadOnly(true);
    MemoInfo->setPlainText(QStringLiteral(
        "Ho trovato gli archivi di una installazione precedente di Vellamora.\n\n"
        "Questa versione usa un nuovo formato e non legge né converte da sola i vecchi archivi.\n\n"
        "Per portare i tuoi dati nel nuovo formato scarica dal sito di Vellamora il piccolo programma "
        "Vellamora Migrator: trasformerà i vecchi archivi in quelli nuovi.\n\n"
        "Buona migrazione!"));
    body->addWidget(MemoInfo, 1);
    NAMED(ImageMigrator, QLabel, this);
    ImageMigrator->setPixmap(migratorPicture());
    ImageMigrator->setAlignment(Qt::AlignTop);
    body->addWidget(ImageMigrator);
    outer->addLayout(body, 1);

    NAMED(PanelButtons, QFrame, this);
    PanelButtons->setFrameShape(QFrame::StyledPanel);
    auto *buttons = new QHBoxLayout(PanelButtons);
    NAMED(SpeedButton1, QToolButton, PanelButtons);
    SpeedButton1->setText(QStringLiteral("Scarica Vellamora Migrator"));
    buttons->addWidget(SpeedButton1);
    NAMED(CheckBoxStopInfo, QCheckBox, PanelButtons);
    CheckBoxStopInfo->setText(QStringLiteral("Non mostrare più"));
    buttons->addWidget(CheckBoxStopInfo, 1);
    NAMED(SpeedButton3, QToolButton, PanelButtons);
    SpeedButton3->setText(QStringLiteral("Chiudi"));
    buttons->addWidget(SpeedButton3);
    outer->addWidget(PanelButtons);

    dragByPanels({ PanelTitle, PanelButtons, LabelTitle });
    connect(SpeedButton1, &QToolButton::clicked, this, &TMigrationInfoForm::SpeedButton1Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TMigrationInfoForm::SpeedButton3Click);
    resize(520, 300);
}

void TMigrationInfoForm::SpeedButton1Click()
{
    if (m_services.prompter.question(QStringLiteral("Vuoi visitare il sito di Vellamora?")))
        m_services.shell.open(QString::fromLatin1(kMigratorPage));
}

void TMigrationInfoForm::SpeedButton3Click()
{
    m_chiudi = true;
    accept();
}

} // namespace vellamora
