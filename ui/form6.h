#pragma once
// The voltage-drop check.
#include <QMainWindow>

#include "ui_form6.h"

struct Windows;

class TForm6 : public QMainWindow, public Ui::TForm6 {
    Q_OBJECT

public:
    explicit TForm6(Windows& windows);
    void PrepareForOpening();
};
