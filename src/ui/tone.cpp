#include "ui/tone.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QApplication>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace velunta {

namespace {

// The range the classic Beep call accepts.
constexpr int kLowestHz = 37, kHighestHz = 32767;
// Longer tones are cut: nothing in the program asks for more than a second.
constexpr int kLongestMs = 5000;

QLoggingCategory::CategoryFilter previousFilter = nullptr;

void multimediaFilter(QLoggingCategory* category) {
    if (previousFilter) previousFilter(category);
    if (std::strncmp(category->categoryName(), "qt.multimedia", 13) == 0) {
        category->setEnabled(QtDebugMsg, false);
        category->setEnabled(QtInfoMsg, false);
        category->setEnabled(QtWarningMsg, false);
    }
}

// The sound layer reports a missing sound server with plain warnings, outside
// its logging categories. While it is being asked for a device those are
// dropped; every other message goes on to the handler that was there.
QtMessageHandler outerHandler = nullptr;

void dropSoundServerWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool fromSoundLayer = text.startsWith(QLatin1String("PulseAudio")) ||
                                text.startsWith(QLatin1String("QPulseAudio")) ||
                                text.startsWith(QLatin1String("QAudioSink")) ||
                                (context.category && std::strncmp(context.category, "qt.multimedia", 13) == 0);
    if (fromSoundLayer && type != QtFatalMsg) return;
    if (outerHandler) outerHandler(type, context, text);
}

class QuietSoundLayer {
public:
    QuietSoundLayer() { outerHandler = qInstallMessageHandler(dropSoundServerWarnings); }
    ~QuietSoundLayer() { qInstallMessageHandler(outerHandler); }
    QuietSoundLayer(const QuietSoundLayer&) = delete;
    QuietSoundLayer& operator=(const QuietSoundLayer&) = delete;
};

void systemBell() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

template <typename Sample, typename Wave, typename Encode>
void fill(char* out, int frames, int channels, Wave wave, Encode encode) {
    auto* samples = reinterpret_cast<Sample*>(out);
    for (int i = 0; i < frames; ++i) {
        const Sample s = encode(wave(i));
        for (int ch = 0; ch < channels; ++ch) samples[i * channels + ch] = s;
    }
}

}  // namespace

void quietMultimediaLogging() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    previousFilter = QLoggingCategory::installFilter(multimediaFilter);
}

QByteArray toneSamples(const QAudioFormat& format, int frequencyHz, int durationMs) {
    const int rate = format.sampleRate();
    const int channels = format.channelCount();
    const int bytes = format.bytesPerSample();
    if (rate <= 0 || channels <= 0 || bytes <= 0 || durationMs <= 0 || frequencyHz <= 0) return {};
    const int frames = int(std::int64_t(rate) * durationMs / 1000);
    const int fadeFrames = std::min(frames / 4, rate / 200);  // 5 ms at most
    auto wave = [=](int i) {
        double envelope = 1.0;
        if (i < fadeFrames) envelope = double(i) / fadeFrames;
        else if (frames - i < fadeFrames) envelope = double(frames - i) / fadeFrames;
        return 0.4 * envelope * std::sin(2 * std::numbers::pi * frequencyHz * i / rate);
    };
    QByteArray pcm(frames * channels * bytes, Qt::Uninitialized);
    char* out = pcm.data();
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        fill<quint8>(out, frames, channels, wave, [](double v) { return quint8(std::lround(128 + 127 * v)); });
        break;
    case QAudioFormat::Int16:
        fill<qint16>(out, frames, channels, wave, [](double v) { return qint16(std::lround(32767 * v)); });
        break;
    case QAudioFormat::Int32:
        fill<qint32>(out, frames, channels, wave, [](double v) { return qint32(std::lround(2147483647.0 * v)); });
        break;
    case QAudioFormat::Float:
        fill<float>(out, frames, channels, wave, [](double v) { return float(v); });
        break;
    default:
        return {};
    }
    return pcm;
}

AudioTone::AudioTone() { quietMultimediaLogging(); }

AudioTone::~AudioTone() { release(); }

void AudioTone::release() {
    // The sink reads the buffer: it goes first.
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.reset();
}

void AudioTone::Beep(int frequencyHz, int durationMs) {
    if (durationMs <= 0) return;
    frequencyHz = std::clamp(frequencyHz, kLowestHz, kHighestHz);
    durationMs = std::min(durationMs, kLongestMs);
    if (!play(frequencyHz, durationMs)) systemBell();
}

bool AudioTone::play(int frequencyHz, int durationMs) {
    release();
    const QuietSoundLayer quiet;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) format = device.preferredFormat();
    // A tone above the output's Nyquist frequency would alias into another one.
    if (frequencyHz * 2 >= format.sampleRate()) return false;
    const QByteArray pcm = toneSamples(format, frequencyHz, durationMs);
    if (pcm.isEmpty()) return false;

    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(pcm);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
    if (sink_->error() != QAudio::NoError) {
        release();
        return false;
    }
    return true;
}

}  // namespace velunta
