#include "themes/TitleBarPicture.h"

#include <QtGui/QPainter>

namespace vellamora {

TitleBarPicture::TitleBarPicture(QWidget *parent) : QWidget(parent) { }

void TitleBarPicture::setAnchor(Anchor anchor)
{
    m_anchor = anchor;
    update();
}

void TitleBarPicture::setPicture(const QImage &image, bool stretched)
{
    m_image = image;
    m_stretched = stretched;
    update();
}

void TitleBarPicture::setStretchAllowed(bool allowed)
{
    if (m_stretchAllowed == allowed)
        return;
    m_stretchAllowed = allowed;
    update();
}

void TitleBarPicture::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter p(this);
    if (drawnStretched()) {
        p.drawImage(rect(), m_image);
        return;
    }
    const int y = (height() - m_image.height()) / 2;
    int x = (width() - m_image.width()) / 2;
    if (m_anchor == Anchor::Left)
        x = 0;
    else if (m_anchor == Anchor::Right)
        x = width() - m_image.width();
    p.drawImage(QPoint(x, y), m_image);
}

} // namespace vellamora
