#pragma once
// The cable section for a design current.
#include <QMainWindow>

#include "ui_form5.h"

struct Windows;

class TForm5 : public QMainWindow, public Ui::TForm5 {
    Q_OBJECT

public:
    explicit TForm5(Windows& windows);

    // The main window's reset each time it opens this window.
    void PrepareForOpening();

    void Edit1KeyPress();
    void Button1Click();
    void NuovoCTRLN1Click();
    void StampaCTRLMAIUSCF121Click();
    void ChiudiALTF41Click();
    void FormMouseMove();
    void Label38MouseMove();

private:
    // The last calculation.
    double Ib = 0;
    double S = 0;
    double Iz = 0;
};
