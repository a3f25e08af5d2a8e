#include "app/printing.h"

#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>

#include "calc/fault.h"

namespace {

// The window without title bar, border and menu bar.
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

}  // namespace

void PrintWindowImage(QWidget& window)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        throw calc::Fault(std::string(calc::messages::NoDefaultPrinter));
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    PrintWindowImage(window, printer);
}

void PrintWindowImage(QWidget& window, QPrinter& printer)
{
    QWidget& client = ClientArea(window);
    const QPixmap image = ClientImage(client);

    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        throw calc::Fault("The printer could not start the print job");
    const qreal scaleX = qreal(printer.logicalDpiX()) / client.logicalDpiX();
    const qreal scaleY = qreal(printer.logicalDpiY()) / client.logicalDpiY();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(0, 0, client.width() * scaleX, client.height() * scaleY), image,
                       QRectF(image.rect()));
    painter.end();
}
