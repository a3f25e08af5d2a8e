// "Stampa" in a browser: the window's image goes to the page, which prints it
// alone through the browser's own print, at the size it has on the screen.
#include <QBuffer>
#include <QByteArray>
#include <QPixmap>
#include <QWidget>
#include <emscripten/val.h>
#include <string>

#include "app/printing.h"
#include "app/window_image.h"
#include "calc/fault.h"

void PrintWindowImage(QWidget& window)
{
    emscripten::val print = emscripten::val::global("voltarisPrintImage");
    if (print.typeOf().as<std::string>() != "function")
        throw calc::Fault(std::string(calc::messages::NoDefaultPrinter));
    QWidget& client = ClientArea(window);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ClientImage(client).save(&buffer, "PNG");
    // The page copies the bytes before this returns.
    const auto* bytes = reinterpret_cast<const unsigned char*>(png.constData());
    print(emscripten::val(emscripten::typed_memory_view(static_cast<std::size_t>(png.size()), bytes)),
          client.width(), client.height());
}
