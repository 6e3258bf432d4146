#include "qt/ui/chord_strip_widget.hpp"

#include <QMouseEvent>
#include <QPainter>

#include "qt/painters/chord_box_painter.hpp"
#include "qt/painters/unit_font.hpp"

namespace fretwise {

namespace {

constexpr int kBoxWidth = 88;
constexpr int kBoxHeight = 122;
constexpr int kGap = 10;
constexpr int kSoundsHeight = 16;

}  // namespace

ChordStripWidget::ChordStripWidget(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(kBoxHeight + kSoundsHeight + 2 * kGap);
}

void ChordStripWidget::SetChords(const std::vector<SongChordView>& chords, bool leftHanded) {
    chords_ = chords;
    leftHanded_ = leftHanded;
    setMinimumWidth(sizeHint().width());
    updateGeometry();
    update();
}

QRect ChordStripWidget::BoxOf(int index) const {
    return {kGap + index * (kBoxWidth + kGap), kGap, kBoxWidth, kBoxHeight};
}

int ChordStripWidget::ChordAt(QPoint point) const {
    for (int k = 0; k < static_cast<int>(chords_.size()); ++k) {
        if (BoxOf(k).contains(point)) {
            return k;
        }
    }
    return -1;
}

QSize ChordStripWidget::sizeHint() const {
    const int count = static_cast<int>(chords_.size());
    return {kGap + count * (kBoxWidth + kGap), kBoxHeight + kSoundsHeight + 2 * kGap};
}

void ChordStripWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    ChordBoxStyle style;
    style.leftHanded = leftHanded_;
    for (int k = 0; k < static_cast<int>(chords_.size()); ++k) {
        const SongChordView& chord = chords_[static_cast<std::size_t>(k)];
        style.highlight = chord.current ? QColor(255, 214, 120) : QColor(Qt::transparent);
        const QRect box = BoxOf(k);
        PaintChordBox(painter, box, QString::fromStdString(chord.name),
                      chord.shape ? &*chord.shape : nullptr, style);
        if (!chord.sounds.empty()) {
            painter.setPen(Qt::darkGray);
            painter.setFont(UnitFont(painter, 10));
            painter.drawText(QRect(box.left(), box.bottom(), box.width(), kSoundsHeight),
                             Qt::AlignCenter,
                             QStringLiteral("sounds %1").arg(QString::fromStdString(chord.sounds)));
        }
    }
}

void ChordStripWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int index = ChordAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0) {
        emit ChordClicked(index);
    }
}

}  // namespace fretwise
