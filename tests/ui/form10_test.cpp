// The cable line topology window, driven as a user drives it.
#include <QLocale>
#include <QScopeGuard>
#include <QTest>

#include "app/windows.h"
#include "support/user_actions.h"

class Form10Test : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;
    TForm10* form = nullptr;
    TForm12* calculator = nullptr;

    void Open()
    {
        Click(program->Form1.Button6);
        Click(program->Form9.Button1);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // Back from the calculator to this window, as a user goes.
    void CloseCalculator()
    {
        CloseBySystem(*calculator);
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    QList<QWidget*> NeutralSectionRow() const
    {
        return {calculator->Label3, calculator->Label7, calculator->Edit4, calculator->Label6, calculator->Label19};
    }

private slots:
    void init()
    {
        SwitchToItalian();
        program = StartProgram();
        form = &program->Form10;
        calculator = &program->Form12;
    }
    void cleanup() { program.reset(); }

    void showsEachTopologyWithItsConductors_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<int>("conductors");
        QTest::addColumn<QColor>("face");  // of the windows, where not the style's own
        QTest::newRow("with neutral") << 0 << "LINEA TRIFASE CON NEUTRO" << QSize(257, 121) << 4 << QColor();
        QTest::newRow("without neutral") << 1 << "LINEA TRIFASE SENZA NEUTRO" << QSize(257, 97) << 3 << QColor();
        QTest::newRow("single phase") << 2 << "LINEA MONOFASE" << QSize(257, 81) << 2 << QColor();
        QTest::newRow("on a lighter face, as wine's") << 2 << "LINEA MONOFASE" << QSize(257, 81) << 2
                                                      << QColor(245, 245, 245);
    }
    void showsEachTopologyWithItsConductors()
    {
        QFETCH(int, section);
        QFETCH(QString, heading);
        QFETCH(QSize, pictureSize);
        QFETCH(int, conductors);
        QFETCH(QColor, face);
        const QPalette stylesOwn = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(stylesOwn); });
        if (face.isValid()) {  // the system's, from the start
            QApplication::setPalette(QPalette(face));
            init();
        }
        Open();
        QCOMPARE(form->windowTitle(), QString("Linea in cavo di rame"));
        const QLabel* headings[] = {form->Label1, form->Label2, form->Label3};
        const QLabel* pictures[] = {form->Image3, form->Image2, form->Image4};
        const QPushButton* buttons[] = {form->Button1, form->Button2, form->Button3};
        QCOMPARE(headings[section]->text(), heading);
        QVERIFY(headings[section]->font().bold());
        QCOMPARE(buttons[section]->text(), QString("OK"));

        // Down the middle of the picture, each blue conductor is crossed once.
        const QImage picture = pictures[section]->pixmap().toImage();
        QCOMPARE(picture.size(), pictureSize);
        int crossed = 0;
        bool onConductor = false;
        for (int y = 0; y < picture.height(); ++y) {
            const QColor colour = picture.pixelColor(picture.width() / 2, y);
            const bool blue = colour.blue() > 150 && colour.red() < 100 && colour.green() < 100;
            crossed += blue && !onConductor;
            onConductor = blue;
        }
        QCOMPARE(crossed, conductors);
        // Round the drawing, the window's face, give or take the compression's steps: no box.
        QVERIFY(qAbs(qGray(picture.pixel(0, 0)) - qGray(form->palette().color(QPalette::Window).rgb())) <= 2);
    }

    void eachOkOpensTheCalculatorForItsTopology_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<bool>>("rowsShown");  // neutral section, phase-neutral, phase-phase, three-phase
        QTest::newRow("with neutral") << 0 << "Linea TRIFASE CON NEUTRO" << QList<bool>{true, true, true, true};
        QTest::newRow("without neutral") << 1 << "Linea TRIFASE SENZA NEUTRO" << QList<bool>{false, false, true, true};
        QTest::newRow("single phase") << 2 << "Linea MONOFASE" << QList<bool>{false, true, false, false};
    }
    void eachOkOpensTheCalculatorForItsTopology()
    {
        QFETCH(int, button);
        QFETCH(QString, title);
        QFETCH(QList<bool>, rowsShown);
        Open();
        Click(QList<QPushButton*>{form->Button1, form->Button2, form->Button3}[button]);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form12"});
        QCOMPARE(calculator->windowTitle(), title);
        const QList<QList<QWidget*>> rows{{calculator->Edit4, calculator->Label28},
                                          {calculator->Label23, calculator->Edit5, calculator->Label29},
                                          {calculator->Label40, calculator->Edit6, calculator->Label14},
                                          {calculator->Label24, calculator->Edit7, calculator->Label31}};
        for (int row = 0; row < rows.size(); ++row)
            for (QWidget* control : rows[row])
                QVERIFY2(control->isVisible() == rowsShown[row], qPrintable(control->objectName()));
        QVERIFY(calculator->Edit3->isVisible());
    }

    void theNeutralSectionRowComesBackWhole()
    {
        Open();
        Click(form->Button2);
        for (QWidget* control : NeutralSectionRow())
            QVERIFY(!control->isVisible());
        CloseCalculator();
        Click(form->Button1);
        QCOMPARE(calculator->Label3->text(), QString("S"));
        QCOMPARE(calculator->Label7->text(), QString("N"));
        QCOMPARE(calculator->Label6->text(), QString("mm"));
        QCOMPARE(calculator->Label19->text(), QString("2"));
        for (QWidget* control : NeutralSectionRow())
            QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
        CloseCalculator();
        Click(form->Button3);
        for (QWidget* control : NeutralSectionRow())
            QVERIFY2(!control->isVisible(), qPrintable(control->objectName()));
    }

    void everyOkStartsAFreshCalculation()
    {
        Open();
        Click(form->Button1);
        Type(calculator->Edit1, "10");
        Type(calculator->Edit2, "50");
        Type(calculator->Edit3, "16");
        Type(calculator->Edit4, "16");
        Click(calculator->Button1);
        QCOMPARE(calculator->Edit7->text(), QString("2,81345565749235"));
        CloseCalculator();
        Click(form->Button1);
        for (QLineEdit* box : calculator->ClientArea->findChildren<QLineEdit*>())
            QCOMPARE(box->text(), QString());
        QVERIFY(calculator->Edit1->isEnabled());
        for (QWidget* control : {static_cast<QWidget*>(calculator->Edit2), static_cast<QWidget*>(calculator->Edit3),
                                 static_cast<QWidget*>(calculator->Edit4), static_cast<QWidget*>(calculator->Button1)})
            QVERIFY(!control->isEnabled());
        QVERIFY(!calculator->NuovoCTRLN1->isEnabled());
        QVERIFY(!calculator->Stampa1->isEnabled());
    }

    void closingReturnsToTheMainWindow()
    {
        Open();
        CloseBySystem(*form);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }
};

QTEST_MAIN(Form10Test)
#include "form10_test.moc"
