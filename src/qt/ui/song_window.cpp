#include "qt/ui/song_window.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/music/tuning.hpp"
#include "qt/ui/chord_strip_widget.hpp"
#include "qt/ui/lyrics_widget.hpp"
#include "window/song_commands.hpp"

namespace fretwise {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 720;
constexpr int kGapToMainWindow = 8;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

}  // namespace

SongWindow::SongWindow(Window& window, QWidget* parent)
    : QWidget(parent, Qt::Window), window_(window) {
    setObjectName(QStringLiteral("songWindow"));
    resize(kWidth, kHeight);
    auto* column = new QVBoxLayout(this);

    title_ = Named(new QLabel(this), "titleLabel");
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title_->setFont(titleFont);
    subtitles_ = Named(new QLabel(this), "subtitlesLabel");
    key_ = Named(new QLabel(this), "keyLabel");
    column->addWidget(title_);
    column->addWidget(subtitles_);
    column->addWidget(key_);

    auto* controls = new QHBoxLayout;
    songs_ = Named(new QComboBox(this), "songList");
    controls->addWidget(songs_);
    down_ = Named(new QPushButton(QStringLiteral("Down"), this), "downButton");
    transpose_ = Named(new QLabel(this), "transposeLabel");
    up_ = Named(new QPushButton(QStringLiteral("Up"), this), "upButton");
    controls->addWidget(down_);
    controls->addWidget(transpose_);
    controls->addWidget(up_);
    controls->addSpacing(16);
    controls->addWidget(new QLabel(QStringLiteral("Capo:"), this));
    capo_ = Named(new QSpinBox(this), "capoBox");
    capo_->setRange(0, kMaxCapo);
    controls->addWidget(capo_);
    suggest_ = Named(new QPushButton(QStringLiteral("Suggest"), this), "suggestButton");
    controls->addWidget(suggest_);
    capoNote_ = Named(new QLabel(this), "capoNote");
    controls->addWidget(capoNote_);
    controls->addStretch();
    column->addLayout(controls);

    chords_ = Named(new ChordStripWidget(this), "chords");
    chordArea_ = new QScrollArea(this);
    chordArea_->setWidget(chords_);
    chordArea_->setWidgetResizable(false);
    chordArea_->setFixedHeight(chords_->minimumHeight() + 24);
    column->addWidget(chordArea_);
    unknown_ = Named(new QLabel(this), "unknownLabel");
    column->addWidget(unknown_);

    lyrics_ = Named(new LyricsWidget(this), "lyrics");
    auto* lyricsArea = new QScrollArea(this);
    lyricsArea->setWidget(lyrics_);
    lyricsArea->setWidgetResizable(true);
    column->addWidget(lyricsArea, 1);

    auto* buttons = new QHBoxLayout;
    playThrough_ = Named(new QPushButton(this), "playThroughButton");
    save_ = Named(new QPushButton(QStringLiteral("Save Song As..."), this), "saveButton");
    print_ = Named(new QPushButton(QStringLiteral("Print Song..."), this), "printButton");
    buttons->addWidget(playThrough_);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(print_);
    column->addLayout(buttons);
    Connect();
}

void SongWindow::Connect() {
    Window& w = window_;
    connect(songs_, &QComboBox::currentIndexChanged, this,
            [&w](int index) { Perform(w, ChooseSongOfFile, index); });
    connect(down_, &QPushButton::clicked, this, [&w] { Perform(w, TransposeSong, -1); });
    connect(up_, &QPushButton::clicked, this, [&w] { Perform(w, TransposeSong, 1); });
    connect(capo_, &QSpinBox::valueChanged, this,
            [&w](int capo) { Perform(w, ChooseSongCapo, capo); });
    connect(suggest_, &QPushButton::clicked, this, [&w] { Perform(w, SuggestSongCapo); });
    connect(chords_, &ChordStripWidget::ChordClicked, this,
            [&w](int index) { Perform(w, ShowSongChord, index); });
    connect(playThrough_, &QPushButton::clicked, this, [&w] { Perform(w, PlayThroughSong); });
    connect(save_, &QPushButton::clicked, this, [&w] { Perform(w, SaveSongAs); });
}

void SongWindow::ShowView(const SongWindowView& view) {
    if (!view.shown) {
        if (isVisible()) {
            hide();
        }
        return;
    }
    setWindowTitle(Q(view.caption));
    title_->setText(Q(view.title));
    QStringList subtitles;
    for (const std::string& subtitle : view.subtitles) {
        subtitles << Q(subtitle);
    }
    subtitles_->setText(subtitles.join(QStringLiteral(" - ")));
    subtitles_->setVisible(!subtitles.isEmpty());
    key_->setText(Q(view.keyAndCapo));
    {
        const QSignalBlocker quiet(songs_);
        QStringList titles;
        for (const std::string& song : view.songs) {
            titles << Q(song);
        }
        songs_->clear();
        songs_->addItems(titles);
        songs_->setCurrentIndex(view.songs.empty() ? -1 : view.songIndex);
        songs_->setVisible(!view.songs.empty());
    }
    transpose_->setText(Q(view.transposeCaption));
    {
        const QSignalBlocker quiet(capo_);
        capo_->setValue(view.capo);
    }
    capoNote_->setText(Q(view.capoNote));
    chords_->SetChords(view.chords, view.leftHanded);
    chords_->resize(chords_->sizeHint());
    unknown_->setText(Q(view.unknownNote));
    unknown_->setVisible(!view.unknownNote.empty());
    lyrics_->SetLines(view.lines);
    playThrough_->setText(Q(view.playCaption));
    if (!isVisible()) {
        // Beside the main window, where the fretboard stays in sight.
        if (const QWidget* main = parentWidget()) {
            move(main->frameGeometry().topRight() + QPoint(kGapToMainWindow, 0));
        }
        show();
    }
}

void SongWindow::closeEvent(QCloseEvent* event) {
    Perform(window_, CloseSong);
    event->accept();
}

}  // namespace fretwise
