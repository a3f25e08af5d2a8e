#include "ui/form2.h"

#include "app/window_setup.h"

// Its buttons open their windows through the navigation table.
TForm2::TForm2(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {407, 258});
}
