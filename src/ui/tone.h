#pragma once
// The tone of the program: a sine of the given frequency played through the
// sound card without blocking the window; the system bell where there is no
// sound output. Qt Multimedia's own complaints about a missing sound server
// are kept off the terminal.

#include <QAudioFormat>
#include <QByteArray>
#include <memory>

#include "ui/services.h"

class QAudioSink;
class QBuffer;

namespace velunta {

class AudioTone : public Tone {
public:
    AudioTone();
    ~AudioTone() override;
    // Starts the tone and returns at once; a new tone cuts the one still playing.
    void Beep(int frequencyHz, int durationMs) override;

private:
    bool play(int frequencyHz, int durationMs);
    void release();

    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
};

// The samples of a sine tone in the given format (any channel count; unsigned
// 8-bit, 16-bit, 32-bit or float samples), with short fades at both ends so
// that it starts and stops without a click. Empty for a format it cannot fill.
QByteArray toneSamples(const QAudioFormat& format, int frequencyHz, int durationMs);

// Silences the warnings of the qt.multimedia logging categories (other
// categories keep whatever filter was there). Safe to call more than once.
void quietMultimediaLogging();

}  // namespace velunta
