#include "platform/Chime.h"

#include <QtCore/QtEndian>
#include <cmath>
#include <numbers>

namespace vellamora {

namespace {
void appendLe32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
void appendLe16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
} // namespace

QByteArray chimeWav()
{
    constexpr int rate = 22050;
    constexpr double noteSeconds = 0.18;
    constexpr double notes[] = {1318.5, 1046.5}; // E6 then C6, softly decaying
    const int perNote = int(rate * noteSeconds);
    QByteArray pcm;
    pcm.reserve(perNote * 2 * int(std::size(notes)));
    for (const double freq : notes) {
        for (int i = 0; i < perNote; ++i) {
            const double t = double(i) / rate;
            // Soft attack, exponential decay, and a short fade to silence so no note ends in a click.
            const double fadeOut = std::min(1.0, (perNote - 1 - i) / (rate * 0.01));
            const double envelope = std::exp(-t * 14.0) * std::min(1.0, i / 80.0) * fadeOut;
            const double sample = std::sin(2 * std::numbers::pi * freq * t) * envelope * 0.45;
            appendLe16(pcm, quint16(qint16(sample * 32767)));
        }
    }
    QByteArray wav;
    wav.append("RIFF");
    appendLe32(wav, quint32(36 + pcm.size()));
    wav.append("WAVEfmt ");
    appendLe32(wav, 16);
    appendLe16(wav, 1); // PCM
    appendLe16(wav, 1); // mono
    appendLe32(wav, rate);
    appendLe32(wav, rate * 2);
    appendLe16(wav, 2);
    appendLe16(wav, 16);
    wav.append("data");
    appendLe32(wav, quint32(pcm.size()));
    wav.append(pcm);
    return wav;
}

} // namespace vellamora
