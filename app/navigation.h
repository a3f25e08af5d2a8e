#pragma once
// Which window is shown when: the opening and closing routes of every window.
class QWidget;
struct Windows;

// Shows a window where it was, at its own size.
void ShowWindow(QWidget& window);

// Shows the target first, then hides the source: exactly one window stays visible.
void ShowInstead(QWidget& from, QWidget& to);

// Binds every opening trigger and every window's close path to its route.
void InstallNavigation(Windows& windows);
