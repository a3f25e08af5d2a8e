// Printing each calculator window through its own Stampa item on a real print
// queue that writes PDF files, and reading the page back as a picture.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <unistd.h>

#include "app/windows.h"
#include "support/user_actions.h"
#include "support/window_paths.h"

namespace {

const QString Queue = QStringLiteral("VoltarisTestPDF");

bool Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool PrintServerRuns()
{
    QProcess status;
    status.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
    return status.waitForFinished(5000) && status.readAllStandardOutput().contains("is running");
}

QDir OutputFolder()
{
    return QDir(QDir::homePath() + QStringLiteral("/PDF"));
}

QStringList PrintedFiles()
{
    return OutputFolder().entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// The smallest rectangle holding every pixel darker than the white page.
QRect InkedArea(const QImage& page)
{
    QRect area;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250)
                area |= QRect(x, y, 1, 1);
    return area;
}

// Mean difference of the grey levels of two pictures of the same size.
double MeanDifference(const QImage& a, const QImage& b)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            total += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return total / (a.width() * a.height());
}

}  // namespace

class CupsPrintingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Windows> program;

    // A calculator window: computing once in it, once it is open, and its Stampa item.
    struct Calculator {
        QString name;
        std::function<void(Windows&)> compute;
        std::function<QAction*(Windows&)> stampa;
    };

    static QList<Calculator> Calculators()
    {
        return {
            {"Form3",
             [](Windows& w) {
                 Retype({w.Form3.Edit1}, {"1"});
                 Click(w.Form3.Button1);
                 Retype({w.Form3.Edit2, w.Form3.Edit3, w.Form3.Edit5, w.Form3.Edit4}, {"1", "230", "3", "0,9"});
                 Click(w.Form3.Button2);
             },
             [](Windows& w) { return w.Form3.Stampa1; }},
            {"Form5",
             [](Windows& w) {
                 Retype({w.Form5.Edit1}, {"35"});
                 Click(w.Form5.Button1);
             },
             [](Windows& w) { return w.Form5.StampaCTRLMAIUSCF121; }},
            {"Form6",
             [](Windows& w) {
                 Click(w.Form6.RadioButton1);
                 Retype({w.Form6.Edit1, w.Form6.Edit2, w.Form6.Edit3, w.Form6.Edit4}, {"230", "16", "25", "2,5"});
                 Click(w.Form6.Button1);
             },
             [](Windows& w) { return w.Form6.Stampa1; }},
            {"Form7",
             [](Windows& w) {
                 Click(w.Form7.ComboBox1->lineEdit());
                 Type(w.Form7.ComboBox1, "16");
                 Click(w.Form7.Button1);
             },
             [](Windows& w) { return w.Form7.StampaCTRLMAIUSCF121; }},
            {"Form8",
             [](Windows& w) {
                 Retype({w.Form8.Edit1, w.Form8.Edit2, w.Form8.Edit3}, {"30", "0,6", "0,8"});
                 Click(w.Form8.Button1);
             },
             [](Windows& w) { return w.Form8.StampaCTRLMAIUSCF122; }},
            {"Form12",
             [](Windows& w) {
                 Retype({w.Form12.Edit1, w.Form12.Edit2, w.Form12.Edit3, w.Form12.Edit4}, {"10", "50", "16", "16"});
                 Click(w.Form12.Button1);
             },
             [](Windows& w) { return w.Form12.Stampa1; }},
            {"Form13",
             [](Windows& w) {
                 Retype({w.Form13.Edit1, w.Form13.Edit2, w.Form13.Edit3}, {"25", "30", "1000"});
                 Click(w.Form13.Button1);
             },
             [](Windows& w) { return w.Form13.stampa1; }},
        };
    }

