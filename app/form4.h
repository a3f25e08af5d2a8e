#pragma once
// The Info window: the credits and the maker's web address.
#include <QWidget>

#include "app/browse_url_action.h"
#include "ui_form4.h"

struct Windows;

class TForm4 : public QWidget, public Ui::TForm4 {
    Q_OBJECT

public:
    explicit TForm4(Windows& windows);

    void Label5Click();
    void Button1Click();

    QObject ActionList1;
    BrowseUrlAction BrowseURL1{&ActionList1};
};
