#include <QApplication>

#include "app/navigation.h"
#include "app/windows.h"

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    // Qt's own FreeType draws the text on Windows as on Linux, to the same measures;
    // the system's text engine under wine drops thin glyphs at the design's 8 points.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
    QApplication application(argc, argv);
    Windows windows;
    ShowWindow(windows.Form1);
    return application.exec();
}
