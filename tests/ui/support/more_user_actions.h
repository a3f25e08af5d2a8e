#pragma once
// More of what a user does: keys beyond plain ASCII, picking from a drop-down
// list, and pasting.
#include <QString>

class QComboBox;
class QWidget;

// Types the text key by key like Type, also the characters an Italian
// keyboard has keys for ("à", "è", ...); "\b" types Backspace.
void TypeAnyKeys(QWidget* control, const QString& text);

// Opens the list by its arrow and clicks the item of that row with the mouse;
// false if the list did not open or did not close on the click.
bool PickListItem(QComboBox* list, int row);

// Puts the text on the clipboard, selects all of the control's text and
// pastes over it with Ctrl+V.
void PasteOver(QWidget* control, const QString& text);
