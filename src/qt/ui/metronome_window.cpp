#include "qt/ui/metronome_window.hpp"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "window/song_commands.hpp"

namespace fretwise {

namespace {

constexpr int kGapToMainWindow = 8;

// The beats of a bar as dots, the one that sounded last filled.
QString BeatDots(const MetronomeView& view) {
    QString dots;
    const int sounded = (view.nextBeat + view.beatsPerBar - 1) % view.beatsPerBar;
    for (int beat = 0; beat < view.beatsPerBar; ++beat) {
        const bool lit = view.running && beat == sounded;
        dots += lit ? QStringLiteral("\u25CF ") : QStringLiteral("\u25CB ");
    }
    return dots.trimmed();
}

}  // namespace

MetronomeWindow::MetronomeWindow(Window& window, QWidget* parent)
    : QWidget(parent, Qt::Window), window_(window) {
    setObjectName(QStringLiteral("metronomeWindow"));
    setWindowTitle(QStringLiteral("Metronome"));
    auto* form = new QFormLayout(this);
    tempo_ = new QSpinBox(this);
    tempo_->setObjectName(QStringLiteral("tempoBox"));
    tempo_->setRange(kSlowestTempo, kFastestTempo);
    tempo_->setSuffix(QStringLiteral(" beats a minute"));
    form->addRow(QStringLiteral("Tempo:"), tempo_);
    beats_ = new QSpinBox(this);
    beats_->setObjectName(QStringLiteral("beatsBox"));
    beats_->setRange(1, kMostBeatsPerBar);
    form->addRow(QStringLiteral("Beats in a bar:"), beats_);
    beat_ = new QLabel(this);
    beat_->setObjectName(QStringLiteral("beatLabel"));
    QFont big = beat_->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    beat_->setFont(big);
    form->addRow(beat_);
    auto* buttons = new QHBoxLayout;
    start_ = new QPushButton(this);
    start_->setObjectName(QStringLiteral("startButton"));
    tap_ = new QPushButton(QStringLiteral("Tap"), this);
    tap_->setObjectName(QStringLiteral("tapButton"));
    buttons->addWidget(start_);
    buttons->addWidget(tap_);
    form->addRow(buttons);
    taps_.start();

    Window& w = window_;
    connect(tempo_, &QSpinBox::valueChanged, this,
            [&w](int tempo) { Perform(w, ChooseTempo, tempo); });
    connect(beats_, &QSpinBox::valueChanged, this,
            [&w](int beats) { Perform(w, ChooseBeatsPerBar, beats); });
    connect(start_, &QPushButton::clicked, this, [&w] { Perform(w, ToggleMetronome); });
    connect(tap_, &QPushButton::pressed, this,
            [this, &w] { Perform(w, TapTempo, static_cast<double>(taps_.elapsed()) / 1000.0); });
}

void MetronomeWindow::ShowView(const MetronomeView& view) {
    if (!view.shown) {
        if (isVisible()) {
            hide();
        }
        return;
    }
    {
        const QSignalBlocker quietTempo(tempo_);
        const QSignalBlocker quietBeats(beats_);
        tempo_->setValue(view.tempo);
        beats_->setValue(view.beatsPerBar);
    }
    start_->setText(QString::fromStdString(view.startCaption));
    beat_->setText(BeatDots(view));
    if (!isVisible()) {
        // Below the main window.
        if (const QWidget* main = parentWidget()) {
            move(main->frameGeometry().bottomLeft() + QPoint(0, kGapToMainWindow));
        }
        show();
    }
}

void MetronomeWindow::closeEvent(QCloseEvent* event) {
    Perform(window_, CloseMetronome);
    event->accept();
}

}  // namespace fretwise
