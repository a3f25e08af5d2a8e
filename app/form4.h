#pragma once
// The Info window.
#include <QWidget>

#include "ui_form4.h"

struct Windows;

class TForm4 : public QWidget, public Ui::TForm4 {
    Q_OBJECT

public:
    explicit TForm4(Windows& windows);

};
