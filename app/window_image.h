#pragma once
// The image of a window's client area, as printing shows it.
class QPixmap;
class QWidget;

// The window without title bar, border and menu bar.
QWidget& ClientArea(QWidget& window);

// The client area drawn on the window's background colour, at the screen's pixel ratio.
QPixmap ClientImage(QWidget& client);
