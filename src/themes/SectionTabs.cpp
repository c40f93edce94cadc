#include "themes/SectionTabs.h"

#include <QtGui/QPainter>

namespace vellamora {

SectionTabWidget::SectionTabWidget(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new SectionTabBar(this));
}

void SectionTabWidget::setPageColours(std::function<QColor(int)> colourOf)
{
    m_colourOf = std::move(colourOf);
    tabBar()->update();
}

void SectionTabWidget::setTabFontColour(const QColor &colour)
{
    m_fontColour = colour;
    tabBar()->update();
}

QColor SectionTabWidget::tabColour(int index) const
{
    return m_colourOf ? m_colourOf(index) : palette().color(QPalette::Button);
}

SectionTabBar::SectionTabBar(SectionTabWidget *owner) : QTabBar(owner), m_owner(owner) { }

void SectionTabBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int i = 0; i < count(); ++i) {
        // Hidden pages have no tab; every shown tab keeps its own page's colour.
        if (!isTabVisible(i))
            continue;
        QRect r = tabRect(i);
        if (i != currentIndex())
            r.adjust(0, 2, 0, 0);
        p.fillRect(r.adjusted(1, 0, -1, 0), m_owner->tabColour(i));
        p.setPen(i == currentIndex() ? QColor(Qt::black) : QColor(0, 0, 0, 90));
        p.drawRect(r.adjusted(1, 0, -2, -1));
        p.setPen(m_owner->tabFontColour());
        QFont f = font();
        f.setBold(i == currentIndex());
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, tabText(i).trimmed());
    }
}

} // namespace vellamora
