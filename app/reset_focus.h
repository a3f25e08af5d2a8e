#pragma once
// Where typing goes once a window is reset for a new calculation.
#include <initializer_list>

class QWidget;

// Puts the keyboard focus in the first of the controls, in their order, that
// is enabled and reached by Tab (of a group of line kinds, the selected one),
// whether the window is active already or becomes active later.
void FocusFirstEnabled(std::initializer_list<QWidget*> controls);
