#include "Wav.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace art {

namespace {

void put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void put32(QByteArray& out, std::uint32_t value) {
    put16(out, static_cast<int>(value & 0xffff));
    put16(out, static_cast<int>(value >> 16));
}

} // namespace

void writeWav(const Audio& audio, const QString& path) {
    const auto dataBytes = static_cast<std::uint32_t>(audio.samples.size() * 2);
    QByteArray bytes;
    bytes.append("RIFF");
    put32(bytes, 36 + dataBytes);
    bytes.append("WAVEfmt ");
    put32(bytes, 16);
    put16(bytes, 1); // PCM
    put16(bytes, audio.channels);
    put32(bytes, kSampleRate);
    put32(bytes, static_cast<std::uint32_t>(kSampleRate * audio.channels * 2));
    put16(bytes, audio.channels * 2);
    put16(bytes, 16);
    bytes.append("data");
    put32(bytes, dataBytes);
    for (float sample : audio.samples) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        put16(bytes, static_cast<int>(value));
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace art
