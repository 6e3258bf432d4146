#include "qt/tuner/form_tuner.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

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
    button->setIconSize(QSize(20, 20));
    button->setAutoDefault(true);
    return button;
}

QWidget* FormTuner::CreateStringsFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Guitar Tuner"));
    frame->setObjectName(QStringLiteral("stringsFrame"));
    auto* headstock = headstock_ = new HeadstockView(frame);
    headstock->setObjectName(QStringLiteral("headstock"));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(headstock);

    // Outermost the play-once button, then the loop toggle, then the string's name.
    const int outer = kSideMargin;
    const int inner = kSideMargin + kButtonWidth + kButtonGap;
    for (int string = 0; string < TunerController::kStringCount; ++string) {
        const bool left = HeadstockView::OnLeft(string);
        const int y = static_cast<int>(HeadstockView::RowY(string)) - kButtonHeight / 2;
        const auto x = [left](int fromSide) {
            return left ? fromSide : HeadstockView::kWidth - fromSide - kButtonWidth;
        };
        const QString name = FromView(StringName(string));

        QPushButton* once = CreateButton(QStringLiteral("playOnce%1").arg(string), headstock);
        once->move(x(outer), y);
        once->setIcon(NoteIcon());
        once->setToolTip(QStringLiteral("Play the %1 string once").arg(name));
        connect(once, &QPushButton::clicked, this, [this, string] { PlayOnce(string); });
        playOnceButtons_[static_cast<std::size_t>(string)] = once;

        QPushButton* loop = CreateButton(QStringLiteral("loop%1").arg(string), headstock);
        loop->move(x(inner), y);
        connect(loop, &QPushButton::clicked, this, [this, string] { ToggleLoop(string); });
        loopToggles_[static_cast<std::size_t>(string)] = loop;
    }
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
    play->setIcon(NoteIcon());
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

void FormTuner::UseTuning(const Tuning& tuning) {
    controller_.UseTuning(tuning);
    listenPanel_->Controller().SetStrings(OpenStrings{tuning, 0}.OpenStringPitches());
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
