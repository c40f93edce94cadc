#pragma once
#include "platform/SoundPlayer.h"

#include <QtCore/QTemporaryDir>
#include <memory>

class QSoundEffect;

namespace vellamora {

// Plays wav files with QSoundEffect. The "new mail" chime is synthesised once
// into a temporary wav file, since the desktop has no such system alias.
class QtSoundPlayer final : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void playFile(const QString &wavPath) override;
    void playMailBeep() override;

private:
    QSoundEffect &effect();
    std::unique_ptr<QSoundEffect> m_effect;
    QTemporaryDir m_chimeDir;
    QString m_chimePath;
};

} // namespace vellamora
