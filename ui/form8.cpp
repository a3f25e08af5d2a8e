#include "ui/form8.h"

#include "app/control_events.h"
#include "app/handlers.h"
#include "app/number_boxes.h"
#include "app/pictures.h"
#include "app/printing.h"
#include "app/reset_focus.h"
#include "app/window_setup.h"
#include "calc/correction_power.h"

TForm8::TForm8(Windows&)
{
    setupUi(this);
    for (QLabel* edge : {Image1, Image3})
        SetPictureOnFirstShow(*edge, FrameEdgePath);
    SetUpWindow(*this, {294, 163});

    OnTypedKey(Edit1, this, &TForm8::Edit1KeyPress);
    OnTypedKey(Edit2, this, &TForm8::Edit2KeyPress);
    OnTypedKey(Edit3, this, &TForm8::Edit3KeyPress);
    Bind(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    Bind(NuovoCTRLN1, &QAction::triggered, this, &TForm8::NuovoCTRLN1Click);
    Bind(StampaCTRLMAIUSCF122, &QAction::triggered, this, &TForm8::StampaCTRLMAIUSCF122Click);
    Bind(StampaCTRLMAIUSCF121, &QAction::triggered, this, &TForm8::StampaCTRLMAIUSCF121Click);
}

void TForm8::PrepareForOpening()
{
    // The same reset as Nuovo.
    NuovoCTRLN1Click();
}

void TForm8::Edit1KeyPress()
{
    Edit2->setEnabled(true);
}

void TForm8::Edit2KeyPress()
{
    Edit3->setEnabled(true);
}

void TForm8::Edit3KeyPress()
{
    Button1->setEnabled(true);
}

void TForm8::Button1Click()
{
    // Enabled first, so a fault further on leaves them enabled.
    NuovoCTRLN1->setEnabled(true);
    StampaCTRLMAIUSCF122->setEnabled(true);
    P = ReadNumber(*Edit1);
    CosPhi1 = ReadNumber(*Edit2);
    CosPhi2 = ReadNumber(*Edit3);
    const calc::CorrectionPower correction = calc::ComputeCorrectionPower(P, CosPhi1, CosPhi2);
    TanPhi1 = correction.initialTangent;
    TanPhi2 = correction.finalTangent;
    Q = correction.reactivePower;
    WriteNumber(*Edit4, Q);
}

void TForm8::NuovoCTRLN1Click()
{
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    Edit4->clear();
    Edit2->setEnabled(false);
    Edit3->setEnabled(false);
    Button1->setEnabled(false);
    NuovoCTRLN1->setEnabled(false);
    StampaCTRLMAIUSCF122->setEnabled(false);
    FocusFirstEnabled({Edit1});
}

void TForm8::StampaCTRLMAIUSCF122Click()
{
    PrintWindowImage(*this);
}

// This item is the window's Chiudi, whatever its name says.
void TForm8::StampaCTRLMAIUSCF121Click()
{
    close();
}
