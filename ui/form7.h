#pragma once
// Protection against overload and short circuit.
#include <QMainWindow>

#include "ui_form7.h"

struct Windows;

class TForm7 : public QMainWindow, public Ui::TForm7 {
    Q_OBJECT

public:
    explicit TForm7(Windows& windows);
    void PrepareForOpening();
};
