#include "ui/form10.h"

#include "app/accessibility.h"
#include "app/pictures.h"
#include "app/window_setup.h"
#include "ui/form12.h"

using calc::LineTopology;

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
    // Three buttons captioned "OK" are told apart by the line each chooses,
    // named as the window it opens is titled; the pictures repeat the headings.
    Button1->setAccessibleName(TopologyTitle(LineTopology::ThreePhaseWithNeutral));
    Button2->setAccessibleName(TopologyTitle(LineTopology::ThreePhaseWithoutNeutral));
    Button3->setAccessibleName(TopologyTitle(LineTopology::SinglePhase));
    KeepPicturesFromAssistiveTechnology({Image3, Image2, Image4});
}
