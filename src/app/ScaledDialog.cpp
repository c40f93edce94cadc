#include "app/ScaledDialog.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QScreen>

#include "app/NamedControl.h"

#include <QtWidgets/QFrame>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLayout>
#include <cmath>
#include <vector>

namespace vellamora {

namespace {

bool layoutHolds(QLayout *layout, const QWidget *widget)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget || (item->layout() && layoutHolds(item->layout(), widget)))
            return true;
    }
    return false;
}

} // namespace

void scaleDialog(QWidget &dialog, int percent)
{
    if (percent == 100 || percent <= 0)
        return;
    const double factor = percent / 100.0;
    auto grow = [factor](int value) { return int(std::lround(value * factor)); };
    auto growSize = [&grow](QSize size, QSize unset) {
        return QSize(size.width() == unset.width() ? size.width() : grow(size.width()),
            size.height() == unset.height() ? size.height() : grow(size.height()));
    };
    const QSize noMinimum(0, 0);
    const QSize noMaximum(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The designed size is read before the fonts grow: a size hint read afterwards would
    // already be larger and the dialog would grow twice.
    const QSize designed = dialog.testAttribute(Qt::WA_Resized) ? dialog.size() : dialog.sizeHint();

    // Fonts: the dialog's own and those of controls that set their own size; the other
    // controls inherit the dialog's. Sizes are read before any is changed.
    struct FontSize
    {
        QWidget *widget;
        qreal points;
        int pixels;
    };
    std::vector<FontSize> fonts;
    QList<QWidget *> widgets = dialog.findChildren<QWidget *>();
    for (QWidget *w : std::as_const(widgets)) {
        if (w->testAttribute(Qt::WA_SetFont) && (w->font().resolveMask() & QFont::SizeResolved))
            fonts.push_back({ w, w->font().pointSizeF(), w->font().pixelSize() });
    }
    fonts.push_back({ &dialog, dialog.font().pointSizeF(), dialog.font().pixelSize() });
    for (const FontSize &f : fonts) {
        QFont font = f.widget->font();
        if (f.points > 0)
            font.setPointSizeF(f.points * factor);
        else if (f.pixels > 0)
            font.setPixelSize(grow(f.pixels));
        f.widget->setFont(font);
    }

    // Layouts: margins and spacing.
    for (QLayout *layout : dialog.findChildren<QLayout *>()) {
        const QMargins m = layout->contentsMargins();
        layout->setContentsMargins(grow(m.left()), grow(m.top()), grow(m.right()), grow(m.bottom()));
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            grid->setHorizontalSpacing(grow(std::max(grid->horizontalSpacing(), 0)));
            grid->setVerticalSpacing(grow(std::max(grid->verticalSpacing(), 0)));
        } else if (layout->spacing() > 0) {
            layout->setSpacing(grow(layout->spacing()));
        }
    }

    // Controls: fixed sizes grow; those placed by hand also move.
    for (QWidget *w : std::as_const(widgets)) {
        if (w->isWindow())
            continue;
        w->setMinimumSize(growSize(w->minimumSize(), noMinimum));
        w->setMaximumSize(growSize(w->maximumSize(), noMaximum));
        const QWidget *parent = w->parentWidget();
        if (parent && !(parent->layout() && layoutHolds(parent->layout(), w))) {
            const QRect r = w->geometry();
            w->setGeometry(grow(r.x()), grow(r.y()), grow(r.width()), grow(r.height()));
        }
    }

    // The dialog itself, around the same centre once it has a place; a dialog not placed
    // yet is centred by its first showing, at its grown size.
    const bool placed = dialog.testAttribute(Qt::WA_Moved);
    const QPoint centre = dialog.geometry().center();
    dialog.setMinimumSize(growSize(dialog.minimumSize(), noMinimum));
    dialog.setMaximumSize(growSize(dialog.maximumSize(), noMaximum));
    // Never larger than the screen: what can give way (the notes areas) does.
    QSize grown = growSize(designed, noMinimum);
    if (const QScreen *screen = dialog.screen())
        grown = grown.boundedTo(screen->availableGeometry().size());
    dialog.resize(grown);
    if (placed)
        dialog.move(centre - dialog.rect().center());
}

ScaledDialog::ScaledDialog(int scalePercent, QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), m_scale(scalePercent)
{
}

void ScaledDialog::showEvent(QShowEvent *event)
{
    if (!m_scaled) {
        m_scaled = true;
        scaleDialog(*this, m_scale);
    }
    QDialog::showEvent(event);
}

void ScaledDialog::dragByPanels(std::initializer_list<QWidget *> panels)
{
    for (QWidget *panel : panels)
        panel->installEventFilter(this);
}

bool ScaledDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_dragOffset = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
    } else if (event->type() == QEvent::MouseMove) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->buttons() & Qt::LeftButton)
            move(mouse->globalPosition().toPoint() - m_dragOffset);
    }
    return QDialog::eventFilter(watched, event);
}

void ScaledDialog::addTitlePanel(
    QBoxLayout &layout, const QString &caption, QFrame *&PanelTitle, QLabel *&LabelTitle)
{
    NAMED(PanelTitle, QFrame, this);
    PanelTitle->setFrameShape(QFrame::StyledPanel);
    auto *titleRow = new QHBoxLayout(PanelTitle);
    NAMED(LabelTitle, QLabel, PanelTitle);
    LabelTitle->setText(caption);
    QFont bold = LabelTitle->font();
    bold.setBold(true);
    LabelTitle->setFont(bold);
    titleRow->addWidget(LabelTitle);
    layout.addWidget(PanelTitle);
}

} // namespace vellamora
