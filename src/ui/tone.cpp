#include "ui/tone.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QtMath>

namespace velunta {

AudioTone::AudioTone() = default;
AudioTone::~AudioTone() {
    if (sink_) sink_->stop();
}

void AudioTone::Beep(int frequencyHz, int durationMs) {
    if (durationMs <= 0) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        QApplication::beep();
        return;
    }
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        QApplication::beep();
        return;
    }
    // A sine with short fades at both ends, so that it starts and stops without a click.
    const int samples = format.sampleRate() * durationMs / 1000;
    const int fade = std::min(samples / 4, format.sampleRate() / 200);
    QByteArray pcm(samples * int(sizeof(qint16)), Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(pcm.data());
    for (int i = 0; i < samples; ++i) {
        double envelope = 1.0;
        if (i < fade) envelope = double(i) / fade;
        else if (samples - i < fade) envelope = double(samples - i) / fade;
        out[i] = qint16(0.4 * 32767 * envelope * std::sin(2 * M_PI * frequencyHz * i / format.sampleRate()));
    }
    if (sink_) sink_->stop();
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(pcm);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
}

}  // namespace velunta
