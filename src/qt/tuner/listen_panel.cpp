#include "qt/tuner/listen_panel.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>

#include "qt/tuner/cents_meter.hpp"

namespace fretwise {

ListenPanel::ListenPanel(AudioInput& input, std::function<void(std::optional<int>)> highlight,
                         QWidget* parent)
    : QGroupBox(QStringLiteral("Microphone"), parent),
      controller_(input),
      highlight_(std::move(highlight)) {
    setObjectName(QStringLiteral("listenFrame"));
    listen_ = new QPushButton(QStringLiteral("Listen"), this);
    listen_->setObjectName(QStringLiteral("listen"));
    listen_->setCheckable(true);
    listen_->setAutoDefault(false);
    listen_->setToolTip(QStringLiteral("Listen to the default sound input and show the pitch"));
    connect(listen_, &QPushButton::toggled, this,
            [this](bool on) { controller_.SetListening(on); });

    modeList_ = new QComboBox(this);
    modeList_->setObjectName(QStringLiteral("modeList"));
    for (const std::string_view name : kTunerModeNames) {
        modeList_->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
    }
    modeList_->setToolTip(
        QStringLiteral("Strings: the nearest string of the tuning; Chromatic: the nearest note"));
    connect(modeList_, &QComboBox::currentIndexChanged, this, [this] { Choose(); });
    auto* modeLabel = new QLabel(QStringLiteral("Mode:"), this);
    modeLabel->setBuddy(modeList_);

    referenceA_ = new QSpinBox(this);
    referenceA_->setObjectName(QStringLiteral("referenceA"));
    referenceA_->setRange(int(kLowestReferenceA), int(kHighestReferenceA));
    referenceA_->setValue(int(kDefaultReferenceA));
    referenceA_->setSuffix(QStringLiteral(" Hz"));
    connect(referenceA_, &QSpinBox::valueChanged, this, [this] { Choose(); });
    auto* referenceLabel = new QLabel(QStringLiteral("A4 ="), this);
    referenceLabel->setBuddy(referenceA_);

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setAlignment(Qt::AlignCenter);
    cents_ = new QLabel(this);
    cents_->setObjectName(QStringLiteral("cents"));
    cents_->setAlignment(Qt::AlignCenter);
    meter_ = new CentsMeter(this);
    meter_->setObjectName(QStringLiteral("centsMeter"));
    microphoneLine_ = new QLabel(this);
    microphoneLine_->setObjectName(QStringLiteral("microphoneLine"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(listen_, 0, 0);
    layout->addWidget(modeLabel, 0, 1, Qt::AlignRight);
    layout->addWidget(modeList_, 0, 2);
    layout->addWidget(referenceLabel, 0, 3, Qt::AlignRight);
    layout->addWidget(referenceA_, 0, 4);
    layout->addWidget(note_, 1, 0, 2, 1);
    layout->addWidget(meter_, 1, 1, 1, 4);
    layout->addWidget(cents_, 2, 1, 1, 4);
    layout->addWidget(microphoneLine_, 3, 0, 1, 5);

    UseZoom(100);
    controller_.OnChange([this] { ShowView(); });
    ShowView();
}

void ListenPanel::UseZoom(int percent) {
    note_->setMinimumWidth(110 * percent / 100);
    QFont big = note_->font();
    big.setPixelSize(44 * percent / 100);
    big.setBold(true);
    note_->setFont(big);
    meter_->SetZoom(percent);
}

void ListenPanel::UseChoices(const ListenChoices& choices,
                             std::function<void(const ListenChoices&)> keep) {
    keep_ = nullptr;
    modeList_->setCurrentIndex(choices.mode == TunerMode::Chromatic ? 1 : 0);
    referenceA_->setValue(choices.referenceA);
    keep_ = std::move(keep);
}

void ListenPanel::Choose() {
    const ListenChoices choices{referenceA_->value(), modeList_->currentIndex() == 1
                                                          ? TunerMode::Chromatic
                                                          : TunerMode::Strings};
    controller_.SetMode(choices.mode);
    controller_.SetReferenceA(choices.referenceA);
    if (keep_) {
        keep_(choices);
    }
}

void ListenPanel::ShowView() {
    const ListenView& view = controller_.View();
    const QSignalBlocker quiet(listen_);
    listen_->setChecked(view.listening);
    // Empty rather than hidden, so the window keeps its size.
    microphoneLine_->setText(view.noMicrophone ? QString::fromLatin1(kNoMicrophone.data())
                                               : QString());
    const QString colour = view.inTune ? QStringLiteral("color: #2ea043") : QString();
    note_->setStyleSheet(colour);
    if (view.note) {
        note_->setText(QString::fromStdString(view.note->NoteText()));
        const double cents = std::round(view.note->cents * 10.0) / 10.0;
        cents_->setText(QStringLiteral("%1%2 cents")
                            .arg(cents > 0 ? QStringLiteral("+") : QString())
                            .arg(cents == 0.0 ? 0.0 : cents, 0, 'f', 1));
    } else {
        note_->setText(view.listening ? QStringLiteral("-") : QString());
        cents_->clear();
    }
    meter_->Show(view.note ? std::optional(view.needle) : std::nullopt, view.inTune);
    highlight_(view.note ? view.note->string : std::nullopt);
}

}  // namespace fretwise
