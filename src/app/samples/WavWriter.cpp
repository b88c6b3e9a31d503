#include "app/samples/WavWriter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vistello::samples {

namespace {

void putLe(QByteArray& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray WavWriter::pcm16Mono(const std::vector<int16_t>& samples, uint32_t sampleRate)
{
    constexpr uint32_t kChannels = 1;
    constexpr uint32_t kBits = 16;
    const uint32_t dataSize = uint32_t(samples.size() * 2);
    QByteArray out;
    out.reserve(qsizetype(44 + dataSize));
    out.append("RIFF");
    putLe(out, 36 + dataSize, 4);
    out.append("WAVEfmt ");
    putLe(out, 16, 4);                                  // fmt chunk size
    putLe(out, 1, 2);                                   // PCM
    putLe(out, kChannels, 2);
    putLe(out, sampleRate, 4);
    putLe(out, sampleRate * kChannels * kBits / 8, 4);  // bytes per second
    putLe(out, kChannels * kBits / 8, 2);               // block align
    putLe(out, kBits, 2);
    out.append("data");
    putLe(out, dataSize, 4);
    for (int16_t s : samples)
        putLe(out, uint16_t(s), 2);
    return out;
}

QByteArray WavWriter::tone(double frequencyHz, uint32_t milliseconds, uint32_t sampleRate)
{
    const size_t count = size_t(uint64_t(sampleRate) * milliseconds / 1000);
    const size_t fade = std::max<size_t>(1, std::min<size_t>(count / 10, sampleRate / 50));
    std::vector<int16_t> samples(count);
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / sampleRate;
        const double envelope = std::min({1.0, double(i) / double(fade), double(count - 1 - i) / double(fade)});
        samples[i] = int16_t(std::lround(12000.0 * envelope * std::sin(2.0 * std::numbers::pi * frequencyHz * t)));
    }
    return pcm16Mono(samples, sampleRate);
}

} // namespace vistello::samples
