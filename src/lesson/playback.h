#pragma once
// Time under the teacher's hand: the shown time of the flight, from the launch
// to the last landing, played against the wall clock at a chosen speed (at ×1
// a flight lasts as long as it would), paused, stepped a frame at a time or
// dragged; and the bar of controls that holds it.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWidget>

class QComboBox;
class QLabel;
class QSlider;
class QToolButton;

namespace velunta {

class Playback : public QObject {
    Q_OBJECT
public:
    // The speeds offered, as factors of real time.
    static constexpr double kSpeeds[] = {0.01, 0.1, 1.0, 10.0};
    // One frame of the screen, in seconds of wall time.
    static constexpr double kFrame = 1.0 / 60;

    explicit Playback(QObject* parent = nullptr);

    // The end of the time line: the last of the three landings, s.
    void setEnd(double end);
    double end() const { return end_; }
    double time() const { return time_; }
    bool isPlaying() const { return timer_.isActive(); }
    double speed() const { return speed_; }
    QString speedText() const { return speedText(speed_); }
    // "реальное время", "замедление ×100", "ускорение ×10".
    static QString speedText(double factor);

public slots:
    void play();
    void pause();
    void toggle();
    // A frame forward (dir > 0) or back: 1/60 s of wall time at the current speed; pauses.
    void stepFrame(int dir);
    void stepForward() { stepFrame(1); }
    void stepBack() { stepFrame(-1); }
    void toStart() { setTime(0); }
    void setSpeed(double factor);
    void setTime(double t);

signals:
    void timeChanged(double t);
    void playingChanged(bool playing);
    void speedChanged(double factor);
    void endChanged(double end);

private:
    void tick();
    void rebase();

    QTimer timer_;
    QElapsedTimer wall_;
    double end_ = 0, time_ = 0, speed_ = 1;
    double startTime_ = 0;  // the shown time when the wall clock was last read as zero
};

// The bar under the scene: to the start, a frame back, play or pause, a frame
// forward, the time slider, the time and speed shown, the speed chosen.
class TimeBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSteps = 10000;  // the slider's ticks over the flight

    explicit TimeBar(Playback* playback, QWidget* parent = nullptr);
    Playback* playback() const { return playback_; }

    QSlider* slider() const { return slider_; }
    QToolButton* playButton() const { return play_; }
    QComboBox* speedBox() const { return speedBox_; }
    QLabel* timeLabel() const { return label_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showTime();
    void showPlaying(bool playing);
    void showSpeed(double factor);
    void sliderMoved(int value);
    void fitLabel();

    Playback* playback_;
    QToolButton* start_;
    QToolButton* back_;
    QToolButton* play_;
    QToolButton* forward_;
    QSlider* slider_;
    QLabel* label_;
    QComboBox* speedBox_;
};

}  // namespace velunta
