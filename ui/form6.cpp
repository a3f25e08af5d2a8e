#include "ui/form6.h"

#include "app/window_setup.h"

TForm6::TForm6(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {309, 92});
}

void TForm6::PrepareForOpening() {}
