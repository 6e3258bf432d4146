#pragma once

#include <QObject>

namespace fretwise {

// For measuring start-up (scripts/startup-time): when FRETWISE_FIRST_PAINT_PROBE is set, the
// first paint of a window prints the wall-clock time in nanoseconds since the epoch and the
// window's size ("1733540000123456789 641x548") and ends the program; otherwise it does
// nothing. Installed on the application before its first window is shown.
class FirstPaintProbe : public QObject {
  public:
    static void InstallIfAsked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool reported_ = false;
};

}  // namespace fretwise
