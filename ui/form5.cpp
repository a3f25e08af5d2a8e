#include "ui/form5.h"

#include "app/control_events.h"
#include "app/handlers.h"
#include "app/number_boxes.h"
#include "app/pictures.h"
#include "app/printing.h"
#include "app/reset_focus.h"
#include "app/window_setup.h"
#include "calc/cable_section.h"

TForm5::TForm5(Windows&)
{
    setupUi(this);
    for (QLabel* edge : {Image1, Image3})
        SetPictureOnFirstShow(*edge, FrameEdgePath);
    SetUpWindow(*this, {311, 186});

    OnTypedKey(Edit1, this, &TForm5::Edit1KeyPress);
    Bind(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    Bind(NuovoCTRLN1, &QAction::triggered, this, &TForm5::NuovoCTRLN1Click);
    Bind(StampaCTRLMAIUSCF121, &QAction::triggered, this, &TForm5::StampaCTRLMAIUSCF121Click);
    Bind(ChiudiALTF41, &QAction::triggered, this, &TForm5::ChiudiALTF41Click);
    OnSurfaceMouseMove(ClientArea, this, &TForm5::FormMouseMove);
    OnMouseMove(Label38, this, &TForm5::Label38MouseMove);
}

void TForm5::PrepareForOpening()
{
    Button1->setEnabled(false);
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    Edit2->setEnabled(false);
    Edit3->setEnabled(false);
    NuovoCTRLN1->setEnabled(false);
    StampaCTRLMAIUSCF121->setEnabled(false);
    FocusFirstEnabled({Edit1});
}

void TForm5::Edit1KeyPress()
{
    Button1->setEnabled(true);
}

void TForm5::Button1Click()
{
    NuovoCTRLN1->setEnabled(true);
    StampaCTRLMAIUSCF121->setEnabled(true);
    Edit2->setEnabled(true);
    Edit3->setEnabled(true);
    Ib = ReadNumber(*Edit1);
    const auto row = calc::ChooseCableSection(Ib);
    if (!row) {
        // Above the table no section answers: an earlier answer must not stand for this current.
        Edit2->clear();
        Edit3->clear();
        return;
    }
    S = row->section;
    Iz = row->capacity;
    WriteNumber(*Edit2, S);
    WriteNumber(*Edit3, Iz);
}

void TForm5::NuovoCTRLN1Click()
{
    Button1->setEnabled(false);
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    NuovoCTRLN1->setEnabled(false);
    StampaCTRLMAIUSCF121->setEnabled(false);
    FocusFirstEnabled({Edit1});
}

void TForm5::StampaCTRLMAIUSCF121Click()
{
    PrintWindowImage(*this);
}

void TForm5::ChiudiALTF41Click()
{
    close();
}

void TForm5::FormMouseMove()
{
    Label10->hide();
}

void TForm5::Label38MouseMove()
{
    Label10->show();
}
