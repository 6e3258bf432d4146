#include "qt/ui/main_window.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "fretwise/version.hpp"
#include "qt/painters/button_pictures.hpp"
#include "qt/painters/twips.hpp"
#include "qt/ui/eliding_label.hpp"
#include "qt/ui/fretboard_widget.hpp"
#include "qt/ui/metronome_window.hpp"
#include "qt/ui/song_window.hpp"
#include "qt/ui/staff_widget.hpp"
#include "window/commands.hpp"
#include "window/song_commands.hpp"
#include "window/window_layout.hpp"
#include "window/zoom_steps.hpp"

namespace fretwise {
namespace {

namespace g = geometry;

constexpr int kPictureSize = 18;  // the play buttons' pictures, in pixels at 100 %

QLabel* PanelLabel(QWidget* parent, const char* name) {
    QLabel* label = new ElidingLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setEnabled(false);
    return label;
}

QScrollBar* HorizontalScrollBar(QWidget* parent, const char* name) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    // The scroll bars never keep the keyboard focus.
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setPageStep(1);
    return bar;
}

void Describe(QWidget& control, const char* name, const char* description) {
    control.setAccessibleName(QString::fromUtf8(name));
    control.setAccessibleDescription(QString::fromUtf8(description));
}

QPushButton* PictureButton(QWidget* parent, const char* name, const QIcon& picture) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(picture);
    return button;
}

// Frames with their caption set into the top edge, so the controls placed near a frame's top
// stay inside it; the sizes in pixels at 100 %.
QString FrameStyle(int percent) {
    const auto px = [percent](int pixels) { return QString::number(pixels * percent / 100); };
    return QStringLiteral(
               "QGroupBox { border: 1px solid palette(mid); border-radius: %1px; margin-top: "
               "%2px; } QGroupBox::title { subcontrol-origin: margin; left: %2px; padding: 0 "
               "%1px; }")
        .arg(px(3), px(7));
}

}  // namespace

MainWindow::MainWindow(Window& window, QWidget* parent) : QMainWindow(parent), window_(window) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(kVersionedName) +
                   QStringLiteral(" - chords for guitarists"));
    menus_ = BuildMainMenus(*this);
    baseFont_ = font();
    BuildControls();
    songWindow_ = new SongWindow(window_, this);
    metronomeWindow_ = new MetronomeWindow(window_, this);
    DescribeControls();
    Connect();
    ConnectMenus();
    window_.services.paint = [this](const WindowState&) { ShowDisplay(); };
    ApplyZoom(kStandardZoom);
    ShowDisplay();
}

void MainWindow::Place(QWidget* control, const layout::TwipsRect& twips) {
    placed_.push_back({control, TwipsQRect(twips)});
}

void MainWindow::ApplyZoom(int percent) {
    zoom_ = percent;
    QFont zoomed = baseFont_;
    if (baseFont_.pixelSize() > 0) {
        zoomed.setPixelSize(baseFont_.pixelSize() * percent / 100);
    } else {
        zoomed.setPointSizeF(baseFont_.pointSizeF() * percent / 100);
    }
    setStyleSheet(FrameStyle(percent));
    // Set on each control: the style sheet keeps the font a control had when it was polished.
    menuBar()->setFont(zoomed);
    fretboard_->SetZoom(percent);
    staff_->SetZoom(percent);
    for (const auto& [control, twips] : placed_) {
        control->setFont(zoomed);
        control->setGeometry(ZoomedRect(twips, percent));
    }
    zoomed.setBold(true);
    symbol_->setFont(zoomed);
    const QSize picture(kPictureSize * percent / 100, kPictureSize * percent / 100);
    playButton_->setIconSize(picture);
    strumButton_->setIconSize(picture);
    centralWidget()->setFixedSize(
        chordFrame_->geometry().right() + 1 + ZoomedPx(layout::kMargin, percent),
        chordFrame_->geometry().bottom() + 1 + ZoomedPx(layout::kMargin, percent));
}

QScrollBar* MainWindow::NeckScroll() const {
    return fretboard_->NeckScrollBar();
}

