#include "ui/form12.h"

#include "app/window_setup.h"

TForm12::TForm12(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {228, 131});
}

void TForm12::SetUpForTopology(calc::LineTopology) {}
