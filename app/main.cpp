#include <QApplication>

#include "app/windows.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Windows windows;
    windows.Form1.show();
    return application.exec();
}
