#include "ui/main_window.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>

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
    setObjectName(QStringLiteral("MAIN"));
    setWindowTitle(QStringLiteral("Fretwise v1.1 - chords for guitarists"));
    menus_ = BuildMainMenus(*this);
    BuildControls();
    Connect();
    ConnectMenus();
    controller_.SetChangeListener([this] { ShowDisplay(); });
    ShowDisplay();
}

QScrollBar* MainWindow::VScroll() const {
    return fretboard_->NeckScrollBar();
}

void MainWindow::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    frame_ = new QGroupBox(client);
    frame_->setObjectName(QStringLiteral("Frame"));
    frame_->setGeometry(TwipsRect(120, 120, 9375, 7695));
    client->setFixedSize(frame_->geometry().right() + 1 + TwipsToPx(kMargin),
                         frame_->geometry().bottom() + 1 + TwipsToPx(kMargin));

    fretboard_ = new FretboardWidget(frame_);
    fretboard_->setObjectName(QStringLiteral("FrameChord"));
    fretboard_->move(TwipsToPx(240), TwipsToPx(480));
    fretboard_->NeckScrollBar()->setObjectName(QStringLiteral("VScroll"));

    BuildAnalysisPanel();

    staff_ = new StaffWidget(frame_);
    staff_->setObjectName(QStringLiteral("PictureBox"));
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
    analysis_ = new QGroupBox(QStringLiteral("Analysis"), frame_);
    analysis_->setObjectName(QStringLiteral("FrameAnalysis"));
    analysis_->setGeometry(TwipsRect(5160, 360, 3975, 2295));
    // Name, abbreviation and inversion as placed; thirds and fifths get room for their number.
    name_ = PanelLabel(analysis_, "LblName", 360, 2775);
    abbrev_ = PanelLabel(analysis_, "LblShort", 720, 2655);
    inversion_ = PanelLabel(analysis_, "LblInversion", 1080, 2655);
    thirds_ = PanelLabel(analysis_, "Lbl3rds", 1440, 1800);
    fifths_ = PanelLabel(analysis_, "Lbl5ths", 1800, 1800);
    scroll_ = HorizontalScrollBar(analysis_, "Scroll", TwipsRect(3000, 240, 855, 315));
    play_ = PictureButton(analysis_, "CommandPlay", PlayPicture(), TwipsRect(2580, 1560, 555, 495));
    strum_ =
        PictureButton(analysis_, "CommandStrum", StrumPicture(), TwipsRect(3240, 1560, 555, 495));
}

void MainWindow::BuildCreatePanel() {
    create_ = new QGroupBox(QStringLiteral("Create"), frame_);
    create_->setObjectName(QStringLiteral("FrameCreate"));
    create_->setGeometry(TwipsRect(5160, 5580, 3975, 1875));
    root_ = new QComboBox(create_);
    root_->setObjectName(QStringLiteral("ComboRoot"));
    root_->setGeometry(TwipsRect(120, 360, 855, kComboHeight));
    type_ = new QComboBox(create_);
    type_->setObjectName(QStringLiteral("ComboType"));
    type_->setGeometry(TwipsRect(1080, 360, 2775, kComboHeight));
    type_->setMaxVisibleItems(20);
    createButton_ = new QPushButton(QStringLiteral("Create"), create_);
    createButton_->setObjectName(QStringLiteral("CommandCreate"));
    createButton_->setGeometry(TwipsRect(120, 780, 3735, 435));
    newScroll_ = HorizontalScrollBar(create_, "NewScroll", TwipsRect(120, 1320, 3735, 375));
}

void MainWindow::Connect() {
    MainController& c = controller_;
    connect(fretboard_, &FretboardWidget::Released, this,
            [&c](MouseButton button, int x, int y) { c.FretboardRelease(button, x, y); });
    connect(VScroll(), &QScrollBar::valueChanged, this, [&c](int v) { c.VScrollChange(v); });
    connect(scroll_, &QScrollBar::valueChanged, this, [&c](int v) { c.ScrollChange(v); });
    connect(newScroll_, &QScrollBar::valueChanged, this, [&c](int v) { c.NewScrollChange(v); });
    connect(root_, &QComboBox::currentIndexChanged, this, [&c](int i) { c.ComboRootClick(i); });
    connect(type_, &QComboBox::currentIndexChanged, this, [&c](int i) { c.ComboTypeClick(i); });
    connect(createButton_, &QPushButton::clicked, this, [&c] { c.CommandCreateClick(); });
    connect(play_, &QPushButton::clicked, this, [&c] { c.CommandPlayClick(); });
    connect(strum_, &QPushButton::clicked, this, [&c] { c.CommandStrumClick(); });
}

void MainWindow::ConnectMenus() {
    MainController& c = controller_;
    const MainMenus& m = menus_;
    connect(m.open, &QAction::triggered, this, [&c] { c.MnuOpenClick(); });
    connect(m.save, &QAction::triggered, this, [&c] { c.MnuSaveClick(); });
    for (int i = 0; i < static_cast<int>(m.saveWav.size()); ++i) {
        connect(m.saveWav[i], &QAction::triggered, this, [&c, i] { c.MnuBCSClick(i); });
    }
    connect(m.exit, &QAction::triggered, this, [&c] { c.MnuExitClick(); });
    connect(m.tuner, &QAction::triggered, this, [&c] { c.MnuTunerClick(); });
    connect(m.accidentals, &QAction::triggered, this, [&c] { c.MnuAccidentalsClick(); });
    connect(m.allStrings, &QAction::triggered, this, [&c] { c.MnuXClick(); });
    connect(m.numberOfFrets, &QAction::triggered, this, [&c] { c.MnuNFClick(); });
    connect(m.toolTips, &QAction::triggered, this, [&c] { c.MnuTTTClick(); });
    connect(m.onlineHelp, &QAction::triggered, this, [&c] { c.MnuSupportClick(); });
    connect(m.about, &QAction::triggered, this, [&c] { c.MnuAboutClick(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    controller_.Close();
    event->accept();
}

}  // namespace fretwise
