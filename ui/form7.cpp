#include "ui/form7.h"

#include "app/window_setup.h"

TForm7::TForm7(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {303, 169});
}

void TForm7::PrepareForOpening() {}
