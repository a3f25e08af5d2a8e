#include "app/browse_url_action.h"

#include <QDesktopServices>
#include <QUrl>

BrowseUrlAction::BrowseUrlAction(QObject* parent) : QAction(QStringLiteral("&Browse URL"), parent)
{
    setToolTip(QStringLiteral("Browse URL"));
    setStatusTip(QStringLiteral("Browse URL"));
    setProperty("category", QStringLiteral("Internet"));
    connect(this, &QAction::triggered, this, &BrowseUrlAction::Execute);
}

void BrowseUrlAction::Execute()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(url_));
}
