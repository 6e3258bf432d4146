#include "qt/tuner/form_tuner.hpp"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

#include "qt/painters/twips.hpp"
#include "qt/tuner/headstock_view.hpp"
#include "qt/tuner/listen_panel.hpp"
#include "qt/tuner/tuner_icons.hpp"
#include "tuner/tuner_tones.hpp"

namespace fretwise {

namespace {

constexpr int kButtonWidth = 38;
constexpr int kButtonHeight = 30;
constexpr int kSideMargin = 12;
constexpr int kButtonGap = 6;
constexpr int kIconSize = 20;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<int> Selection(const QComboBox* combo) {
    const int index = combo->currentIndex();
    return index < 0 ? std::nullopt : std::optional<int>(index);
}

}  // namespace

FormTuner::FormTuner(SoundEngine& engine, const std::filesystem::path& dataDir, AudioInput& input,
                     QWidget* parent)
    : QDialog(parent),
      controller_(engine, dataDir / "WAVs"),
      playIcon_(PlayIcon()),
      stopIcon_(StopIcon()) {
    setObjectName(QStringLiteral("tuner"));
    setWindowTitle(QStringLiteral("Guitar Tuner"));
    setModal(true);

    auto* lower = new QHBoxLayout;
    lower->addWidget(CreatePlayNoteFrame(), 3);
    lower->addWidget(CreateBandFrame(), 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateStringsFrame());
    layout->addLayout(lower);
    listenPanel_ = new ListenPanel(
        input, [this](std::optional<int> string) { headstock_->Highlight(string); }, this);
    layout->addWidget(listenPanel_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    controller_.Load();
    noteList_->setCurrentIndex(controller_.SelectedNote().value_or(-1));
    octaveList_->setCurrentIndex(controller_.SelectedOctave().value_or(-1));
    bandList_->setCurrentIndex(controller_.SelectedBand().value_or(-1));
    connect(noteList_, &QComboBox::currentIndexChanged, this,
            [this] { controller_.SelectNote(Selection(noteList_)); });
    connect(octaveList_, &QComboBox::currentIndexChanged, this,
            [this] { controller_.SelectOctave(Selection(octaveList_)); });
    connect(bandList_, &QComboBox::currentIndexChanged, this,
            [this] { controller_.SelectBand(Selection(bandList_)); });
    baseFont_ = font();
    ShowNoteIcons();
    ShowToggles();
    SetTabOrder();
}

// Reading order: the left column top to bottom, the right column top to bottom, then the
// lists and buttons below.
void FormTuner::SetTabOrder() {
    std::vector<QWidget*> chain;
    for (int string : {3, 4, 5, 2, 1, 0}) {
        chain.push_back(playOnceButtons_[static_cast<std::size_t>(string)]);
        chain.push_back(loopToggles_[static_cast<std::size_t>(string)]);
    }
    chain.insert(chain.end(),
                 {noteList_, octaveList_, playOnceButtons_[TunerController::kPlayNoteButton],
                  bandList_, loopToggles_[TunerController::kBandToggle]});
    for (std::size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    chain.front()->setFocus();
}

QPushButton* FormTuner::CreateButton(const QString& name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setIconSize(QSize(kIconSize, kIconSize));
    button->setAutoDefault(true);
    return button;
}

// Beside the headstock's names, outermost the play-once button, then the loop toggle.
void FormTuner::PlaceStringButtons() {
    const auto zoomed = [this](int px) { return px * zoom_ / 100; };
    for (int string = 0; string < TunerController::kStringCount; ++string) {
        const bool left = HeadstockView::OnLeft(string);
        const int y = zoomed(static_cast<int>(HeadstockView::RowY(string)) - kButtonHeight / 2);
        const auto x = [&](int fromSide) {
            return zoomed(left ? fromSide : HeadstockView::kWidth - fromSide - kButtonWidth);
        };
        playOnceButtons_[static_cast<std::size_t>(string)]->move(x(kSideMargin), y);
        loopToggles_[static_cast<std::size_t>(string)]->move(
            x(kSideMargin + kButtonWidth + kButtonGap), y);
    }
}

void FormTuner::UseZoom(int percent) {
    zoom_ = percent;
    // Set on each control: under the main window's style sheet a control keeps the font it
    // was polished with.
    const QFont zoomed = ZoomedFont(baseFont_, percent);
    setFont(zoomed);
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setFont(zoomed);
    }
    headstock_->SetZoom(percent);
    for (auto* buttons : {&playOnceButtons_, &loopToggles_}) {
        for (QPushButton* button : *buttons) {
            button->setFixedSize(kButtonWidth * percent / 100, kButtonHeight * percent / 100);
            button->setIconSize(QSize(kIconSize * percent / 100, kIconSize * percent / 100));
        }
    }
    PlaceStringButtons();
    listenPanel_->UseZoom(percent);
}

// The note is drawn in the buttons' own ink, so it shows on a dark palette as on a light one.
void FormTuner::ShowNoteIcons() {
    const QIcon note = NoteIcon(palette().color(QPalette::ButtonText));
    for (QPushButton* button : playOnceButtons_) {
        if (button != nullptr) {
            button->setIcon(note);
        }
    }
}

void FormTuner::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        ShowNoteIcons();
    }
    QDialog::changeEvent(event);
}

