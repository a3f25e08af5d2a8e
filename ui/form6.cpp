#include "ui/form6.h"

#include "app/control_events.h"
#include "app/handlers.h"
#include "app/number_boxes.h"
#include "app/pictures.h"
#include "app/printing.h"
#include "app/reset_focus.h"
#include "app/window_setup.h"
#include "calc/voltage_drop.h"

using calc::DropCoefficient;
using calc::DropLineKind;

TForm6::TForm6(Windows&)
{
    setupUi(this);
    for (QLabel* edge : {Image1, Image2, Image3, Image4})
        SetPictureOnFirstShow(*edge, FrameEdgePath);
    SetUpWindow(*this, {309, 92});

    // Only a kind becoming selected counts: clicking the kind already selected is no change.
    Bind(RadioButton1, &QRadioButton::toggled, this, [this] {
        if (RadioButton1->isChecked())
            RadioButton1Click();
    });
    Bind(RadioButton2, &QRadioButton::toggled, this, [this] {
        if (RadioButton2->isChecked())
            RadioButton2Click();
    });
    OnTypedKey(Edit1, this, &TForm6::Edit1KeyPress);
    OnTypedKey(Edit2, this, &TForm6::Edit2KeyPress);
    OnTypedKey(Edit3, this, &TForm6::Edit3KeyPress);
    OnTypedKey(Edit4, this, &TForm6::Edit4KeyPress);
    Bind(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    Bind(NuovoCTRLN1, &QAction::triggered, this, &TForm6::NuovoCTRLN1Click);
    Bind(Stampa1, &QAction::triggered, this, &TForm6::Stampa1Click);
    Bind(Chiudi1, &QAction::triggered, this, &TForm6::Chiudi1Click);
}

void TForm6::PrepareForOpening()
{
    // The same reset as Nuovo; the selected line kind stays selected.
    NuovoCTRLN1Click();
}

void TForm6::RadioButton1Click()
{
    Edit1->setEnabled(true);
}

void TForm6::RadioButton2Click()
{
    Edit1->setEnabled(true);
}

void TForm6::Edit1KeyPress()
{
    Edit2->setEnabled(true);
}

void TForm6::Edit2KeyPress()
{
    Edit3->setEnabled(true);
}

void TForm6::Edit3KeyPress()
{
    Edit4->setEnabled(true);
}

void TForm6::Edit4KeyPress()
{
    Button1->setEnabled(true);
}

void TForm6::Button1Click()
{
    V = ReadNumber(*Edit1);
    Ib = ReadNumber(*Edit2);
    L = ReadNumber(*Edit3);
    S = ReadNumber(*Edit4);
    Edit5->setEnabled(true);
    Edit6->setEnabled(true);
    if (RadioButton1->isChecked())
        ShowDropFor(DropLineKind::SinglePhase);
    if (RadioButton2->isChecked())
        ShowDropFor(DropLineKind::ThreePhase);
    NuovoCTRLN1->setEnabled(true);
    Stampa1->setEnabled(true);
}

void TForm6::ShowDropFor(DropLineKind kind)
{
    const calc::VoltageDrop drop = calc::ComputeVoltageDrop(DropCoefficient(kind), V, Ib, L, S);
    DeltaV = drop.volts;
    DeltaVPercent = drop.percent;
    WriteNumber(*Edit5, DeltaV);
    WriteNumber(*Edit6, DeltaVPercent);
}

void TForm6::NuovoCTRLN1Click()
{
    for (QLineEdit* box : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6})
        box->clear();
    for (QLineEdit* box : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6})
        box->setEnabled(false);
    Button1->setEnabled(false);
    NuovoCTRLN1->setEnabled(false);
    Stampa1->setEnabled(false);
    FocusFirstEnabled({RadioButton1, RadioButton2});
}

void TForm6::Stampa1Click()
{
    PrintWindowImage(*this);
}

void TForm6::Chiudi1Click()
{
    close();
}
