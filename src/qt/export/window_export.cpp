#include "qt/export/window_export.hpp"

#include <QAction>
#include <array>

#include "qt/ui/main_window.hpp"
#include "window/present.hpp"

namespace fretwise {

WindowExport::WindowExport(MainWindow& window, const Window& logic, Dialogs& dialogs,
                           Printer& printer)
    : source_([&logic] { return Present(logic.state); }),
      alerts_(&window),
      commands_(source_, dialogs, alerts_, printer) {
    const MainMenus& menus = window.Menus();
    ExportCommands& c = commands_;
    // Both submenus list the chord, the small chord and the note diagram.
    constexpr std::array kMenuOrder{DiagramKind::Chord, DiagramKind::Small, DiagramKind::Notes};
    for (std::size_t i = 0; i < kMenuOrder.size(); ++i) {
        const DiagramKind kind = kMenuOrder[i];
        QObject::connect(menus.copy[i], &QAction::triggered, &window,
                         [&c, kind] { c.CopyDiagram(kind); });
        QObject::connect(menus.saveBitmap[i], &QAction::triggered, &window,
                         [&c, kind] { c.SaveDiagram(kind); });
    }
    QObject::connect(menus.printChord, &QAction::triggered, &window,
                     [&c] { c.PrintDiagram(PrintKind::ChordDiagram); });
    QObject::connect(menus.printNotes, &QAction::triggered, &window,
                     [&c] { c.PrintDiagram(PrintKind::NoteDiagram); });
}

}  // namespace fretwise
