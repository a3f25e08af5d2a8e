#include "app/windows.h"

#include "app/navigation.h"

Windows::Windows()
    : Form1(*this), Form2(*this), Form3(*this), Form4(*this), Form5(*this), Form6(*this), Form7(*this),
      Form8(*this), Form9(*this), Form10(*this), Form12(*this), Form13(*this)
{
    InstallNavigation(*this);
}

Windows::~Windows()
{
    // A control dying with its window may still signal it: no handler may run in a window
    // that is already being taken apart.
    for (QWidget* window : All())
        for (QObject* control : window->findChildren<QObject*>())
            control->disconnect(window);
}

QList<QWidget*> Windows::All()
{
    return {&Form1, &Form2, &Form3, &Form4, &Form5, &Form6, &Form7, &Form8, &Form9, &Form10, &Form12, &Form13};
}
