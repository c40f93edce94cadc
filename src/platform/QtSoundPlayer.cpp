#include "platform/QtSoundPlayer.h"
#include "platform/Chime.h"

#include <QtCore/QFile>
#include <QtCore/QUrl>
#include <QtMultimedia/QSoundEffect>

namespace vellamora {

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

QSoundEffect &QtSoundPlayer::effect()
{
    // Created on first use: the audio back end is slow to start and most runs never ring.
    if (!m_effect)
        m_effect = std::make_unique<QSoundEffect>();
    return *m_effect;
}

void QtSoundPlayer::playFile(const QString &wavPath)
{
    QSoundEffect &sound = effect();
    sound.stop();
    sound.setSource(QUrl::fromLocalFile(wavPath));
    sound.play();
}

void QtSoundPlayer::playMailBeep()
{
    if (m_chimePath.isEmpty() && m_chimeDir.isValid()) {
        const QString path = m_chimeDir.filePath(QStringLiteral("mailbeep.wav"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(chimeWav()) > 0)
            m_chimePath = path;
    }
    if (!m_chimePath.isEmpty())
        playFile(m_chimePath);
}

} // namespace vellamora
