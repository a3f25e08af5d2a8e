#pragma once
// The choice of the line kind of the load current.
#include <QWidget>

#include "ui_form2.h"

struct Windows;

class TForm2 : public QWidget, public Ui::TForm2 {
    Q_OBJECT

public:
    explicit TForm2(Windows& windows);
};
