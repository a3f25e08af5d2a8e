// The busbar-line short-circuit window, driven as a user drives it.
#include <QLocale>
#include <QTest>

#include "app/windows.h"
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

    void computesTheCurrents_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("above 1 kA") << QStringList{"25", "30", "1000"}
                                    << QStringList{"14,6168224299065", "17,0541808415398", "19,6025067144136"};
        QTest::newRow("1 kA at the origin") << QStringList{"1", "0", "1000"} << QStringList{"1", "0,87", "1"};
        QTest::newRow("just above 1 kA") << QStringList{"1,0001", "0", "1000"}
                                         << QStringList{"1,190119", "1,03540353", "1,190119"};
        QTest::newRow("no start current") << QStringList{"0", "30", "1000"} << QStringList{"0", "0", "0"};
    }
    void computesTheCurrents()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        Open();
        QCOMPARE(form->windowTitle(), QString("Linea in sbarre di rame"));
        FaultBoxWatcher faults;
        Calculate(inputs);
        QCOMPARE(faults.Count(), 0);
        QCOMPARE(Results(), results);
        QVERIFY(form->nuovo1->isEnabled());
        QVERIFY(form->stampa1->isEnabled());
    }

    void eachKeyEnablesTheNextStep()
    {
        Open();
        QVERIFY(!form->Edit2->isEnabled());
        Type(form->Edit1, "2");
        QVERIFY(form->Edit2->isEnabled());
        QVERIFY(!form->Edit3->isEnabled());
        Type(form->Edit2, "\b");
        QVERIFY(form->Edit3->isEnabled());
        QVERIFY(!form->Button1->isEnabled());
        Type(form->Edit3, "4");
        QVERIFY(form->Button1->isEnabled());
    }

    void aStoppedCalculationStillEnablesNuovoAndStampa_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty capacity") << QStringList{"25", "30", "\b"} << "'' is not a valid floating point value.";
        QTest::newRow("capacity 0") << QStringList{"25", "30", "0"} << "Floating point division by zero.";
        QTest::newRow("a point for a comma") << QStringList{"2.5", "30", "1000"}
                                             << "'2.5' is not a valid floating point value.";
    }
    void aStoppedCalculationStillEnablesNuovoAndStampa()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        Open();
        FaultBoxWatcher faults;
        Calculate(inputs);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), message);
        QCOMPARE(Results(), (QStringList{"", "", ""}));
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
