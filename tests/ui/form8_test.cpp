// The power-factor correction window, driven as a user drives it.
#include <QLocale>
#include <QPrinterInfo>
#include <QTest>

#include "app/windows.h"
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
        const std::pair<QLineEdit*, QWidget*> chain[] = {
            {form->Edit1, form->Edit2}, {form->Edit2, form->Edit3}, {form->Edit3, form->Button1}};
        for (const auto& [box, next] : chain) {
            QVERIFY2(!next->isEnabled(), qPrintable(next->objectName()));
            Type(box, "\b");  // Backspace in an empty box counts too
            QVERIFY2(next->isEnabled(), qPrintable(next->objectName()));
        }
        QVERIFY(!form->NuovoCTRLN1->isEnabled());
        Calculate("30", "0,6", "0,8");
        QVERIFY(form->NuovoCTRLN1->isEnabled() && form->StampaCTRLMAIUSCF122->isEnabled());
        // Emptying the boxes disables nothing.
        for (QLineEdit* box : {form->Edit1, form->Edit2, form->Edit3})
            ClearByKeys(box);
        QVERIFY(form->Edit2->isEnabled() && form->Edit3->isEnabled() && form->Button1->isEnabled());
    }

    void showsTheReactivePowerOfCorrection_data()
    {
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("initialFactor");
        QTest::addColumn<QString>("finalFactor");
        QTest::addColumn<QString>("reactivePower");
        QTest::newRow("0,6 to 0,8") << "30" << "0,6" << "0,8" << "17,5";
        QTest::newRow("to 1") << "100" << "0,8" << "1" << "75";
        QTest::newRow("0,7 to 0,95") << "100" << "0,7" << "0,95" << "69,1519956041544";
        QTest::newRow("final below initial") << "30" << "0,8" << "0,6" << "-17,5";
        QTest::newRow("negative power") << "-30" << "0,6" << "0,8" << "17,5";
        QTest::newRow("equal factors") << "30" << "0,8" << "0,8" << "0";
        QTest::newRow("extended digits") << "10" << "0,6" << "0,8" << "5,83333333333334";
    }
    void showsTheReactivePowerOfCorrection()
    {
        QFETCH(QString, power);
        QFETCH(QString, initialFactor);
        QFETCH(QString, finalFactor);
        QFETCH(QString, reactivePower);
        Open();
        FaultBoxWatcher faults;
        Calculate(power, initialFactor, finalFactor);
        QCOMPARE(form->Edit4->text(), reactivePower);
        QCOMPARE(faults.Count(), 0);
        QCOMPARE(form->Edit4->cursorPosition(), 0);  // the narrow box shows the first digits
    }

    void aFaultLeavesTheResultButNuovoAndStampaEnabled_data()
    {
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("initialFactor");
        QTest::addColumn<QString>("finalFactor");
        QTest::addColumn<QString>("message");
        QTest::newRow("factor above 1") << "30" << "1,2" << "0,8" << "Invalid floating point operation.";
        QTest::newRow("factor below -1") << "30" << "0,8" << "-1,5" << "Invalid floating point operation.";
        QTest::newRow("factor 0") << "30" << "0" << "0,8" << "Floating point division by zero.";
        QTest::newRow("power 0") << "0" << "0,6" << "0,8" << "Invalid floating point operation.";
        QTest::newRow("initial factor first") << "30" << "0" << "1,2" << "Floating point division by zero.";
        QTest::newRow("empty final factor") << "30" << "0,6" << "" << "'' is not a valid floating point value.";
        QTest::newRow("point as separator") << "30" << "0.6" << "0,8" << "'0.6' is not a valid floating point value.";
    }
    void aFaultLeavesTheResultButNuovoAndStampaEnabled()
    {
        QFETCH(QString, power);
        QFETCH(QString, initialFactor);
        QFETCH(QString, finalFactor);
        QFETCH(QString, message);
        Open();
        FaultBoxWatcher faults;

        // Right after opening: nothing written, but the items are enabled already.
        Calculate(power, initialFactor, finalFactor.isEmpty() ? QString("\b") : finalFactor);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), message);
        QCOMPARE(form->Edit4->text(), QString());
        QVERIFY(form->NuovoCTRLN1->isEnabled() && form->StampaCTRLMAIUSCF122->isEnabled());

        // After a calculation: the earlier result stays in view.
        Calculate("30", "0,6", "0,8");
        Calculate(power, initialFactor, finalFactor.isEmpty() ? QString("\b") : finalFactor);
        QCOMPARE(faults.Count(), 2);
        QCOMPARE(faults.Text(), message);
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
