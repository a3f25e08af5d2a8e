#pragma once
// Short-circuit currents along a copper busbar line.
#include <QMainWindow>

#include "ui_form13.h"

struct Windows;

class TForm13 : public QMainWindow, public Ui::TForm13 {
    Q_OBJECT

public:
    explicit TForm13(Windows& windows);

    // The line kind window's reset each time it opens this window.
    void PrepareForOpening();

    void Edit1KeyPress();
    void Edit2KeyPress();
    void Edit3KeyPress();
    void Button1Click();
    void nuovo1Click();
    void stampa1Click();
    void esci1Click();

private:
    // Boxes emptied, only the first one enabled, nothing to print or renew.
    void Reset();

    // The last calculation.
    double Icco = 0;
    double L = 0;
    double IZ = 0;
    double IccFN = 0;
    double IccFF = 0;
    double Icc3f = 0;
};
