#pragma once

#include <QGuiApplication>
#include <memory>

namespace fretwise::cli {

// Painting needs a GUI application; without a display it paints offscreen. Null when one
// runs already.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

}  // namespace fretwise::cli
