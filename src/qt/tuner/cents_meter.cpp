#include "qt/tuner/cents_meter.hpp"

#include <QPainter>

#include "tuner/listen_controller.hpp"

namespace fretwise {

namespace {

const QColor kInTuneColour(0x2e, 0xa0, 0x43);
const QColor kOffColour(0xd0, 0x3a, 0x2f);
constexpr qreal kMargin = 14;
constexpr qreal kScaleY = 34;  // the baseline of the scale

}  // namespace

CentsMeter::CentsMeter(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
}

void CentsMeter::Show(std::optional<double> needle, bool inTune) {
    needle_ = needle;
    inTune_ = inTune;
    update();
}

void CentsMeter::SetZoom(int percent) {
    zoom_ = percent;
    setMinimumSize(sizeHint());
    update();
}

void CentsMeter::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal scale = zoom_ / 100.0;
    p.scale(scale, scale);
    const qreal span = width() / scale - 2 * kMargin;
    const auto x = [span](double cents) {
        return kMargin + span * (cents + kNeedleCents) / (2 * kNeedleCents);
    };
    // The band that counts as in tune.
    p.fillRect(QRectF(x(-kInTuneCents), kScaleY - 16, x(kInTuneCents) - x(-kInTuneCents), 16),
               kInTuneColour.lighter(170));
    const QColor ink = palette().color(QPalette::WindowText);
    p.setPen(QPen(ink, 1.5));
    p.drawLine(QPointF(x(-kNeedleCents), kScaleY), QPointF(x(kNeedleCents), kScaleY));
    QFont small = font();
    small.setPixelSize(10);
    p.setFont(small);
    for (int cents = -50; cents <= 50; cents += 10) {
        const qreal length = cents == 0 ? 14 : cents % 50 == 0 ? 10 : 6;
        p.drawLine(QPointF(x(cents), kScaleY), QPointF(x(cents), kScaleY - length));
        if (cents % 50 == 0) {
            p.drawText(QRectF(x(cents) - 16, kScaleY + 3, 32, 14), Qt::AlignCenter,
                       cents > 0 ? QStringLiteral("+%1").arg(cents) : QString::number(cents));
        }
    }
    if (needle_) {
        p.setPen(QPen(inTune_ ? kInTuneColour : kOffColour, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x(*needle_), 4), QPointF(x(*needle_), kScaleY));
    }
}

}  // namespace fretwise
