#pragma once
#include <QtCore/QString>

namespace vellamora {

// Plays sounds asynchronously; a later sound cuts an earlier one.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void playFile(const QString &wavPath) = 0;
    // The "new mail" chime.
    virtual void playMailBeep() = 0;
};

} // namespace vellamora
