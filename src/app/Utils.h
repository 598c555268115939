#pragma once

class QMainWindow;

namespace Utils {

// The first top-level widget that is a main window, or null.
QMainWindow *findMainWindow();

} // namespace Utils
