#pragma once

#include "qt/export/alerts.hpp"
#include "qt/export/export_commands.hpp"
#include "qt/export/printer.hpp"
#include "qt/export/window_diagrams.hpp"

namespace fretwise {

class MainWindow;
struct Window;

// The main window's copy, save-as-bitmap and print commands, connected to its menu items
// (Ctrl+C, Ctrl+K, Ctrl+N, "Save as &Bitmap" > three items, Ctrl+P and "&Note Diagram...").
// Lives as long as the window.
class WindowExport {
  public:
    WindowExport(MainWindow& window, const Window& logic, Dialogs& dialogs, Printer& printer);

    ExportCommands& Commands() { return commands_; }

  private:
    WindowDiagrams source_;
    QtAlerts alerts_;
    ExportCommands commands_;
};

}  // namespace fretwise
