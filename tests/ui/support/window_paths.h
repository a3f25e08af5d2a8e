#pragma once
// The way a user reaches each window from the main window.
#include <QString>

class QWidget;
struct Windows;

// Opens the window ("Form5", ...) by the clicks a user makes from the main
// window, with every row it can show in view (ten loads in the load-current
// window, the three-phase line with neutral in the cable-line window), and
// waits until it is on the screen.
QWidget* OpenAsAUser(Windows& windows, const QString& name);
