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
    Image3->setPixmap(Picture(QStringLiteral(":/pictures/conductors_three_phase_neutral.jpg")));
    Image2->setPixmap(Picture(QStringLiteral(":/pictures/conductors_three_phase.jpg")));
    Image4->setPixmap(Picture(QStringLiteral(":/pictures/conductors_single_phase.jpg")));
    SetUpWindow(*this, {251, 128});
}
