#pragma once
#include <QtGui/QIcon>

namespace vellamora {

// The pictures of the tray icon: 0 at rest, 0..3 cycle while an appointment
// waits, 4 while the program starts.
QIcon trayPicture(int index);

} // namespace vellamora
