#include "ui/main_window.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>

#include "fretwise/version.hpp"
#include "ui/button_pictures.hpp"
#include "ui/eliding_label.hpp"
#include "ui/fretboard_widget.hpp"
#include "ui/staff_widget.hpp"
#include "ui/twips.hpp"

namespace fretwise {
namespace {

constexpr int kLabelHeight = 285;
constexpr int kComboHeight = 345;
constexpr int kMargin = 120;  // around the frame, as on its left and top

QLabel* PanelLabel(QWidget* parent, const char* name, int top, int width) {
    QLabel* label = new ElidingLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(TwipsRect(120, top, width, kLabelHeight));
    label->setEnabled(false);
    return label;
}

QScrollBar* HorizontalScrollBar(QWidget* parent, const char* name, const QRect& place) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(place);
    // The scroll bars never keep the keyboard focus.
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setPageStep(1);
    return bar;
}

QPushButton* PictureButton(QWidget* parent, const char* name, const QIcon& picture,
                           const QRect& place) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(picture);
    button->setIconSize(QSize(18, 18));
    button->setGeometry(place);
    return button;
}

}  // namespace

MainWindow::MainWindow(MainController& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(kVersionedName) +
                   QStringLiteral(" - chords for guitarists"));
    menus_ = BuildMainMenus(*this);
    BuildControls();
    Connect();
    ConnectMenus();
    controller_.SetChangeListener([this] { ShowDisplay(); });
    ShowDisplay();
}

QScrollBar* MainWindow::NeckScroll() const {
    return fretboard_->NeckScrollBar();
}

void MainWindow::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    chordFrame_ = new QGroupBox(client);
    chordFrame_->setObjectName(QStringLiteral("chordFrame"));
    chordFrame_->setGeometry(TwipsRect(120, 120, 9375, 7695));
    client->setFixedSize(chordFrame_->geometry().right() + 1 + TwipsToPx(kMargin),
                         chordFrame_->geometry().bottom() + 1 + TwipsToPx(kMargin));

    fretboard_ = new FretboardWidget(chordFrame_);
    fretboard_->setObjectName(QStringLiteral("fretboard"));
    fretboard_->move(TwipsToPx(240), TwipsToPx(480));
    fretboard_->NeckScrollBar()->setObjectName(QStringLiteral("neckScroll"));

    BuildAnalysisPanel();

    staff_ = new StaffWidget(chordFrame_);
    staff_->setObjectName(QStringLiteral("staff"));
    staff_->move(TwipsToPx(5160), TwipsToPx(3000));

    BuildCreatePanel();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Frames with their caption set into the top edge, so the controls placed near a
    // frame's top stay inside it.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 3px; }"));
}

void MainWindow::BuildAnalysisPanel() {
    analysisPanel_ = new QGroupBox(QStringLiteral("Analysis"), chordFrame_);
    analysisPanel_->setObjectName(QStringLiteral("analysisPanel"));
    analysisPanel_->setGeometry(TwipsRect(5160, 360, 3975, 2295));
    // Name, abbreviation and inversion as placed; thirds and fifths get room for their number,
    // and the chord symbol, in bold, the space between them and the play buttons.
    name_ = PanelLabel(analysisPanel_, "nameLabel", 360, 2775);
    abbrev_ = PanelLabel(analysisPanel_, "abbreviationLabel", 720, 2655);
    inversion_ = PanelLabel(analysisPanel_, "inversionLabel", 1080, 2655);
    thirds_ = PanelLabel(analysisPanel_, "thirdsLabel", 1440, 900);
    fifths_ = PanelLabel(analysisPanel_, "fifthsLabel", 1800, 900);
    symbol_ = new ElidingLabel(analysisPanel_);
    symbol_->setObjectName(QStringLiteral("symbolLabel"));
    symbol_->setGeometry(TwipsRect(1020, 1440, 1530, 645));
    QFont bold = symbol_->font();
    bold.setBold(true);
    symbol_->setFont(bold);
    nameScroll_ = HorizontalScrollBar(analysisPanel_, "nameScroll", TwipsRect(3000, 240, 855, 315));
    playButton_ =
        PictureButton(analysisPanel_, "playButton", PlayPicture(), TwipsRect(2580, 1560, 555, 495));
    strumButton_ = PictureButton(analysisPanel_, "strumButton", StrumPicture(),
                                 TwipsRect(3240, 1560, 555, 495));
}

