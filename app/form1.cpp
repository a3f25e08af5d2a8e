#include "app/form1.h"

#include "app/handlers.h"
#include "app/pictures.h"
#include "app/window_setup.h"

TForm1::TForm1(Windows&)
{
    setupUi(this);
    SetPictureOnFirstShow(*Image1, QStringLiteral(":/pictures/logo.jpg"));
    SetUpWindow(*this, {266, 78});
    Bind(EsciALTF41, &QAction::triggered, this, &TForm1::EsciALTF41Click);
}

void TForm1::EsciALTF41Click()
{
    close();
}
