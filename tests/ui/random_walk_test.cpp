// A long, seeded walk through the whole program by real events. After every
// step it checks what a user must always see: one window, the right one; a
// fault box exactly where a fault arises, with its message; result boxes that
// show the calculation of the inputs in view; and nothing else changed.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "app/fault_box.h"
#include "app/windows.h"
#include "calc/cable_section.h"
#include "calc/correction_power.h"
#include "calc/fault.h"
#include "calc/load_current.h"
#include "calc/number_display.h"
#include "calc/number_entry.h"
#include "calc/protection_rating.h"
#include "calc/short_circuit.h"
#include "calc/voltage_drop.h"
#include "calc/whole_number.h"
#include "support/more_user_actions.h"
#include "support/user_actions.h"

using calc::LineTopology;

namespace {

constexpr quint32 DefaultSeed = 1955;
constexpr int DefaultSteps = 10000;

quint32 SeedFromEnvironment()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VOLTARIS_WALK_SEED").toUInt(&ok);
    return ok ? seed : DefaultSeed;
}

// A longer walk for a local hunt; the suite walks the default length.
int StepsFromEnvironment()
{
    bool ok = false;
    const int steps = qEnvironmentVariable("VOLTARIS_WALK_STEPS").toInt(&ok);
    return ok && steps > 0 ? steps : DefaultSteps;
}

// The system announcing new regional settings.
void UseLocale(const QLocale& locale)
{
    QLocale::setDefault(locale);
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
}

// Warnings and errors the toolkit logs while the walk runs: none is expected.
QStringList* recordedWarnings = nullptr;
QtMessageHandler chainedHandler = nullptr;

void RecordWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The headless platform's notes on what it cannot do are no news.
    if (recordedWarnings && type != QtDebugMsg && type != QtInfoMsg &&
        !message.startsWith(QLatin1String("This plugin does not support")))
        recordedWarnings->append(message);
    chainedHandler(type, context, message);
}

const QStringList CalculatorWindows{"Form3", "Form5", "Form6", "Form7", "Form8", "Form12", "Form13"};

// Boxes of power factors and of the contemporaneity factor, which take values up to 1.
const QStringList FractionBoxes{"Form3/Edit2",  "Form3/Edit4",  "Form3/Edit15", "Form3/Edit16", "Form3/Edit17",
                                "Form3/Edit18", "Form3/Edit19", "Form3/Edit20", "Form3/Edit21", "Form3/Edit22",
                                "Form3/Edit23", "Form8/Edit2",  "Form8/Edit3"};

// Where each opening button leads.
const QHash<QString, QString> Openings{
    {"Form1/Button1", "Form2"},   {"Form1/Button2", "Form5"},   {"Form1/Button3", "Form6"},
    {"Form1/Button4", "Form7"},   {"Form1/Button5", "Form8"},   {"Form1/Button6", "Form9"},
    {"Form2/Button1", "Form3"},   {"Form2/Button2", "Form3"},   {"Form4/Button1", "Form1"},
    {"Form9/Button1", "Form10"},  {"Form9/Button2", "Form13"},  {"Form10/Button1", "Form12"},
    {"Form10/Button2", "Form12"}, {"Form10/Button3", "Form12"},
};

// The window a close path shows; none for the main window, whose closing ends the program.
QString ReturnsTo(const QString& window)
{
    if (window == "Form1")
        return QString();
    if (window == "Form12")
        return "Form10";
    if (window == "Form13")
        return "Form9";
    return "Form1";
}

QWidget* ClientAreaOf(QWidget* window)
{
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->centralWidget())
        return main->centralWidget();
    return window;
}

bool IsInList(const QLineEdit* box)
{
    return qobject_cast<const QComboBox*>(box->parentWidget()) != nullptr;
}

QString Quoted(QString text)
{
    text.replace(QLatin1Char('\b'), QLatin1String("\\b"));
    return '"' + text + '"';
}

// A conversion message stands for its kind whatever text it names.
QString FaultKind(const QString& message)
{
    return message.startsWith('\'') ? "'...'" + message.section('\'', -1) : message;
}

QString Cut(const QString& text)
{
    return text.size() > 80 ? text.left(80) + "..." : text;
}

// What the user must see after a step.
struct Outcome {
    QString window;                    // the one window in view; empty once the program has ended
    QString fault;                     // the fault box's text; empty where no box may appear
    QHash<QLineEdit*, QString> texts;  // boxes that must show these texts
    QSet<QLineEdit*> free;             // boxes the step types into
    bool hintsGone = false;            // the pointer crossed the bare surface
    bool calculated = false;           // a "Calcola" that must write its results
    QHash<QObject*, bool> enabled;     // controls and menu items, and whether each must be enabled
    QHash<QWidget*, bool> shown;       // controls, and whether each must be in view
    QSet<QObject*> loose;              // controls the step may enable at will

    void Enable(std::initializer_list<QObject*> controls, bool on = true)
    {
        for (QObject* control : controls)
            enabled.insert(control, on);
    }
};

struct Step {
    QString what;
    Outcome expected;
};

struct Action {
    double weight;
    std::function<void(Step&)> run;  // describes itself, predicts its outcome, then acts
};

class Walk {
public:
    Walk(quint32 seed, int steps) : seed_(seed), steps_(steps), random_(seed) {}

    // Empty when every step kept its promises; else what went wrong, and where.
    QString Run()
    {
        const QLocale previousLocale;
        QStringList warnings;
        recordedWarnings = &warnings;
        chainedHandler = qInstallMessageHandler(RecordWarnings);
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [this] { CloseStrangeDialogs(); });
        guard.start(5);

