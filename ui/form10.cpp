#include "ui/form10.h"

#include "app/pictures.h"
#include "app/window_setup.h"

TForm10::TForm10(Windows&)
{
    setupUi(this);
    // A design carries point sizes only: the headings are drawn 13 pixels high.
    for (QLabel* heading : {Label1, Label2, Label3}) {
        QFont headingFont = heading->font();
        headingFont.setPixelSize(13);
        heading->setFont(headingFont);
    }
    SetPictureOnFirstShow(*Image3, QStringLiteral(":/pictures/conductors_three_phase_neutral.jpg"));
    SetPictureOnFirstShow(*Image2, QStringLiteral(":/pictures/conductors_three_phase.jpg"));
    SetPictureOnFirstShow(*Image4, QStringLiteral(":/pictures/conductors_single_phase.jpg"));
    SetUpWindow(*this, {251, 128});
}
