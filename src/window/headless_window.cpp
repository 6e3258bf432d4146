#include "window/headless_window.hpp"

namespace fretwise {

HeadlessWindow::HeadlessWindow()
    : sound_(player_, clock_, std::filesystem::temp_directory_path()),
      controller_(WindowServices{dialogs_, desktop_, registrar_, files_, sound_, AppPaths{}}) {}

}  // namespace fretwise
