#include "ui/form13.h"

#include "app/window_setup.h"

TForm13::TForm13(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {228, 182});
}

void TForm13::PrepareForOpening() {}
