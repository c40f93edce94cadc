#pragma once
// ImageList_ColoreSezioni: one 16 x 16 colour square per section, the item pictures of the
// agenda's add menu (and of the tray and grid menus).
#include "themes/Colour.h"

#include <QtGui/QIcon>
#include <array>

namespace vellamora::theme {

// How the squares are drawn: the theme's square switches and the menus' ground colour.
struct SquareLook
{
    bool builtinColours = true; // fill with the built-in section colours
    bool blackFrame = true; // otherwise the frame takes the menus' ground colour
    QColor buttonFace = QColor(0xF0, 0xF0, 0xF0);
};

// A 16 x 16 square with a one-pixel frame.
QPixmap colourSquare(const QColor &fill, const QColor &frame);
// The nine squares, in section order.
std::array<QIcon, colour::kSections> sectionSquares(
    const colour::SectionColours &colours, const SquareLook &look);

} // namespace vellamora::theme
