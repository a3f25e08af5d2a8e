#pragma once
// The rated current of a line's protective device for its conductors' section.
#include <QMainWindow>

#include "ui_form7.h"

struct Windows;

class TForm7 : public QMainWindow, public Ui::TForm7 {
    Q_OBJECT

public:
    explicit TForm7(Windows& windows);

    // The main window's reset each time it opens this window.
    void PrepareForOpening();

    void ComboBox1Select();
    void Button1Click();
    void StampaCTRLMAIUSCF121Click();
    void ChiudiALTF41Click();

private:
    // The last calculation.
    double S = 0;
    double In = 0;
};
