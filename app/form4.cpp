#include "app/form4.h"

#include "app/credits.h"
#include "app/handlers.h"
#include "app/pictures.h"
#include "app/window_setup.h"

TForm4::TForm4(Windows&)
{
    setupUi(this);
    ActionList1.setObjectName(QStringLiteral("ActionList1"));
    BrowseURL1.setObjectName(QStringLiteral("BrowseURL1"));
    SetPictureOnFirstShow(*Image1, QStringLiteral(":/pictures/logo_info.jpg"));
    Label1->setText(QStringLiteral("Software realizzato da: ") + QString::fromUtf8(credits::Author));
    Label3->setText(QString::fromUtf8(credits::AuthorEmail));
    Label4->setText(QString::fromUtf8(credits::ProceduresFirstLine));
    Label8->setText(QString::fromUtf8(credits::ProceduresSecondLine));
    Label5->setText(QString::fromUtf8(credits::WebAddress));
    Label7->setText(QString::fromUtf8(credits::MakerEmail));
    SetUpWindow(*this, {321, 128});

    Bind(Label5, &LinkLabel::followed, this, &TForm4::Label5Click);
    // OK, first in the tab order, has the focus when the window first comes up,
    // though the link stands before it among the window's controls.
    Button1->setFocus();
    Bind(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
}

void TForm4::Label5Click()
{
    // The whole address as shown, so a secure address is opened securely.
    BrowseURL1.SetURL(Label5->text());
    BrowseURL1.Execute();
}

void TForm4::Button1Click()
{
    close();
}
