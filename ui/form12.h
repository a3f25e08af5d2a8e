#pragma once
// Short-circuit currents along a copper cable line.
#include <QMainWindow>
#include "calc/line_topology.h"
#include "ui_form12.h"

struct Windows;

class TForm12 : public QMainWindow, public Ui::TForm12 {
    Q_OBJECT

public:
    explicit TForm12(Windows& windows);
    void SetUpForTopology(calc::LineTopology topology);
};
