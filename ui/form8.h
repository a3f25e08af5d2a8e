#pragma once
// Power-factor correction.
#include <QMainWindow>

#include "ui_form8.h"

struct Windows;

class TForm8 : public QMainWindow, public Ui::TForm8 {
    Q_OBJECT

public:
    explicit TForm8(Windows& windows);
    void PrepareForOpening();
};
