#pragma once
// Printing a window's image: one page, no dialog.
class QPrinter;
class QWidget;

// On the system's default printer; with none, the no-printer fault.
void PrintWindowImage(QWidget& window);

// On the given printer: the client area's image at its on-screen size, scaled
// by the printer's resolution over the window's, at the top-left of the
// printable area.
void PrintWindowImage(QWidget& window, QPrinter& printer);
