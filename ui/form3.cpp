#include "ui/form3.h"

#include <algorithm>
#include <optional>
#include <span>
#include <utility>

#include "app/control_events.h"
#include "app/handlers.h"
#include "app/number_boxes.h"
#include "app/pictures.h"
#include "app/printing.h"
#include "app/reset_focus.h"
#include "app/window_setup.h"
#include "calc/whole_number.h"

using calc::LineTopology;

namespace {

// The line kind travels as the caption, the only place it is kept.
const std::array<std::pair<LineTopology, const char*>, 2> LineKindCaptions{{
    {LineTopology::SinglePhase, "Corrente d'impiego - LINEA MONOFASE"},
    {LineTopology::ThreePhaseWithNeutral, "Corrente d'impiego - LINEA TRIFASE CON NEUTRO"},
}};

std::optional<LineTopology> LineKindOfCaption(const QString& caption)
{
    for (const auto& [kind, text] : LineKindCaptions)
        if (caption == QLatin1String(text))
            return kind;
    return std::nullopt;
}

}  // namespace

TForm3::TForm3(Windows&)
{
    setupUi(this);
    rows_ = {{
        {Label1, Edit5, Label8, Label4, Edit4},
        {Label11, Edit6, Label20, Label29, Edit15},
        {Label12, Edit7, Label21, Label30, Edit16},
        {Label13, Edit8, Label22, Label31, Edit17},
        {Label14, Edit9, Label23, Label32, Edit18},
        {Label15, Edit10, Label24, Label33, Edit19},
        {Label16, Edit11, Label25, Label34, Edit20},
        {Label17, Edit12, Label26, Label35, Edit21},
        {Label18, Edit13, Label27, Label36, Edit22},
        {Label19, Edit14, Label28, Label37, Edit23},
    }};
    for (QLabel* image : {Image1, Image2, Image3, Image4})
        SetPictureOnFirstShow(*image, QStringLiteral(":/pictures/frame_edge_short.jpg"));
    SetUpWindow(*this, {126, 127});

    OnTypedKey(Edit1, this, &TForm3::Edit1KeyPress);
    Bind(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    Bind(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    Bind(Nuovocalcolo1, &QAction::triggered, this, &TForm3::Nuovocalcolo1Click);
    Bind(Stampa1, &QAction::triggered, this, &TForm3::Stampa1Click);
    Bind(Esci1, &QAction::triggered, this, &TForm3::Esci1Click);
    OnSurfaceMouseMove(ClientArea, this, &TForm3::FormMouseMove);
    OnMouseMove(Label10, this, &TForm3::Label10MouseMove);
    OnMouseMove(Label2, this, &TForm3::Label2MouseMove);
    OnMouseMove(Label3, this, &TForm3::Label3MouseMove);
    OnMouseMove(Label1, this, &TForm3::Label1MouseMove);
    OnMouseMove(Edit1, this, &TForm3::Edit1MouseMove);
    OnMouseMove(Edit2, this, &TForm3::Edit2MouseMove);
    OnMouseMove(Edit3, this, &TForm3::Edit3MouseMove);

    FormCreate();
}

void TForm3::FormCreate()
{
    ShowLoadRows(0);
    Edit24->setEnabled(false);
    Button1->setText(QStringLiteral("Avanti"));
    Button1->setEnabled(true);
    Button2->hide();
    Nuovocalcolo1->setEnabled(false);
    Stampa1->setEnabled(false);
}

void TForm3::SetLineKind(LineTopology kind)
{
    QString caption;
    for (const auto& [captionKind, text] : LineKindCaptions)
        if (captionKind == kind)
            caption = QString::fromLatin1(text);
    setWindowTitle(caption);
    ClearForNewCalculation();
}

void TForm3::ClearForNewCalculation()
{
    Nuovocalcolo1->setEnabled(false);
    Stampa1->setEnabled(false);
    ShowLoadRows(0);
    Edit24->setEnabled(false);
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    Button1->setText(QStringLiteral("Avanti"));
    Button1->setEnabled(false);
    Button2->hide();
    Edit24->clear();
    for (const LoadRow& row : rows_)
        row.power->clear();
    for (const LoadRow& row : rows_)
        row.powerFactor->clear();
    FocusFirstEnabled({Edit1});
}

void TForm3::Edit1KeyPress()
{
    Button1->setEnabled(true);
}

void TForm3::Button1Click()
{
    Button1->setEnabled(false);
    Button2->show();
    n = calc::ParseWholeNumber(Edit1->text().toStdString());
    // Rows beyond n are hidden, so every row in view is one that "Calcola" reads.
    ShowLoadRows(n >= 1 && n <= calc::MaxLoads ? static_cast<int>(n) : 0);
}

void TForm3::Button2Click()
{
    Nuovocalcolo1->setEnabled(true);
    Stampa1->setEnabled(true);
    const std::optional<LineTopology> kind = LineKindOfCaption(windowTitle());
    if (!kind)
        return;
    Edit24->setEnabled(true);
    Fc = ReadNumber(*Edit2);
    V = ReadNumber(*Edit3);
    if (!(n >= 1 && n <= calc::MaxLoads)) {
        // No loads to add up: an earlier current must not stand as the answer to these inputs.
        Edit24->clear();
        return;
    }
    const int count = static_cast<int>(n);
    for (int k = 0; k < count; ++k) {
        loads_[k].power = ReadNumber(*rows_[k].power);
        loads_[k].powerFactor = ReadNumber(*rows_[k].powerFactor);
    }
    const calc::LoadCurrents result =
        calc::ComputeLoadCurrent(*kind, std::span<const calc::Load>(loads_.data(), count), Fc, V);
    std::copy(result.loadCurrents.begin(), result.loadCurrents.end(), I.begin());
    Ib = result.designCurrent;
    WriteNumber(*Edit24, Ib);
}

void TForm3::Nuovocalcolo1Click()
{
    ClearForNewCalculation();
}

void TForm3::Stampa1Click()
{
    PrintWindowImage(*this);
}

void TForm3::Esci1Click()
{
    close();
}

void TForm3::FormMouseMove()
{
    Label40->clear();
    Label41->clear();
    Label42->clear();
}

void TForm3::Label10MouseMove()
{
    Label40->setText(QStringLiteral("da 1 a 10"));
    Label41->clear();
    Label42->clear();
}

void TForm3::Label2MouseMove()
{
    Label40->clear();
    Label41->setText(QStringLiteral("da 0 a 1"));
    Label42->clear();
}

void TForm3::Label3MouseMove()
{
    Label40->clear();
    Label41->clear();
    Label42->clear();
}

void TForm3::Label1MouseMove()
{
    Label42->setText(QStringLiteral("Potenza assorbita"));
}

void TForm3::Edit1MouseMove()
{
    Label40->clear();
    Label41->clear();
}

void TForm3::Edit2MouseMove()
{
    Label40->clear();
    Label41->clear();
    Label42->clear();
}

void TForm3::Edit3MouseMove()
{
    Label40->clear();
    Label41->clear();
    Label42->clear();
}

void TForm3::ShowLoadRows(int count)
{
    for (int k = 0; k < calc::MaxLoads; ++k)
        for (QWidget* control : rows_[k].Controls())
            control->setVisible(k < count);
}
