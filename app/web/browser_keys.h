#pragma once
// AltGr in a browser types its characters, as it does on the desktop.
void UseBrowserKeys();
