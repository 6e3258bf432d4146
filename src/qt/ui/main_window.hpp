#pragma once

#include <QFont>
#include <QMainWindow>
#include <QRect>
#include <string>
#include <utility>
#include <vector>

#include "qt/ui/main_menus.hpp"
#include "window/window.hpp"
#include "window/window_layout.hpp"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace fretwise {

class FretboardWidget;
class MetronomeWindow;
class SongWindow;
class StaffWidget;

// A place of the window's layout as a rectangle in twips.
inline QRect TwipsQRect(const layout::TwipsRect& r) {
    return {r.left, r.top, r.width, r.height};
}

// The main window: its controls at their fixed places, painted from Present of the window's
// state. Every event runs its command through Perform, which paints the window again. Each
// control's objectName is its accessor's name.
class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(Window& window, QWidget* parent = nullptr);

    // Brings every control in line with the window's state.
    void ShowDisplay();

    const MainMenus& Menus() const { return menus_; }
    FretboardWidget* Fretboard() const { return fretboard_; }
    SongWindow* Song() const { return songWindow_; }
    MetronomeWindow* Metronome() const { return metronomeWindow_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QScrollBar* NeckScroll() const;
    void ShowToolTips(const ToolTipsView& tips);
    void BuildControls();
    void BuildAnalysisPanel();
    void BuildCreatePanel();
    void DescribeControls();
    // Records a control's place in twips; ApplyZoom puts it there.
    void Place(QWidget* control, const layout::TwipsRect& twips);
    // Sizes every control, font and picture for the zoom; the window keeps a fixed size.
    void ApplyZoom(int percent);
    void Connect();
    void ConnectMenus();
    // File > "Recent Songs": one item for each song opened lately.
    void ShowRecentSongs(const std::vector<std::string>& paths);

    Window& window_;
    MainMenus menus_;
    QGroupBox* chordFrame_ = nullptr;
    FretboardWidget* fretboard_ = nullptr;
    StaffWidget* staff_ = nullptr;
    QGroupBox* analysisPanel_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* abbrev_ = nullptr;
    QLabel* inversion_ = nullptr;
    QLabel* thirds_ = nullptr;
    QLabel* fifths_ = nullptr;
    QLabel* symbol_ = nullptr;
    QLabel* shapeName_ = nullptr;
    QScrollBar* nameScroll_ = nullptr;
    QPushButton* playButton_ = nullptr;
    QPushButton* strumButton_ = nullptr;
    QGroupBox* createPanel_ = nullptr;
    QComboBox* rootList_ = nullptr;
    QComboBox* typeList_ = nullptr;
    QPushButton* createButton_ = nullptr;
    QScrollBar* candidateScroll_ = nullptr;
    SongWindow* songWindow_ = nullptr;
    MetronomeWindow* metronomeWindow_ = nullptr;
    std::vector<std::string> recentShown_;
    std::vector<std::pair<QWidget*, QRect>> placed_;  // in twips
    QFont baseFont_;
    int zoom_ = 0;
};

}  // namespace fretwise
