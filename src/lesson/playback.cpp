#include "model/phrase.h"
#include "lesson/playback.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "lesson/significant.h"

namespace velunta {

Playback::Playback(QObject* parent) : QObject(parent) {
    // A frame's worth of wall time; the shown time is read from the wall clock
    // at every tick, so a late tick costs smoothness, never the pace.
    timer_.setInterval(16);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Playback::tick);
}

QString Playback::speedText(double factor) {
    const QLocale locale = shownLocale();
    if (std::fabs(factor - 1) < 1e-9) return QCoreApplication::translate("Playback", "реальное время");
    if (factor < 1) return QCoreApplication::translate("Playback", "замедление ×%1").arg(locale.toString(1 / factor, 'g', 4));
    return QCoreApplication::translate("Playback", "ускорение ×%1").arg(locale.toString(factor, 'g', 4));
}

void Playback::setEnd(double end) {
    end_ = std::isfinite(end) && end > 0 ? end : 0;
    emit endChanged(end_);
    if (time_ > end_) setTime(end_);
}

void Playback::rebase() {
    startTime_ = time_;
    wall_.start();
}

void Playback::play() {
    if (isPlaying() || end_ <= 0) return;
    // From the end, play starts the flight again.
    if (time_ >= end_) setTime(0);
    rebase();
    timer_.start();
    emit playingChanged(true);
}

void Playback::pause() {
    if (!isPlaying()) return;
    tick();
    timer_.stop();
    emit playingChanged(false);
}

void Playback::toggle() { isPlaying() ? pause() : play(); }

void Playback::stepFrame(int dir) {
    pause();
    setTime(time_ + (dir > 0 ? 1 : dir < 0 ? -1 : 0) * kFrame * speed_);
}

void Playback::setSpeed(double factor) {
    if (!(factor > 0) || factor == speed_) return;
    if (isPlaying()) {
        tick();
        rebase();
    }
    speed_ = factor;
    emit speedChanged(speed_);
}

void Playback::setTime(double t) {
    t = std::clamp(std::isfinite(t) ? t : 0.0, 0.0, end_);
    if (isPlaying()) {
        startTime_ = t;
        wall_.start();
    }
    if (t == time_) return;
    time_ = t;
    emit timeChanged(time_);
}

void Playback::tick() {
    if (!isPlaying()) return;
    const double t = startTime_ + speed_ * double(wall_.nsecsElapsed()) * 1e-9;
    if (t >= end_) {
        time_ = end_;
        timer_.stop();
        emit timeChanged(time_);
        emit playingChanged(false);
        return;
    }
    time_ = t;
    emit timeChanged(time_);
}

namespace {

QToolButton* button(const QString& text, const QString& name, const QString& tip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setAccessibleName(name);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(false);
    return b;
}

}  // namespace

