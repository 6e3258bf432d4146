#include "qt/desktop/qt_desktop.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace fretwise {

void QtDesktop::ShowWindow() {
    if (window_) {
        window_->show();
    }
    QApplication::processEvents();
}

void QtDesktop::OpenHelp() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(helpPage_.string())));
}

void QtDesktop::ShowTuner(const Tuning& tuning) {
    if (openTuner_) {
        openTuner_(tuning);
    }
}

void QtDesktop::Quit() {
    QApplication::exit(0);
}

}  // namespace fretwise
