#include "ui/form3.h"

#include "app/window_setup.h"

TForm3::TForm3(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {126, 127});
}

void TForm3::SetLineKind(calc::LineTopology) {}
