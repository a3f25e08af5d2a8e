#pragma once
// Qt's own texts, such as an edit box's context menu, in Italian like the program's.

// From now on Qt speaks Italian; calling it again does nothing more.
void UseItalianQtTexts();
