// The tone never blocks or talks when there is no sound output (as under the
// offscreen platform of the tests), and its samples fit the output's format.

#include <QElapsedTimer>
#include <QTest>

#include "ui/tone.h"

using namespace velunta;

static QStringList captured;

class ToneTest : public QObject {
    Q_OBJECT
private slots:
    // Without a sound server the tone falls back to the bell: at once, whatever the
    // duration or frequency (cut to 5 s, taken into 37..32767 Hz), and without a word.
    void beepWithoutSoundOutputIsQuickAndQuiet() {
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { captured << text; });
        QElapsedTimer clock;
        clock.start();
        AudioTone tone;
        for (const auto& [hz, ms] : {std::pair{880, 600}, {880, 0}, {880, -1}, {880, 100000}, {20, 300}, {100000, 300}})
            tone.Beep(hz, ms);
        const qint64 elapsed = clock.elapsed();
        QTest::qWait(200);  // any late complaint of the sink arrives here
        qInstallMessageHandler(previous);
        QVERIFY2(captured.isEmpty(), qPrintable(captured.join('\n')));
        QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
    }

    // Stereo 16-bit: frames x channels x 2 bytes, both channels alike, faded out at the end;
    // nothing for what cannot be played.
    void samples() {
        QAudioFormat f;
        f.setSampleRate(8000), f.setChannelCount(2), f.setSampleFormat(QAudioFormat::Int16);
        const QByteArray pcm = toneSamples(f, 440, 250);
        QCOMPARE(pcm.size(), 2000 * 2 * 2);
        const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
        for (int i = 0; i < 2000; ++i) QVERIFY(s[2 * i] == s[2 * i + 1] && std::abs(s[2 * i]) <= 0.41 * 32767);
        QVERIFY(std::abs(s[2 * 1999]) < 700 && *std::max_element(s, s + 4000) > 0.35 * 32767);
        for (const auto& [hz, ms] : {std::pair{880, 0}, {880, -5}, {0, 300}}) QVERIFY(toneSamples(f, hz, ms).isEmpty());
    }
};

QTEST_MAIN(ToneTest)
#include "tone_test.moc"
