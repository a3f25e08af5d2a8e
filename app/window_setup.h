#pragma once
// What every window does once its design is built.
#include <QPoint>

class QWidget;

enum class TitleBarBoxes { CloseOnly, CloseAndMinimise };

// Title bar boxes, the outer top-left corner on the screen, labels sized to
// their captions as drawn in the design, and boxes named after their captions.
void SetUpWindow(QWidget& window, QPoint outerTopLeft, TitleBarBoxes boxes = TitleBarBoxes::CloseOnly);
