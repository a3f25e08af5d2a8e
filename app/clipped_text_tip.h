#pragma once
// The whole text of a box too narrow for it, where the pointer rests.

class QLineEdit;

// From now on, whenever the box's text changes, the box's tooltip is its whole
// text if the box cannot show all of it, and there is none if it can. Calling
// it again on the same box does nothing more.
void ShowWholeTextWhenClipped(QLineEdit& box);
