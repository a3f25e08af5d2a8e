#pragma once
// The load-current calculator: the design current of a line that feeds one to
// ten loads, for the line kind carried by the caption.
#include <QMainWindow>
#include <array>

#include "calc/line_topology.h"
#include "calc/load_current.h"
#include "ui_form3.h"

struct Windows;

class TForm3 : public QMainWindow, public Ui::TForm3 {
    Q_OBJECT

public:
    explicit TForm3(Windows& windows);

    // The line kind window's choice: the caption, then a cleared calculator.
    void SetLineKind(calc::LineTopology kind);
    void ClearForNewCalculation();

    void FormCreate();
    void Edit1KeyPress();
    void Button1Click();
    void Button2Click();
    void Nuovocalcolo1Click();
    void Stampa1Click();
    void Esci1Click();
    void FormMouseMove();
    void Label10MouseMove();
    void Label2MouseMove();
    void Label3MouseMove();
    void Label1MouseMove();
    void Edit1MouseMove();
    void Edit2MouseMove();
    void Edit3MouseMove();

private:
    // The five controls of one load's row of the grid.
    struct LoadRow {
        QLabel* powerCaption;
        QLineEdit* power;
        QLabel* kilowatts;
        QLabel* powerFactorCaption;
        QLineEdit* powerFactor;

        std::array<QWidget*, 5> Controls() const
        {
            return {powerCaption, power, kilowatts, powerFactorCaption, powerFactor};
        }
    };

    void ShowLoadRows(int count);

    std::array<LoadRow, calc::MaxLoads> rows_;

    // The last "Avanti" and the last calculation.
    double n = 0;
    double Fc = 0;
    double V = 0;
    std::array<calc::Load, calc::MaxLoads> loads_{};
    std::array<double, calc::MaxLoads> I{};
    double Ib = 0;
};
