// The time that each window's "Calcola" takes, from reading its boxes to
// writing its results, on the program's real windows with valid inputs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/locale.h"
#include "app/windows.h"
#include "calc/fault.h"
#include "calc/line_topology.h"

namespace {

// A "Calcola" is meant to answer at once: well under what a user could notice.
constexpr double TargetSeconds = 1e-3;

// Inputs are written as the user of this locale would type them.
QString Typed(const char* number)
{
    return QString::fromLatin1(number).replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator()));
}

struct CalcolaCase {
    const char* window;
    // Opens the window's calculation as a user would find it and fills its boxes.
    std::function<void(Windows&)> fillIn;
    std::function<void(Windows&)> calcola;
    // The result boxes' texts, and what they must show for these inputs.
    std::function<QStringList(Windows&)> results;
    QStringList expected;
    QWidget* (*shown)(Windows&);
};

std::vector<CalcolaCase> Cases()
{
    using calc::LineTopology;
    return {
        {"Form3",
         [](Windows& w) {
             w.Form3.SetLineKind(LineTopology::ThreePhaseWithNeutral);
             w.Form3.Edit1->setText(Typed("3"));
             w.Form3.Button1Click();  // "Avanti" shows the three load rows
             w.Form3.Edit2->setText(Typed("0.7"));
             w.Form3.Edit3->setText(Typed("400"));
             w.Form3.Edit5->setText(Typed("10"));
             w.Form3.Edit4->setText(Typed("0.85"));
             w.Form3.Edit6->setText(Typed("5"));
             w.Form3.Edit15->setText(Typed("0.9"));
             w.Form3.Edit7->setText(Typed("7.5"));
             w.Form3.Edit16->setText(Typed("0.8"));
         },
         [](Windows& w) { w.Form3.Button2Click(); },
         [](Windows& w) { return QStringList{w.Form3.Edit24->text()}; },
         {Typed("27.0038771770751")},
         [](Windows& w) -> QWidget* { return &w.Form3; }},
        {"Form5",
         [](Windows& w) {
             w.Form5.PrepareForOpening();
             w.Form5.Edit1->setText(Typed("35.01"));
         },
         [](Windows& w) { w.Form5.Button1Click(); },
         [](Windows& w) { return QStringList{w.Form5.Edit2->text(), w.Form5.Edit3->text()}; },
         {Typed("6"), Typed("46")},
         [](Windows& w) -> QWidget* { return &w.Form5; }},
        {"Form6",
         [](Windows& w) {
             w.Form6.PrepareForOpening();
             w.Form6.RadioButton1->setChecked(true);  // "Linea MONOFASE"
             w.Form6.Edit1->setText(Typed("230"));
             w.Form6.Edit2->setText(Typed("16"));
             w.Form6.Edit3->setText(Typed("25"));
             w.Form6.Edit4->setText(Typed("2.5"));
         },
         [](Windows& w) { w.Form6.Button1Click(); },
         [](Windows& w) { return QStringList{w.Form6.Edit5->text(), w.Form6.Edit6->text()}; },
         {Typed("6.4"), Typed("2.78260869565217")},
         [](Windows& w) -> QWidget* { return &w.Form6; }},
        {"Form7",
         [](Windows& w) {
             w.Form7.PrepareForOpening();
             w.Form7.ComboBox1->setCurrentText(Typed("16"));
         },
         [](Windows& w) { w.Form7.Button1Click(); },
         [](Windows& w) { return QStringList{w.Form7.Edit2->text()}; },
         {Typed("80")},
         [](Windows& w) -> QWidget* { return &w.Form7; }},
        {"Form8",
         [](Windows& w) {
             w.Form8.PrepareForOpening();
             w.Form8.Edit1->setText(Typed("100"));
             w.Form8.Edit2->setText(Typed("0.7"));
             w.Form8.Edit3->setText(Typed("0.95"));
         },
         [](Windows& w) { w.Form8.Button1Click(); },
         [](Windows& w) { return QStringList{w.Form8.Edit4->text()}; },
         {Typed("69.1519956041544")},
         [](Windows& w) -> QWidget* { return &w.Form8; }},
        {"Form12",
         [](Windows& w) {
             // The topology that reads and writes the most boxes.
             w.Form12.SetUpForTopology(LineTopology::ThreePhaseWithNeutral);
             w.Form12.Edit1->setText(Typed("10"));
             w.Form12.Edit2->setText(Typed("50"));
             w.Form12.Edit3->setText(Typed("16"));
             w.Form12.Edit4->setText(Typed("16"));
         },
         [](Windows& w) { w.Form12.Button1Click(); },
         [](Windows& w) {
             return QStringList{w.Form12.Edit5->text(), w.Form12.Edit6->text(), w.Form12.Edit7->text()};
         },
         {Typed("1.63701067615658"), Typed("2.44770642201835"), Typed("2.81345565749235")},
         [](Windows& w) -> QWidget* { return &w.Form12; }},
        {"Form13",
         [](Windows& w) {
             w.Form13.PrepareForOpening();
             w.Form13.Edit1->setText(Typed("25"));
             w.Form13.Edit2->setText(Typed("30"));
             w.Form13.Edit3->setText(Typed("1000"));
         },
         [](Windows& w) { w.Form13.Button1Click(); },
         [](Windows& w) {
             return QStringList{w.Form13.Edit5->text(), w.Form13.Edit6->text(), w.Form13.Edit7->text()};
         },
         {Typed("14.6168224299065"), Typed("17.0541808415398"), Typed("19.6025067144136")},
         [](Windows& w) -> QWidget* { return &w.Form13; }},
    };
}

