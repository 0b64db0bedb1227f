#include "window/status_line.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>

#include "model/flow_regime.h"
#include "model/trajectory.h"
#include "plot/measured_marks.h"
#include "plot/model_styles.h"
#include "ui/form1_controls.h"

namespace velunta {

namespace {

QString number(double x) { return QString::number(x, 'f', 3); }

}  // namespace

StatusLine::StatusLine(QStatusBar* bar, const Model& model, const Form1Controls& controls, QObject* parent)
    : QObject(parent), model_(model), c_(controls), bar_(bar) {
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(kStatusBarHeight);
    regime_ = new QLabel(bar);
    regime_->setObjectName(QStringLiteral("regimeLabel"));
    // A long verdict gets shorter rather than widening the window.
    regime_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    explanation_ = QCoreApplication::translate("StatusLine", "Число Рейнольдса Re = ρο·v·d/η показывает, во сколько раз силы инерции в потоке больше сил вязкости. "
        "При Re много меньше 1 сопротивление вязкое и пропорционально скорости (Fc~v), при Re больше тысячи "
        "оно лобовое и растёт как квадрат скорости (Fc~v²).");
    regime_->setToolTip(wrappedTip({explanation_}));
    regime_->installEventFilter(this);
    bar->addWidget(regime_, 1);
    experiment_ = new QLabel(bar);
    experiment_->setObjectName(QStringLiteral("experimentLabel"));
    experiment_->setStyleSheet(QStringLiteral("color: rgb(150, 0, 150)"));
    // Beside the regime, so that the readout's message covers both.
    bar->addWidget(experiment_);
    experiment_->hide();

    marker_ = new QWidget(c_.Picture2);
    marker_->setObjectName(QStringLiteral("readoutMarker"));
    marker_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker_->setAutoFillBackground(true);
    QPalette palette = marker_->palette();
    palette.setColor(QPalette::Window, QColor(96, 96, 96));
    marker_->setPalette(palette);
    marker_->hide();
    for (Canvas* picture : {c_.Picture1, c_.Picture2, c_.Picture3}) {
        picture->setMouseTracking(true);
        picture->installEventFilter(this);
    }
}

void StatusLine::showRegime() {
    const FlowRegime f = flowRegime(model_);
    regimeForms_ = {shownPhrase(f.summaryPhrase), shownPhrase(f.verdictPhrase), shownPhrase(f.conclusionPhrase)};
    fitRegime();
}

// The longest form of the verdict that fits the bar: all of it, without the
// Reynolds numbers, or only which column to trust; the tooltip then holds all of
// it. Only a bar too narrow even for the last is cut, with "…".
void StatusLine::fitRegime() {
    if (regimeForms_.isEmpty()) return;
    const QFontMetrics metrics = regime_->fontMetrics();
    const int width = regime_->contentsRect().width();
    QString shown = metrics.elidedText(regimeForms_.last(), Qt::ElideRight, width);
    for (const QString& form : regimeForms_)
        if (metrics.horizontalAdvance(form) <= width) {
            shown = form;
            break;
        }
    regime_->setText(shown);
    const QString& whole = regimeForms_.first();
    regime_->setToolTip(wrappedTip(shown == whole ? QStringList{explanation_} : QStringList{whole, explanation_}));
}

// A plain-text tooltip stays on one line however long, past the screen's edge;
// as rich text the tooltip wraps its lines.
QString StatusLine::wrappedTip(const QStringList& paragraphs) {
    QString html;
    for (const QString& p : paragraphs) html += QStringLiteral("<p>") + p.toHtmlEscaped() + QStringLiteral("</p>");
    return QStringLiteral("<qt>") + html + QStringLiteral("</qt>");
}

void StatusLine::showExperiment(const QString& text, const MeasuredData* data) {
    data_ = data;
    experiment_->setText(text);
    experiment_->setVisible(!text.isEmpty());
}

QString StatusLine::readout(const Canvas* picture, QPointF pixel) const {
    const Model& m = model_;
    const Form1Controls& c = c_;
    // The middle of the pixel under the mouse.
    const QPointF user = picture->toUser(pixel + QPointF(0.5, 0.5));
    const double x = user.x(), y = user.y();
    if (picture == c.Picture1) return y >= 0 ? QCoreApplication::translate("StatusLine", "Y = %1 м").arg(number(y)) : QString();
    if (picture != c.Picture2 && picture != c.Picture3) return {};
    if (x < 0) return {};
    const bool velocity = picture == c.Picture3;
    QString text = QCoreApplication::translate("StatusLine", "t = %1 c").arg(number(x));
    for (const ModelStyle& style : kModelStyles) {
        const MotionState s = motionAt(m, style.model, x);
        text += QStringLiteral("    %1: ").arg(styleName(style));
        text += velocity ? QCoreApplication::translate("StatusLine", "Vy = %1 м/с").arg(number(s.Vy)) : QCoreApplication::translate("StatusLine", "Y = %1 м").arg(number(s.Y));
        if (x > landingTime(m, style.model)) text += QCoreApplication::translate("StatusLine", " (упал)");
    }
    // The measured point nearest in time, by its number in the table.
    if (data_) {
        const MeasuredMarks marks = measuredMarks(*data_, m);
        if (const int i = nearestMark(marks, x); i >= 0) {
            const double value = velocity ? marks.Vy[std::size_t(i)] : marks.Y[std::size_t(i)];
            text += QCoreApplication::translate("StatusLine", "    опыт, точка %1: t = %2 c, ").arg(i + 1).arg(number(marks.t[std::size_t(i)]));
            text += velocity ? QCoreApplication::translate("StatusLine", "Vy = %1 м/с%2").arg(number(value), marks.derivedVy ? QCoreApplication::translate("StatusLine", " (по разностям)") : QString())
                             : QCoreApplication::translate("StatusLine", "Y = %1 м").arg(number(value));
        }
    }
    return text;
}

void StatusLine::clearReadout() {
    // Also runs while the window is taken down: only the bar and the marker, which outlive the hiding.
    marker_->hide();
    bar_->clearMessage();
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event) {
    if (watched == regime_) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange) fitRegime();
        return false;
    }
    auto* picture = qobject_cast<Canvas*>(watched);
    if (!picture) return false;
    if (event->type() == QEvent::Leave || event->type() == QEvent::Hide) {
        clearReadout();
    } else if (event->type() == QEvent::MouseMove) {
        const QPointF pixel = static_cast<QMouseEvent*>(event)->position();
        const QString text = readout(picture, pixel);
        if (text.isEmpty()) {
            clearReadout();
            return false;
        }
        bar_->showMessage(text);
        if (picture == c_.Picture1) {
            marker_->hide();
        } else {
            if (marker_->parentWidget() != picture) marker_->setParent(picture);
            marker_->setGeometry(int(pixel.x()), 0, 1, picture->height());
            marker_->show();
            marker_->raise();
        }
    }
    return false;
}

}  // namespace velunta
