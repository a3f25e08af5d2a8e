#pragma once
// Short-circuit currents along a copper cable line.
#include <QMainWindow>

#include "calc/line_topology.h"
#include "ui_form12.h"

struct Windows;

// The title this window carries for the topology: the topology's one record.
QString TopologyTitle(calc::LineTopology topology);

class TForm12 : public QMainWindow, public Ui::TForm12 {
    Q_OBJECT

public:
    explicit TForm12(Windows& windows);

    // The topology window's set-up each time it opens this window: the title
    // names the topology, the boxes are emptied and only its rows are shown.
    void SetUpForTopology(calc::LineTopology topology);

    void Edit1KeyPress();
    void Edit2KeyPress();
    void Edit3KeyPress();
    void Edit4KeyPress();
    void Button1Click();
    void NuovoCTRLN1Click();
    void Stampa1Click();
    void EsciALTF41Click();
    void Label22MouseMove();
    void Label9MouseMove();
    void Label18MouseMove();
    void Label3MouseMove();
    void Label25MouseMove();
    void Label13MouseMove();
    void Label24MouseMove();
    void FormMouseMove();

private:
    // Boxes emptied, only the first one enabled, nothing to print or renew.
    void Reset();

    // The last calculation.
    double Icco = 0;
    double L = 0;
    double SF = 0;
    double SN = 0;
    double IccFN = 0;
    double IccFF = 0;
    double Icc3f = 0;
};
