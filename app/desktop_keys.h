#pragma once
// Keys that act in every window as they do in the desktop's own dialogs.

// From now on, in every window: a letter, digit or sign pressed with Alt held
// types nothing (AltGr still types, and so does Ctrl+Alt, which some systems
// send for it); Return and keypad Enter press the focused push button, as
// Space does. Calling it again does nothing more.
void UseDesktopKeys();
