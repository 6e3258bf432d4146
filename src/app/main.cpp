// fretwise: the main window over the window logic, with the Qt sound player, dialogs and
// desktop, the diagram and song-sheet export and printing, the song and metronome windows, and
// the guitar tuner behind "Guitar &Tuner".
#include <QApplication>
#include <QIcon>
#include <memory>

#include "core/sound/sound_engine.hpp"
#include "core/sound/system_clock.hpp"
#include "fretwise/version.hpp"
#include "qt/desktop/app_locations.hpp"
#include "qt/desktop/desktop_registrar.hpp"
#include "qt/desktop/first_paint_probe.hpp"
#include "qt/desktop/qt_desktop.hpp"
#include "qt/export/printer.hpp"
#include "qt/export/song_export.hpp"
#include "qt/export/window_export.hpp"
#include "qt/player/qt_sound_player.hpp"
#include "qt/tuner/form_tuner.hpp"
#include "qt/tuner/microphone.hpp"
#include "qt/ui/dark_palette.hpp"
#include "qt/ui/main_window.hpp"
#include "qt/ui/qt_dialogs.hpp"
#include "window/commands.hpp"
#include "window/disk_files.hpp"
#include "window/song_commands.hpp"
#include "window/window.hpp"

int main(int argc, char** argv) {
    using namespace fretwise;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fretwise"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QApplication::setDesktopFileName(QStringLiteral("fretwise"));
    ApplyPaletteFromEnvironment();
    FirstPaintProbe::InstallIfAsked();

    const AppPaths paths = LocateAppPaths();
    QApplication::setWindowIcon(
        QIcon(QString::fromStdString((paths.dataDir / "icons" / "fretwise.svg").string())));

    QtSoundPlayer player;
    SystemClock clock;
    SoundEngine engine(player, clock, paths.cacheDir);
    QtDialogs dialogs;
    QtDesktop desktop(paths.dataDir / "help" / "index.html");
    DesktopRegistrar registrar(paths);
    DiskFiles files;
    Window logic{{}, {}, {dialogs, desktop, registrar, files, engine, paths}};

    MainWindow window(logic);
    dialogs.SetParent(&window);
    desktop.SetWindow(&window);
    SystemPrinter printer;
    WindowExport exporter(window, logic, dialogs, printer);
    QtAlerts songAlerts(&window);
    DialogSheetPrinter sheetPrinter(&window);
    SongExport songExport(window, logic, dialogs, songAlerts, sheetPrinter);
    desktop.SetBeatHandler([&logic] { Perform(logic, Beat); });
    Microphone microphone;
    std::unique_ptr<FormTuner> tuner;
    desktop.SetTunerOpener([&](const Tuning& tuning) {
        if (!tuner) {
            tuner = std::make_unique<FormTuner>(engine, paths.dataDir, microphone, &window);
            tuner->UseListenChoices(logic.state.listen, [&logic](const ListenChoices& choices) {
                logic.state.listen = choices;
            });
        }
        tuner->UseTuning(tuning, logic.state.accidentals);
        tuner->UseZoom(logic.state.zoomPercent);
        tuner->exec();
    });

    Startup(logic, CommandLineText(QApplication::arguments()));
    return QApplication::exec();
}
