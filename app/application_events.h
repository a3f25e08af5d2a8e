#pragma once
// Events the whole application sees, whichever object they are sent to.
#include <QEvent>
#include <functional>

class QObject;

// Runs the action with the receiver of every event of that type, for as long
// as the application runs.
void OnApplicationEvent(QEvent::Type type, std::function<void(QObject* receiver)> action);

// Offers every event of that type to the filter before its receiver sees it,
// for as long as the application runs; an event the filter takes (returns
// true for) goes no further.
void FilterApplicationEvents(QEvent::Type type, std::function<bool(QObject* receiver, QEvent* event)> filter);