void MainWindow::BuildCreatePanel() {
    createPanel_ = new QGroupBox(QStringLiteral("Create"), chordFrame_);
    createPanel_->setObjectName(QStringLiteral("createPanel"));
    createPanel_->setGeometry(TwipsRect(5160, 5580, 3975, 1875));
    rootList_ = new QComboBox(createPanel_);
    rootList_->setObjectName(QStringLiteral("rootList"));
    rootList_->setGeometry(TwipsRect(120, 360, 855, kComboHeight));
    typeList_ = new QComboBox(createPanel_);
    typeList_->setObjectName(QStringLiteral("typeList"));
    typeList_->setGeometry(TwipsRect(1080, 360, 2775, kComboHeight));
    typeList_->setMaxVisibleItems(20);
    createButton_ = new QPushButton(QStringLiteral("Create"), createPanel_);
    createButton_->setObjectName(QStringLiteral("createButton"));
    createButton_->setGeometry(TwipsRect(120, 780, 3735, 435));
    candidateScroll_ =
        HorizontalScrollBar(createPanel_, "candidateScroll", TwipsRect(120, 1320, 3735, 375));
}

void MainWindow::Connect() {
    MainController& c = controller_;
    connect(fretboard_, &FretboardWidget::Released, this,
            [&c](MouseButton button, int x, int y) { c.FretboardRelease(button, x, y); });
    connect(NeckScroll(), &QScrollBar::valueChanged, this, [&c](int v) { c.ScrollNeck(v); });
    connect(nameScroll_, &QScrollBar::valueChanged, this, [&c](int v) { c.ChooseChordName(v); });
    connect(candidateScroll_, &QScrollBar::valueChanged, this,
            [&c](int v) { c.ChooseCandidate(v); });
    connect(rootList_, &QComboBox::currentIndexChanged, this, [&c](int i) { c.SelectRoot(i); });
    connect(typeList_, &QComboBox::currentIndexChanged, this,
            [&c](int i) { c.SelectChordType(i); });
    connect(createButton_, &QPushButton::clicked, this, [&c] { c.CreateChord(); });
    connect(playButton_, &QPushButton::clicked, this, [&c] { c.PlayChord(StrumMode::Block); });
    connect(strumButton_, &QPushButton::clicked, this, [&c] { c.PlayChord(StrumMode::Strummed); });
}

void MainWindow::ConnectMenus() {
    MainController& c = controller_;
    const MainMenus& m = menus_;
    connect(m.open, &QAction::triggered, this, [&c] { c.ChooseChordFileToOpen(); });
    connect(m.save, &QAction::triggered, this, [&c] { c.SaveChordFile(); });
    connect(m.saveWavBlock, &QAction::triggered, this,
            [&c] { c.SaveChordAsWav(StrumMode::Block); });
    connect(m.saveWavStrummed, &QAction::triggered, this,
            [&c] { c.SaveChordAsWav(StrumMode::Strummed); });
    connect(m.exit, &QAction::triggered, this, [&c] { c.Exit(); });
    connect(m.tuner, &QAction::triggered, this, [&c] { c.ShowTuner(); });
    connect(m.findChord, &QAction::triggered, this, [&c] { c.FindChord(); });
    connect(m.accidentals, &QAction::triggered, this, [&c] { c.ToggleAccidentals(); });
    connect(m.allStrings, &QAction::triggered, this, [&c] { c.ToggleAllStrings(); });
    connect(m.numberOfFrets, &QAction::triggered, this, [&c] { c.AskFretCount(); });
    connect(m.toolTips, &QAction::triggered, this, [&c] { c.ToggleToolTips(); });
    connect(m.onlineHelp, &QAction::triggered, this, [&c] { c.OpenHelp(); });
    connect(m.about, &QAction::triggered, this, [&c] { c.ShowAbout(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    controller_.Close();
    event->accept();
}

}  // namespace fretwise
