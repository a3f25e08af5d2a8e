// The power-factor correction window, driven as a user drives it.
#include <QLocale>
#include <QPrinterInfo>
#include <QTest>

#include "app/windows.h"
#include "support/expectations.h"
#include "support/user_actions.h"

class Form8Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm8* form = nullptr;

    void Open()
    {
        Click(program->Form1.Button5);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void Calculate(const QString& power, const QString& initialFactor, const QString& finalFactor)
    {
        Retype({form->Edit1, form->Edit2, form->Edit3}, {power, initialFactor, finalFactor});
        Click(form->Button1);
    }

    void VerifyReset()
    {
        for (QLineEdit* box : {form->Edit1, form->Edit2, form->Edit3, form->Edit4})
            QCOMPARE(box->text(), QString());
        QVERIFY(form->Edit1->isEnabled());
        QVERIFY(!form->Edit2->isEnabled());
        QVERIFY(!form->Edit3->isEnabled());
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(form->Edit4->isEnabled());
        QVERIFY(!form->NuovoCTRLN1->isEnabled());
        QVERIFY(!form->StampaCTRLMAIUSCF122->isEnabled());
        QVERIFY(form->StampaCTRLMAIUSCF121->isEnabled());
    }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form8;
    }
    void cleanup() { program.reset(); }

    void opensFromTheMainWindowReset()
    {
        Open();
        QCOMPARE(VisibleWindows(*program), QStringList{"Form8"});
        QCOMPARE(form->windowTitle(), QString("Rifasamento"));
        VerifyReset();
    }

    void eachStepOfTheChainEnablesTheNext()
    {
        Open();
        const QString broken = WalkTheChain(form, EnablingChain("Form8"));
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        QVERIFY(!form->NuovoCTRLN1->isEnabled());
        Calculate("30", "0,6", "0,8");
        QVERIFY(form->NuovoCTRLN1->isEnabled() && form->StampaCTRLMAIUSCF122->isEnabled());
        // Emptying the boxes disables nothing.
        for (QLineEdit* box : {form->Edit1, form->Edit2, form->Edit3})
            ClearByKeys(box);
        QVERIFY(form->Edit2->isEnabled() && form->Edit3->isEnabled() && form->Button1->isEnabled());
    }

    void showsTheReactivePowerOfCorrection_data() { AddDataRows(WorkedExamples("Form8")); }
    void showsTheReactivePowerOfCorrection()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        FaultBoxWatcher faults;
        Perform(form, row.steps);
        QCOMPARE(ShownResults(form, row), row.results);
        QCOMPARE(faults.Count(), 0);
        QCOMPARE(form->Edit4->cursorPosition(), 0);  // the narrow box shows the first digits
    }

    void aFaultLeavesTheResultButNuovoAndStampaEnabled_data() { AddDataRows(FaultRows("Form8")); }
    void aFaultLeavesTheResultButNuovoAndStampaEnabled()
    {
        QFETCH(TableRow, row);
        OpenForRow(*program, row);
        FaultBoxWatcher faults;

        // Right after opening: nothing written, but the items are enabled already.
        Perform(form, row.steps);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), row.fault);
        QCOMPARE(ShownResults(form, row), row.results);
        QVERIFY(form->NuovoCTRLN1->isEnabled() && form->StampaCTRLMAIUSCF122->isEnabled());

        // After a calculation: the earlier result stays in view.
        Calculate("30", "0,6", "0,8");
        Perform(form, row.steps);
        QCOMPARE(faults.Count(), 2);
        QCOMPARE(faults.Text(), row.fault);
        QCOMPARE(form->Edit4->text(), QString("17,5"));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form8"});
    }

    void nuovoAndReopeningResetTheWindow_data()
    {
        QTest::addColumn<bool>("byNuovo");
        QTest::newRow("Nuovo") << true;
        QTest::newRow("reopening") << false;
    }
    void nuovoAndReopeningResetTheWindow()
    {
        QFETCH(bool, byNuovo);
        Open();
        Calculate("100", "0,7", "0,95");
        if (byNuovo) {
            QVERIFY(ChooseMenuItem(*form, form->NuovoCTRLN1));
        } else {
            QVERIFY(ChooseMenuItem(*form, form->StampaCTRLMAIUSCF121));
            QCOMPARE(form->Edit4->text(), QString("69,1519956041544"));  // a hidden window keeps its contents
            Open();
        }
        VerifyReset();
    }

    void stampaPrintsOnTheDefaultPrinter()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is set up: a page would go out");
        Open();
        Calculate("30", "0,6", "0,8");
        FaultBoxWatcher faults;
        QVERIFY(ChooseMenuItem(*form, form->StampaCTRLMAIUSCF122));
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("There is no default printer currently selected."));
        QCOMPARE(form->Edit4->text(), QString("17,5"));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form8"});
    }

    void menuKeyNamesAreNoShortcuts()
    {
        Open();
        Calculate("30", "0,6", "0,8");
        FaultBoxWatcher faults;
        QTest::keyClick(form, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(form, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->Edit4->text(), QString("17,5"));
        QCOMPARE(faults.Count(), 0);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form8"});
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
        Open();
        if (byMenu)
            QVERIFY(ChooseMenuItem(*form, form->StampaCTRLMAIUSCF121));
        else
            CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }
};

QTEST_MAIN(Form8Test)
#include "form8_test.moc"
