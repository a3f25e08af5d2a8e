#include "ui/form7.h"

#include <QCompleter>

#include "app/handlers.h"
#include "app/number_boxes.h"
#include "app/pictures.h"
#include "app/printing.h"
#include "app/reset_focus.h"
#include "app/window_setup.h"
#include "calc/protection_rating.h"

TForm7::TForm7(Windows&)
{
    setupUi(this);
    for (QLabel* edge : {Image1, Image3})
        SetPictureOnFirstShow(*edge, FrameEdgePath);
    SetUpWindow(*this, {303, 169});

    // Typing completes to the first item, in list order, that starts with the typed text.
    QCompleter* completion = ComboBox1->completer();
    completion->setCompletionMode(QCompleter::InlineCompletion);
    completion->setCaseSensitivity(Qt::CaseInsensitive);
    completion->setModelSorting(QCompleter::UnsortedModel);

    // A pick from the list, an arrow key or Return chooses an item; so does a completed prefix.
    Bind(ComboBox1, &QComboBox::activated, this, &TForm7::ComboBox1Select);
    Bind(completion, qOverload<const QString&>(&QCompleter::highlighted), this, &TForm7::ComboBox1Select);
    Bind(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
    Bind(StampaCTRLMAIUSCF121, &QAction::triggered, this, &TForm7::StampaCTRLMAIUSCF121Click);
    Bind(ChiudiALTF41, &QAction::triggered, this, &TForm7::ChiudiALTF41Click);
}

void TForm7::PrepareForOpening()
{
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
    Edit2->clear();
    StampaCTRLMAIUSCF121->setEnabled(false);
    Button1->setEnabled(false);
    FocusFirstEnabled({ComboBox1});
}

void TForm7::ComboBox1Select()
{
    Button1->setEnabled(true);
}

void TForm7::Button1Click()
{
    StampaCTRLMAIUSCF121->setEnabled(true);
    // The text as it stands: typed, completed or picked.
    S = ReadNumber(ComboBox1->currentText());
    const auto row = calc::ChooseProtectionRating(S);
    if (!row) {
        // No section of the table: an earlier answer must not stand for this one.
        Edit2->clear();
        return;
    }
    In = row->rating;
    WriteNumber(*Edit2, In);
}

void TForm7::StampaCTRLMAIUSCF121Click()
{
    PrintWindowImage(*this);
    // Once per calculation; a print that failed never gets here and stays on offer.
    StampaCTRLMAIUSCF121->setEnabled(false);
}

void TForm7::ChiudiALTF41Click()
{
    close();
}
