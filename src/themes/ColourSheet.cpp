#include "themes/ColourSheet.h"

#include "app/NamedControl.h"
#include "platform/FileChooser.h"
#include "platform/Prompter.h"
#include "platform/Shell.h"
#include "store/StoreError.h"
#include "themes/ThemeFiles.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

namespace vellamora {

namespace {

const QString kSchemeFilter = QStringLiteral("Lista di colori (*.clr)");

} // namespace

ColourSheet::ColourSheet(const Services &services, ColourSheetHost &host, QWidget *parent)
    : QWidget(parent), m_services(services), m_host(host)
{
    setObjectName(QStringLiteral("ColourSheet"));
    auto *outer = new QVBoxLayout(this);
    auto *box = new QGroupBox(QStringLiteral("Colori"), this);
    auto *grid = new QGridLayout(box);
    grid->setSpacing(4);
    QFrame **members[] = { &Panel_ShotColor, &Panel_YearColor, &Panel_MonthColor, &Panel_WeekColor,
        &Panel_TodayColor, &Panel_ContactColor, &Panel_NotesColor, &Panel_TodoColor, &Panel_UserColor };
    static const char *const names[]
        = { "Panel_ShotColor", "Panel_YearColor", "Panel_MonthColor", "Panel_WeekColor", "Panel_TodayColor",
              "Panel_ContactColor", "Panel_NotesColor", "Panel_TodoColor", "Panel_UserColor" };
    for (int i = 0; i < colour::kSections; ++i) {
        QFrame *panel = *members[i] = namedControl<QFrame>(box, names[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        panel->setAutoFillBackground(true);
        panel->setMinimumSize(110, 30);
        // A flat button lies on the panel: a click anywhere on it chooses the colour.
        auto *flat = new QToolButton(panel);
        flat->setText(QString::fromUtf8(colour::sectionCaptions()[size_t(i)]));
        flat->setAutoRaise(true);
        flat->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        auto *fill = new QHBoxLayout(panel);
        fill->setContentsMargins(2, 2, 2, 2);
        fill->addWidget(flat);
        connect(flat, &QToolButton::clicked, this, [this, i] { panelClick(i); });
        m_panels[size_t(i)] = panel;
        grid->addWidget(panel, i / 3, i % 3);
    }
    outer->addWidget(box);

    auto *buttons = new QHBoxLayout;
    auto button = [this, &buttons](QToolButton *&member, const char *name, const QString &text) {
        member = namedControl<QToolButton>(this, name);
        member->setText(text);
        buttons->addWidget(member);
    };
    button(SpeedButtonRestoreColor, "SpeedButtonRestoreColor", QStringLiteral("Base"));
    button(SpeedButtonSalvaColori, "SpeedButtonSalvaColori", QStringLiteral("Salva"));
    button(SpeedButtonApriColori, "SpeedButtonApriColori", QStringLiteral("Apri"));
    buttons->addStretch(1);
    outer->addLayout(buttons);
    outer->addStretch(1);

    connect(SpeedButtonRestoreColor, &QToolButton::clicked, this, &ColourSheet::SpeedButtonRestoreColorClick);
    connect(SpeedButtonSalvaColori, &QToolButton::clicked, this, &ColourSheet::SpeedButtonSalvaColoriClick);
    connect(SpeedButtonApriColori, &QToolButton::clicked, this, &ColourSheet::SpeedButtonApriColoriClick);
    showColours(m_colours);
}

void ColourSheet::showColours(const colour::SectionColours &colours)
{
    for (int i = 0; i < colour::kSections; ++i)
        setPanelColour(i, colours[size_t(i)]);
}

void ColourSheet::setPanelColour(int index, colour::ColourValue value)
{
    m_colours[size_t(index)] = value;
    QFrame *panel = m_panels[size_t(index)];
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour::toQColor(value));
    panel->setPalette(palette);
}

bool ColourSheet::storeColours()
{
    try {
        m_host.storeSectionColours(m_colours);
        return true;
    } catch (const StoreError &e) {
        m_services.prompter.errorReport(e.text());
        return false;
    }
}

QString ColourSheet::schemeFolder(const QString &otherwise) const
{
    const QString colors = QDir(m_services.programFolder).filePath(QStringLiteral("colors"));
    return QFileInfo(colors).isDir() ? colors : otherwise;
}

void ColourSheet::panelClick(int index)
{
    const auto chosen = m_services.files.colour(colour::toQColor(m_colours[size_t(index)]));
    if (!chosen)
        return;
    setPanelColour(index, colour::fromQColor(*chosen));
    if (!storeColours())
        return;
    if (index == colour::kSections - 1) {
        m_host.titleBarColour();
        Q_EMIT colourActionDone();
    }
}

void ColourSheet::SpeedButtonRestoreColorClick()
{
    if (!m_services.prompter.question(QStringLiteral("Nostalgia del vecchio look?")))
        return;
    showColours(colour::kBuiltinSections);
    if (!storeColours())
        return;
    m_host.titleBarColour();
    Q_EMIT colourActionDone();
}

void ColourSheet::SpeedButtonSalvaColoriClick()
{
    const QString folder = schemeFolder(m_host.workingFolder());
    auto chosen = m_services.files.saveFile(
        QStringLiteral("Salva set di colori"), QDir(folder).path() + QLatin1Char('/'), kSchemeFilter);
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    // The default extension is added to a name typed without one.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".clr");
    if (QFileInfo::exists(path)
        && !m_services.prompter.question(
            QStringLiteral("Sovrascrivere \"") + QFileInfo(path).fileName() + QStringLiteral("\"?")))
        return;
    try {
        theme::writeText(path, colour::schemeText(m_colours));
    } catch (const theme::ThemeFileError &e) {
        m_services.prompter.errorReport(e.text());
    }
}

void ColourSheet::SpeedButtonApriColoriClick()
{
    const QString folder = schemeFolder(m_services.shell.desktopFolder());
    const auto chosen
        = m_services.files.openFile(QStringLiteral("Apri set di colori"), folder, kSchemeFilter);
    if (!chosen || chosen->isEmpty())
        return;
    const auto lines = theme::readLines(*chosen);
    if (!lines) {
        m_services.prompter.errorReport(
            QStringLiteral("Impossibile aprire il file ") + QDir::toNativeSeparators(*chosen));
        return;
    }
    try {
        // Panels read before a bad line keep their new colours; nothing is stored.
        colour::readScheme(*lines, [this](int i, colour::ColourValue value) { setPanelColour(i, value); });
    } catch (const colour::ColourError &e) {
        m_services.prompter.errorReport(e.text());
        return;
    }
    if (!storeColours())
        return;
    m_host.titleBarColour();
    Q_EMIT colourActionDone();
}

} // namespace vellamora
