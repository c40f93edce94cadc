#pragma once
#include <QtGui/QImage>
#include <QtWidgets/QWidget>

namespace vellamora {

// One picture of the title bar. At natural size it sits at its edge (left or right
// picture) or in the middle; stretched it fills its place. A stretched picture is
// only drawn stretched while `stretchAllowed` holds (the window is at least as wide
// as the picture); otherwise it is drawn at its size.
class TitleBarPicture : public QWidget
{
    Q_OBJECT
public:
    enum class Anchor { Left, Centre, Right };
    explicit TitleBarPicture(QWidget *parent = nullptr);

    void setAnchor(Anchor anchor);
    // An empty image shows nothing.
    void setPicture(const QImage &image, bool stretched);
    void setStretchAllowed(bool allowed);

    QImage picture() const { return m_image; }
    bool stretched() const { return m_stretched; }
    // Whether the picture is drawn over the whole place right now.
    bool drawnStretched() const { return m_stretched && m_stretchAllowed && !m_image.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    Anchor m_anchor = Anchor::Centre;
    bool m_stretched = false;
    bool m_stretchAllowed = true;
};

} // namespace vellamora
