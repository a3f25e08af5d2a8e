#include "ui/form12.h"

#include <initializer_list>

#include "app/control_events.h"
#include "app/handlers.h"
#include "app/number_boxes.h"
#include "app/pictures.h"
#include "app/printing.h"
#include "app/reset_focus.h"
#include "app/window_setup.h"
#include "calc/short_circuit.h"

using calc::LineTopology;

namespace {

// The topology travels as the window's title, and these are its texts.
struct TitledTopology {
    LineTopology topology;
    const char* title;
};

constexpr TitledTopology TopologyTitles[] = {
    {LineTopology::ThreePhaseWithNeutral, "Linea TRIFASE CON NEUTRO"},
    {LineTopology::ThreePhaseWithoutNeutral, "Linea TRIFASE SENZA NEUTRO"},
    {LineTopology::SinglePhase, "Linea MONOFASE"},
};

// A row comes and goes whole: its symbol, its box, its units and its hint.
void ShowRow(std::initializer_list<QWidget*> row, bool shown)
{
    for (QWidget* control : row)
        control->setVisible(shown);
}

}  // namespace

QString TopologyTitle(LineTopology topology)
{
    for (const TitledTopology& entry : TopologyTitles)
        if (entry.topology == topology)
            return QString::fromUtf8(entry.title);
    return QString();
}

TForm12::TForm12(Windows&)
{
    setupUi(this);
    for (QLabel* side : {Image1, Image2, Image3, Image4, Image5, Image6, Image7, Image8})
        SetPictureOnFirstShow(*side, QStringLiteral(":/pictures/frame_rule.jpg"));
    SetUpWindow(*this, {228, 131}, TitleBarBoxes::CloseAndMinimise);

    OnTypedKey(Edit1, this, &TForm12::Edit1KeyPress);
    OnTypedKey(Edit2, this, &TForm12::Edit2KeyPress);
    OnTypedKey(Edit3, this, &TForm12::Edit3KeyPress);
    OnTypedKey(Edit4, this, &TForm12::Edit4KeyPress);
    Bind(Button1, &QPushButton::clicked, this, &TForm12::Button1Click);
    Bind(NuovoCTRLN1, &QAction::triggered, this, &TForm12::NuovoCTRLN1Click);
    Bind(Stampa1, &QAction::triggered, this, &TForm12::Stampa1Click);
    Bind(EsciALTF41, &QAction::triggered, this, &TForm12::EsciALTF41Click);
    OnSurfaceMouseMove(ClientArea, this, &TForm12::FormMouseMove);
    OnMouseMove(Label22, this, &TForm12::Label22MouseMove);
    OnMouseMove(Label9, this, &TForm12::Label9MouseMove);
    OnMouseMove(Label18, this, &TForm12::Label18MouseMove);
    OnMouseMove(Label3, this, &TForm12::Label3MouseMove);
    OnMouseMove(Label25, this, &TForm12::Label25MouseMove);
    OnMouseMove(Label13, this, &TForm12::Label13MouseMove);
    OnMouseMove(Label24, this, &TForm12::Label24MouseMove);
}

void TForm12::SetUpForTopology(LineTopology topology)
{
    setWindowTitle(TopologyTitle(topology));
    Reset();
    ShowRow({Label3, Label7, Edit4, Label6, Label19, Label28}, topology == LineTopology::ThreePhaseWithNeutral);
    ShowRow({Label23, Label25, Label41, Edit5, Label12, Label29}, topology != LineTopology::ThreePhaseWithoutNeutral);
    ShowRow({Label11, Label13, Label40, Edit6, Label14, Label30}, topology != LineTopology::SinglePhase);
    ShowRow({Label15, Label24, Label37, Edit7, Label17, Label31}, topology != LineTopology::SinglePhase);
}

void TForm12::Edit1KeyPress()
{
    Edit2->setEnabled(true);
}

void TForm12::Edit2KeyPress()
{
    Edit3->setEnabled(true);
}

void TForm12::Edit3KeyPress()
{
    // "Calcola" may run before the neutral section is typed.
    Edit4->setEnabled(true);
    Button1->setEnabled(true);
}

void TForm12::Edit4KeyPress()
{
    Button1->setEnabled(true);
}

void TForm12::Button1Click()
{
    // The title is compared with each topology's text in turn.
    for (const TitledTopology& entry : TopologyTitles) {
        if (windowTitle() != QString::fromUtf8(entry.title))
            continue;
        Icco = ReadNumber(*Edit1);
        L = ReadNumber(*Edit2);
        SF = ReadNumber(*Edit3);
        if (entry.topology == LineTopology::ThreePhaseWithNeutral)
            SN = ReadNumber(*Edit4);
        const calc::ShortCircuitCurrents currents = calc::CableLineShortCircuit(entry.topology, Icco, L, SF, SN);
        if (currents.IccFN) {
            IccFN = *currents.IccFN;
            WriteNumber(*Edit5, IccFN);
        }
        if (currents.IccFF) {
            IccFF = *currents.IccFF;
            WriteNumber(*Edit6, IccFF);
        }
        if (currents.Icc3f) {
            Icc3f = *currents.Icc3f;
            WriteNumber(*Edit7, Icc3f);
        }
    }
    NuovoCTRLN1->setEnabled(true);
    Stampa1->setEnabled(true);
}

void TForm12::NuovoCTRLN1Click()
{
    Reset();
}

void TForm12::Reset()
{
    for (QLineEdit* box : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7})
        box->clear();
    for (QWidget* control : {static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Edit3),
                             static_cast<QWidget*>(Edit4), static_cast<QWidget*>(Button1)})
        control->setEnabled(false);
    NuovoCTRLN1->setEnabled(false);
    Stampa1->setEnabled(false);
    FocusFirstEnabled({Edit1});
}

void TForm12::Stampa1Click()
{
    PrintWindowImage(*this);
}

void TForm12::EsciALTF41Click()
{
    close();
}

void TForm12::Label22MouseMove()
{
    Label5->setText(QStringLiteral("Corrente di cortocircuito inizio linea"));
}

void TForm12::Label9MouseMove()
{
    Label26->setText(QStringLiteral("Distanza dall'origine del punto di guasto"));
}

void TForm12::Label18MouseMove()
{
    Label27->setText(QStringLiteral("Sezione di Fase"));
}

void TForm12::Label3MouseMove()
{
    Label28->setText(QStringLiteral("Sezione di Neutro"));
}

void TForm12::Label25MouseMove()
{
    Label29->setText(QStringLiteral("Corrente di cortocircuito Fase-Neutro"));
}

void TForm12::Label13MouseMove()
{
    Label30->setText(QStringLiteral("Corrente di cortocircuito Fase-Fase"));
}

void TForm12::Label24MouseMove()
{
    Label31->setText(QStringLiteral("Corrente di cortocircuito Trifase"));
}

void TForm12::FormMouseMove()
{
    for (QLabel* hint : {Label5, Label26, Label27, Label28, Label29, Label30, Label31})
        hint->clear();
}