void MainWindow::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    chordFrame_ = new QGroupBox(client);
    chordFrame_->setObjectName(QStringLiteral("chordFrame"));
    Place(chordFrame_, layout::kChordFrame);

    fretboard_ = new FretboardWidget(chordFrame_);
    fretboard_->setObjectName(QStringLiteral("fretboard"));
    Place(fretboard_, layout::kFretboard);
    fretboard_->NeckScrollBar()->setObjectName(QStringLiteral("neckScroll"));

    BuildAnalysisPanel();

    staff_ = new StaffWidget(chordFrame_);
    staff_->setObjectName(QStringLiteral("staff"));
    Place(staff_, layout::kStaff);

    BuildCreatePanel();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::BuildAnalysisPanel() {
    analysisPanel_ = new QGroupBox(QStringLiteral("Analysis"), chordFrame_);
    analysisPanel_->setObjectName(QStringLiteral("analysisPanel"));
    Place(analysisPanel_, layout::kAnalysisPanel);
    // Name, abbreviation and inversion as placed; thirds and fifths get room for their number,
    // and the chord symbol, in bold, the space between them and the play buttons.
    name_ = PanelLabel(analysisPanel_, "nameLabel");
    Place(name_, layout::kNameLabel);
    abbrev_ = PanelLabel(analysisPanel_, "abbreviationLabel");
    Place(abbrev_, layout::kAbbreviationLabel);
    inversion_ = PanelLabel(analysisPanel_, "inversionLabel");
    Place(inversion_, layout::kInversionLabel);
    thirds_ = PanelLabel(analysisPanel_, "thirdsLabel");
    Place(thirds_, layout::kThirdsLabel);
    fifths_ = PanelLabel(analysisPanel_, "fifthsLabel");
    Place(fifths_, layout::kFifthsLabel);
    symbol_ = new ElidingLabel(analysisPanel_);  // in bold
    symbol_->setObjectName(QStringLiteral("symbolLabel"));
    Place(symbol_, layout::kSymbolLabel);
    // With a capo, the shape's name without it, below the symbol.
    shapeName_ = new ElidingLabel(analysisPanel_);
    shapeName_->setObjectName(QStringLiteral("shapeNameLabel"));
    Place(shapeName_, layout::kShapeNameLabel);
    nameScroll_ = HorizontalScrollBar(analysisPanel_, "nameScroll");
    Place(nameScroll_, layout::kNameScroll);
    playButton_ = PictureButton(analysisPanel_, "playButton", PlayPicture());
    Place(playButton_, layout::kPlayButton);
    strumButton_ = PictureButton(analysisPanel_, "strumButton", StrumPicture());
    Place(strumButton_, layout::kStrumButton);
}

void MainWindow::BuildCreatePanel() {
    createPanel_ = new QGroupBox(QStringLiteral("Create"), chordFrame_);
    createPanel_->setObjectName(QStringLiteral("createPanel"));
    Place(createPanel_, layout::kCreatePanel);
    rootList_ = new QComboBox(createPanel_);
    rootList_->setObjectName(QStringLiteral("rootList"));
    Place(rootList_, layout::kRootList);
    typeList_ = new QComboBox(createPanel_);
    typeList_->setObjectName(QStringLiteral("typeList"));
    Place(typeList_, layout::kTypeList);
    typeList_->setMaxVisibleItems(20);
    createButton_ = new QPushButton(QStringLiteral("Create"), createPanel_);
    createButton_->setObjectName(QStringLiteral("createButton"));
    Place(createButton_, layout::kCreateButton);
    candidateScroll_ = HorizontalScrollBar(createPanel_, "candidateScroll");
    Place(candidateScroll_, layout::kCandidateScroll);
}

// Names and descriptions for screen readers; the fretboard describes its own cursor.
void MainWindow::DescribeControls() {
    Describe(*NeckScroll(), "Neck position", "The first fret in view");
    Describe(*nameScroll_, "Chord name", "Other names of the same chord");
    Describe(*candidateScroll_, "Created fingering", "The fingerings created for the chord");
    Describe(*rootList_, "Root", "The root of the chord to create");
    Describe(*typeList_, "Chord type", "The type of the chord to create");
    Describe(*createButton_, "Create", "Creates the chord in the frets in view");
    Describe(*playButton_, "Play", "Plays the chord as a block chord");
    Describe(*strumButton_, "Strum", "Plays the chord strummed");
    Describe(*staff_, "Notation", "The notes of the chord on the treble staff");
    Describe(*analysisPanel_, "Analysis", "The chord's name, inversion, thirds and fifths");
}

