#include "app/form4.h"

#include "app/window_setup.h"

TForm4::TForm4(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {321, 128});
}

