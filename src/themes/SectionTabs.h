#pragma once
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <functional>

namespace vellamora {

// The page control whose tabs are painted by hand: each tab in its own page's
// section colour, the caption centred in the tab font colour.
class SectionTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit SectionTabWidget(QWidget *parent = nullptr);
    // The colour of the page at an index (the page order, whether or not its tab is shown).
    void setPageColours(std::function<QColor(int)> colourOf);
    void setTabFontColour(const QColor &colour);
    QColor tabColour(int index) const;
    QColor tabFontColour() const { return m_fontColour; }

private:
    friend class SectionTabBar;
    std::function<QColor(int)> m_colourOf;
    QColor m_fontColour = Qt::black;
};

class SectionTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit SectionTabBar(SectionTabWidget *owner);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SectionTabWidget *m_owner;
};

} // namespace vellamora
