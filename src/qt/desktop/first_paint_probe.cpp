#include "qt/desktop/first_paint_probe.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace fretwise {

void FirstPaintProbe::InstallIfAsked() {
    if (qEnvironmentVariableIsSet("FRETWISE_FIRST_PAINT_PROBE")) {
        QCoreApplication::instance()->installEventFilter(new FirstPaintProbe);
    }
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!reported_ && event->type() == QEvent::Paint && widget != nullptr) {
        reported_ = true;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const QSize size = widget->window()->size();
        std::printf("%lld %dx%d\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    size.width(), size.height());
        std::fflush(stdout);
        QTimer::singleShot(0, [] { std::_Exit(0); });
    }
    return false;
}

}  // namespace fretwise