        separator_ = '.';
        UseLocale(QLocale::c());
        Restart();
        QString failure;
        for (step_ = 1; step_ <= steps_ && failure.isEmpty(); ++step_)
            failure = TakeOneStep();

        program_.reset();
        qInstallMessageHandler(chainedHandler);
        recordedWarnings = nullptr;
        UseLocale(previousLocale);
        return failure;
    }

    // What the walk went through, so a passing walk is known to have gone everywhere.
    QMap<QString, int> windowsSeen;     // steps taken in each window
    QMap<QString, int> resultsWritten;  // per calculator window
    QMap<QString, int> faultsShown;     // per message, the box's text as its kind
    int restarts = 0;

private:
    void Restart()
    {
        program_ = StartProgram();
        n_ = 0;
        boxes_.clear();
        controls_.clear();
        for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9",
                                 "Form10", "Form12", "Form13"}) {
            QWidget* window = WindowNamed(*program_, name);
            boxes_ += window->findChildren<QLineEdit*>();
            for (QWidget* control : window->findChildren<QWidget*>())
                if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control) ||
                    qobject_cast<QComboBox*>(control))
                    controls_ << control;
            if (auto* main = qobject_cast<QMainWindow*>(window))
                for (QAction* entry : main->menuBar()->actions())
                    if (entry->menu())
                        for (QAction* item : entry->menu()->actions())
                            if (!item->isSeparator())
                                controls_ << item;
        }
    }

    struct ControlState {
        bool enabled;
        bool hidden;
    };

    static ControlState StateOf(const QObject* control)
    {
        if (const auto* item = qobject_cast<const QAction*>(control))
            return {item->isEnabled(), !item->isVisible()};
        const auto* widget = static_cast<const QWidget*>(control);
        return {widget->isEnabled(), widget->isHidden()};
    }

    QString TakeOneStep()
    {
        const QStringList visible = VisibleWindows(*program_);
        QWidget* window = WindowNamed(*program_, visible.value(0));
        ++windowsSeen[window->objectName()];
        stepsHere_ = window == lastWindow_ ? stepsHere_ + 1 : 0;
        lastWindow_ = window;
        const std::vector<Action> actions = ActionsIn(window);

        double total = 0;
        for (const Action& action : actions)
            total += action.weight;
        double pick = random_.generateDouble() * total;
        const Action* chosen = &actions.back();
        for (const Action& action : actions) {
            if (pick < action.weight) {
                chosen = &action;
                break;
            }
            pick -= action.weight;
        }

        QHash<QLineEdit*, QString> before;
        for (QLineEdit* box : boxes_)
            before.insert(box, box->text());
        QHash<QObject*, ControlState> states;
        for (QObject* control : controls_)
            states.insert(control, StateOf(control));
        const int faultsBefore = faults_.Count();
        strange_.clear();
        unable_.clear();

        Step step;
        QString problem;
        try {
            chosen->run(step);
        } catch (const calc::Fault& fault) {
            problem = "a fault escaped its handler: " + QString::fromStdString(fault.Message());
        } catch (const std::exception& error) {
            problem = QString("an exception escaped: ") + error.what();
        } catch (...) {
            problem = "an exception of unknown type escaped";
        }
        if (problem.isEmpty() && !unable_.isEmpty())
            problem = "the user could not do it: " + unable_;
        recent_.push_back(QString("%1: %2").arg(step_).arg(step.what));
        if (recent_.size() > 12)
            recent_.pop_front();
        // A user acts on a window once it has come up on the screen.
        if (problem.isEmpty() && !step.expected.window.isEmpty() && step.expected.window != window->objectName()) {
            QWidget* shown = WindowNamed(*program_, step.expected.window);
            if (shown->isVisible() && !QTest::qWaitForWindowExposed(shown))
                problem = step.expected.window + " did not come up on the screen";
        }
        if (problem.isEmpty())
            problem = Check(step.expected, before, states, faultsBefore);
        if (problem.isEmpty() && !recordedWarnings->isEmpty())
            problem = "the toolkit warned: " + recordedWarnings->join(" | ");
        if (!problem.isEmpty())
            return Report(step, problem);

        if (step.expected.calculated)
            ++resultsWritten[window->objectName()];
        if (!step.expected.fault.isEmpty())
            ++faultsShown[FaultKind(step.expected.fault)];
        if (step.expected.window.isEmpty()) {
            ++restarts;
            program_.reset();
            Restart();
        }
        return QString();
    }

    QString Report(const Step& step, const QString& problem) const
    {
        QString report = QString("random walk failed: seed %1, step %2 (%3)\n  %4\nlast steps:\n")
                             .arg(seed_)
                             .arg(step_)
                             .arg(step.what, problem);
        for (const QString& line : recent_)
            report += "  " + line + '\n';
        report += QString("repeat with VOLTARIS_WALK_SEED=%1 VOLTARIS_WALK_STEPS=%2").arg(seed_).arg(step_);
        return report;
    }

    // ---- What the user can do in the window in view ----

    std::vector<Action> ActionsIn(QWidget* window)
    {
        std::vector<Action> actions;
        const QString name = window->objectName();

        QList<QLineEdit*> boxes;
        for (QLineEdit* box : window->findChildren<QLineEdit*>())
            if (box->isVisible() && box->isEnabled() && !IsInList(box))
                boxes << box;
        for (QLineEdit* box : boxes) {
            actions.push_back({35.0 / boxes.size(), [=, this](Step& step) {
                                   const QString text = name == "Form3" && box->objectName() == "Edit1"
                                                            ? WholeNumberText()
                                                            : NumberText();
                                   step.what =
                                       QString("%1: enter %2 into %3").arg(name, Quoted(text), box->objectName());
                                   step.expected = Stay(window);
                                   Typed(step.expected, box);
                                   ClearByKeys(box);
                                   Type(box, text);
                               }});
            actions.push_back({10.0 / boxes.size(), [=, this](Step& step) {
                                   const QString text = LooseCharacters();
                                   step.what =
                                       QString("%1: type %2 into %3").arg(name, Quoted(text), box->objectName());
                                   step.expected = Stay(window);
                                   Typed(step.expected, box);
                                   TypeAnyKeys(box, text);
                               }});
        }

        QList<QPushButton*> buttons;
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->isVisible() && button->isEnabled())
                buttons << button;
        // A user presses "Calcola" mostly once the boxes in view hold numbers,
        // and puts numbers in them the more, the more of them hold none.
        int numbers = 0;
        for (const QLineEdit* box : boxes)
            numbers += IsNumber(box->text()) ? 1 : 0;
        const double filled = boxes.isEmpty() ? 1.0 : double(numbers) / boxes.size();
        if (!boxes.isEmpty())
            actions.push_back({4 + 30 * (1 - filled), [=, this](Step& step) {
                                   step.what = name + ": put a number into every box without one, top to bottom:";
                                   step.expected = Stay(window);
                                   FillInNumbers(window, step);
                               }});

        for (QPushButton* button : buttons)
            actions.push_back(
                {25.0 / buttons.size() * (button->text() == "Calcola" ? 0.15 + 0.85 * std::pow(filled, 4) : 1.0),
                 [=, this](Step& step) {
                     step.what = QString("%1: click %2 %3").arg(name, button->objectName(), Quoted(button->text()));
                     step.expected = AfterButton(window, button);
                     Click(button);
                 }});

        for (QRadioButton* radio : window->findChildren<QRadioButton*>())
            if (radio->isVisible() && radio->isEnabled())
                actions.push_back(
                    {3, [=, this](Step& step) {
                         step.what = QString("%1: click %2 %3").arg(name, radio->objectName(), Quoted(radio->text()));
                         step.expected = Stay(window);
                         // Only a kind becoming selected opens the first box.
                         if (!radio->isChecked())
                             step.expected.Enable({program_->Form6.Edit1});
                         Click(radio);
                     }});

        for (QComboBox* list : window->findChildren<QComboBox*>()) {
            if (!list->isVisible() || !list->isEnabled())
                continue;
            actions.push_back(
                {8, [=, this](Step& step) {
                     const int row = random_.bounded(list->count());
                     step.what =
                         QString("%1: pick %2 from %3").arg(name, Quoted(list->itemText(row)), list->objectName());
                     step.expected = Stay(window);
                     step.expected.free << list->lineEdit();
                     step.expected.Enable({program_->Form7.Button1});
                     if (!PickListItem(list, row))
                         unable_ = "the list did not open, or did not close on the click";
                 }});
            actions.push_back({8, [=, this](Step& step) {
                                   const QString text = ListText();
                                   step.what =
                                       QString("%1: type %2 over %3").arg(name, Quoted(text), list->objectName());
                                   step.expected = Stay(window);
                                   step.expected.free << list->lineEdit();
                                   // A prefix that completes to an item chooses it.
                                   step.expected.loose << program_->Form7.Button1;
                                   Click(list);
                                   QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
                                   QTest::keyClick(list, Qt::Key_Backspace);
                                   TypeAnyKeys(list, text);
                               }});
        }

        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            QList<QAction*> enabled;
            QList<QAction*> disabled;
            for (QAction* entry : main->menuBar()->actions())
                if (entry->menu())
                    for (QAction* item : entry->menu()->actions())
                        if (!item->isSeparator() && item->isVisible())
                            (item->isEnabled() ? enabled : disabled) << item;
            for (QAction* item : enabled)
                actions.push_back(
                    {(EndsTheProgram(name, item) ? 1.0
                      : ClosesTheWindow(item)    ? LeavingWeight(name, 10)
                                                 : 10.0) /
                         enabled.size(),
                     [=, this](Step& step) { ChooseItem(step, main, item, AfterMenuItem(window, item)); }});
            for (QAction* item : disabled)
                actions.push_back(
                    {1.5 / disabled.size(), [=, this](Step& step) { ChooseItem(step, main, item, Stay(window)); }});
        }

        actions.push_back({LeavingWeight(name, 2), [=, this](Step& step) {
                               step.what = name + ": close by the system";
                               step.expected.window = ReturnsTo(name);
                               CloseBySystem(*window);
                           }});

        QList<QLabel*> labels;
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->isVisible())
                labels << label;
        if (!labels.isEmpty())
            actions.push_back({4, [=, this](Step& step) {
                                   QLabel* label = labels[random_.bounded(int(labels.size()))];
                                   step.what = QString("%1: move the pointer over %2 %3")
                                                   .arg(name, label->objectName(), Quoted(label->text()));
                                   step.expected = Stay(window);
                                   MovePointer(label);
                               }});
        actions.push_back({3, [=, this](Step& step) {
                               QWidget* surface = ClientAreaOf(window);
                               const std::optional<QPoint> point = BareSpot(surface);
                               step.what = QString("%1: move the pointer over the bare surface at (%2, %3)")
                                               .arg(name)
                                               .arg(point ? point->x() : -1)
                                               .arg(point ? point->y() : -1);
                               step.expected = Stay(window);
                               if (!point)
                                   return;
                               step.expected.hintsGone = true;
                               MovePointer(surface, *point);
                           }});

        actions.push_back({0.4, [=, this](Step& step) {
                               const bool comma = separator_ == '.';
                               step.what = QString("%1: the regional settings change to the %2 as decimal symbol")
                                               .arg(name, comma ? "comma" : "point");
                               step.expected = Stay(window);
                               separator_ = comma ? ',' : '.';
                               UseLocale(comma ? QLocale(QLocale::Italian, QLocale::Italy) : QLocale::c());
                           }});
        return actions;
    }

    // A user filling in the form: each box open to typing whose text is no
    // number, in reading order, gets a plausible one; typing opens the next box.
    void FillInNumbers(QWidget* window, Step& step)
    {
        QList<QLineEdit*> boxes;
        for (QLineEdit* box : window->findChildren<QLineEdit*>())
            if (!IsInList(box))
                boxes << box;
        std::sort(boxes.begin(), boxes.end(), [window](const QLineEdit* a, const QLineEdit* b) {
            const QPoint pa = a->mapTo(window, QPoint());
            const QPoint pb = b->mapTo(window, QPoint());
            return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
        });
        for (QLineEdit* box : boxes) {
            if (!box->isVisible() || !box->isEnabled() || IsNumber(box->text()))
                continue;
            const QString place = window->objectName() + '/' + box->objectName();
            const QString text = place == "Form3/Edit1"          ? QString::number(random_.bounded(1, 11))
                                 : FractionBoxes.contains(place) ? Fraction()
                                                                 : PlausibleNumber();
            step.what += QString(" %1 %2").arg(box->objectName(), Quoted(text));
            Typed(step.expected, box);
            ClearByKeys(box);
            Type(box, text);
        }
    }

    void ChooseItem(Step& step, QMainWindow* window, QAction* item, Outcome expected)
    {
        step.what = QString("%1: choose %2 menu item %3 \"%4\"")
                        .arg(window->objectName(), item->isEnabled() ? "the" : "the disabled", item->objectName(),
                             item->text().simplified());
        step.expected = expected;
        if (!ChooseMenuItem(*window, item))
            unable_ = "the menu item could not be chosen";
    }

    // The longer the user has stayed in a calculator, the likelier it is closed;
    // the choice windows are left back as often as not.
    double LeavingWeight(const QString& window, double weight) const
    {
        if (window == "Form1")
            return weight / 4;
        if (!CalculatorWindows.contains(window))
            return 4 * weight;
        return weight * (1 + stepsHere_ / 20.0);
    }

    static bool ClosesTheWindow(const QAction* item) { return item->text().startsWith("Chiudi"); }

    static bool EndsTheProgram(const QString& window, const QAction* item)
    {
        return window == "Form1" && item->text().startsWith("Esci");
    }

    // A point of the surface where no control stands.
    std::optional<QPoint> BareSpot(QWidget* surface)
    {
        for (int attempt = 0; attempt < 40; ++attempt) {
            const QPoint point(random_.bounded(surface->width()), random_.bounded(surface->height()));
            if (surface->childAt(point) == nullptr)
                return point;
        }
        return std::nullopt;
    }

    // ---- What the user types ----

    QString Separator() { return QString(random_.bounded(10) == 0 ? (separator_ == ',' ? '.' : ',') : separator_); }

    QString Digits(int count)
    {
        QString digits;
        for (int i = 0; i < count; ++i)
            digits += QChar('0' + random_.bounded(10));
        return digits;
    }

    template <typename T>
    T OneOf(const QList<T>& choices)
    {
        return choices[random_.bounded(int(choices.size()))];
    }

    // Mostly numbers a user would enter, in the decimal symbol in force, with
    // now and then the other symbol, a zero, an extreme or a malformed one.
    QString NumberText()
    {
        const QString s = Separator();
        switch (random_.bounded(16)) {
            case 0:
            case 1:
            case 2:
                return QString::number(random_.bounded(1, 500));
            case 3:
            case 4:
                return "0" + s + Digits(1 + random_.bounded(3));
            case 5:
                return QString::number(random_.bounded(1000)) + s + Digits(1 + random_.bounded(4));
            case 6:
                return "-" + QString::number(random_.bounded(1, 100));
            case 7:
                return "0";
            case 8:
                return QString::number(random_.bounded(1, 10)) + s + Digits(1) + OneOf<QString>({"E", "e"}) +
                       QString::number(random_.bounded(-6, 7));
            case 9:
                return " " + QString::number(random_.bounded(1, 100)) + " ";
            case 10:
                return s;
            case 11:
                return OneOf<QString>({"1e308", "1e309", "-1e309", "1e5000", "1e-320", "1" + s + "8e308", "5E"});
            case 12:
                return OneOf<QString>({"1", "1" + s + "0001", "-0", "+1"});
            case 13:
                return OneOf<QString>({"20", "35", "35" + s + "01", "522", "523", "240", "1" + s + "5", "4" + s + "0"});
            case 14:
                return OneOf<QString>({"1 000", "12" + s + "5 V", "0x10", "-", "", "e3"});
            default:
                return "0" + s + OneOf<QString>({"6", "7", "8", "85", "9", "95"});
        }
    }

    bool IsNumber(const QString& text) const
    {
        try {
            Read(text);
            return true;
        } catch (const calc::Fault&) {
            return false;
        }
    }

    // A number that makes sense in most boxes of the program.
    QString PlausibleNumber()
    {
        return random_.bounded(2) == 0 ? QString::number(random_.bounded(1, 400)) : Fraction();
    }

    QString Fraction() { return "0" + QString(separator_) + QString::number(random_.bounded(1, 100)); }

    // The number of loads: mostly one to ten, now and then outside or malformed.
    QString WholeNumberText()
    {
        switch (random_.bounded(8)) {
            case 5:
                return OneOf<QString>({"0", "11", "-2", "2147483648"});
            case 6:
                return OneOf<QString>({"$A", "0x3", " 3", "+3"});
            case 7:
                return OneOf<QString>({"3.0", "3 ", "three", "", "3,0"});
            default:
                return QString::number(random_.bounded(1, 11));
        }
    }

    // One to three keys of any sort a user hits: digits, both separators,
    // exponent, signs, blanks, letters and Backspace.
    QString LooseCharacters()
    {
        static const QString keys = QStringLiteral("0123456789,.eE-+ abkxVàè$\b\b");
        QString text;
        const int count = 1 + random_.bounded(3);
        for (int i = 0; i < count; ++i)
            text += keys[random_.bounded(keys.size())];
        return text;
    }

    // What a user types over the list of sections: prefixes of items, sections, other numbers.
    QString ListText()
    {
        switch (random_.bounded(3)) {
            case 0:
                return OneOf<QString>({"1", "2", "3", "8", "24", "1,", "1.", "2,5", "2.5", "4,0", " 4 ", "16", "abc"});
            case 1:
                return NumberText();
            default:
                return LooseCharacters();
        }
    }

    // ---- What must follow ----

    static Outcome Stay(QWidget* window)
    {
        Outcome outcome;
        outcome.window = window->objectName();
        return outcome;
    }

    // A calculator window opened by its opener starts with every box empty.
    Outcome Opening(const QString& target)
    {
        Outcome outcome;
        outcome.window = target;
        if (CalculatorWindows.contains(target)) {
            outcome.texts = Emptied(WindowNamed(*program_, target));
            Reset(target, true, outcome);
        }
        return outcome;
    }

    // The starting state that an opening or Nuovo puts a calculator into:
    // only the first input open, the rest of the chain and Nuovo and Stampa closed.
    void Reset(const QString& window, bool opening, Outcome& outcome)
    {
        Windows& w = *program_;
        if (window == "Form3") {
            outcome.Enable({w.Form3.Edit1});
            outcome.Enable({w.Form3.Button1, w.Form3.Edit24, w.Form3.Nuovocalcolo1, w.Form3.Stampa1}, false);
            outcome.shown.insert(w.Form3.Button2, false);
            for (QLineEdit* box : LoadBoxes())
                outcome.shown.insert(box, false);
        } else if (window == "Form5") {
            outcome.Enable({w.Form5.Edit1});
            outcome.Enable({w.Form5.Button1, w.Form5.NuovoCTRLN1, w.Form5.StampaCTRLMAIUSCF121}, false);
            // Nuovo leaves the result boxes as they were; the opening closes them.
            if (opening)
                outcome.Enable({w.Form5.Edit2, w.Form5.Edit3}, false);
        } else if (window == "Form6") {
            outcome.Enable({w.Form6.Edit1, w.Form6.Edit2, w.Form6.Edit3, w.Form6.Edit4, w.Form6.Edit5, w.Form6.Edit6,
                            w.Form6.Button1, w.Form6.NuovoCTRLN1, w.Form6.Stampa1},
                           false);
        } else if (window == "Form7") {
            outcome.Enable({w.Form7.ComboBox1});
            outcome.Enable({w.Form7.Button1, w.Form7.StampaCTRLMAIUSCF121}, false);
        } else if (window == "Form8") {
            outcome.Enable({w.Form8.Edit1, w.Form8.Edit4});
            outcome.Enable(
                {w.Form8.Edit2, w.Form8.Edit3, w.Form8.Button1, w.Form8.NuovoCTRLN1, w.Form8.StampaCTRLMAIUSCF122},
                false);
        } else if (window == "Form12") {
            outcome.Enable({w.Form12.Edit1});
            outcome.Enable({w.Form12.Edit2, w.Form12.Edit3, w.Form12.Edit4, w.Form12.Button1, w.Form12.NuovoCTRLN1,
                            w.Form12.Stampa1},
                           false);
        } else if (window == "Form13") {
            outcome.Enable({w.Form13.Edit1});
            outcome.Enable({w.Form13.Edit2, w.Form13.Edit3, w.Form13.Button1, w.Form13.nuovo1, w.Form13.stampa1},
                           false);
        }
    }

    // What a key typed into the box opens: the next control of its window's chain.
    QList<QObject*> OpenedByTyping(const QLineEdit* box) const
    {
        Windows& w = *program_;
        const QHash<const QLineEdit*, QList<QObject*>> chain{
            {w.Form3.Edit1, {w.Form3.Button1}},   {w.Form5.Edit1, {w.Form5.Button1}},
            {w.Form6.Edit1, {w.Form6.Edit2}},     {w.Form6.Edit2, {w.Form6.Edit3}},
            {w.Form6.Edit3, {w.Form6.Edit4}},     {w.Form6.Edit4, {w.Form6.Button1}},
            {w.Form8.Edit1, {w.Form8.Edit2}},     {w.Form8.Edit2, {w.Form8.Edit3}},
            {w.Form8.Edit3, {w.Form8.Button1}},   {w.Form12.Edit1, {w.Form12.Edit2}},
            {w.Form12.Edit2, {w.Form12.Edit3}},   {w.Form12.Edit3, {w.Form12.Edit4, w.Form12.Button1}},
            {w.Form12.Edit4, {w.Form12.Button1}}, {w.Form13.Edit1, {w.Form13.Edit2}},
            {w.Form13.Edit2, {w.Form13.Edit3}},   {w.Form13.Edit3, {w.Form13.Button1}},
        };
        return chain.value(box);
    }

    void Typed(Outcome& outcome, QLineEdit* box) const
    {
        outcome.free << box;
        for (QObject* control : OpenedByTyping(box))
            outcome.enabled.insert(control, true);
    }

    // The load grid's boxes, row by row: power, then power factor.
    QList<QLineEdit*> LoadBoxes() const
    {
        const TForm3& f = program_->Form3;
        return {f.Edit5,  f.Edit4,  f.Edit6,  f.Edit15, f.Edit7,  f.Edit16, f.Edit8,  f.Edit17, f.Edit9,  f.Edit18,
                f.Edit10, f.Edit19, f.Edit11, f.Edit20, f.Edit12, f.Edit21, f.Edit13, f.Edit22, f.Edit14, f.Edit23};
    }

    static QHash<QLineEdit*, QString> Emptied(QWidget* window)
    {
        QHash<QLineEdit*, QString> texts;
        for (QLineEdit* box : window->findChildren<QLineEdit*>())
            texts.insert(box, QString());
        return texts;
    }

    Outcome AfterButton(QWidget* window, QPushButton* button)
    {
        const QString name = window->objectName();
        if (const QString target = Openings.value(name + '/' + button->objectName()); !target.isEmpty()) {
            Outcome outcome = Opening(target);
            if (name == "Form10")
                ShowRowsOfTopology(button, outcome);
            return outcome;
        }
        if (name == "Form3" && button == program_->Form3.Button1)
            return Predicted(window, [this](Outcome& outcome) { TakeNumberOfLoads(outcome); });
        if (button->text() == "Calcola")
            return Predicted(window, [this, name](Outcome& outcome) { Calculate(name, outcome); });
        return Stay(window);
    }

    // Each topology shows the boxes of its inputs and results only.
    void ShowRowsOfTopology(const QPushButton* button, Outcome& outcome) const
    {
        const TForm10& f = program_->Form10;
        const TForm12& cable = program_->Form12;
        const bool neutral = button == f.Button1;
        const bool singlePhase = button == f.Button3;
        outcome.shown.insert(cable.Edit4, neutral);
        outcome.shown.insert(cable.Edit5, neutral || singlePhase);
        outcome.shown.insert(cable.Edit6, !singlePhase);
        outcome.shown.insert(cable.Edit7, !singlePhase);
    }

    Outcome AfterMenuItem(QWidget* window, QAction* item)
    {
        const QString caption = item->text();
        Outcome outcome = Stay(window);
        if (caption.startsWith("Nuovo")) {
            outcome.texts = Emptied(window);
            Reset(window->objectName(), false, outcome);
        } else if (caption.startsWith("Stampa")) {
            outcome.fault =
                QString::fromStdString(calc::WithClosingPeriod(std::string(calc::messages::NoDefaultPrinter)));
            // A print that failed leaves its item on offer.
            outcome.Enable({item});
        } else if (caption.startsWith("Chiudi") || caption.startsWith("Esci")) {
            outcome.window = ReturnsTo(window->objectName());
        } else if (caption.startsWith("Info")) {
            outcome.window = "Form4";
        }
        return outcome;
    }

    // The calculation of the inputs in view, by the same pure calculation the
    // window uses; a fault it meets is the box the user must see, and then no
    // box may change. What the handler enabled before the fault stays enabled.
    Outcome Predicted(QWidget* window, const std::function<void(Outcome&)>& predict)
    {
        Outcome outcome = Stay(window);
        try {
            predict(outcome);
        } catch (const calc::Fault& fault) {
            outcome.texts.clear();
            outcome.calculated = false;
            outcome.fault = QString::fromStdString(calc::WithClosingPeriod(fault.Message()));
        }
        return outcome;
    }

    double Read(const QString& text) const { return calc::ParseNumber(text.toStdString(), separator_); }
    QString Shown(double value) const { return QString::fromStdString(calc::FormatNumber(value, separator_)); }

    void Write(Outcome& outcome, QLineEdit* box, std::optional<double> value)
    {
        outcome.texts.insert(box, value ? Shown(*value) : QString());
        outcome.calculated = outcome.calculated || value.has_value();
    }

    void TakeNumberOfLoads(Outcome& outcome)
    {
        outcome.Enable({program_->Form3.Button1}, false);
        outcome.shown.insert(program_->Form3.Button2, true);
        const std::string text = program_->Form3.Edit1->text().toStdString();
        n_ = calc::ParseWholeNumber(text);
        const QList<QLineEdit*> grid = LoadBoxes();
        // The rows in view are those that "Calcola" reads.
        for (int k = 0; k < grid.size(); ++k)
            outcome.shown.insert(grid[k], n_ >= 1 && n_ <= calc::MaxLoads && k < 2 * n_);
    }

    void Calculate(const QString& window, Outcome& outcome)
    {
        Windows& w = *program_;
        if (window == "Form3") {
            const QString caption = w.Form3.windowTitle();
            std::optional<LineTopology> kind;
            if (caption == "Corrente d'impiego - LINEA MONOFASE")
                kind = LineTopology::SinglePhase;
            if (caption == "Corrente d'impiego - LINEA TRIFASE CON NEUTRO")
                kind = LineTopology::ThreePhaseWithNeutral;
            outcome.Enable({w.Form3.Nuovocalcolo1, w.Form3.Stampa1});
            if (!kind)
                return;
            outcome.Enable({w.Form3.Edit24});
            const double Fc = Read(w.Form3.Edit2->text());
            const double V = Read(w.Form3.Edit3->text());
            if (n_ < 1 || n_ > calc::MaxLoads) {
                Write(outcome, w.Form3.Edit24, std::nullopt);
                return;
            }
            const QList<QLineEdit*> grid = LoadBoxes();
            std::vector<calc::Load> loads;
            for (int k = 0; k < n_; ++k)
                loads.push_back({Read(grid[2 * k]->text()), Read(grid[2 * k + 1]->text())});
            Write(outcome, w.Form3.Edit24, calc::ComputeLoadCurrent(*kind, loads, Fc, V).designCurrent);
        } else if (window == "Form5") {
            outcome.Enable({w.Form5.NuovoCTRLN1, w.Form5.StampaCTRLMAIUSCF121, w.Form5.Edit2, w.Form5.Edit3});
            const auto row = calc::ChooseCableSection(Read(w.Form5.Edit1->text()));
            Write(outcome, w.Form5.Edit2, row ? std::optional(row->section) : std::nullopt);
            Write(outcome, w.Form5.Edit3, row ? std::optional(row->capacity) : std::nullopt);
        } else if (window == "Form6") {
            const double V = Read(w.Form6.Edit1->text());
            const double Ib = Read(w.Form6.Edit2->text());
            const double L = Read(w.Form6.Edit3->text());
            const double S = Read(w.Form6.Edit4->text());
            outcome.Enable({w.Form6.Edit5, w.Form6.Edit6});
            std::optional<calc::DropLineKind> kind;
            if (w.Form6.RadioButton1->isChecked())
                kind = calc::DropLineKind::SinglePhase;
            if (w.Form6.RadioButton2->isChecked())
                kind = calc::DropLineKind::ThreePhase;
            if (kind) {
                const calc::VoltageDrop drop = calc::ComputeVoltageDrop(calc::DropCoefficient(*kind), V, Ib, L, S);
                Write(outcome, w.Form6.Edit5, drop.volts);
                Write(outcome, w.Form6.Edit6, drop.percent);
            }
            outcome.Enable({w.Form6.NuovoCTRLN1, w.Form6.Stampa1});
        } else if (window == "Form7") {
            outcome.Enable({w.Form7.StampaCTRLMAIUSCF121});
            const auto row = calc::ChooseProtectionRating(Read(w.Form7.ComboBox1->currentText()));
            Write(outcome, w.Form7.Edit2, row ? std::optional(row->rating) : std::nullopt);
        } else if (window == "Form8") {
            outcome.Enable({w.Form8.NuovoCTRLN1, w.Form8.StampaCTRLMAIUSCF122});
            const double P = Read(w.Form8.Edit1->text());
            const double cos1 = Read(w.Form8.Edit2->text());
            const double cos2 = Read(w.Form8.Edit3->text());
            Write(outcome, w.Form8.Edit4, calc::ComputeCorrectionPower(P, cos1, cos2).reactivePower);
        } else if (window == "Form12") {
            const QString title = w.Form12.windowTitle();
            std::optional<LineTopology> topology;
            if (title == "Linea TRIFASE CON NEUTRO")
                topology = LineTopology::ThreePhaseWithNeutral;
            if (title == "Linea TRIFASE SENZA NEUTRO")
                topology = LineTopology::ThreePhaseWithoutNeutral;
            if (title == "Linea MONOFASE")
                topology = LineTopology::SinglePhase;
            if (topology) {
                const double Icco = Read(w.Form12.Edit1->text());
                const double L = Read(w.Form12.Edit2->text());
                const double SF = Read(w.Form12.Edit3->text());
                const double SN = *topology == LineTopology::ThreePhaseWithNeutral ? Read(w.Form12.Edit4->text()) : 0;
                const calc::ShortCircuitCurrents currents = calc::CableLineShortCircuit(*topology, Icco, L, SF, SN);
                if (currents.IccFN)
                    Write(outcome, w.Form12.Edit5, currents.IccFN);
                if (currents.IccFF)
                    Write(outcome, w.Form12.Edit6, currents.IccFF);
                if (currents.Icc3f)
                    Write(outcome, w.Form12.Edit7, currents.Icc3f);
            }
            outcome.Enable({w.Form12.NuovoCTRLN1, w.Form12.Stampa1});
        } else if (window == "Form13") {
            outcome.Enable({w.Form13.nuovo1, w.Form13.stampa1});
            const double Icco = Read(w.Form13.Edit1->text());
            const double L = Read(w.Form13.Edit2->text());
            const double IZ = Read(w.Form13.Edit3->text());
            const calc::ShortCircuitCurrents currents = calc::BusbarLineShortCircuit(Icco, L, IZ);
            Write(outcome, w.Form13.Edit5, currents.IccFN);
            Write(outcome, w.Form13.Edit6, currents.IccFF);
            Write(outcome, w.Form13.Edit7, currents.Icc3f);
        }
    }

    // ---- What the user sees ----

    QString Check(const Outcome& expected, const QHash<QLineEdit*, QString>& before,
                  const QHash<QObject*, ControlState>& states, int faultsBefore)
    {
        if (!strange_.isEmpty())
            return "a window other than the fault box came up: " + strange_.join(", ");

        const int boxes = faults_.Count() - faultsBefore;
        if (expected.fault.isEmpty() && boxes != 0)
            return QString("no fault was due, yet %1 fault box(es) came up, the last saying \"%2\"")
                .arg(boxes)
                .arg(Cut(faults_.Text()));
        if (!expected.fault.isEmpty()) {
            if (boxes != 1)
                return QString("the fault box \"%1\" was due once, but %2 came up").arg(Cut(expected.fault)).arg(boxes);
            if (faults_.Text() != expected.fault)
                return QString("the fault box said \"%1\" instead of \"%2\"")
                    .arg(Cut(faults_.Text()), Cut(expected.fault));
            if (faults_.Title() != ApplicationTitle() || faults_.Icon() != QMessageBox::Critical)
                return QString("the fault box was captioned \"%1\" with icon %2")
                    .arg(faults_.Title())
                    .arg(faults_.Icon());
        }

        const QStringList visible = VisibleWindows(*program_);
        const QStringList due = expected.window.isEmpty() ? QStringList() : QStringList{expected.window};
        if (visible != due)
            return QString("the windows in view are [%1] instead of [%2]").arg(visible.join(", "), due.join(", "));
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && !visible.contains(widget->objectName()))
                return QString("a %1 \"%2\" stayed open").arg(widget->metaObject()->className(), widget->windowTitle());

        for (auto box = before.cbegin(); box != before.cend(); ++box) {
            QLineEdit* control = box.key();
            const QString now = control->text();
            const QString owner = control->window()->objectName();
            if (expected.texts.contains(control)) {
                if (now != expected.texts.value(control))
                    return QString("%1 %2 shows \"%3\" where \"%4\" is due")
                        .arg(owner, control->objectName(), Cut(now), Cut(expected.texts.value(control)));
            } else if (!expected.free.contains(control) && now != box.value()) {
                return QString("%1 %2 changed from \"%3\" to \"%4\" though nothing wrote it")
                    .arg(owner, control->objectName(), Cut(box.value()), Cut(now));
            }
        }

        for (auto state = states.cbegin(); state != states.cend(); ++state) {
            QObject* control = state.key();
            const ControlState now = StateOf(control);
            const QString where = Owner(control) + ' ' + control->objectName();
            if (expected.enabled.contains(control)) {
                if (now.enabled != expected.enabled.value(control))
                    return QString("%1 is %2 where it must be %3")
                        .arg(where, Enabled(now.enabled), Enabled(!now.enabled));
            } else if (!expected.loose.contains(control) && now.enabled != state.value().enabled) {
                return QString("%1 became %2 though nothing should change it").arg(where, Enabled(now.enabled));
            }
            auto* widget = qobject_cast<QWidget*>(control);
            if (widget && expected.shown.contains(widget)) {
                if (now.hidden == expected.shown.value(widget))
                    return QString("%1 is %2 where it must be %3").arg(where, InView(!now.hidden), InView(now.hidden));
            } else if (now.hidden != state.value().hidden) {
                return QString("%1 became %2 though nothing should change it").arg(where, InView(!now.hidden));
            }
        }

        if (expected.hintsGone)
            return HintStillShown(expected.window);
        return QString();
    }

    static QString Enabled(bool on) { return on ? "enabled" : "disabled"; }
    static QString InView(bool on) { return on ? "in view" : "hidden"; }

    static QString Owner(const QObject* control)
    {
        if (const auto* item = qobject_cast<const QAction*>(control)) {
            const auto* owner = qobject_cast<const QWidget*>(item->parent());
            return owner ? owner->window()->objectName() : QString();
        }
        return static_cast<const QWidget*>(control)->window()->objectName();
    }

    // Crossing the bare surface takes away every hint of the window.
    QString HintStillShown(const QString& window) const
    {
        QList<QLabel*> hints;
        if (window == "Form3")
            hints = {program_->Form3.Label40, program_->Form3.Label41, program_->Form3.Label42};
        if (window == "Form12")
            hints = {program_->Form12.Label5,  program_->Form12.Label26, program_->Form12.Label27,
                     program_->Form12.Label28, program_->Form12.Label29, program_->Form12.Label30,
                     program_->Form12.Label31};
        for (const QLabel* hint : hints)
            if (!hint->text().isEmpty())
                return QString("the hint %1 still says \"%2\"").arg(hint->objectName(), hint->text());
        if (window == "Form5" && !program_->Form5.Label10->isHidden())
            return "the hint \"max 522 A\" is still shown";
        return QString();
    }

    // A dialog other than the fault box would wait for a user that never comes: close it and say so.
    void CloseStrangeDialogs()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || qobject_cast<QMessageBox*>(modal) != nullptr)
            return;
        strange_ << QString("%1 \"%2\"").arg(modal->metaObject()->className(), modal->windowTitle());
        modal->close();
    }

    const quint32 seed_;
    const int steps_;
    QRandomGenerator random_;
    std::unique_ptr<Windows> program_;
    QList<QLineEdit*> boxes_;
    QList<QObject*> controls_;  // every box, button, list and menu item of the program
    FaultBoxWatcher faults_;
    QStringList strange_;
    QString unable_;  // what the user could not do, as the step meant to
    char separator_ = '.';
    int n_ = 0;  // the load-current window's number of loads, from its last successful "Avanti"
    int step_ = 0;
    QWidget* lastWindow_ = nullptr;
    int stepsHere_ = 0;  // steps taken in the window in view since it came up
    std::deque<QString> recent_;
};

}  // namespace

class RandomWalkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No print server answers here, so Stampa meets no default printer.
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    }

    void everyStepShowsWhatItMust()
    {
        const quint32 seed = SeedFromEnvironment();
        const int steps = StepsFromEnvironment();
        qInfo("random walk: seed %u, %d steps (VOLTARIS_WALK_SEED, VOLTARIS_WALK_STEPS)", seed, steps);
        Walk walk(seed, steps);
        QElapsedTimer clock;
        clock.start();
        const QString failure = walk.Run();
        qInfo("random walk: %lld ms, %d restarts of the program", clock.elapsed(), walk.restarts);
        for (auto window = walk.windowsSeen.cbegin(); window != walk.windowsSeen.cend(); ++window)
            qInfo("  %s: %d steps, %d results written", qPrintable(window.key()), window.value(),
                  walk.resultsWritten.value(window.key()));
        for (auto kind = walk.faultsShown.cbegin(); kind != walk.faultsShown.cend(); ++kind)
            qInfo("  fault box %d times: %s", kind.value(), qPrintable(kind.key()));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));

        // A walk that never reached a window or a result proved nothing about it.
        QCOMPARE(walk.windowsSeen.size(), 12);
        for (const QString& window : CalculatorWindows)
            QVERIFY2(walk.resultsWritten.value(window) > 0, qPrintable(window + " never wrote a result"));
    }
};

QTEST_MAIN(RandomWalkTest)
#include "random_walk_test.moc"
