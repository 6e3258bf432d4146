#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <algorithm>

namespace fretwise {

// A font whose letters are `height` units of the painter's own coordinates tall, on any device
// (a point size is turned into device pixels by the device's resolution before the painter's
// scale applies, so the size is taken back by that resolution here).
inline QFont UnitFont(const QPainter& painter, double height, bool bold = false,
                      const QString& family = QStringLiteral("DejaVu Sans")) {
    QFont font(family);
    font.setStyleHint(family.contains(QStringLiteral("Mono")) ? QFont::Monospace
                                                              : QFont::SansSerif);
    const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 72;
    font.setPointSizeF(std::max(height, 0.5) * 72.0 / std::max(dpi, 1));
    font.setBold(bold);
    // Unhinted letters keep the same widths at every size, so text measured once lines up on
    // every device.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace fretwise
