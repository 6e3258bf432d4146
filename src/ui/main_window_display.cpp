// Showing the controller's display state in the window's controls.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/fretboard_widget.hpp"
#include "ui/main_window.hpp"
#include "ui/qt_dialogs.hpp"
#include "ui/staff_widget.hpp"

namespace fretwise {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The controls are set without raising their change signals: those are for the user's own
// changes, which the controller has already handled when it produced the state.
void ShowScrollBar(QScrollBar& bar, const ScrollBarView& view) {
    const QSignalBlocker quiet(bar);
    bar.setRange(view.min, view.max);
    bar.setValue(view.value);
    bar.setEnabled(view.enabled);
}

void ShowLabel(QLabel& label, const PanelLabelView& view) {
    label.setText(Q(view.caption));
    label.setEnabled(view.enabled);
}

void ShowCombo(QComboBox& combo, const ComboView& view) {
    const QSignalBlocker quiet(combo);
    QStringList items;
    for (const std::string& item : view.items) {
        items << Q(item);
    }
    QStringList current;
    for (int i = 0; i < combo.count(); ++i) {
        current << combo.itemText(i);
    }
    if (items != current) {
        combo.clear();
        combo.addItems(items);
    }
    combo.setCurrentIndex(view.selected);
}

void ShowToolTips(MainWindow& w, const ToolTipsView& tips) {
    w.FrameChord()->setToolTip(Q(tips.frameChord));
    w.FrameAnalysis()->setToolTip(Q(tips.frameAnalysis));
    w.FrameCreate()->setToolTip(Q(tips.frameCreate));
    w.PictureBox()->setToolTip(Q(tips.pictureBox));
    w.ComboType()->setToolTip(Q(tips.comboType));
    w.ComboRoot()->setToolTip(Q(tips.comboRoot));
    w.CommandCreate()->setToolTip(Q(tips.commandCreate));
    w.CommandStrum()->setToolTip(Q(tips.commandStrum));
    w.CommandPlay()->setToolTip(Q(tips.commandPlay));
}

void ShowMenus(const MainMenus& menus, const MenuView& view) {
    menus.accidentals->setText(Q(view.accidentalsCaption));
    menus.toolTips->setChecked(view.toolTipsChecked);
    menus.allStrings->setChecked(view.allStringsChecked);
}

}  // namespace

void MainWindow::ShowDisplay() {
    const DisplayState& d = controller_.Display();
    frame_->setTitle(Q(d.frameCaption));
    fretboard_->SetBoard(d.fretboard);
    fretboard_->setEnabled(d.fretboardEnabled);
    ShowScrollBar(*VScroll(), d.vScroll);
    ShowScrollBar(*scroll_, d.scroll);
    ShowScrollBar(*newScroll_, d.newScroll);
    ShowLabel(*name_, d.panel.name);
    ShowLabel(*abbrev_, d.panel.abbrev);
    ShowLabel(*inversion_, d.panel.inversion);
    ShowLabel(*thirds_, d.panel.thirds);
    ShowLabel(*fifths_, d.panel.fifths);
    staff_->SetStaff(d.staff);
    ShowCombo(*root_, d.comboRoot);
    ShowCombo(*type_, d.comboType);
    ShowMenus(menus_, d.menu);
    ShowToolTips(*this, d.toolTips);
    play_->setEnabled(d.commandPlayEnabled);
    strum_->setEnabled(d.commandStrumEnabled);
    createButton_->setEnabled(d.commandCreateEnabled);
    ShowWaitCursor(d.busy);
    if (d.focus == FocusRequest::CommandCreate) {
        createButton_->setFocus();
    }
}

}  // namespace fretwise
