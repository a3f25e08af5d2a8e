#include "expectations.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

#include "app/windows.h"
#include "user_actions.h"

namespace {

const QJsonObject& Table()
{
    static const QJsonObject table = [] {
        QFile file(":/tests/worked_examples.json");
        if (!file.open(QIODevice::ReadOnly))
            qFatal("the table of worked examples is not in the test");
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        if (error.error != QJsonParseError::NoError)
            qFatal("the table of worked examples: %s", qPrintable(error.errorString()));
        return document.object();
    }();
    return table;
}

QList<QStringList> Path(const QJsonValue& value)
{
    QList<QStringList> path;
    for (const QJsonValue& click : value.toArray())
        path << QStringList{click[0].toString(), click[1].toString()};
    return path;
}

QList<TableRow> RowsOf(const char* section, const QString& window)
{
    QList<TableRow> rows;
    for (const QJsonValue& value : Table()[section].toArray()) {
        const QJsonObject row = value.toObject();
        if (row["window"].toString() != window)
            continue;
        TableRow parsed{window, row["name"].toString(), row["locale"].toString("it"),
                        Path(row.contains("path") ? row["path"] : Table()["paths"][window]), {}, {},
                        row["fault"].toString()};
        for (const QJsonValue& step : row["steps"].toArray()) {
            const QJsonArray parts = step.toArray();
            parsed.steps << TableStep{parts[0].toString(),
                                      parts.size() > 1 ? std::optional(parts[1].toString()) : std::nullopt};
        }
        const QJsonObject results = row["results"].toObject();
        for (auto box = results.begin(); box != results.end(); ++box)
            parsed.results[box.key()] = box.value().toString();
        rows << parsed;
    }
    if (rows.isEmpty())
        qFatal("the table has no %s for %s", section, qPrintable(window));
    return rows;
}

}  // namespace

QList<TableRow> WorkedExamples(const QString& window) { return RowsOf("examples", window); }
QList<TableRow> FaultRows(const QString& window) { return RowsOf("faults", window); }

void AddDataRows(const QList<TableRow>& rows)
{
    QTest::addColumn<TableRow>("row");
    for (const TableRow& row : rows)
        QTest::newRow(qPrintable(row.name)) << row;
}

QList<QPair<QString, QString>> EnablingChain(const QString& window)
{
    for (const QJsonValue& value : Table()["chains"].toArray())
        if (value["window"].toString() == window) {
            QList<QPair<QString, QString>> chain;
            for (const QJsonValue& link : value["chain"].toArray())
                chain << qMakePair(link[0].toString(), link[1].toString());
            return chain;
        }
    qFatal("the table has no chain for %s", qPrintable(window));
}

QWidget* OpenForRow(Windows& windows, const TableRow& row)
{
    if (row.locale == "en")
        SwitchLocale(QLocale::English, QLocale::UnitedStates);
    else
        SwitchToItalian();
    for (const QStringList& click : row.path) {
        QWidget* from = WindowNamed(windows, click[0]);
        if (auto* item = from->findChild<QAction*>(click[1]))
            ChooseMenuItem(*qobject_cast<QMainWindow*>(from), item);
        else
            Click(from->findChild<QWidget*>(click[1]));
    }
    QWidget* window = WindowNamed(windows, row.window);
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("%s was not shown", qPrintable(row.window));
    return window;
}

void Perform(QWidget* window, const QList<TableStep>& steps)
{
    for (const TableStep& step : steps) {
        auto* control = window->findChild<QWidget*>(step.control);
        if (control == nullptr)
            qFatal("%s has no control %s", qPrintable(window->objectName()), qPrintable(step.control));
        if (!step.text) {
            Click(control);
        } else if (auto* list = qobject_cast<QComboBox*>(control)) {
            Click(list);
            QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(list, Qt::Key_Backspace);
            Type(list, *step.text);
        } else {
            ClearByKeys(static_cast<QLineEdit*>(control));
            Type(control, *step.text);
        }
    }
}

QMap<QString, QString> ShownResults(QWidget* window, const TableRow& row)
{
    QMap<QString, QString> shown;
    for (auto box = row.results.begin(); box != row.results.end(); ++box)
        shown[box.key()] = window->findChild<QLineEdit*>(box.key())->text();
    return shown;
}

QString WalkTheChain(QWidget* window, const QList<QPair<QString, QString>>& chain)
{
    auto enabled = [window](const QString& name) { return window->findChild<QWidget*>(name)->isEnabled(); };
    for (qsizetype i = 0; i < chain.size(); ++i) {
        const QString& edited = chain[i].first;
        if (i > 0 && chain[i - 1].first == edited)
            continue;  // one edit enables all of its links
        QStringList targets;
        for (qsizetype j = i; j < chain.size() && chain[j].first == edited; ++j)
            targets << chain[j].second;
        for (const QString& target : targets)
            if (enabled(target))
                return target + " enabled before " + edited + " was touched";
        auto* control = window->findChild<QWidget*>(edited);
        if (qobject_cast<QLineEdit*>(control))
            Type(control, "\b");
        else
            Click(control);
        for (const QString& target : targets)
            if (!enabled(target))
                return target + " still disabled after " + edited + " was touched";
    }
    return {};
}
