#include "app/windows.h"

#include "app/navigation.h"

Windows::Windows()
    : Form1(*this), Form2(*this), Form3(*this), Form4(*this), Form5(*this), Form6(*this), Form7(*this),
      Form8(*this), Form9(*this), Form10(*this), Form12(*this), Form13(*this)
{
    InstallNavigation(*this);
}
