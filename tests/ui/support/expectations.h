#pragma once
// The rows both faces are held to (tests/worked_examples.json): worked
// examples, fault texts and enabling chains, and the real keys and clicks that
// replay them on the desktop windows.
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
struct Windows;

struct TableStep {
    QString control;
    std::optional<QString> text;  // none: a click
};

struct TableRow {
    QString window;
    QString name;
    QString locale;                // "it" (a comma) or "en" (a point)
    QList<QStringList> path;       // (window, control or menu item) clicks from the main window
    QList<TableStep> steps;
    QMap<QString, QString> results;  // box -> its text afterwards
    QString fault;                 // the fault box's message, for a fault row
};
Q_DECLARE_METATYPE(TableRow)

// The window's rows of the table's "examples" or "faults", in their order.
QList<TableRow> WorkedExamples(const QString& window);
QList<TableRow> FaultRows(const QString& window);

// Adds one QTest data row per table row, in a column named "row".
void AddDataRows(const QList<TableRow>& rows);

// The window's enabling chain: (typed into or clicked, enabled by it) in order.
QList<QPair<QString, QString>> EnablingChain(const QString& window);

// Switches the user's locale to the one the row is typed in, opens the row's
// window by its path's clicks and returns it once shown.
QWidget* OpenForRow(Windows& windows, const TableRow& row);

// Replays steps on the window's controls: a box emptied by keys and the text
// typed, an editable list clicked into, emptied and typed into, a click.
void Perform(QWidget* window, const QList<TableStep>& steps);

// What the row's result boxes show now, keyed as the row's results.
QMap<QString, QString> ShownResults(QWidget* window, const TableRow& row);

// Walks the chain: before each control is typed into (Backspace, which counts
// in an empty box too) or clicked, what it enables is disabled; after, enabled.
// Returns the first link that did not hold, or nothing.
QString WalkTheChain(QWidget* window, const QList<QPair<QString, QString>>& chain);
