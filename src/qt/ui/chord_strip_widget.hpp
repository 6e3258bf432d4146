#pragma once

#include <QWidget>
#include <vector>

#include "window/song_view.hpp"

namespace fretwise {

// The song's chords as small diagrams in one row, in order of first appearance, the current
// one highlighted, each with what it sounds under a capo. A click on a diagram reports it.
class ChordStripWidget : public QWidget {
    Q_OBJECT

  public:
    explicit ChordStripWidget(QWidget* parent = nullptr);

    void SetChords(const std::vector<SongChordView>& chords, bool leftHanded);

    // The diagram at a point of the widget, or -1.
    int ChordAt(QPoint point) const;
    // Where the index-th diagram lies.
    QRect BoxOf(int index) const;

    QSize sizeHint() const override;

  signals:
    void ChordClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::vector<SongChordView> chords_;
    bool leftHanded_ = false;
};

}  // namespace fretwise
