#pragma once
// The main window: the six calculations and the Info window.
#include <QMainWindow>

#include "ui_form1.h"

struct Windows;

class TForm1 : public QMainWindow, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(Windows& windows);

    void EsciALTF41Click();
};
