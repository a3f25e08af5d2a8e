#include "app/printing.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "app/window_image.h"
#include "calc/fault.h"

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
