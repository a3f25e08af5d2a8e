#pragma once
// The page the program runs in, in a browser: each window stands centred at
// its own size, the tab's title is the visible window's caption, and the
// browser's Back closes the visible window as its Chiudi does.
class QWidget;

void FollowBrowserPage(QWidget& mainWindow);
