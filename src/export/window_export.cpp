#include "export/window_export.hpp"

#include <QAction>

#include "ui/main_window.hpp"

namespace fretwise {

WindowExport::WindowExport(MainWindow& window, const MainController& controller, Dialogs& dialogs,
                           Printer& printer)
    : source_([&controller]() -> const DisplayState& { return controller.Display(); }),
      alerts_(&window),
      commands_(source_, dialogs, alerts_, printer) {
    const MainMenus& menus = window.Menus();
    ExportCommands& c = commands_;
    for (int i = 0; i < static_cast<int>(menus.copy.size()); ++i) {
        QObject::connect(menus.copy[i], &QAction::triggered, &window,
                         [&c, i] { c.MnuCopyCClick(i); });
    }
    for (int i = 0; i < static_cast<int>(menus.saveBitmap.size()); ++i) {
        QObject::connect(menus.saveBitmap[i], &QAction::triggered, &window,
                         [&c, i] { c.MnuSaveCClick(i + 3); });
    }
    QObject::connect(menus.printChord, &QAction::triggered, &window, [&c] { c.MnuPrintCDClick(); });
    QObject::connect(menus.printNotes, &QAction::triggered, &window, [&c] { c.MnuPrintNDClick(); });
}

}  // namespace fretwise
