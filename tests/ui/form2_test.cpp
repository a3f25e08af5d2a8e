// The line kind choice of the load current, driven as a user drives it.
#include <QLocale>
#include <QTest>

#include "app/windows.h"
#include "support/user_actions.h"

class Form2Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm2* form = nullptr;
    TForm3* calculator = nullptr;

    void Open()
    {
        Click(program->Form1.Button1);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // One load of 3 kW at cos 0,9 on 230 V.
    void CalculateOneLoad()
    {
        Type(calculator->Edit1, "1");
        Click(calculator->Button1);
        for (auto [box, text] : {std::pair{calculator->Edit2, "1"}, {calculator->Edit3, "230"},
                                 {calculator->Edit5, "3"}, {calculator->Edit4, "0,9"}})
            Type(box, text);
        Click(calculator->Button2);
    }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form2;
        calculator = &program->Form3;
    }
    void cleanup() { program.reset(); }

    void eachChoiceOpensTheCalculatorClearedForItsLine_data()
    {
        QTest::addColumn<bool>("threePhase");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("Ib");
        QTest::newRow("LINEA MONOFASE") << false << "Corrente d'impiego - LINEA MONOFASE" << "14,4927536231884";
        QTest::newRow("LINEA TRIFASE CON NEUTRO")
            << true << "Corrente d'impiego - LINEA TRIFASE CON NEUTRO" << "8,37731423305688";
    }
    void eachChoiceOpensTheCalculatorClearedForItsLine()
    {
        QFETCH(bool, threePhase);
        QFETCH(QString, caption);
        QFETCH(QString, Ib);
        // The same choice twice: the second clears what the first visit left.
        for (int visit = 0; visit < 2; ++visit) {
            Open();
            QCOMPARE(VisibleWindows(*program), QStringList{"Form2"});
            QCOMPARE(form->windowTitle(), QString("Calcolo Corrente d'impiego"));
            QCOMPARE(form->Button1->text(), QString("LINEA MONOFASE"));
            QCOMPARE(form->Button2->text(), QString("LINEA TRIFASE CON NEUTRO"));
            Click(threePhase ? form->Button2 : form->Button1);
            QCOMPARE(VisibleWindows(*program), QStringList{"Form3"});
            QCOMPARE(calculator->windowTitle(), caption);
            QCOMPARE(calculator->Edit1->text() + calculator->Edit5->text() + calculator->Edit24->text(), QString());
            QVERIFY(!calculator->Edit5->isVisible() && !calculator->Button2->isVisible());
            QVERIFY(!calculator->Button1->isEnabled() && !calculator->Nuovocalcolo1->isEnabled());
            CalculateOneLoad();
            QCOMPARE(calculator->Edit24->text(), Ib);
            CloseBySystem(*calculator);
            QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
        }
    }

    void closingReturnsToTheMainWindowAndLeavesTheCalculator()
    {
        Open();
        Click(form->Button1);
        CalculateOneLoad();
        CloseBySystem(*calculator);
        Open();
        CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
        QCOMPARE(calculator->Edit24->text(), QString("14,4927536231884"));
    }

    void tabGoesFromTheSingleToTheThreePhaseLine()
    {
        Open();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->Button1->setFocus();
        QTest::keyClick(form->Button1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->Button2);
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