void MainWindow::Connect() {
    Window& w = window_;
    connect(fretboard_, &FretboardWidget::Released, this,
            [&w](MouseButton button, int x, int y) { Perform(w, ClickFretboard, button, x, y); });
    connect(fretboard_, &FretboardWidget::KeyPressed, this,
            [&w](Key key, bool ctrl) { Perform(w, PressFretboardKey, key, ctrl); });
    connect(NeckScroll(), &QScrollBar::valueChanged, this,
            [&w](int v) { Perform(w, ScrollNeck, v); });
    connect(nameScroll_, &QScrollBar::valueChanged, this,
            [&w](int v) { Perform(w, ChooseChordName, v); });
    connect(candidateScroll_, &QScrollBar::valueChanged, this,
            [&w](int v) { Perform(w, ChooseCandidate, v); });
    connect(rootList_, &QComboBox::currentIndexChanged, this,
            [&w](int i) { Perform(w, SelectRoot, i); });
    connect(typeList_, &QComboBox::currentIndexChanged, this,
            [&w](int i) { Perform(w, SelectChordType, i); });
    connect(createButton_, &QPushButton::clicked, this, [&w] { Perform(w, CreateChord); });
    connect(playButton_, &QPushButton::clicked, this,
            [&w] { Perform(w, PlayChord, StrumMode::Block); });
    connect(strumButton_, &QPushButton::clicked, this,
            [&w] { Perform(w, PlayChord, StrumMode::Strummed); });
}

void MainWindow::ConnectMenus() {
    Window& w = window_;
    const MainMenus& m = menus_;
    const auto on = [this](QAction* item, auto command) {
        connect(item, &QAction::triggered, this, command);
    };
    on(m.open, [&w] { Perform(w, ChooseChordFileToOpen); });
    on(m.save, [&w] { Perform(w, SaveChordFile); });
    on(m.saveWavBlock, [&w] { Perform(w, SaveChordAsWav, StrumMode::Block); });
    on(m.saveWavStrummed, [&w] { Perform(w, SaveChordAsWav, StrumMode::Strummed); });
    on(m.openSong, [&w] { Perform(w, ChooseSongToOpen); });
    on(m.saveSongAs, [&w] { Perform(w, SaveSongAs); });
    on(m.exit, [&w] { Perform(w, Exit); });
    on(m.tuner, [&w] { Perform(w, ShowTuner); });
    on(m.metronome, [&w] { Perform(w, ShowMetronome); });
    on(m.undo, [&w] { Perform(w, UndoChord); });
    on(m.redo, [&w] { Perform(w, RedoChord); });
    on(m.findChord, [&w] { Perform(w, FindChord); });
    on(m.clear, [&w] { Perform(w, ClearChord); });
    on(m.accidentals, [&w] { Perform(w, ToggleAccidentals); });
    on(m.allStrings, [&w] { Perform(w, ToggleAllStrings); });
    on(m.easiestFirst, [&w] { Perform(w, ChooseChordOrder, CreateOrder::Classic); });
    on(m.asGuitaristsPlay, [&w] { Perform(w, ChooseChordOrder, CreateOrder::Guitarist); });
    on(m.restTreble, [&w] { Perform(w, ToggleRestTreble); });
    on(m.wholeNeck, [&w] { Perform(w, ToggleWholeNeck); });
    on(m.classicVocabulary, [&w] { Perform(w, ChooseVocabulary, Vocabulary::Classic); });
    on(m.fullVocabulary, [&w] { Perform(w, ChooseVocabulary, Vocabulary::Full); });
    on(m.numberOfFrets, [&w] { Perform(w, AskFretCount); });
    on(m.leftHanded, [&w] { Perform(w, ToggleLeftHanded); });
    for (std::size_t i = 0; i < kZoomSteps.size(); ++i) {
        on(m.zoom[i], [&w, percent = kZoomSteps[i]] { Perform(w, ChooseZoom, percent); });
    }
    for (int k = 0; k < static_cast<int>(m.tunings.size()); ++k) {
        on(m.tunings[static_cast<std::size_t>(k)], [&w, k] { Perform(w, ChooseTuning, k); });
    }
    on(m.customTuning, [&w] { Perform(w, AskCustomTuning); });
    on(m.capo, [&w] { Perform(w, AskCapo); });
    on(m.toolTips, [&w] { Perform(w, ToggleToolTips); });
    on(m.onlineHelp, [&w] { Perform(w, OpenHelp); });
    on(m.about, [&w] { Perform(w, ShowAbout); });
}

void MainWindow::ShowRecentSongs(const std::vector<std::string>& paths) {
    if (paths == recentShown_) {
        return;
    }
    recentShown_ = paths;
    QMenu& menu = *menus_.recentSongs;
    menu.clear();
    Window& w = window_;
    for (int k = 0; k < static_cast<int>(paths.size()); ++k) {
        const QString path = QString::fromStdString(paths[static_cast<std::size_t>(k)]);
        QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(path));
        connect(item, &QAction::triggered, this, [&w, k] { Perform(w, OpenRecentSong, k); });
    }
    menu.setEnabled(!paths.empty());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    fretwise::Close(window_);
    event->accept();
}

}  // namespace fretwise
