#include "app/window_image.h"

#include <QMainWindow>
#include <QPixmap>

QWidget& ClientArea(QWidget& window)
{
    if (auto* main = qobject_cast<QMainWindow*>(&window); main && main->centralWidget())
        return *main->centralWidget();
    return window;
}

QPixmap ClientImage(QWidget& client)
{
    QPixmap image(client.size() * client.devicePixelRatioF());
    image.setDevicePixelRatio(client.devicePixelRatioF());
    image.fill(client.palette().color(QPalette::Window));
    client.render(&image);
    return image;
}
