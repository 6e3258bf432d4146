#include "qt/desktop/qt_desktop.hpp"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace fretwise {

QtDesktop::QtDesktop(std::filesystem::path helpPage) : helpPage_(std::move(helpPage)) {
    beats_.setTimerType(Qt::PreciseTimer);
}

void QtDesktop::SetBeatHandler(std::function<void()> beat) {
    QObject::disconnect(&beats_, &QTimer::timeout, nullptr, nullptr);
    QObject::connect(&beats_, &QTimer::timeout, std::move(beat));
}

void QtDesktop::StartBeats(int periodMs) {
    beats_.start(periodMs);
}

void QtDesktop::StopBeats() {
    beats_.stop();
}

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

// The main window is closed first, so that what closing it does (keeping the settings and the
// chord on the fretboard, removing the sound files) also happens on File > Exit.
void QtDesktop::Quit() {
    if (window_) {
        window_->close();
    }
    QApplication::exit(0);
}

}  // namespace fretwise
