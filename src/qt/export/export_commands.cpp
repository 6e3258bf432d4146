#include "qt/export/export_commands.hpp"

#include <QClipboard>
#include <QGuiApplication>

#include "core/storage/file_messages.hpp"
#include "qt/export/copies.hpp"
#include "qt/export/diagram_file.hpp"

namespace fretwise {

namespace {

// Shows the hourglass for its lifetime, so every way out of a print resets the pointer.
class BusyCursor {
  public:
    explicit BusyCursor(Dialogs& dialogs) : dialogs_(dialogs) { dialogs_.SetBusyCursor(true); }
    ~BusyCursor() { dialogs_.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    Dialogs& dialogs_;
};

}  // namespace

void ExportCommands::CopyDiagram(DiagramKind kind) {
    const QImage image = RenderDiagram(kind, source_.Diagram(kind));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(image);
}

void ExportCommands::SaveDiagram(DiagramKind kind) {
    // The picture is taken at the click, before the dialog, as the window showed it.
    const DiagramPainter picture = source_.Diagram(kind);
    const std::string caption = source_.ChordCaption();
    const std::optional<std::string> chosen = dialogs_.AskFileToSave(caption, kBitmapFilter);
    if (!chosen) {
        return;
    }
    if (chosen->empty() || *chosen == caption) {
        dialogs_.Message(kErrorSavingFile, MessageIcon::None);
        return;
    }
    const QString path = WithBitmapExtension(QString::fromStdString(*chosen));
    if (!WriteDiagramFile(path, kind, picture, SaveFormatFor(path))) {
        dialogs_.Message(kErrorSavingFile, MessageIcon::None);
    }
}

void ExportCommands::PrintDiagram(PrintKind kind) {
    const std::optional<std::string> answer =
        dialogs_.Input(kCopiesPrompt, kPrintTitle, kCopiesDefault);
    const std::optional<int> copies = CopiesFromAnswer(answer.value_or(""));
    if (!copies) {
        dialogs_.Beep();
        alerts_.Exclamation(kPrintCancelled, kPrintTitle);
        return;
    }
    bool printed = false;
    {
        BusyCursor busy(dialogs_);
        printed = printer_.PrintCopies(*copies, source_.Page(kind));
    }
    if (!printed) {
        dialogs_.Beep();
        alerts_.Exclamation(kPrintError, kPrintTitle);
    }
}

}  // namespace fretwise
