#pragma once
// The load-current calculator.
#include <QMainWindow>
#include "calc/line_topology.h"
#include "ui_form3.h"

struct Windows;

class TForm3 : public QMainWindow, public Ui::TForm3 {
    Q_OBJECT

public:
    explicit TForm3(Windows& windows);
    void SetLineKind(calc::LineTopology kind);
};
