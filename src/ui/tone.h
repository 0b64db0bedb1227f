#pragma once
// The tone of the program: a sine of the given frequency played through the
// sound card without blocking the window; the system bell where there is no
// sound output.

#include <QObject>
#include <memory>

#include "ui/services.h"

class QAudioSink;
class QBuffer;

namespace velunta {

class AudioTone : public Tone {
public:
    AudioTone();
    ~AudioTone() override;
    void Beep(int frequencyHz, int durationMs) override;

private:
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
};

}  // namespace velunta
