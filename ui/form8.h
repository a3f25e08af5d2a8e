#pragma once
// Power-factor correction.
#include <QMainWindow>

#include "ui_form8.h"

struct Windows;

class TForm8 : public QMainWindow, public Ui::TForm8 {
    Q_OBJECT

public:
    explicit TForm8(Windows& windows);

    // The main window's reset each time it opens this window.
    void PrepareForOpening();

    void Edit1KeyPress();
    void Edit2KeyPress();
    void Edit3KeyPress();
    void Button1Click();
    void NuovoCTRLN1Click();
    void StampaCTRLMAIUSCF122Click();
    void StampaCTRLMAIUSCF121Click();

private:
    // The last calculation.
    double P = 0;
    double CosPhi1 = 0;
    double CosPhi2 = 0;
    double TanPhi1 = 0;
    double TanPhi2 = 0;
    double Q = 0;
};
