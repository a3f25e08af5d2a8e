#include "ui/form10.h"

#include "app/window_setup.h"

TForm10::TForm10(Windows&)
{
    setupUi(this);
    SetUpWindow(*this, {251, 128});
}

