#include "window_paths.h"

#include <QTest>

#include "app/windows.h"
#include "user_actions.h"

QWidget* OpenAsAUser(Windows& w, const QString& name)
{
    if (name == "Form2" || name == "Form3")
        Click(w.Form1.Button1);
    if (name == "Form3") {
        Click(w.Form2.Button1);
        Type(w.Form3.Edit1, "10");
        Click(w.Form3.Button1);
    }
    if (name == "Form4")
        ChooseMenuItem(w.Form1, w.Form1.Info1);
    if (name == "Form5")
        Click(w.Form1.Button2);
    if (name == "Form6")
        Click(w.Form1.Button3);
    if (name == "Form7")
        Click(w.Form1.Button4);
    if (name == "Form8")
        Click(w.Form1.Button5);
    if (name == "Form9" || name == "Form10" || name == "Form12" || name == "Form13")
        Click(w.Form1.Button6);
    if (name == "Form10" || name == "Form12")
        Click(w.Form9.Button1);
    if (name == "Form12")
        Click(w.Form10.Button1);
    if (name == "Form13")
        Click(w.Form9.Button2);
    QWidget* window = WindowNamed(w, name);
    if (window == nullptr || !QTest::qWaitForWindowExposed(window))
        qFatal("%s was not shown", qPrintable(name));
    return window;
}