private slots:
    void initTestCase()
    {
        SwitchToItalian();
        QVERIFY(PrintServerRuns());
        Run("lpadmin", {"-x", Queue});
    }

    void init()
    {
        program = StartProgram();
    }
    void cleanup() { program.reset(); }
    void cleanupTestCase() { Run("lpadmin", {"-x", Queue}); }

    void withoutADefaultQueueStampaSaysSo()
    {
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        Click(program->Form1.Button2);
        Type(program->Form5.Edit1, "35");
        Click(program->Form5.Button1);
        FaultBoxWatcher faults;
        QVERIFY(ChooseMenuItem(program->Form5, program->Form5.StampaCTRLMAIUSCF121));
        QCOMPARE(faults.Text(), QString("There is no default printer currently selected."));
    }

    void eachWindowPrintsItsImageAtTheTopLeftAtItsSize_data()
    {
        QTest::addColumn<int>("index");
        const QList<Calculator> calculators = Calculators();
        for (int i = 0; i < calculators.size(); ++i)
            QTest::newRow(qPrintable(calculators[i].name)) << i;
    }
    void eachWindowPrintsItsImageAtTheTopLeftAtItsSize()
    {
        QFETCH(int, index);
        QVERIFY(Run("lpadmin", {"-p", Queue, "-v", "cups-pdf:/", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-E"}));
        QVERIFY(Run("lpadmin", {"-d", Queue}));
        QVERIFY(!QPrinterInfo::defaultPrinter().isNull());

        const Calculator calculator = Calculators().at(index);
        auto* window = static_cast<QMainWindow*>(OpenAsAUser(*program, calculator.name));
        calculator.compute(*program);
        QCOMPARE(VisibleWindows(*program), QStringList{calculator.name});
        const QImage shown = window->centralWidget()->grab().toImage();
        const QStringList before = PrintedFiles();

        FaultBoxWatcher faults;
        QAction* stampa = calculator.stampa(*program);
        QVERIFY(ChooseMenuItem(*window, stampa));
        QCOMPARE(faults.Count(), 0);
        // The protection window prints once per calculation; the others stay ready to print again.
        QCOMPARE(stampa->isEnabled(), calculator.name != "Form7");
        QStringList printed;
        QVERIFY(QTest::qWaitFor([&] {
            printed = PrintedFiles();
            for (const QString& file : before)
                printed.removeAll(file);
            return !printed.isEmpty() && QFileInfo(OutputFolder().filePath(printed.first())).size() > 0;
        }, 30000));
        QTest::qWait(500);  // the file is written in one go, but give it time to be closed

        QTemporaryDir folder;
        const QString pdf = OutputFolder().filePath(printed.first());
        QCOMPARE(QProcess::execute("pdfinfo", {pdf}), 0);
        QVERIFY(Run("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, folder.filePath("page")}));
        const QImage page(folder.filePath("page.png"));
        QVERIFY(!page.isNull());

        // Where the printable area starts, at 96 dots per inch.
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        const QRectF printable = printer.pageLayout().paintRectPixels(96);
        const QRect inked = InkedArea(page);
        QVERIFY2(std::abs(inked.left() - printable.left()) <= 2 && std::abs(inked.top() - printable.top()) <= 2,
                 qPrintable(QString("image at %1,%2, printable area at %3,%4")
                                .arg(inked.left()).arg(inked.top()).arg(printable.left()).arg(printable.top())));
        QVERIFY2(std::abs(inked.width() - shown.width()) <= 2 && std::abs(inked.height() - shown.height()) <= 2,
                 qPrintable(QString("printed %1x%2, shown %3x%4")
                                .arg(inked.width()).arg(inked.height()).arg(shown.width()).arg(shown.height())));
        const QImage printedImage = page.copy(QRect(inked.topLeft(), shown.size()));
        QVERIFY2(MeanDifference(printedImage, shown) < 12, "the page holds another picture than the window");
        QFile::remove(pdf);
    }
};

int main(int argc, char* argv[])
{
    // Only root on a machine with the print server and the PDF queue's driver can run this.
    if (geteuid() != 0 || QStandardPaths::findExecutable("lpadmin").isEmpty() ||
        QStandardPaths::findExecutable("pdftoppm").isEmpty() || !QFileInfo::exists("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"))
        return 77;
    QApplication application(argc, argv);
    CupsPrintingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "cups_printing_test.moc"
