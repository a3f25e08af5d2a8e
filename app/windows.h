#pragma once
// The twelve windows of the program, created once in a fixed order and
// destroyed in reverse when the program ends.
#include "app/application_setup.h"
#include "app/form1.h"
#include "app/form4.h"
#include "ui/form10.h"
#include "ui/form12.h"
#include "ui/form13.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form5.h"
#include "ui/form6.h"
#include "ui/form7.h"
#include "ui/form8.h"
#include "ui/form9.h"

struct Windows {
    ApplicationSetup setup;  // fonts and locale, before any window exists
    TForm1 Form1;
    TForm2 Form2;
    TForm3 Form3;
    TForm4 Form4;
    TForm5 Form5;
    TForm6 Form6;
    TForm7 Form7;
    TForm8 Form8;
    TForm9 Form9;
    TForm10 Form10;
    TForm12 Form12;
    TForm13 Form13;

    Windows();
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // The twelve windows in creation order.
    QList<QWidget*> All();
};
