// The cable-section window, driven as a user drives it.
#include <QLocale>
#include <QTest>

#include "app/windows.h"
#include "support/expectations.h"
#include "support/user_actions.h"

class Form5Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm5* form = nullptr;

    void Open()
    {
        Click(program->Form1.Button2);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void Calculate(const QString& designCurrent)
    {
        ClearByKeys(form->Edit1);
        Type(form->Edit1, designCurrent);
        Click(form->Button1);
    }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form5;
    }
    void cleanup() { program.reset(); }

    void opensFromTheMainWindowReset()
    {
        Open();
        QCOMPARE(VisibleWindows(*program), QStringList{"Form5"});
        QCOMPARE(form->windowTitle(), QString("Scelta della sezione dei cavi"));
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->Edit2->isEnabled());
        QVERIFY(!form->Edit3->isEnabled());
        QVERIFY(form->Edit1->isEnabled());
        QVERIFY(!form->NuovoCTRLN1->isEnabled());
        QVERIFY(!form->StampaCTRLMAIUSCF121->isEnabled());
        QVERIFY(form->Label10->isVisible());
    }

    void choosesTheSectionForADesignCurrent_data() { AddDataRows(WorkedExamples("Form5")); }
    void choosesTheSectionForADesignCurrent()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        Perform(form, row.steps);
        QCOMPARE(ShownResults(form, row), row.results);
        QVERIFY(form->Edit2->isEnabled() && form->Edit3->isEnabled());
        QVERIFY(form->NuovoCTRLN1->isEnabled() && form->StampaCTRLMAIUSCF121->isEnabled());
    }

    void aCurrentAboveTheTableEmptiesTheResults()
    {
        Open();
        Calculate("100");
        QCOMPARE(form->Edit2->text(), QString("25"));
        FaultBoxWatcher faults;
        Calculate("523");
        QCOMPARE(form->Edit2->text(), QString());
        QCOMPARE(form->Edit3->text(), QString());
        QCOMPARE(faults.Count(), 0);
    }

    void anEmptyBoxGivesTheConversionMessage()
    {
        Open();
        Type(form->Edit1, "\b");
        QVERIFY(form->Button1->isEnabled());
        FaultBoxWatcher faults;
        Click(form->Button1);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("'' is not a valid floating point value."));
        QCOMPARE(faults.Title(), QString("form5_test"));
        QCOMPARE(faults.Icon(), QMessageBox::Critical);
        QVERIFY(form->NuovoCTRLN1->isEnabled());
        QVERIFY(form->StampaCTRLMAIUSCF121->isEnabled());
        QVERIFY(form->Edit2->isEnabled());
        QCOMPARE(VisibleWindows(*program), QStringList{"Form5"});
    }

    void aFaultKeepsEarlierResults_data() { AddDataRows(FaultRows("Form5")); }
    void aFaultKeepsEarlierResults()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        FaultBoxWatcher faults;
        Perform(form, row.steps);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), row.fault);
        QCOMPARE(ShownResults(form, row), row.results);
    }

    void followsTheLocaleDecimalSeparator()
    {
        Open();
        SwitchLocale(QLocale::English, QLocale::UnitedStates);
        Calculate("1.5");
        QCOMPARE(form->Edit2->text(), QString("1.5"));
        FaultBoxWatcher faults;
        Calculate("35,01");
        QCOMPARE(faults.Text(), QString("'35,01' is not a valid floating point value."));
    }

    void nuovoClearsButLeavesTheResultBoxesEnabled()
    {
        Open();
        Calculate("100");
        QVERIFY(ChooseMenuItem(*form, form->NuovoCTRLN1));
        QCOMPARE(form->Edit1->text(), QString());
        QCOMPARE(form->Edit2->text(), QString());
        QCOMPARE(form->Edit3->text(), QString());
        QVERIFY(form->Edit2->isEnabled() && form->Edit3->isEnabled());
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->NuovoCTRLN1->isEnabled());
        QVERIFY(!form->StampaCTRLMAIUSCF121->isEnabled());
    }

    void reopeningResetsWhatWasLeft()
    {
        Open();
        Calculate("100");
        QVERIFY(ChooseMenuItem(*form, form->ChiudiALTF41));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
        QCOMPARE(form->Edit2->text(), QString("25"));  // a hidden window keeps its contents
        Open();
        QCOMPARE(form->Edit1->text(), QString());
        QCOMPARE(form->Edit2->text(), QString());
        QVERIFY(!form->Edit2->isEnabled());
        QVERIFY(!form->Button1->isEnabled());
    }

    void typingEnablesCalcolaAndEmptyingDisablesNothing()
    {
        Open();
        const QString broken = WalkTheChain(form, EnablingChain("Form5"));
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        ClearByKeys(form->Edit1);
        QVERIFY(form->Button1->isEnabled());
    }

    void arrowKeysAndShortcutsEnableNothing()
    {
        Open();
        QTest::keyClick(form->Edit1, Qt::Key_Left);
        QTest::keyClick(form->Edit1, Qt::Key_Delete);
        QTest::keyClick(form->Edit1, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!form->Button1->isEnabled());
        Calculate("50");
        QTest::keyClick(form, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(form->Edit2->text(), QString("10"));  // Ctrl+N is a caption, not a shortcut
    }

    void theHintShowsOverTheCaptionAndHidesOverTheSurface()
    {
        Open();
        MovePointer(form->ClientArea, QPoint(10, 10));
        QVERIFY(!form->Label10->isVisible());
        MovePointer(form->Label38);
        QVERIFY(form->Label10->isVisible());
        MovePointer(form->Label2);
        QVERIFY2(form->Label10->isVisible(), "a caption without a handler changes nothing");
        MovePointer(form->ClientArea, QPoint(10, 300));
        QVERIFY(!form->Label10->isVisible());
        MovePointer(form->Label38);
        QVERIFY(form->Label10->isVisible());
        MovePointer(form->Button1);
        QVERIFY2(!form->Label10->isVisible(), "a disabled button passes the move on to the surface");
    }

    void closingReturnsToTheMainWindow()
    {
        Open();
        CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }
};

QTEST_MAIN(Form5Test)
#include "form5_test.moc"
