// The load-current calculator, driven as a user drives it.
#include <QLocale>
#include <QPrinterInfo>
#include <QTest>

#include "app/windows.h"
#include "support/user_actions.h"

namespace {

struct Load {
    QString power;
    QString powerFactor;
};
using Loads = QList<Load>;

const QString SinglePhaseCaption = "Corrente d'impiego - LINEA MONOFASE";
const QString ThreePhaseCaption = "Corrente d'impiego - LINEA TRIFASE CON NEUTRO";

}  // namespace

Q_DECLARE_METATYPE(Loads)

class Form3Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm3* form = nullptr;

    // Through the main window and the line kind choice, as the only way in.
    void Open(bool threePhase)
    {
        Click(program->Form1.Button1);
        Click(threePhase ? program->Form2.Button2 : program->Form2.Button1);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    QLineEdit* PowerBox(int k) const
    {
        return std::array{form->Edit5,  form->Edit6,  form->Edit7,  form->Edit8,  form->Edit9,
                          form->Edit10, form->Edit11, form->Edit12, form->Edit13, form->Edit14}[k - 1];
    }
    QLineEdit* PowerFactorBox(int k) const
    {
        return std::array{form->Edit4,  form->Edit15, form->Edit16, form->Edit17, form->Edit18,
                          form->Edit19, form->Edit20, form->Edit21, form->Edit22, form->Edit23}[k - 1];
    }
    QList<QWidget*> RowControls(int k) const
    {
        const int i = k - 1;
        const std::array powerCaptions{form->Label1,  form->Label11, form->Label12, form->Label13, form->Label14,
                                       form->Label15, form->Label16, form->Label17, form->Label18, form->Label19};
        const std::array kilowatts{form->Label8,  form->Label20, form->Label21, form->Label22, form->Label23,
                                   form->Label24, form->Label25, form->Label26, form->Label27, form->Label28};
        const std::array powerFactorCaptions{form->Label4,  form->Label29, form->Label30, form->Label31,
                                             form->Label32, form->Label33, form->Label34, form->Label35,
                                             form->Label36, form->Label37};
        return {powerCaptions[i], PowerBox(k), kilowatts[i], powerFactorCaptions[i], PowerFactorBox(k)};
    }

    // The rows in view, each checked to be shown or hidden as a whole.
    QList<int> ShownRows() const
    {
        QList<int> shown;
        for (int k = 1; k <= 10; ++k) {
            const QList<QWidget*> controls = RowControls(k);
            const auto visible = std::count_if(controls.begin(), controls.end(), [](QWidget* c) { return c->isVisible(); });
            if (visible == 5)
                shown << k;
            else if (visible != 0)
                shown << -k;  // a row torn apart
        }
        return shown;
    }

    static QList<int> Rows(int count)
    {
        QList<int> rows;
        for (int k = 1; k <= count; ++k)
            rows << k;
        return rows;
    }

    static void Retype(QLineEdit* box, const QString& text)
    {
        ClearByKeys(box);
        Type(box, text);
    }

    void TakeNumberOfLoads(const QString& n)
    {
        Retype(form->Edit1, n);
        Click(form->Button1);
    }

    void FillIn(const QString& Fc, const QString& V, const Loads& loads)
    {
        Retype(form->Edit2, Fc);
        Retype(form->Edit3, V);
        for (int k = 1; k <= loads.size(); ++k) {
            Retype(PowerBox(k), loads[k - 1].power);
            Retype(PowerFactorBox(k), loads[k - 1].powerFactor);
        }
    }

    void Calculate(const QString& Fc, const QString& V, const Loads& loads)
    {
        TakeNumberOfLoads(QString::number(loads.size()));
        FillIn(Fc, V, loads);
        Click(form->Button2);
    }

    QStringList Hints() const { return {form->Label40->text(), form->Label41->text(), form->Label42->text()}; }

    void VerifyCleared()
    {
        for (QLineEdit* box : {form->Edit1, form->Edit2, form->Edit3}) {
            QCOMPARE(box->text(), QString());
            QVERIFY(box->isEnabled());
        }
        QCOMPARE(form->Button1->text(), QString("Avanti"));
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(!form->Button2->isVisible());
        QCOMPARE(ShownRows(), QList<int>{});
        for (int k = 1; k <= 10; ++k) {
            QCOMPARE(PowerBox(k)->text(), QString());
            QCOMPARE(PowerFactorBox(k)->text(), QString());
        }
        QCOMPARE(form->Edit24->text(), QString());
        QVERIFY(!form->Edit24->isEnabled());
        QVERIFY(!form->Nuovocalcolo1->isEnabled());
        QVERIFY(!form->Stampa1->isEnabled());
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QCoreApplication::sendEvent(qApp, new QEvent(QEvent::LocaleChange));
        program = StartProgram();
        form = &program->Form3;
    }
    void cleanup() { program.reset(); }

    void opensClearedForTheChosenLineKind_data()
    {
        QTest::addColumn<bool>("threePhase");
        QTest::addColumn<QString>("caption");
        QTest::newRow("single-phase") << false << SinglePhaseCaption;
        QTest::newRow("three-phase") << true << ThreePhaseCaption;
    }
    void opensClearedForTheChosenLineKind()
    {
        QFETCH(bool, threePhase);
        QFETCH(QString, caption);
        Open(threePhase);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form3"});
        QCOMPARE(form->windowTitle(), caption);
        VerifyCleared();
        QCOMPARE(Hints(), QStringList({"", "", ""}));
    }

    void theMenuCarriesItsCaptionsExactly()
    {
        QCOMPARE(form->File1->title(), QString("File"));
        QCOMPARE(form->File1->actions(), QList<QAction*>({form->Nuovocalcolo1, form->Stampa1, form->Esci1}));
        QCOMPARE(form->Nuovocalcolo1->text(), "Nuovo" + QString(19, ' ') + "CTRL+N" + QString(14, ' '));
        QCOMPARE(form->Stampa1->text(), "Stampa..." + QString(13, ' ') + "CTRL+MAIUSC+F12");
        QCOMPARE(form->Esci1->text(), "Chiudi" + QString(20, ' ') + "ALT+F4");
    }

    void givesTheWorkedExamples_data()
    {
        QTest::addColumn<bool>("threePhase");
        QTest::addColumn<QString>("Fc");
        QTest::addColumn<QString>("V");
        QTest::addColumn<Loads>("loads");
        QTest::addColumn<QString>("Ib");
        QTest::newRow("one single-phase load") << false << "0,7" << "230" << Loads{{"3", "0,9"}} << "14,4927536231884";
        QTest::newRow("two single-phase loads")
            << false << "0,8" << "230" << Loads{{"2", "0,8"}, {"3", "0,9"}} << "20,2898550724638";
        QTest::newRow("one three-phase load") << true << "1" << "400" << Loads{{"10", "0,85"}} << "17,0010200612037";
        QTest::newRow("three three-phase loads")
            << true << "0,7" << "400" << Loads{{"10", "0,85"}, {"5", "0,9"}, {"7,5", "0,8"}} << "27,0038771770751";
        QTest::newRow("ten loads, values as typed")
            << false << "1,5" << "100"
            << Loads{{"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"},
                     {"1", "1"}, {"1", "1"}, {"1", "1"}, {"1", "1"}, {"-2", "1"}}
            << "105";
    }
    void givesTheWorkedExamples()
    {
        QFETCH(bool, threePhase);
        QFETCH(QString, Fc);
        QFETCH(QString, V);
        QFETCH(Loads, loads);
        QFETCH(QString, Ib);
        Open(threePhase);
        FaultBoxWatcher faults;
        Calculate(Fc, V, loads);
        QCOMPARE(faults.Count(), 0);
        QCOMPARE(form->Edit24->text(), Ib);
        QVERIFY(form->Edit24->isEnabled());
        QVERIFY(form->Nuovocalcolo1->isEnabled() && form->Stampa1->isEnabled());
        QCOMPARE(form->Edit24->cursorPosition(), 0);
    }

    void readsTheNumberOfLoads_data()
    {
        QTest::addColumn<QString>("n");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("fault");
        QTest::newRow("3") << "3" << Rows(3) << "";
        QTest::newRow("leading blank") << " 3" << Rows(3) << "";
        QTest::newRow("plus sign") << "+3" << Rows(3) << "";
        QTest::newRow("hexadecimal") << "$A" << Rows(10) << "";
        QTest::newRow("0") << "0" << Rows(0) << "";
        QTest::newRow("11") << "11" << Rows(0) << "";
        QTest::newRow("-2") << "-2" << Rows(0) << "";
        QTest::newRow("decimal point") << "3.0" << Rows(0) << "'3.0' is not a valid integer value.";
        QTest::newRow("decimal comma") << "3,0" << Rows(0) << "'3,0' is not a valid integer value.";
        QTest::newRow("trailing blank") << "3 " << Rows(0) << "'3 ' is not a valid integer value.";
        QTest::newRow("word") << "three" << Rows(0) << "'three' is not a valid integer value.";
        QTest::newRow("empty") << "" << Rows(0) << "'' is not a valid integer value.";
        QTest::newRow("beyond 32 bits") << "2147483648" << Rows(0) << "'2147483648' is not a valid integer value.";
    }
    void readsTheNumberOfLoads()
    {
        QFETCH(QString, n);
        QFETCH(QList<int>, rows);
        QFETCH(QString, fault);
        Open(false);
        Type(form->Edit1, "\b");
        FaultBoxWatcher faults;
        TakeNumberOfLoads(n);
        QCOMPARE(faults.Count(), fault.isEmpty() ? 0 : 1);
        QCOMPARE(faults.Text(), fault);
        QCOMPARE(ShownRows(), rows);
        QVERIFY(!form->Button1->isEnabled());
        QVERIFY(form->Button2->isVisible());
        QCOMPARE(form->Button2->text(), QString("Calcola"));
    }

    void aFailedAvantiKeepsTheEarlierNumberOfLoads()
    {
        Open(false);
        Calculate("0,8", "230", {{"2", "0,8"}, {"3", "0,9"}});
        FaultBoxWatcher faults;
        TakeNumberOfLoads("1.0");
        QCOMPARE(faults.Text(), QString("'1.0' is not a valid integer value."));
        QCOMPARE(ShownRows(), Rows(2));
        Retype(form->Edit2, "1");
        Click(form->Button2);
        QCOMPARE(form->Edit24->text(), QString("25,3623188405797"));
    }

    void aNewNumberCountsOnlyAfterAvanti()
    {
        Open(false);
        Calculate("0,8", "230", {{"3", "0,9"}});
        Retype(form->Edit1, "2");
        QVERIFY(form->Button1->isEnabled());
        Retype(PowerBox(2), "2");
        Retype(PowerFactorBox(2), "0,8");
        Click(form->Button2);
        QCOMPARE(form->Edit24->text(), QString("14,4927536231884"));
    }

    void fewerLoadsHideTheRowsBeyondThem()
    {
        Open(false);
        TakeNumberOfLoads("5");
        FillIn("1", "230", {{"2", "0,8"}, {"3", "0,9"}, {"1", "1"}, {"50", "0,5"}, {"60", "0,6"}});
        TakeNumberOfLoads("3");
        QCOMPARE(ShownRows(), Rows(3));
        Click(form->Button2);
        QCOMPARE(form->Edit24->text(), QString("29,7101449275362"));
        TakeNumberOfLoads("5");
        QCOMPARE(ShownRows(), Rows(5));
        QCOMPARE(PowerBox(5)->text(), QString("60"));
    }

    void oneLoadIgnoresFcButStillReadsIt_data()
    {
        QTest::addColumn<QString>("Fc");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("fault");
        QTest::newRow("Fc 0,7") << "0,7" << "14,4927536231884" << "";
        QTest::newRow("Fc 5") << "5" << "14,4927536231884" << "";
        QTest::newRow("Fc 0") << "0" << "14,4927536231884" << "";
        QTest::newRow("Fc empty") << "" << "earlier" << "'' is not a valid floating point value.";
        QTest::newRow("Fc not a number") << "tutti" << "earlier" << "'tutti' is not a valid floating point value.";
    }
    void oneLoadIgnoresFcButStillReadsIt()
    {
        QFETCH(QString, Fc);
        QFETCH(QString, shown);
        QFETCH(QString, fault);
        Open(false);
        form->Edit24->setText("earlier");
        FaultBoxWatcher faults;
        Calculate(Fc, "230", {{"3", "0,9"}});
        QCOMPARE(faults.Text(), fault);
        QCOMPARE(form->Edit24->text(), shown);
    }

    void noLoadsToAddEmptyTheResult_data()
    {
        QTest::addColumn<QString>("n");
        QTest::newRow("0") << "0";
        QTest::newRow("11") << "11";
        QTest::newRow("-2") << "-2";
    }
    void noLoadsToAddEmptyTheResult()
    {
        QFETCH(QString, n);
        Open(false);
        Calculate("0,7", "230", {{"3", "0,9"}});
        ChooseMenuItem(*form, form->Nuovocalcolo1);
        FaultBoxWatcher faults;
        Retype(form->Edit2, "0,7");
        Retype(form->Edit3, "230");
        TakeNumberOfLoads(n);
        form->Edit24->setText("earlier");
        Click(form->Button2);
        QCOMPARE(faults.Count(), 0);
        QCOMPARE(form->Edit24->text(), QString());
        QVERIFY(form->Edit24->isEnabled());
        QVERIFY(form->Nuovocalcolo1->isEnabled() && form->Stampa1->isEnabled());
        Retype(form->Edit3, "");
        Click(form->Button2);
        QCOMPARE(faults.Text(), QString("'' is not a valid floating point value."));
    }

    void beforeAnyAvantiCalcolaComputesNothing()
    {
        Open(false);
        FaultBoxWatcher faults;
        TakeNumberOfLoads("due");
        FillIn("1", "230", {});
        Click(form->Button2);
        QCOMPARE(faults.Count(), 1);  // the number of loads only
        QCOMPARE(form->Edit24->text(), QString());
        QVERIFY(form->Edit24->isEnabled());
    }

    void reportsTheFirstFaultAndKeepsTheResult_data()
    {
        QTest::addColumn<QString>("Fc");
        QTest::addColumn<QString>("V");
        QTest::addColumn<Loads>("loads");
        QTest::addColumn<QString>("fault");
        const Loads good{{"2", "0,8"}, {"3", "0,9"}};
        QTest::newRow("Fc before V") << "x" << "y" << good << "'x' is not a valid floating point value.";
        QTest::newRow("V before the loads")
            << "1" << "2.3" << Loads{{"", ""}, {"3", "0,9"}} << "'2.3' is not a valid floating point value.";
        QTest::newRow("P1 before cos(fi1)")
            << "1" << "230" << Loads{{"P", "c"}, {"3", "0,9"}} << "'P' is not a valid floating point value.";
        QTest::newRow("cos(fi1) before P2")
            << "1" << "230" << Loads{{"2", "c"}, {"P", "0,9"}} << "'c' is not a valid floating point value.";
        QTest::newRow("P2 before cos(fi2)")
            << "1" << "230" << Loads{{"2", "0,8"}, {" 3 kW", ""}} << "' 3 kW' is not a valid floating point value.";
        QTest::newRow("zero voltage") << "1" << "0" << good << "Floating point division by zero.";
        QTest::newRow("zero power factor")
            << "1" << "230" << Loads{{"2", "0,8"}, {"3", "0"}} << "Floating point division by zero.";
        QTest::newRow("zero power and voltage")
            << "1" << "0" << Loads{{"0", "0,8"}, {"3", "0,9"}} << "Invalid floating point operation.";
        QTest::newRow("zero power and power factor")
            << "1" << "230" << Loads{{"0", "0"}, {"3", "0,9"}} << "Invalid floating point operation.";
        QTest::newRow("typed value too large") << "1" << "1E309" << good << "Floating point overflow.";
        QTest::newRow("load current too large")
            << "1" << "1E-300" << Loads{{"1E10", "1"}, {"3", "0,9"}} << "Floating point overflow.";
        QTest::newRow("design current too large")
            << "1E307" << "230" << good << "Floating point overflow.";
    }
    void reportsTheFirstFaultAndKeepsTheResult()
    {
        QFETCH(QString, Fc);
        QFETCH(QString, V);
        QFETCH(Loads, loads);
        QFETCH(QString, fault);
        Open(false);
        Calculate("0,8", "230", {{"2", "0,8"}, {"3", "0,9"}});
        QCOMPARE(form->Edit24->text(), QString("20,2898550724638"));
        FaultBoxWatcher faults;
        FillIn(Fc, V, loads);
        Click(form->Button2);
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), fault);
        QCOMPARE(form->Edit24->text(), QString("20,2898550724638"));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form3"});
    }

    void theCaptionChoosesTheFormula()
    {
        Open(false);
        Calculate("1", "400", {{"10", "0,85"}});
        QCOMPARE(form->Edit24->text(), QString("29,4117647058824"));
        CloseBySystem(*form);
        Open(true);
        QCOMPARE(form->windowTitle(), ThreePhaseCaption);
        VerifyCleared();
        Calculate("1", "400", {{"10", "0,85"}});
        QCOMPARE(form->Edit24->text(), QString("17,0010200612037"));
    }

    void nuovoClearsAndKeepsTheLineKindAndHints()
    {
        Open(true);
        Calculate("0,7", "400", {{"10", "0,85"}, {"5", "0,9"}, {"7,5", "0,8"}});
        MovePointer(form->Label10);
        QVERIFY(ChooseMenuItem(*form, form->Nuovocalcolo1));
        QCOMPARE(form->windowTitle(), ThreePhaseCaption);
        VerifyCleared();
        QCOMPARE(form->Label40->text(), QString("da 1 a 10"));
        Calculate("1", "400", {{"10", "0,85"}});
        QCOMPARE(form->Edit24->text(), QString("17,0010200612037"));
    }

    void onlyTheNumberOfLoadsEnablesAvanti()
    {
        Open(false);
        TakeNumberOfLoads("1");
        for (QLineEdit* box : {form->Edit2, form->Edit3, PowerBox(1), PowerFactorBox(1), form->Edit24})
            Type(box, "7");
        QVERIFY(!form->Button1->isEnabled());
        QTest::keyClick(form->Edit1, Qt::Key_Left);
        QVERIFY(!form->Button1->isEnabled());
        Type(form->Edit1, "\b");
        QVERIFY(form->Button1->isEnabled());
    }

    void keyNamesInTheMenuAreNoShortcuts()
    {
        Open(false);
        Calculate("1", "230", {{"3", "0,9"}});
        QTest::keyClick(form, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(form->Edit24->text(), QString("14,4927536231884"));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form3"});
    }

    void tabFollowsTheDesignOrder()
    {
        Open(false);
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
        QStringList expected{"Edit1", "Edit2", "Edit3", "Edit4"};
        for (int i = 5; i <= 24; ++i)
            expected << QString("Edit%1").arg(i);
        expected << "Button2" << "Button1";
        QCOMPARE(order, expected);
    }

    void hoverHints_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("over");
        QTest::addColumn<QStringList>("hints");
        const QStringList n{"Label10", "Label1"};
        const QStringList fc{"Label2", "Label1"};
        QTest::newRow("Label10") << fc << "Label10" << QStringList{"da 1 a 10", "", ""};
        QTest::newRow("Label2") << n << "Label2" << QStringList{"", "da 0 a 1", ""};
        QTest::newRow("Label3") << fc << "Label3" << QStringList{"", "", ""};
        QTest::newRow("Label1 after Label10") << QStringList{"Label10"} << "Label1"
                                              << QStringList{"da 1 a 10", "", "Potenza assorbita"};
        QTest::newRow("Label1 after Label2") << QStringList{"Label2"} << "Label1"
                                             << QStringList{"", "da 0 a 1", "Potenza assorbita"};
        QTest::newRow("Edit1") << n << "Edit1" << QStringList{"", "", "Potenza assorbita"};
        QTest::newRow("Edit2") << n << "Edit2" << QStringList{"", "", ""};
        QTest::newRow("Edit3") << fc << "Edit3" << QStringList{"", "", ""};
        QTest::newRow("surface") << n << "ClientArea" << QStringList{"", "", ""};
        QTest::newRow("a caption without a hint") << n << "Label9"
                                                  << QStringList{"da 1 a 10", "", "Potenza assorbita"};
        QTest::newRow("a load box") << fc << "Edit5" << QStringList{"", "da 0 a 1", "Potenza assorbita"};
        QTest::newRow("Calcola") << n << "Button2" << QStringList{"da 1 a 10", "", "Potenza assorbita"};
    }
    void hoverHints()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, over);
        QFETCH(QStringList, hints);
        Open(false);
        TakeNumberOfLoads("1");
        for (const QString& name : before)
            MovePointer(form->findChild<QWidget*>(name));
        QWidget* target = form->findChild<QWidget*>(over);
        if (target == form->ClientArea)
            MovePointer(target, QPoint(10, 10));
        else
            MovePointer(target);
        QCOMPARE(Hints(), hints);
    }

    void printingWithoutAPrinterReportsIt()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer is set up here");
        Open(false);
        Calculate("1", "230", {{"3", "0,9"}});
        FaultBoxWatcher faults;
        QVERIFY(ChooseMenuItem(*form, form->Stampa1));
        QTRY_COMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("There is no default printer currently selected."));
        QCOMPARE(form->Edit24->text(), QString("14,4927536231884"));
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
        Open(false);
        Calculate("1", "230", {{"3", "0,9"}});
        if (byMenu)
            QVERIFY(ChooseMenuItem(*form, form->Esci1));
        else
            CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
        QCOMPARE(form->Edit24->text(), QString("14,4927536231884"));  // kept while hidden
        Open(false);
        VerifyCleared();
    }
};

QTEST_MAIN(Form3Test)
#include "form3_test.moc"
