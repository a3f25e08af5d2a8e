#pragma once
// Short-circuit currents along a copper busbar line.
#include <QMainWindow>

#include "ui_form13.h"

struct Windows;

class TForm13 : public QMainWindow, public Ui::TForm13 {
    Q_OBJECT

public:
    explicit TForm13(Windows& windows);
    void PrepareForOpening();
};
