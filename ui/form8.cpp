#include "ui/form8.h"

#include "app/window_setup.h"

TForm8::TForm8(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {294, 163});
}

void TForm8::PrepareForOpening() {}
