#pragma once
// Work a window leaves until it is first shown.
#include <functional>

class QWidget;

// Runs the action once, when the window is first shown, before it is painted.
void OnFirstShow(QWidget& window, std::function<void()> action);
