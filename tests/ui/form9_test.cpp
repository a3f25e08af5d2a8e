// The short-circuit line kind window, driven as a user drives it.
#include <QLocale>
#include <QTest>

#include "app/windows.h"
#include "support/user_actions.h"

class Form9Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm9* form = nullptr;

    void Open()
    {
        Click(program->Form1.Button6);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form9;
    }
    void cleanup() { program.reset(); }

    void opensFromTheMainWindow()
    {
        QCOMPARE(program->Form1.Button6->text(), QString("CALCOLO CORRENTI DI CORTOCIRCUITO"));
        Open();
        QCOMPARE(VisibleWindows(*program), QStringList{"Form9"});
        QCOMPARE(form->windowTitle(), QString("Calcolo correnti di cortocircuito"));
        QCOMPARE(form->Button1->text(), QString("LINEA IN CAVO DI RAME"));
        QCOMPARE(form->Button2->text(), QString("LINEA IN SBARRE DI RAME"));
    }

    void theCableLineLeadsToTheTopologyWindow()
    {
        Open();
        Click(form->Button1);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form10"});
    }

    void theBusbarLineOpensItsCalculatorEmpty()
    {
        Open();
        Click(form->Button2);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form13"});
        TForm13& busbar = program->Form13;
        Type(busbar.Edit1, "1");
        Type(busbar.Edit2, "0");
        Type(busbar.Edit3, "1000");
        Click(busbar.Button1);
        QCOMPARE(busbar.Edit7->text(), QString("1"));
        CloseBySystem(busbar);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form9"});
        Click(form->Button2);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form13"});
        for (QLineEdit* box : {busbar.Edit1, busbar.Edit2, busbar.Edit3, busbar.Edit5, busbar.Edit6, busbar.Edit7})
            QCOMPARE(box->text(), QString());
        QVERIFY(busbar.Edit1->isEnabled());
        QVERIFY(!busbar.Edit2->isEnabled() && !busbar.Edit3->isEnabled() && !busbar.Button1->isEnabled());
        QVERIFY(!busbar.nuovo1->isEnabled() && !busbar.stampa1->isEnabled());
    }

    void closingReturnsToTheMainWindow()
    {
        Open();
        CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }
};

QTEST_MAIN(Form9Test)
#include "form9_test.moc"
