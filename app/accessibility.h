#pragma once
// What assistive technology reads of a window's boxes.
#include <initializer_list>

class QWidget;

// Gives each box that a caption label names (its buddy) and that has no
// accessible name of its own the caption's text, so a screen reader announces
// the box as the user sees it captioned. A list box's text field takes the
// name too, since that is where typing goes.
void NameBoxesAfterTheirCaptions(QWidget& window);

// From now on, what assistive technology reads of the program: each window as
// a window, each link as a link that its action follows, and none of the
// frames drawn around a window's rows (rules of underscores, edge pictures,
// bare bevels): a screen reader would read them out as runs of underscores
// and unnamed images.
void InstallAccessibleReadings();

// Leaves the pictures out of what assistive technology reads: drawings of what
// the captions beside them already say.
void KeepPicturesFromAssistiveTechnology(std::initializer_list<QWidget*> pictures);
