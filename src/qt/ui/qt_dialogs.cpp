#include "qt/ui/qt_dialogs.hpp"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include "fretwise/version.hpp"
#include "qt/ui/file_filter.hpp"
#include "qt/ui/tuning_dialog.hpp"

namespace fretwise {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::optional<std::string> QtDialogs::AskFileToOpen(std::string_view filter) {
    QFileDialog dialog(parent_, QString(), folder_, QtFileFilter(Q(filter)));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().front();
    folder_ = QFileInfo(path).absolutePath();
    return path.toStdString();
}

std::optional<std::string> QtDialogs::AskFileToSave(std::string_view fileName,
                                                    std::string_view filter) {
    const QString offered = folder_.isEmpty() ? Q(fileName) : QDir(folder_).filePath(Q(fileName));
    const QString path =
        QFileDialog::getSaveFileName(parent_, QString(), offered, QtFileFilter(Q(filter)));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    folder_ = QFileInfo(path).absolutePath();
    return WithFilterExtension(path, Q(filter)).toStdString();
}

std::optional<std::string> QtDialogs::Input(std::string_view prompt, std::string_view title,
                                            std::string_view defaultText) {
    bool ok = false;
    const QString caption = title.empty() ? QString::fromLatin1(kProductName) : Q(title);
    const QString answer =
        QInputDialog::getText(parent_, caption, Q(prompt), QLineEdit::Normal, Q(defaultText), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return answer.toStdString();
}

std::optional<Tuning> QtDialogs::AskTuning(const Tuning& current) {
    TuningDialog dialog(current, parent_);
    dialog.exec();
    return dialog.Chosen();
}

void QtDialogs::Message(std::string_view text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
        QString::fromLatin1(kProductName), Q(text), QMessageBox::Ok, parent_);
    box.exec();
}

void QtDialogs::Beep() {
    QApplication::beep();
}

void QtDialogs::SetBusyCursor(bool busy) {
    ShowWaitCursor(busy);
}

void ShowWaitCursor(bool busy) {
    static bool shown = false;
    if (busy == shown) {
        return;
    }
    shown = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // Let the pointer change reach the screen before the long work starts; user input
        // stays queued until the work is done.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace fretwise
