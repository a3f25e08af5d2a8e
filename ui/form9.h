#pragma once
// The choice of the cable or busbar line for the short-circuit currents.
#include <QWidget>

#include "ui_form9.h"

struct Windows;

class TForm9 : public QWidget, public Ui::TForm9 {
    Q_OBJECT

public:
    explicit TForm9(Windows& windows);
};
