#pragma once

#include <QMainWindow>

#include "ui/main_menus.hpp"
#include "window/main_controller.hpp"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace fretwise {

class FretboardWidget;
class StaffWidget;

// MAIN: the window's controls at their fixed places, painted from the controller's display
// state. Every event goes to the controller; whenever the controller reports a change the
// window shows its display state again. The controls carry the names the window logic uses
// (objectName "FrameChord", "ComboRoot", ...).
class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(MainController& controller, QWidget* parent = nullptr);

    // Brings every control in line with the controller's display state.
    void ShowDisplay();

    const MainMenus& Menus() const { return menus_; }
    QGroupBox* Frame() const { return frame_; }
    FretboardWidget* FrameChord() const { return fretboard_; }
    StaffWidget* PictureBox() const { return staff_; }
    QGroupBox* FrameAnalysis() const { return analysis_; }
    QGroupBox* FrameCreate() const { return create_; }
    QLabel* LblName() const { return name_; }
    QLabel* LblShort() const { return abbrev_; }
    QLabel* LblInversion() const { return inversion_; }
    QLabel* Lbl3rds() const { return thirds_; }
    QLabel* Lbl5ths() const { return fifths_; }
    QScrollBar* VScroll() const;
    QScrollBar* Scroll() const { return scroll_; }
    QScrollBar* NewScroll() const { return newScroll_; }
    QComboBox* ComboRoot() const { return root_; }
    QComboBox* ComboType() const { return type_; }
    QPushButton* CommandCreate() const { return createButton_; }
    QPushButton* CommandPlay() const { return play_; }
    QPushButton* CommandStrum() const { return strum_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void BuildAnalysisPanel();
    void BuildCreatePanel();
    void Connect();
    void ConnectMenus();

    MainController& controller_;
    MainMenus menus_;
    QGroupBox* frame_ = nullptr;
    FretboardWidget* fretboard_ = nullptr;
    StaffWidget* staff_ = nullptr;
    QGroupBox* analysis_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* abbrev_ = nullptr;
    QLabel* inversion_ = nullptr;
    QLabel* thirds_ = nullptr;
    QLabel* fifths_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* strum_ = nullptr;
    QGroupBox* create_ = nullptr;
    QComboBox* root_ = nullptr;
    QComboBox* type_ = nullptr;
    QPushButton* createButton_ = nullptr;
    QScrollBar* newScroll_ = nullptr;
};

}  // namespace fretwise
