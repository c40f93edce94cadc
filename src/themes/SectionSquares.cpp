#include "themes/SectionSquares.h"

#include <QtGui/QPainter>

namespace vellamora::theme {

QPixmap colourSquare(const QColor &fill, const QColor &frame)
{
    QPixmap square(16, 16);
    square.fill(frame);
    QPainter painter(&square);
    painter.fillRect(1, 1, 14, 14, fill);
    return square;
}

std::array<QIcon, colour::kSections> sectionSquares(
    const colour::SectionColours &colours, const SquareLook &look)
{
    std::array<QIcon, colour::kSections> squares;
    for (size_t i = 0; i < squares.size(); ++i) {
        const colour::ColourValue value = look.builtinColours ? colour::kBuiltinSections[i] : colours[i];
        squares[i] = QIcon(
            colourSquare(colour::toQColor(value), look.blackFrame ? QColor(Qt::black) : look.buttonFace));
    }
    return squares;
}

} // namespace vellamora::theme
