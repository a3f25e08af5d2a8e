// The cable-line short-circuit window, driven as a user drives it.
#include <QLocale>
#include <QPrinterInfo>
#include <QTest>

#include "app/windows.h"
#include "support/expectations.h"
#include "support/user_actions.h"

class Form12Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm12* form = nullptr;

    // Through the main window, the line kind and the topology's OK button.
    void Open(int topology)
    {
        Click(program->Form1.Button6);
        Click(program->Form9.Button1);
        TForm10& topologies = program->Form10;
        Click(QList<QPushButton*>{topologies.Button1, topologies.Button2, topologies.Button3}[topology]);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // Types the inputs into the chain's boxes in order, then presses "Calcola".
    void Calculate(const QStringList& inputs)
    {
        Retype({form->Edit1, form->Edit2, form->Edit3, form->Edit4}, inputs);
        Click(form->Button1);
    }

    QStringList Results() const { return {form->Edit5->text(), form->Edit6->text(), form->Edit7->text()}; }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form12;
    }
    void cleanup() { program.reset(); }

    void computesTheCurrentsOfItsTopology_data() { AddDataRows(WorkedExamples("Form12")); }
    void computesTheCurrentsOfItsTopology()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        FaultBoxWatcher faults;
        Perform(form, row.steps);
        QCOMPARE(faults.Count(), 0);
        QCOMPARE(ShownResults(form, row), row.results);
        QVERIFY(form->NuovoCTRLN1->isEnabled());
        QVERIFY(form->Stampa1->isEnabled());
    }

    void eachKeyEnablesTheNextStepAndThePhaseSectionEnablesCalcola()
    {
        Open(0);
        const QString broken = WalkTheChain(form, EnablingChain("Form12"));
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        ClearByKeys(form->Edit3);
        QVERIFY2(form->Button1->isEnabled(), "emptying a box disables nothing");
    }

    void anEmptyNeutralSectionStopsTheCalculation()
    {
        Open(0);
        Type(form->Edit1, "10");
        Type(form->Edit2, "50");
        Type(form->Edit3, "16");
        FaultBoxWatcher faults;
        Click(form->Button1);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("'' is not a valid floating point value."));
        QCOMPARE(Results(), (QStringList{"", "", ""}));
        QVERIFY(!form->NuovoCTRLN1->isEnabled());
        QVERIFY(!form->Stampa1->isEnabled());
    }

    void faultsStopTheCalculationAndKeepEarlierResults_data() { AddDataRows(FaultRows("Form12")); }
    void faultsStopTheCalculationAndKeepEarlierResults()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        FaultBoxWatcher faults;
        Perform(form, row.steps);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), row.fault);
        QCOMPARE(ShownResults(form, row), row.results);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form12"});
    }

    void nuovoStaysOnTheTopology()
    {
        Open(2);
        Calculate({"6", "20", "2,5"});
        QVERIFY(ChooseMenuItem(*form, form->NuovoCTRLN1));
        QCOMPARE(form->windowTitle(), QString("Linea MONOFASE"));
        QCOMPARE(form->Edit1->text(), QString());
        QCOMPARE(form->Edit3->text(), QString());
        QCOMPARE(form->Edit5->text(), QString());
        QVERIFY(form->Edit5->isVisible());
        QVERIFY(!form->Edit4->isVisible());
        QVERIFY(!form->Edit7->isVisible());
        QVERIFY(form->Edit1->isEnabled());
        QVERIFY(!form->Edit2->isEnabled());
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->NuovoCTRLN1->isEnabled());
        QVERIFY(!form->Stampa1->isEnabled());
        Calculate({"10", "0", "16"});
        QCOMPARE(form->Edit5->text(), QString("10"));
    }

    void theMenuCarriesKeyNamesButNoShortcuts()
    {
        Open(0);
        QCOMPARE(form->File1->title(), QString("File"));
        QCOMPARE(form->NuovoCTRLN1->text(), "Nuovo" + QString(26, ' ') + "CTRL+N");
        QCOMPARE(form->Stampa1->text(), "Stampa" + QString(24, ' ') + "CTRL+MAIUSC+F12");
        QCOMPARE(form->EsciALTF41->text(), "Chiudi" + QString(27, ' ') + "ALT+F4");
        Calculate({"10", "0", "16", "16"});
        QTest::keyClick(form, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(form->Edit7->text(), QString("10"));
    }

    void stampaPrintsOnTheDefaultPrinter()
    {
        Open(0);
        Calculate({"10", "0", "16", "16"});
        FaultBoxWatcher faults;
        QVERIFY(ChooseMenuItem(*form, form->Stampa1));
        if (QPrinterInfo::defaultPrinter().isNull()) {
            QCOMPARE(faults.Count(), 1);
            QCOMPARE(faults.Text(), QString("There is no default printer currently selected."));
        } else {
            QCOMPARE(faults.Count(), 0);
        }
        QCOMPARE(form->Edit7->text(), QString("10"));
    }

    void tabGoesThroughTheInputsCalcolaAndTheResults()
    {
        Open(0);
        Calculate({"10", "0", "16", "16"});
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->Edit1->setFocus();
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Button1", "Edit5", "Edit6", "Edit7"}));
    }

    void aSymbolShowsItsRowsHint_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("hintLabel");
        QTest::addColumn<QString>("hint");
        QTest::newRow("start current") << "Label22" << "Label5" << "Corrente di cortocircuito inizio linea";
        QTest::newRow("distance") << "Label9" << "Label26" << "Distanza dall'origine del punto di guasto";
        QTest::newRow("phase section") << "Label18" << "Label27" << "Sezione di Fase";
        QTest::newRow("neutral section") << "Label3" << "Label28" << "Sezione di Neutro";
        QTest::newRow("phase-neutral") << "Label25" << "Label29" << "Corrente di cortocircuito Fase-Neutro";
        QTest::newRow("phase-phase") << "Label13" << "Label30" << "Corrente di cortocircuito Fase-Fase";
        QTest::newRow("three-phase") << "Label24" << "Label31" << "Corrente di cortocircuito Trifase";
    }
    void aSymbolShowsItsRowsHint()
    {
        QFETCH(QString, symbol);
        QFETCH(QString, hintLabel);
        QFETCH(QString, hint);
        Open(0);
        auto* label = form->findChild<QLabel*>(hintLabel);
        QCOMPARE(label->text(), QString());
        MovePointer(form->findChild<QLabel*>(symbol));
        QCOMPARE(label->text(), hint);
        QVERIFY2(label->width() >= label->sizeHint().width(), "the whole hint is in view");
        MovePointer(form->Label1);
        MovePointer(form->Edit1);
        QCOMPARE(label->text(), hint);
        MovePointer(form->ClientArea, QPoint(10, 400));
        QCOMPARE(label->text(), QString());
    }

    void closingReturnsToTheTopologyWindow()
    {
        Open(0);
        QVERIFY(ChooseMenuItem(*form, form->EsciALTF41));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form10"});
        Click(program->Form10.Button2);
        CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form10"});
    }
};

QTEST_MAIN(Form12Test)
#include "form12_test.moc"
