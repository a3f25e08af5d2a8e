// The load-current calculator, driven as a user drives it.
#include <QLocale>
#include <QTest>

#include "app/windows.h"
#include "support/expectations.h"
#include "support/user_actions.h"

using Loads = QList<QStringList>;  // each load: its power, its power factor
const QString Single = "Corrente d'impiego - LINEA MONOFASE";
const QString Three = "Corrente d'impiego - LINEA TRIFASE CON NEUTRO";

class Form3Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm3* form = nullptr;

    void Open(const QString& caption)
    {
        Click(program->Form1.Button1);
        Click(caption == Three ? program->Form2.Button2 : program->Form2.Button1);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    template <typename Control = QLineEdit>
    Control* Named(int number, const char* kind = "Edit") const
    {
        return form->findChild<Control*>(kind + QString::number(number));
    }
    // Row k: power caption, power box, "kW", power-factor caption, power-factor box.
    QList<QWidget*> Row(int k) const
    {
        return {Named<QLabel>(k == 1 ? 1 : 9 + k, "Label"), Named(4 + k), Named<QLabel>(k == 1 ? 8 : 18 + k, "Label"),
                Named<QLabel>(k == 1 ? 4 : 27 + k, "Label"), Named(k == 1 ? 4 : 13 + k)};
    }
    QString ShownRows() const  // "12..." for rows in view; "?" marks a row torn apart
    {
        QString shown;
        for (int k = 1; k <= 10; ++k) {
            const QList<QWidget*> row = Row(k);
            const auto visible = std::count_if(row.begin(), row.end(), [](QWidget* c) { return c->isVisible(); });
            shown += visible == 5 ? QString::number(k % 10) : visible ? "?" : "";
        }
        return shown;
    }
    static void Retype(QWidget* box, const QString& text)
    {
        ClearByKeys(static_cast<QLineEdit*>(box));
        Type(box, text);
    }
    void TakeLoads(const QString& n)
    {
        Retype(form->Edit1, n);
        Click(form->Button1);
    }
    void FillIn(const QString& Fc, const QString& V, const Loads& loads)
    {
        Retype(form->Edit2, Fc);
        Retype(form->Edit3, V);
        for (int k = 1; k <= loads.size(); ++k) {
            Retype(Row(k)[1], loads[k - 1][0]);
            Retype(Row(k)[4], loads[k - 1][1]);
        }
    }
    void Calculate(const QString& Fc, const QString& V, const Loads& loads)
    {
        TakeLoads(QString::number(loads.size()));
        FillIn(Fc, V, loads);
        Click(form->Button2);
    }
    QStringList Hints() const { return {form->Label40->text(), form->Label41->text(), form->Label42->text()}; }

    void VerifyCleared()
    {
        for (int number = 1; number <= 24; ++number)
            QCOMPARE(Named(number)->text(), QString());
        QVERIFY(form->Edit1->isEnabled() && form->Edit2->isEnabled() && form->Edit3->isEnabled());
        QVERIFY(!form->Edit24->isEnabled());
        QCOMPARE(form->Button1->text(), QString("Avanti"));
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->Button2->isVisible());
        QCOMPARE(ShownRows(), QString());
        QVERIFY(!form->Nuovocalcolo1->isEnabled() && !form->Stampa1->isEnabled());
    }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form3;
    }
    void cleanup() { program.reset(); }

    void opensClearedWithItsMenu()
    {
        Open(Single);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form3"});
        QCOMPARE(form->windowTitle(), Single);
        VerifyCleared();
        QCOMPARE(Hints(), QStringList({"", "", ""}));
        QCOMPARE(form->File1->actions(), QList<QAction*>({form->Nuovocalcolo1, form->Stampa1, form->Esci1}));
        QCOMPARE(form->Nuovocalcolo1->text(), "Nuovo" + QString(19, ' ') + "CTRL+N" + QString(14, ' '));
        QCOMPARE(form->Stampa1->text(), "Stampa..." + QString(13, ' ') + "CTRL+MAIUSC+F12");
        QCOMPARE(form->Esci1->text(), "Chiudi" + QString(20, ' ') + "ALT+F4");
    }

    void givesTheWorkedExamples_data() { AddDataRows(WorkedExamples("Form3")); }
    void givesTheWorkedExamples()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        FaultBoxWatcher faults;
        Perform(form, row.steps);
        QCOMPARE(faults.Count(), 0);
        QCOMPARE(ShownResults(form, row), row.results);
        QCOMPARE(form->Edit24->cursorPosition(), 0);  // the leading digits in view
        QVERIFY(form->Edit24->isEnabled() && form->Nuovocalcolo1->isEnabled() && form->Stampa1->isEnabled());
    }

    void takesTheNumberOfLoads_data()
    {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("fault");
        for (const char* n : {" 3", "+3", "3"})
            QTest::newRow(n) << n << "123" << "";
        QTest::newRow("$A") << "$A" << "1234567890" << "";
        for (const char* n : {"0", "11", "-2"})
            QTest::newRow(n) << n << "" << "";
        for (const char* n : {"3.0", "3 ", "three", "", "2147483648"})
            QTest::newRow(n) << n << "" << QString("'%1' is not a valid integer value.").arg(n);
    }
    void takesTheNumberOfLoads()
    {
        QFETCH(QString, n);
        QFETCH(QString, rows);
        QFETCH(QString, fault);
        Open(Single);
        FaultBoxWatcher faults;
        TakeLoads(n);
        QCOMPARE(faults.Text(), fault);
        QCOMPARE(ShownRows(), rows);
        QVERIFY(!form->Button1->isEnabled() && form->Button2->isVisible());
        QCOMPARE(form->Button2->text(), QString("Calcola"));
    }

    void usesOnlyTheRowsOfTheLastSuccessfulAvanti()
    {
        Open(Single);
        TakeLoads("5");
        FillIn("1", "230", {{"2", "0,8"}, {"3", "0,9"}, {"1", "1"}, {"50", "0,5"}, {"60", "0,6"}});
        TakeLoads("3");
        QCOMPARE(ShownRows(), QString("123"));
        Click(form->Button2);
        QCOMPARE(form->Edit24->text(), QString("29,7101449275362"));
        FaultBoxWatcher faults;
        TakeLoads("2.0");
        Retype(form->Edit1, "1");  // typed, but no "Avanti"
        Retype(form->Edit2, "2");
        Click(form->Button2);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(form->Edit24->text(), QString("59,4202898550725"));
        TakeLoads("5");
        QCOMPARE(ShownRows(), QString("12345"));
        QCOMPARE(form->Edit9->text(), QString("60"));  // hidden boxes keep their texts
    }

    void oneLoadIgnoresFcButReadsIt_data()
    {
        QTest::addColumn<QString>("Fc");
        QTest::addColumn<QString>("Ib");
        QTest::addColumn<QString>("fault");
        for (const char* Fc : {"0,7", "5", "0"})
            QTest::newRow(Fc) << Fc << "14,4927536231884" << "";
        QTest::newRow("empty") << "" << "earlier" << "'' is not a valid floating point value.";
    }
    void oneLoadIgnoresFcButReadsIt()
    {
        QFETCH(QString, Fc);
        QFETCH(QString, Ib);
        QFETCH(QString, fault);
        Open(Single);
        form->Edit24->setText("earlier");
        FaultBoxWatcher faults;
        Calculate(Fc, "230", {{"3", "0,9"}});
        QCOMPARE(faults.Text(), fault);
        QCOMPARE(form->Edit24->text(), Ib);
    }

    void noLoadsEmptyTheResult_data()
    {
        QTest::addColumn<QString>("n");
        for (const char* n : {"0", "11", "-2", "not yet"})
            QTest::newRow(n) << n;
    }
    void noLoadsEmptyTheResult()
    {
        QFETCH(QString, n);
        Open(Single);
        FaultBoxWatcher faults;
        TakeLoads(n);  // before any successful "Avanti" there are no loads
        FillIn("0,7", "230", {});
        form->Edit24->setText("earlier");
        Click(form->Button2);
        QCOMPARE(faults.Count(), n == "not yet" ? 1 : 0);
        QCOMPARE(form->Edit24->text(), QString());
        QVERIFY(form->Edit24->isEnabled() && form->Nuovocalcolo1->isEnabled() && form->Stampa1->isEnabled());
        Retype(form->Edit3, "V");
        Click(form->Button2);
        QCOMPARE(faults.Text(), QString("'V' is not a valid floating point value."));
    }

    void reportsTheFirstFaultAndKeepsTheResult_data() { AddDataRows(FaultRows("Form3")); }
    void reportsTheFirstFaultAndKeepsTheResult()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        FaultBoxWatcher faults;
        Perform(form, row.steps);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), row.fault);
        QCOMPARE(ShownResults(form, row), row.results);
    }

    void theChosenLineKindSetsTheFormulaAndNuovoKeepsIt()
    {
        Open(Single);
        Calculate("1", "400", {{"10", "0,85"}});
        QCOMPARE(form->Edit24->text(), QString("29,4117647058824"));
        CloseBySystem(*form);
        Open(Three);
        QCOMPARE(form->windowTitle(), Three);
        VerifyCleared();
        Calculate("1", "400", {{"10", "0,85"}});
        MovePointer(form->Label10);
        QVERIFY(ChooseMenuItem(*form, form->Nuovocalcolo1));
        VerifyCleared();
        QCOMPARE(form->windowTitle(), Three);
        QCOMPARE(form->Label40->text(), QString("da 1 a 10"));
        Calculate("1", "400", {{"10", "0,85"}});
        QCOMPARE(form->Edit24->text(), QString("17,0010200612037"));
    }

    void onlyTypingInTheNumberOfLoadsEnablesAvanti()
    {
        Open(Single);
        TakeLoads("1");
        for (QWidget* box : {form->Edit2, form->Edit3, form->Edit4, form->Edit5, form->Edit24})
            Type(box, "7");
        QTest::keyClick(form->Edit1, Qt::Key_Left);
        QVERIFY(!form->Button1->isEnabled());
        Type(form->Edit1, "\b");
        QVERIFY(form->Button1->isEnabled());
    }

    void tabFollowsTheDesignOrder()
    {
        Open(Single);
        Calculate("1", "230", Loads(10, {"1", "1"}));
        Type(form->Edit1, "0");
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->Button1->setFocus();
        QStringList order;
        for (int i = 0; i < 26; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QStringList expected;
        for (int number = 1; number <= 24; ++number)
            expected << QString("Edit%1").arg(number);
        QCOMPARE(order, expected << "Button2" << "Button1");
    }

    void hoverHints_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("over");
        QTest::addColumn<QStringList>("hints");
        QTest::newRow("Label10") << "Label2 Label1" << "Label10" << QStringList{"da 1 a 10", "", ""};
        QTest::newRow("Label2") << "Label10 Label1" << "Label2" << QStringList{"", "da 0 a 1", ""};
        QTest::newRow("Label3") << "Label2 Label1" << "Label3" << QStringList{"", "", ""};
        QTest::newRow("Label1 a") << "Label10" << "Label1" << QStringList{"da 1 a 10", "", "Potenza assorbita"};
        QTest::newRow("Label1 b") << "Label2" << "Label1" << QStringList{"", "da 0 a 1", "Potenza assorbita"};
        QTest::newRow("Edit1") << "Label10 Label1" << "Edit1" << QStringList{"", "", "Potenza assorbita"};
        QTest::newRow("Edit2") << "Label10 Label1" << "Edit2" << QStringList{"", "", ""};
        QTest::newRow("Edit3") << "Label2 Label1" << "Edit3" << QStringList{"", "", ""};
        QTest::newRow("surface") << "Label10 Label1" << "ClientArea" << QStringList{"", "", ""};
        QTest::newRow("Label9") << "Label10 Label1" << "Label9" << QStringList{"da 1 a 10", "", "Potenza assorbita"};
        QTest::newRow("Edit5") << "Label2 Label1" << "Edit5" << QStringList{"", "da 0 a 1", "Potenza assorbita"};
        QTest::newRow("Button2") << "Label10 Label1" << "Button2" << QStringList{"da 1 a 10", "", "Potenza assorbita"};
    }
    void hoverHints()
    {
        QFETCH(QString, before);
        QFETCH(QString, over);
        QFETCH(QStringList, hints);
        Open(Single);
        TakeLoads("1");
        for (const QString& name : before.split(' '))
            MovePointer(form->findChild<QWidget*>(name));
        if (over == "ClientArea")
            MovePointer(form->ClientArea, QPoint(10, 10));
        else
            MovePointer(form->findChild<QWidget*>(over));
        QCOMPARE(Hints(), hints);
    }

    void closingReturnsToTheMainWindow_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Chiudi") << true;
        QTest::newRow("close box") << false;
    }
    void closingReturnsToTheMainWindow()
    {
        QFETCH(bool, byMenu);
        Open(Single);
        Calculate("1", "230", {{"3", "0,9"}});
        if (byMenu)
            QVERIFY(ChooseMenuItem(*form, form->Esci1));
        else
            CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
        QCOMPARE(form->Edit24->text(), QString("14,4927536231884"));
    }
};

QTEST_MAIN(Form3Test)
#include "form3_test.moc"
