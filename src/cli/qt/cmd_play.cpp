#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <ostream>

#include "cli/commands/sound_args.hpp"
#include "cli/qt/qt_commands.hpp"
#include "core/sound/sound_engine.hpp"
#include "core/sound/system_clock.hpp"
#include "qt/player/qt_sound_player.hpp"

namespace fretwise::cli {

namespace {

constexpr int kChordMilliseconds = 2750;
constexpr int kNoteMilliseconds = 1250;
// How long a sound may take to load and start before it counts as not playable.
constexpr int kStartMilliseconds = 1000;

// Qt's own warnings about missing audio hardware would only repeat our one-line message.
void QuietQtWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        fputs(qPrintable(message + '\n'), stderr);
    }
}

// Runs the event loop until the player has started and finished, or the time is up.
// Returns whether the sound was seen playing at all.
bool WaitForTheEnd(const QtSoundPlayer& player, int soundMilliseconds) {
    QElapsedTimer timer;
    timer.start();
    bool started = false;
    while (timer.elapsed() < soundMilliseconds + kStartMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (player.IsPlaying()) {
            started = true;
        } else if (started || timer.elapsed() > kStartMilliseconds) {
            break;
        }
    }
    return started;
}

void Declare(ArgParser& parser, SoundRequest& request) {
    parser.Details(
        "Plays a chord or a single note as the play buttons do and waits for its end.\n"
        "Without a sound device it plays nothing and exits with status 1.");
    DeclareSound(parser, request, false);
}

int Run(const SoundRequest& request, Io io) {
    const std::vector<double> chord = ChordToSound(request, false);
    if (!request.note && chord.empty()) {
        io.err << "fretwise-cli play: every string is muted, there is nothing to play\n";
        return kExitFailure;
    }

    static int argc = 1;
    static char name[] = "fretwise-cli";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QtMessageHandler previous = qInstallMessageHandler(QuietQtWarnings);
    int status = kExitOk;
    if (QMediaDevices::audioOutputs().isEmpty()) {
        io.err << "fretwise-cli play: no sound device, nothing played\n";
        status = kExitFailure;
    } else {
        QTemporaryDir dir;
        QtSoundPlayer player;
        SystemClock clock;
        SoundEngine engine(player, clock, dir.path().toStdString());
        SynthOutcome outcome;
        if (request.note) {
            outcome = engine.SynthNote(*request.note);
        } else {
            outcome =
                engine.SynthChord(chord, request.strum ? StrumMode::Strummed : StrumMode::Block);
        }
        const int length = request.note ? kNoteMilliseconds : kChordMilliseconds;
        if (!dir.isValid() || outcome != SynthOutcome::Played || !WaitForTheEnd(player, length)) {
            io.err << "fretwise-cli play: the sound could not be played\n";
            status = kExitFailure;
        }
    }
    qInstallMessageHandler(previous);
    return status;
}

}  // namespace

std::unique_ptr<Command> MakePlayCommand() {
    return MakeCommand<SoundRequest, Declare, Run>();
}

}  // namespace fretwise::cli
