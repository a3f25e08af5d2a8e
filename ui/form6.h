#pragma once
// The voltage-drop check.
#include <QMainWindow>

#include "calc/voltage_drop.h"
#include "ui_form6.h"

struct Windows;

class TForm6 : public QMainWindow, public Ui::TForm6 {
    Q_OBJECT

public:
    explicit TForm6(Windows& windows);

    // The main window's reset each time it opens this window.
    void PrepareForOpening();

    void RadioButton1Click();
    void RadioButton2Click();
    void Edit1KeyPress();
    void Edit2KeyPress();
    void Edit3KeyPress();
    void Edit4KeyPress();
    void Button1Click();
    void NuovoCTRLN1Click();
    void Stampa1Click();
    void Chiudi1Click();

private:
    // Both results are computed before either is written.
    void ShowDropFor(calc::DropLineKind kind);

    // The last calculation.
    double V = 0;
    double Ib = 0;
    double L = 0;
    double S = 0;
    double DeltaV = 0;
    double DeltaVPercent = 0;
};