// The console table as usual, and each window's time per "Calcola" kept for the verdict.
class KeepingReporter : public benchmark::ConsoleReporter {
public:
    // Colours only for a terminal, as the library's own console table does.
    KeepingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                secondsPerCalcola[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> secondsPerCalcola;
};

// The headless platform says at every window what it cannot do; that is no news here.
void QuietHeadlessPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    qt_message_output(type, context, message);
}

}  // namespace

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHeadlessPlatform);
    QApplication application(argc, argv);
    Windows windows;
    windows.Form1.show();

    const std::vector<CalcolaCase> cases = Cases();
    // What each window shows after one "Calcola", before any timing: a benchmark of a wrong answer is no benchmark.
    std::map<std::string, QStringList> shownBeforeTiming;
    std::map<std::string, std::string> faults;
    for (const CalcolaCase& c : cases) {
        QWidget* window = c.shown(windows);
        window->show();
        c.fillIn(windows);
        try {
            c.calcola(windows);
        } catch (const calc::Fault& fault) {
            // Outside the event loop no fault box catches it; the verdict names it instead.
            faults[c.window] = fault.Message();
        }
        shownBeforeTiming[c.window] = c.results(windows);
        window->hide();
    }

    for (const CalcolaCase& c : cases) {
        if (faults.contains(c.window))
            continue;
        const auto timeCalcola = [&c, &windows](benchmark::State& state) {
            QWidget* window = c.shown(windows);
            window->show();
            c.fillIn(windows);
            for (auto _ : state)
                c.calcola(windows);
            window->hide();
        };
        benchmark::RegisterBenchmark((std::string("Calcola/") + c.window).c_str(), timeCalcola)
            ->Unit(benchmark::kMicrosecond);
    }

    KeepingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    bool allPass = true;
    std::printf("\n");
    for (const CalcolaCase& c : cases) {
        const std::string name = std::string("Calcola/") + c.window;
        if (faults.contains(c.window)) {
            allPass = false;
            std::printf("%-7s \"Calcola\" stopped with \"%s\": FAIL\n", c.window, faults[c.window].c_str());
            continue;
        }
        const auto timed = reporter.secondsPerCalcola.find(name);
        if (timed == reporter.secondsPerCalcola.end())
            continue;  // left out by --benchmark_filter
        const QStringList& shown = shownBeforeTiming[c.window];
        const bool rightAnswer = shown == c.expected;
        const bool fast = timed->second < TargetSeconds;
        allPass = allPass && rightAnswer && fast;
        std::printf("%-7s \"Calcola\" %9.2f us (target under %.0f us): %s", c.window, timed->second * 1e6,
                    TargetSeconds * 1e6, rightAnswer && fast ? "PASS" : "FAIL");
        if (!rightAnswer)
            std::printf(" - showed \"%s\" instead of \"%s\"", qPrintable(shown.join(QLatin1String("\" \""))),
                        qPrintable(c.expected.join(QLatin1String("\" \""))));
        std::printf("\n");
    }
    return allPass ? 0 : 1;
}
