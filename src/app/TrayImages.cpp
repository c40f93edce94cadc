#include "app/TrayImages.h"

#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <array>

namespace vellamora {

namespace {

QPixmap drawImage(const QColor &body, const QColor &ring)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A small desk calendar: coloured top band, white sheet, a ring marking the day.
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3, 5, 26, 24), 4, 4);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 5, 26, 8), 4, 4);
    p.setPen(QPen(ring, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(11, 15, 10, 10));
    return pixmap;
}

} // namespace

QIcon trayPicture(int index)
{
    static const std::array<QIcon, 5> images = [] {
        return std::array<QIcon, 5>{
            QIcon(drawImage(QColor(0x2f, 0x6f, 0xb5), QColor(0x2f, 0x6f, 0xb5))),
            QIcon(drawImage(QColor(0xd2, 0x3b, 0x3b), QColor(0xd2, 0x3b, 0x3b))),
            QIcon(drawImage(QColor(0xf0, 0x9a, 0x1a), QColor(0xd2, 0x3b, 0x3b))),
            QIcon(drawImage(QColor(0xd2, 0x3b, 0x3b), QColor(0xf0, 0x9a, 0x1a))),
            QIcon(drawImage(QColor(0x9a, 0x9a, 0x9a), QColor(0x9a, 0x9a, 0x9a))),
        };
    }();
    return images.at(std::size_t(std::clamp(index, 0, 4)));
}

} // namespace vellamora
