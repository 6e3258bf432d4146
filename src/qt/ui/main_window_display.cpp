// Showing what Present makes of the window's state in the window's controls.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "qt/painters/twips.hpp"
#include "qt/ui/fretboard_widget.hpp"
#include "qt/ui/main_window.hpp"
#include "qt/ui/metronome_window.hpp"
#include "qt/ui/qt_dialogs.hpp"
#include "qt/ui/song_window.hpp"
#include "qt/ui/staff_widget.hpp"
#include "window/present.hpp"

namespace fretwise {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The controls are set without raising their change signals: those are for the user's own
// changes, which their commands have already handled.
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

// The name label ends a name too long for it with "...": its tooltip and its accessible
// description give the whole name.
void ShowNameLabel(QLabel& label, const PanelLabelView& view) {
    ShowLabel(label, view);
    label.setToolTip(view.enabled ? Q(view.caption) : QString());
    label.setAccessibleDescription(Q(view.caption));
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

void ShowMenus(const MainMenus& menus, const MenuView& view) {
    menus.accidentals->setText(Q(view.accidentalsCaption));
    menus.toolTips->setChecked(view.toolTipsChecked);
    menus.allStrings->setChecked(view.allStringsChecked);
    menus.easiestFirst->setChecked(view.chordOrder == CreateOrder::Classic);
    menus.asGuitaristsPlay->setChecked(view.chordOrder == CreateOrder::Guitarist);
    menus.restTreble->setChecked(view.restTrebleChecked);
    menus.wholeNeck->setChecked(view.wholeNeckChecked);
    menus.classicVocabulary->setChecked(view.vocabulary == Vocabulary::Classic);
    menus.fullVocabulary->setChecked(view.vocabulary == Vocabulary::Full);
    for (std::size_t k = 0; k < menus.tunings.size(); ++k) {
        menus.tunings[k]->setChecked(static_cast<int>(k) == view.tuningChecked);
    }
    menus.customTuning->setChecked(view.tuningChecked < 0);
    menus.undo->setEnabled(view.undoEnabled);
    menus.redo->setEnabled(view.redoEnabled);
    for (QAction* songItem : {menus.saveSongAs, menus.printSong, menus.saveSongSheet}) {
        songItem->setEnabled(view.songItemsEnabled);
    }
}

}  // namespace

void MainWindow::ShowToolTips(const ToolTipsView& tips) {
    fretboard_->setToolTip(Q(tips.fretboard));
    analysisPanel_->setToolTip(Q(tips.analysisPanel));
    createPanel_->setToolTip(Q(tips.createPanel));
    staff_->setToolTip(Q(tips.staff));
    typeList_->setToolTip(Q(tips.typeList));
    rootList_->setToolTip(Q(tips.rootList));
    createButton_->setToolTip(Q(tips.createButton));
    strumButton_->setToolTip(Q(tips.strumButton));
    playButton_->setToolTip(Q(tips.playButton));
    symbol_->setToolTip(Q(tips.symbol));
}

void MainWindow::ShowDisplay() {
    const DisplayState d = Present(window_.state);
    if (d.zoomPercent != zoom_) {
        ApplyZoom(d.zoomPercent);
    }
    chordFrame_->setTitle(Q(d.chordCaption));
    fretboard_->SetBoard(d.fretboard);
    fretboard_->setEnabled(d.fretboardEnabled);
    ShowScrollBar(*NeckScroll(), d.neckScroll);
    ShowScrollBar(*nameScroll_, d.nameScroll);
    ShowScrollBar(*candidateScroll_, d.candidateScroll);
    ShowNameLabel(*name_, d.panel.name);
    ShowLabel(*abbrev_, d.panel.abbrev);
    ShowLabel(*inversion_, d.panel.inversion);
    ShowLabel(*thirds_, d.panel.thirds);
    ShowLabel(*fifths_, d.panel.fifths);
    symbol_->setText(Q(d.panel.symbol));
    shapeName_->setText(Q(d.panel.shapeName));
    // The symbol keeps the upper line when the shape's name takes the lower one.
    symbol_->setGeometry(
        ZoomedRect(TwipsQRect(d.panel.shapeName.empty() ? layout::kSymbolLabel
                                                        : layout::kSymbolAboveShapeName),
                   zoom_));
    staff_->SetStaff(d.staff);
    ShowCombo(*rootList_, d.rootList);
    ShowCombo(*typeList_, d.typeList);
    ShowMenus(menus_, d.menu);
    menus_.leftHanded->setChecked(d.fretboard.leftHanded);
    for (std::size_t i = 0; i < kZoomSteps.size(); ++i) {
        menus_.zoom[i]->setChecked(kZoomSteps[i] == d.zoomPercent);
    }
    ShowRecentSongs(d.menu.recentSongs);
    ShowToolTips(d.toolTips);
    playButton_->setEnabled(d.playEnabled);
    strumButton_->setEnabled(d.strumEnabled);
    createButton_->setEnabled(d.createEnabled);
    ShowWaitCursor(d.busy);
    if (d.focus == FocusRequest::CreateButton) {
        createButton_->setFocus();
    } else if (d.focus == FocusRequest::Fretboard) {
        fretboard_->setFocus();
    }
    songWindow_->ShowView(d.song);
    metronomeWindow_->ShowView(d.metronome);
}

}  // namespace fretwise
