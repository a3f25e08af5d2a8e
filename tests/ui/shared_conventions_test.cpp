// What every window shares: the fault box, the title it carries, the pictures,
// typed keys, and printing a window's image.
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "app/control_events.h"
#include "app/fault_box.h"
#include "app/handlers.h"
#include "app/pictures.h"
#include "app/printing.h"
#include "app/windows.h"
#include "calc/fault.h"
#include "support/user_actions.h"

// The items of the control's menu that the right button opens, without their keys.
QStringList ContextMenuTexts(QWidget* control)
{
    QWidget* window = control->window();  // where the platform turns the click into the menu
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, control->mapTo(window, control->rect().center()));
    QStringList texts;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        for (const QAction* item : menu->actions())
            if (!item->isSeparator())
                texts << item->text().section('\t', 0, 0).remove('&');
    return texts;
}

class SharedConventionsTest : public QObject {
    Q_OBJECT

private slots:
    void theTitleComesFromTheProgramFileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("upper case with extension") << "C:/PROGRAMMI/VOLTARIS.EXE" << "Voltaris";
        QTest::newRow("installed") << "/usr/bin/Voltaris" << "Voltaris";
        QTest::newRow("first letter kept") << "/opt/vOLTARIS" << "voltaris";
        QTest::newRow("two dots") << "/tmp/Volt.aris.bin" << "Volt.aris";
    }
    void theTitleComesFromTheProgramFileName()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(TitleFromProgramPath(path), title);
    }

    void aFaultInAHandlerShowsTheStopBoxAndTheProgramGoesOn()
    {
        auto program = StartProgram();
        QPushButton trigger;
        int ranAfterFault = 0;
        Bind(&trigger, &QPushButton::clicked, &trigger, std::function<void()>([&] {
                 if (ranAfterFault == 0)
                     throw calc::Fault(std::string(calc::messages::DivisionByZero));
                 ++ranAfterFault;
             }));
        FaultBoxWatcher faults;
        trigger.click();
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("Floating point division by zero."));
        QCOMPARE(faults.Title(), ApplicationTitle());
        QCOMPARE(faults.Icon(), QMessageBox::Critical);
        QCOMPARE(ranAfterFault, 0);
        QCOMPARE(VisibleWindows(*program), QStringList{"Form1"});
    }

    void typedCharactersAndBackspaceCountOtherKeysDoNot()
    {
        QLineEdit box;
        int typed = 0;
        OnTypedKey(&box, [&] { ++typed; });
        QTest::keyClicks(&box, "a,1 ");
        QCOMPARE(typed, 4);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(typed, 5);
        QCOMPARE(box.text(), QString("a,1"));  // the key reaches the box unchanged
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_Return, Qt::Key_Escape,
                            Qt::Key_Shift, Qt::Key_F1})
            QTest::keyClick(&box, key);
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(typed, 5);
    }

    void keysInAWindowsBoxTypeAndCountAsOnTheDesktop_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("counted");
        QTest::addColumn<QStringList>("menu");  // the right button's then, where it is looked at
        QTest::newRow("Alt with a letter or sign") << "Alt+F, Alt+N, Alt+%" << "45" << false << QStringList();
        QTest::newRow("Ctrl+Alt, as AltGr comes on some systems") << "Ctrl+Alt+@" << "45@" << true << QStringList();
        QTest::newRow("Ctrl+V") << "Ctrl+V" << "4530" << true << QStringList();
        QTest::newRow("Shift+Insert") << "Shift+Ins" << "4530" << true << QStringList();
        QTest::newRow("Ctrl+X") << "Ctrl+A, Ctrl+X" << "" << true << QStringList();
        QTest::newRow("none: the box's own menu speaks Italian")
            << "" << "45" << false
            << QStringList{"Annulla", "Rifai", "Taglia", "Copia", "Incolla", "Elimina", "Seleziona tutto"};
    }
    void keysInAWindowsBoxTypeAndCountAsOnTheDesktop()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(bool, counted);
        QFETCH(QStringList, menu);
        auto program = StartProgram();
        Click(program->Form1.Button5);
        QGuiApplication::clipboard()->setText("30");
        program->Form8.Edit1->setText("45");  // not typed: it counts for nothing
        QTest::keySequence(program->Form8.Edit1, QKeySequence(keys));
        QCOMPARE(program->Form8.Edit1->text(), text);
        QCOMPARE(program->Form8.Edit2->isEnabled(), counted);
        if (!menu.isEmpty())
            QCOMPARE(ContextMenuTexts(program->Form8.Edit1), menu);
    }

    void theEmbeddedPicturesDecode()
    {
        Windows program;
        QCOMPARE(Picture(":/pictures/logo.jpg").size(), QSize(265, 57));
        QCOMPARE(Picture(":/pictures/logo_info.jpg").size(), QSize(265, 49));
        QCOMPARE(Picture(FrameEdgePath).size(), QSize(5, 223));
        const QImage rule = Picture(FrameEdgePath).toImage();
        QVERIFY(qGray(rule.pixel(1, 100)) < 100);   // the dark rule
        QVERIFY(qGray(rule.pixel(4, 100)) > 200);   // on the window's colour
    }

    // Asking for a family the system lacks sends the font matcher on a long
    // search each time: every control must name the family it is drawn with.
    void everyControlNamesTheFamilyItIsDrawnWith()
    {
        Windows program;
        for (QWidget* window : program.All()) {
            // Shown, since some captions take their final font on the first show.
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QList<QWidget*> controls = window->findChildren<QWidget*>();
            controls << window;
            for (QWidget* control : controls) {
                if (control->isWindow() && control != window)
                    continue;  // a menu's list keeps the desktop's font
                const QString asked = control->font().families().value(0);
                // The family as drawn, less the foundry some families are qualified with.
                const QString drawn = QFontInfo(control->font()).family().section(" [", 0, 0);
                QVERIFY2(asked.compare(drawn, Qt::CaseInsensitive) == 0,
                         qPrintable(QString("%1 in %2 asks for %3 and is drawn with %4")
                                        .arg(control->objectName(), window->objectName(), asked, drawn)));
            }
            window->hide();
        }
    }

    void aDamagedPictureGivesANullImageNotAnExit()
    {
        Windows program;  // registers the embedded pictures
        QFile file(":/pictures/logo.jpg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("A picture could not be decoded.*"));
        QVERIFY(DecodeJpeg(whole.left(200)).isNull());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("A picture could not be decoded.*"));
        QVERIFY(DecodeJpeg("not a picture").isNull());
        QVERIFY(!DecodeJpeg(whole).isNull());
    }

    void printingPutsTheClientAreaOnOnePage()
    {
        auto program = StartProgram();
        Click(program->Form1.Button2);
        Type(program->Form5.Edit1, "100");
        Click(program->Form5.Button1);

        QTemporaryDir folder;
        const QString path = folder.filePath("window.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrintWindowImage(program->Form5, printer);

        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray content = pdf.readAll();
        QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
        QVERIFY(content.contains("/Subtype /Image"));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form5"});
    }

    void stampaWithNoPrinterSaysSo()
    {
        // No print server answers here, so there is no default printer.
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
        auto program = StartProgram();
        Click(program->Form1.Button2);
        Type(program->Form5.Edit1, "35");
        Click(program->Form5.Button1);
        FaultBoxWatcher faults;
        QVERIFY(ChooseMenuItem(program->Form5, program->Form5.StampaCTRLMAIUSCF121));
        QCOMPARE(faults.Count(), 1);
        QCOMPARE(faults.Text(), QString("There is no default printer currently selected."));
        QCOMPARE(program->Form5.Edit2->text(), QString("4"));
        QCOMPARE(VisibleWindows(*program), QStringList{"Form5"});
    }
};

QTEST_MAIN(SharedConventionsTest)
#include "shared_conventions_test.moc"