QWidget* FormTuner::CreateStringsFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Guitar Tuner"));
    frame->setObjectName(QStringLiteral("stringsFrame"));
    auto* headstock = headstock_ = new HeadstockView(frame);
    headstock->setObjectName(QStringLiteral("headstock"));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(headstock);

    for (int string = 0; string < TunerController::kStringCount; ++string) {
        const QString name = FromView(StringName(string));
        QPushButton* once = CreateButton(QStringLiteral("playOnce%1").arg(string), headstock);
        once->setToolTip(QStringLiteral("Play the %1 string once").arg(name));
        connect(once, &QPushButton::clicked, this, [this, string] { PlayOnce(string); });
        playOnceButtons_[static_cast<std::size_t>(string)] = once;

        QPushButton* loop = CreateButton(QStringLiteral("loop%1").arg(string), headstock);
        connect(loop, &QPushButton::clicked, this, [this, string] { ToggleLoop(string); });
        loopToggles_[static_cast<std::size_t>(string)] = loop;
    }
    PlaceStringButtons();
    return frame;
}

QWidget* FormTuner::CreatePlayNoteFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Play a note"));
    frame->setObjectName(QStringLiteral("playNoteFrame"));
    noteList_ = new QComboBox(frame);
    noteList_->setObjectName(QStringLiteral("noteList"));
    for (const TunerNote& note : kTunerNotes) {
        noteList_->addItem(FromView(note.name), note.offsetFromA);
    }
    octaveList_ = new QComboBox(frame);
    octaveList_->setObjectName(QStringLiteral("octaveList"));
    for (std::string_view octave : kTunerOctaves) {
        octaveList_->addItem(FromView(octave));
    }
    auto* noteLabel = new QLabel(QStringLiteral("Note:"), frame);
    noteLabel->setBuddy(noteList_);
    auto* octaveLabel = new QLabel(QStringLiteral("Octave:"), frame);
    octaveLabel->setBuddy(octaveList_);

    const int button = TunerController::kPlayNoteButton;
    QPushButton* play = CreateButton(QStringLiteral("playOnce%1").arg(button), frame);
    play->setToolTip(QStringLiteral("Play the chosen note once"));
    connect(play, &QPushButton::clicked, this,
            [this] { PlayOnce(TunerController::kPlayNoteButton); });
    playOnceButtons_[button] = play;

    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(noteLabel);
    layout->addWidget(noteList_);
    layout->addSpacing(8);
    layout->addWidget(octaveLabel);
    layout->addWidget(octaveList_);
    layout->addStretch(1);
    layout->addWidget(play);
    return frame;
}

QWidget* FormTuner::CreateBandFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Tune a band"));
    frame->setObjectName(QStringLiteral("bandFrame"));
    bandList_ = new QComboBox(frame);
    bandList_->setObjectName(QStringLiteral("bandList"));
    for (const BandTone& tone : kBandTones) {
        bandList_->addItem(FromView(tone.name));
    }
    const int button = TunerController::kBandToggle;
    QPushButton* loop = CreateButton(QStringLiteral("loop%1").arg(button), frame);
    connect(loop, &QPushButton::clicked, this,
            [this] { ToggleLoop(TunerController::kBandToggle); });
    loopToggles_[button] = loop;

    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(bandList_, 1);
    layout->addWidget(loop);
    return frame;
}

void FormTuner::UseListenChoices(const ListenChoices& choices,
                                 std::function<void(const ListenChoices&)> keep) {
    listenPanel_->UseChoices(choices, std::move(keep));
}

void FormTuner::UseTuning(const Tuning& tuning, Accidentals mode) {
    controller_.UseTuning(tuning);
    const OpenStrings open{tuning, 0};
    headstock_->SetNames(open.OpenNoteNames(mode));
    listenPanel_->Controller().SetStrings(open.OpenStringPitches());
}

void FormTuner::hideEvent(QHideEvent* event) {
    listenPanel_->StopListening();
    QDialog::hideEvent(event);
}

void FormTuner::PlayOnce(int button) {
    controller_.PlayOnce(button);
    ShowToggles();
}

void FormTuner::ToggleLoop(int button) {
    controller_.ToggleLoop(button);
    ShowToggles();
}

void FormTuner::ShowToggles() {
    for (int i = 0; i < TunerController::kButtonCount; ++i) {
        QPushButton* toggle = loopToggles_[static_cast<std::size_t>(i)];
        const bool on = controller_.LoopOn(i);
        toggle->setIcon(on ? stopIcon_ : playIcon_);
        toggle->setProperty("loopOn", on);
        const QString tone =
            i == TunerController::kBandToggle
                ? QStringLiteral("the concert pitch")
                : QStringLiteral("the %1 string's recorded tone").arg(FromView(StringName(i)));
        toggle->setToolTip(on ? QStringLiteral("Stop %1").arg(tone)
                              : QStringLiteral("Loop %1").arg(tone));
    }
}

}  // namespace fretwise
