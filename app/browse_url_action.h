#pragma once
// An action that hands an address to the system's handler for web addresses.
#include <QAction>
#include <QString>

class BrowseUrlAction : public QAction {
    Q_OBJECT

public:
    explicit BrowseUrlAction(QObject* parent);

    void SetURL(const QString& address) { url_ = address; }
    QString URL() const { return url_; }

    // Opens the address; a bare address is completed as a typed one would be.
    // The outcome is not reported.
    void Execute();

private:
    QString url_;
};
