#include "ui/form13.h"

#include "app/control_events.h"
#include "app/handlers.h"
#include "app/number_boxes.h"
#include "app/pictures.h"
#include "app/printing.h"
#include "app/reset_focus.h"
#include "app/window_setup.h"
#include "calc/short_circuit.h"

TForm13::TForm13(Windows&)
{
    setupUi(this);
    for (QLabel* side : {Image2, Image4, Image6, Image8})
        SetPictureOnFirstShow(*side, QStringLiteral(":/pictures/frame_rule.jpg"));
    SetUpWindow(*this, {228, 182}, TitleBarBoxes::CloseAndMinimise);

    OnTypedKey(Edit1, this, &TForm13::Edit1KeyPress);
    OnTypedKey(Edit2, this, &TForm13::Edit2KeyPress);
    OnTypedKey(Edit3, this, &TForm13::Edit3KeyPress);
    Bind(Button1, &QPushButton::clicked, this, &TForm13::Button1Click);
    Bind(nuovo1, &QAction::triggered, this, &TForm13::nuovo1Click);
    Bind(stampa1, &QAction::triggered, this, &TForm13::stampa1Click);
    Bind(esci1, &QAction::triggered, this, &TForm13::esci1Click);
}

void TForm13::PrepareForOpening()
{
    Reset();
}

void TForm13::Edit1KeyPress()
{
    Edit2->setEnabled(true);
}

void TForm13::Edit2KeyPress()
{
    Edit3->setEnabled(true);
}

void TForm13::Edit3KeyPress()
{
    Button1->setEnabled(true);
}

void TForm13::Button1Click()
{
    // Enabled first, so they stay enabled when a box stops the calculation.
    nuovo1->setEnabled(true);
    stampa1->setEnabled(true);
    Icco = ReadNumber(*Edit1);
    L = ReadNumber(*Edit2);
    IZ = ReadNumber(*Edit3);
    const calc::ShortCircuitCurrents currents = calc::BusbarLineShortCircuit(Icco, L, IZ);
    IccFN = *currents.IccFN;
    IccFF = *currents.IccFF;
    Icc3f = *currents.Icc3f;
    WriteNumber(*Edit5, IccFN);
    WriteNumber(*Edit6, IccFF);
    WriteNumber(*Edit7, Icc3f);
}

void TForm13::nuovo1Click()
{
    Reset();
}

void TForm13::stampa1Click()
{
    PrintWindowImage(*this);
}

void TForm13::esci1Click()
{
    close();
}

void TForm13::Reset()
{
    for (QLineEdit* box : {Edit1, Edit2, Edit3, Edit5, Edit6, Edit7})
        box->clear();
    for (QWidget* control : {static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Edit3),
                             static_cast<QWidget*>(Button1)})
        control->setEnabled(false);
    nuovo1->setEnabled(false);
    stampa1->setEnabled(false);
    FocusFirstEnabled({Edit1});
}
