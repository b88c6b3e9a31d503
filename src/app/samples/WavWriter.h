#pragma once
// Short PCM WAV files: the sound memos that cameras store beside a picture.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace vistello::samples {

class WavWriter {
public:
    // A RIFF/WAVE file of 16-bit mono PCM samples.
    static QByteArray pcm16Mono(const std::vector<int16_t>& samples, uint32_t sampleRate);
    // A sine tone with short fades, so that it starts and ends without a click.
    static QByteArray tone(double frequencyHz = 440.0, uint32_t milliseconds = 500, uint32_t sampleRate = 8000);
};

} // namespace vistello::samples
