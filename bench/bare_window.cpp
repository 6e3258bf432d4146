// The yardstick of scripts/startup-time: a bare Qt window of the given size, which reports
// its first paint as the program does.
#include <QApplication>
#include <QWidget>

#include "qt/desktop/first_paint_probe.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fretwise::FirstPaintProbe::InstallIfAsked();
    QWidget window;
    const QStringList args = QApplication::arguments();
    window.resize(args.size() > 2 ? args[1].toInt() : 640, args.size() > 2 ? args[2].toInt() : 480);
    window.show();
    return QApplication::exec();
}