TimeBar::TimeBar(Playback* playback, QWidget* parent) : QWidget(parent), playback_(playback) {
    start_ = button(tr("к началу"), tr("К началу"), tr("Время к моменту броска"), this);
    // The style's own pictures: a glyph the fonts may lack would show as a box.
    start_->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    start_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = button(QStringLiteral("◀|"), QCoreApplication::translate("Playback", "Кадр назад"), QCoreApplication::translate("Playback", "На кадр назад (←)"), this);
    play_ = button(QString(), QCoreApplication::translate("Playback", "Пуск"), QString(), this);
    forward_ = button(QStringLiteral("|▶"), QCoreApplication::translate("Playback", "Кадр вперёд"), QCoreApplication::translate("Playback", "На кадр вперёд (→)"), this);

    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(0, kSteps);
    slider_->setSingleStep(kSteps / 1000);
    slider_->setPageStep(kSteps / 20);
    slider_->setFocusPolicy(Qt::StrongFocus);
    slider_->setAccessibleName(QCoreApplication::translate("Playback", "Время полёта"));
    slider_->setToolTip(QCoreApplication::translate("Playback", "Время от броска до последнего падения: перетащите, чтобы сдвинуть все шары"));

    label_ = new QLabel(this);
    label_->setAccessibleName(QCoreApplication::translate("Playback", "Время и скорость воспроизведения"));
    label_->setToolTip(QCoreApplication::translate("Playback", "Показанное время и во сколько раз оно идёт медленнее или быстрее настоящего"));
    label_->setAlignment(Qt::AlignCenter);

    speedBox_ = new QComboBox(this);
    for (double f : Playback::kSpeeds) speedBox_->addItem(Playback::speedText(f), f);
    speedBox_->setAccessibleName(QCoreApplication::translate("Playback", "Скорость воспроизведения"));
    speedBox_->setToolTip(QCoreApplication::translate("Playback", "Реальное время, замедление в 10 или 100 раз, ускорение в 10 раз"));
    speedBox_->setFocusPolicy(Qt::StrongFocus);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(start_);
    row->addWidget(back_);
    row->addWidget(play_);
    row->addWidget(forward_);
    row->addWidget(slider_, 1);
    row->addWidget(label_);
    row->addWidget(speedBox_);
    setTabOrder(start_, back_);
    setTabOrder(back_, play_);
    setTabOrder(play_, forward_);
    setTabOrder(forward_, slider_);
    setTabOrder(slider_, speedBox_);

    connect(start_, &QToolButton::clicked, playback_, &Playback::toStart);
    connect(back_, &QToolButton::clicked, playback_, &Playback::stepBack);
    connect(forward_, &QToolButton::clicked, playback_, &Playback::stepForward);
    connect(play_, &QToolButton::clicked, playback_, &Playback::toggle);
    connect(slider_, &QSlider::valueChanged, this, &TimeBar::sliderMoved);
    connect(speedBox_, &QComboBox::activated, this,
            [this](int i) { playback_->setSpeed(speedBox_->itemData(i).toDouble()); });
    connect(playback_, &Playback::timeChanged, this, &TimeBar::showTime);
    connect(playback_, &Playback::endChanged, this, &TimeBar::showTime);
    connect(playback_, &Playback::playingChanged, this, &TimeBar::showPlaying);
    connect(playback_, &Playback::speedChanged, this, &TimeBar::showSpeed);

    showPlaying(playback_->isPlaying());
    showSpeed(playback_->speed());
}

void TimeBar::sliderMoved(int value) { playback_->setTime(playback_->end() * value / kSteps); }

void TimeBar::showTime() {
    const double end = playback_->end();
    {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(end > 0 ? int(std::lround(playback_->time() / end * kSteps)) : 0);
    }
    slider_->setEnabled(end > 0);
    // Digits enough to tell a frame at the slowest speed from the next.
    const int decimals = end > 0 ? std::clamp(3 - int(std::floor(std::log10(end))), 1, 6) : 3;
    const QLocale locale = shownLocale();
    label_->setText(QCoreApplication::translate("Playback", "t = %1 с из %2 с · %3")
                        .arg(locale.toString(playback_->time(), 'f', decimals), locale.toString(end, 'f', decimals),
                             playback_->speedText()));
    fitLabel();
}

// The label never narrower than its widest time, so the slider does not jump as time runs.
void TimeBar::fitLabel() {
    const QFontMetrics fm(label_->font());
    QString widest = label_->text();
    for (QChar& c : widest)
        if (c.isDigit()) c = QLatin1Char('8');
    const int w = fm.horizontalAdvance(widest) + fm.averageCharWidth();
    if (w > label_->minimumWidth()) label_->setMinimumWidth(w);
}

void TimeBar::showPlaying(bool playing) {
    play_->setText(playing ? tr("Пауза") : tr("Пуск"));
    play_->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    play_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    play_->setAccessibleName(playing ? QCoreApplication::translate("Playback", "Пауза") : QCoreApplication::translate("Playback", "Пуск"));
    play_->setToolTip(playing ? QCoreApplication::translate("Playback", "Остановить время (пробел)") : QCoreApplication::translate("Playback", "Запустить время (пробел)"));
}

void TimeBar::showSpeed(double factor) {
    const int i = speedBox_->findData(factor);
    if (i >= 0) speedBox_->setCurrentIndex(i);
    showTime();
}

void TimeBar::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control leaves alone: Space plays or pauses, ← and → step a frame.
    const bool plain = event->modifiers() == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Space) return playback_->toggle();
    if (plain && event->key() == Qt::Key_Left) return playback_->stepBack();
    if (plain && event->key() == Qt::Key_Right) return playback_->stepForward();
    QWidget::keyPressEvent(event);
}

void TimeBar::changeEvent(QEvent* event) {
    // A new text size: the label's width is measured again.
    if (event->type() == QEvent::FontChange) {
        label_->setMinimumWidth(0);
        fitLabel();
        // The pictures as tall as the text beside them.
        const int side = QFontMetrics(font()).height();
        for (QToolButton* b : {start_, play_}) b->setIconSize(QSize(side, side));
    }
    QWidget::changeEvent(event);
}

}  // namespace velunta
