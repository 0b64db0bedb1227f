// The tone: the samples it plays, and that it never blocks or talks when there
// is no sound output (as under the offscreen platform of the tests).

#include <QAudioFormat>
#include <QElapsedTimer>
#include <QtTest>
#include <cmath>

#include "ui/tone.h"

using namespace velunta;

namespace {

QStringList captured;

void captureMessages(QtMsgType, const QMessageLogContext& context, const QString& text) {
    captured << QString::fromLatin1(context.category ? context.category : "") + ": " + text;
}

double sampleAt(const QByteArray& pcm, const QAudioFormat& f, int frame, int channel) {
    const char* at = pcm.constData() + (frame * f.channelCount() + channel) * f.bytesPerSample();
    return f.normalizedSampleValue(at);
}

}  // namespace

class ToneTest : public QObject {
    Q_OBJECT

private slots:
    void samplesFollowTheFormat_data() {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("sampleFormat");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("ms");
        QTest::newRow("mono 16-bit, the run's tone") << 44100 << 1 << int(QAudioFormat::Int16) << 880 << 600;
        QTest::newRow("stereo float, a refusal's beep") << 48000 << 2 << int(QAudioFormat::Float) << 880 << 300;
        QTest::newRow("mono 8-bit unsigned") << 8000 << 1 << int(QAudioFormat::UInt8) << 440 << 250;
        QTest::newRow("six channels 32-bit") << 48000 << 6 << int(QAudioFormat::Int32) << 1000 << 100;
    }

    void samplesFollowTheFormat() {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, sampleFormat);
        QFETCH(int, frequency);
        QFETCH(int, ms);
        QAudioFormat f;
        f.setSampleRate(rate);
        f.setChannelCount(channels);
        f.setSampleFormat(QAudioFormat::SampleFormat(sampleFormat));

        const QByteArray pcm = toneSamples(f, frequency, ms);
        const int frames = rate * ms / 1000;
        QCOMPARE(pcm.size(), qsizetype(frames) * channels * f.bytesPerSample());

        // Every channel carries the same sine; it fades in from silence and out to it.
        int crossings = 0;
        double peak = 0;
        for (int i = 0; i < frames; ++i) {
            const double v = sampleAt(pcm, f, i, 0);
            for (int ch = 1; ch < channels; ++ch) QCOMPARE(sampleAt(pcm, f, i, ch), v);
            peak = std::max(peak, std::abs(v));
            if (i > 0 && (v >= 0) != (sampleAt(pcm, f, i - 1, 0) >= 0)) ++crossings;
        }
        QVERIFY2(std::abs(sampleAt(pcm, f, 0, 0)) < 0.02, "starts in silence");
        QVERIFY2(std::abs(sampleAt(pcm, f, frames - 1, 0)) < 0.05, "ends in silence");
        QVERIFY2(peak > 0.35 && peak < 0.45, qPrintable(QString::number(peak)));
        // Two sign changes per period: the pitch is right.
        const double expected = 2.0 * frequency * ms / 1000;
        QVERIFY2(std::abs(crossings - expected) <= 3, qPrintable(QString("%1 vs %2").arg(crossings).arg(expected)));
    }

    void noSamplesForWhatCannotBePlayed_data() {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("ms");
        QTest::newRow("no rate") << 0 << 1 << 300;
        QTest::newRow("no channels") << 44100 << 0 << 300;
        QTest::newRow("no duration") << 44100 << 1 << 0;
        QTest::newRow("negative duration") << 44100 << 1 << -5;
    }

    void noSamplesForWhatCannotBePlayed() {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, ms);
        QAudioFormat f;
        f.setSampleRate(rate);
        f.setChannelCount(channels);
        f.setSampleFormat(QAudioFormat::Int16);
        QVERIFY(toneSamples(f, 880, ms).isEmpty());
    }

    // Without a sound server the tone falls back to the bell: quickly, and
    // without a word on the terminal from the multimedia layer.
    void beepWithoutSoundOutputIsQuickAndQuiet() {
        captured.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureMessages);
        AudioTone tone;
        QElapsedTimer clock;
        clock.start();
        for (int ms : {600, 300, 0, -1, 100000}) tone.Beep(880, ms);
        tone.Beep(20, 300);      // below the range: taken to its lowest
        tone.Beep(100000, 300);  // above the range and above the output's Nyquist frequency
        const qint64 elapsed = clock.elapsed();
        QTest::qWait(200);  // any late complaint of the sink arrives here
        qInstallMessageHandler(previous);
        QVERIFY2(captured.isEmpty(), qPrintable(captured.join('\n')));
        // Five tones of up to 5 s each: a blocking call would take seconds.
        QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
    }
};

QTEST_MAIN(ToneTest)
#include "tone_test.moc"
