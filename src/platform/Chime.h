#pragma once
#include <QtCore/QByteArray>

namespace vellamora {

// A short two-note chime as a complete 16-bit mono PCM wav file.
QByteArray chimeWav();

} // namespace vellamora
