#pragma once
// The topology of a copper cable line.
#include <QWidget>

#include "ui_form10.h"

struct Windows;

// Its OK buttons open the cable-line window for their topology through the
// navigation table.
class TForm10 : public QWidget, public Ui::TForm10 {
    Q_OBJECT

public:
    explicit TForm10(Windows& windows);
};
