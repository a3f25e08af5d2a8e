// The busbar-line short-circuit window, driven as a user drives it.
#include <QLocale>
#include <QTest>

#include "app/windows.h"
#include "support/expectations.h"
#include "support/user_actions.h"

class Form13Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm13* form = nullptr;

    void Open()
    {
        Click(program->Form1.Button6);
        Click(program->Form9.Button2);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // Types the inputs into the chain's boxes in order, then presses "Calcola".
    void Calculate(const QStringList& inputs)
    {
        Retype({form->Edit1, form->Edit2, form->Edit3}, inputs);
        Click(form->Button1);
    }

    QStringList Results() const { return {form->Edit5->text(), form->Edit6->text(), form->Edit7->text()}; }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form13;
    }
    void cleanup() { program.reset(); }

    void computesTheCurrents_data() { AddDataRows(WorkedExamples("Form13")); }
    void computesTheCurrents()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        QCOMPARE(form->windowTitle(), QString("Linea in sbarre di rame"));
        FaultBoxWatcher faults;
        Perform(form, row.steps);
        QCOMPARE(faults.Count(), 0);
        QCOMPARE(ShownResults(form, row), row.results);
        QVERIFY(form->nuovo1->isEnabled());
        QVERIFY(form->stampa1->isEnabled());
    }

    void eachKeyEnablesTheNextStep()
    {
        Open();
        const QString broken = WalkTheChain(form, EnablingChain("Form13"));
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    void aStoppedCalculationStillEnablesNuovoAndStampa_data() { AddDataRows(FaultRows("Form13")); }
    void aStoppedCalculationStillEnablesNuovoAndStampa()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        FaultBoxWatcher faults;
        Perform(form, row.steps);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), row.fault);
        QCOMPARE(ShownResults(form, row), row.results);
        QVERIFY(form->nuovo1->isEnabled());
        QVERIFY(form->stampa1->isEnabled());
    }

    void nuovoEmptiesTheWindow()
    {
        Open();
        Calculate({"25", "30", "1000"});
        QVERIFY(ChooseMenuItem(*form, form->nuovo1));
        for (QLineEdit* box : {form->Edit1, form->Edit2, form->Edit3, form->Edit5, form->Edit6, form->Edit7})
            QCOMPARE(box->text(), QString());
        QVERIFY(form->Edit1->isEnabled());
        QVERIFY(!form->Edit2->isEnabled());
        QVERIFY(!form->Edit3->isEnabled());
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->nuovo1->isEnabled());
        QVERIFY(!form->stampa1->isEnabled());
    }

    void theMenuCarriesKeyNamesButNoShortcuts()
    {
        Open();
        QCOMPARE(form->File1->title(), QString("File"));
        QCOMPARE(form->nuovo1->text(), "Nuovo" + QString(22, ' ') + "CTRL+N");
        QCOMPARE(form->stampa1->text(), "Stampa" + QString(20, ' ') + "CTRL+MAIUSC+F12");
        QCOMPARE(form->esci1->text(), "Chiudi" + QString(23, ' ') + "ALT+F4");
        Calculate({"1", "0", "1000"});
        QTest::keyClick(form, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(form->Edit7->text(), QString("1"));
    }

    void tabGoesThroughTheBoxesThenCalcola()
    {
        Open();
        Calculate({"1", "0", "1000"});
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->Edit1->setFocus();
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"Edit1", "Edit2", "Edit3", "Edit5", "Edit6", "Edit7", "Button1"}));
    }

    void closingReturnsToTheLineKindWindow()
    {
        Open();
        QVERIFY(ChooseMenuItem(*form, form->esci1));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form9"});
        Click(program->Form9.Button2);
        CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form9"});
    }
};

QTEST_MAIN(Form13Test)
#include "form13_test.moc"
