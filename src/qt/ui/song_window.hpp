#pragma once

#include <QWidget>

#include "window/song_view.hpp"
#include "window/window.hpp"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace fretwise {

class ChordStripWidget;
class LyricsWidget;

// The song window: the song opened with File > "Open Song...", its chords as diagrams (a
// click shows one on the fretboard and plays it), the lyrics with the chords above, and the
// controls that move it, set its capo and play it through. Its controls run the song
// commands (window/song_commands.hpp) through Perform; ShowView brings it in line with the
// window's state. Each control's objectName is its accessor's name.
class SongWindow : public QWidget {
  public:
    SongWindow(Window& window, QWidget* parent);

    void ShowView(const SongWindowView& view);

    QLabel* TitleLabel() const { return title_; }
    QLabel* KeyLabel() const { return key_; }
    QComboBox* SongList() const { return songs_; }
    QPushButton* DownButton() const { return down_; }
    QPushButton* UpButton() const { return up_; }
    QLabel* TransposeLabel() const { return transpose_; }
    QSpinBox* CapoBox() const { return capo_; }
    QPushButton* SuggestButton() const { return suggest_; }
    ChordStripWidget* Chords() const { return chords_; }
    LyricsWidget* Lyrics() const { return lyrics_; }
    QPushButton* PlayThroughButton() const { return playThrough_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* PrintButton() const { return print_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Connect();

    Window& window_;
    QLabel* title_ = nullptr;
    QLabel* subtitles_ = nullptr;
    QLabel* key_ = nullptr;
    QComboBox* songs_ = nullptr;
    QPushButton* down_ = nullptr;
    QPushButton* up_ = nullptr;
    QLabel* transpose_ = nullptr;
    QSpinBox* capo_ = nullptr;
    QPushButton* suggest_ = nullptr;
    QLabel* capoNote_ = nullptr;
    QScrollArea* chordArea_ = nullptr;
    ChordStripWidget* chords_ = nullptr;
    QLabel* unknown_ = nullptr;
    LyricsWidget* lyrics_ = nullptr;
    QPushButton* playThrough_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace fretwise
