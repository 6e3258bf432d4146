#include "qt/export/song_export.hpp"

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "core/storage/file_messages.hpp"
#include "qt/ui/main_window.hpp"
#include "qt/ui/song_window.hpp"

namespace fretwise {

namespace {

constexpr std::string_view kSheetFilter = "PDF|*.pdf|SVG|*.svg|PNG|*.png";
constexpr std::string_view kPrintFailed = "Error printing song! - Print cancelled";
constexpr std::string_view kPrintTitle = "Print";

}  // namespace

SheetPrinter::Outcome DialogSheetPrinter::Print(const SongSheet& sheet,
                                                const SheetOptions& options) {
    QPrinter printer;
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return Outcome::Cancelled;
    }
    return PrintSheet(printer, sheet, options) ? Outcome::Printed : Outcome::Failed;
}

SongExport::SongExport(MainWindow& window, const Window& logic, Dialogs& dialogs, Alerts& alerts,
                       SheetPrinter& printer)
    : logic_(logic), dialogs_(dialogs), alerts_(alerts), printer_(printer) {
    const MainMenus& menus = window.Menus();
    QObject::connect(menus.printSong, &QAction::triggered, &window, [this] { PrintSong(); });
    QObject::connect(window.Song()->PrintButton(), &QPushButton::clicked, &window,
                     [this] { PrintSong(); });
    QObject::connect(menus.saveSongSheet, &QAction::triggered, &window,
                     [this] { SaveSongSheet(); });
}

std::optional<SongSheet> SongExport::Sheet() const {
    const std::optional<SongState>& song = logic_.state.song;
    if (!song) {
        return std::nullopt;
    }
    return SheetOf(*song->file, song->song, song->plan, true);
}

SheetOptions SongExport::Options() const {
    return {LocalPaper(), logic_.state.leftHanded};
}

void SongExport::PrintSong() {
    const std::optional<SongSheet> sheet = Sheet();
    if (sheet && printer_.Print(*sheet, Options()) == SheetPrinter::Outcome::Failed) {
        dialogs_.Beep();
        alerts_.Exclamation(kPrintFailed, kPrintTitle);
    }
}

void SongExport::SaveSongSheet() {
    const std::optional<SongSheet> sheet = Sheet();
    if (!sheet) {
        return;
    }
    const std::string offered = (sheet->title.empty() ? std::string("song") : sheet->title);
    const std::optional<std::string> chosen = dialogs_.AskFileToSave(offered, kSheetFilter);
    if (!chosen) {
        return;
    }
    const QString path = QString::fromStdString(*chosen);
    const std::optional<SheetFormat> format = SheetFormatOf(path);
    if (!format || !WriteSheetFile(path, *sheet, Options(), *format)) {
        dialogs_.Message(kErrorSavingFile, MessageIcon::None);
    }
}

}  // namespace fretwise
