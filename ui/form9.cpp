#include "ui/form9.h"

#include "app/window_setup.h"

// Its buttons open their windows through the navigation table.
TForm9::TForm9(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {376, 272});
}
