#include "app/pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmapCache>
#include <QtDebug>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <jpeglib.h>

#include "app/first_show.h"

namespace {

// libjpeg's own error handler ends the process: this one jumps back instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBack(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->back, 1);
}

void IgnoreWarning(j_common_ptr, int) {}

// On a screen scaled by a whole number each picture pixel becomes a square of
// screen pixels, as sharp as designed; the painter's smoothing would blur it.
// A fractional scale is left to that smoothing: uneven squares look worse.
QPixmap ForTheScreen(const QImage& image)
{
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    const int whole = qRound(ratio);
    if (image.isNull() || whole < 2 || !qFuzzyCompare(ratio, qreal(whole)))
        return QPixmap::fromImage(image);
    const QImage squares = image.scaled(image.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPixmap pixmap = QPixmap::fromImage(squares);
    pixmap.setDevicePixelRatio(whole);
    return pixmap;
}

// The pictures were drawn on a window face of grey 239, which surrounds their
// drawing a few steps off where the compression left it. On a face of another
// colour that grey moves by the difference, so no grey box shows round the
// drawing; on a face of that grey the picture stays as it is.
QImage OnFace(QImage image, const QColor& face)
{
    constexpr int kDrawnFace = 239, kCompressionSteps = 6;
    const int shift[] = {face.red() - kDrawnFace, face.green() - kDrawnFace, face.blue() - kDrawnFace};
    if (image.isNull() || (shift[0] == 0 && shift[1] == 0 && shift[2] == 0))
        return image;
    const auto nearFace = [](uchar c) { return std::abs(c - kDrawnFace) <= kCompressionSteps; };
    for (int y = 0; y < image.height(); ++y) {
        uchar* pixel = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, pixel += 3)
            if (std::all_of(pixel, pixel + 3, nearFace))
                for (int c = 0; c < 3; ++c)
                    pixel[c] = static_cast<uchar>(std::clamp(pixel[c] + shift[c], 0, 255));
    }
    return image;
}

}  // namespace

// Runs libjpeg calls that hold no C++ object, so a jump back skips no destructor.
template <typename Step>
bool Guarded(ErrorManager& errors, Step step)
{
    if (setjmp(errors.back))
        return false;
    step();
    return true;
}

QImage DecodeJpeg(const QByteArray& data)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpBack;
    errors.base.emit_message = IgnoreWarning;
    jpeg_create_decompress(&info);

    const bool started = Guarded(errors, [&] {
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                     static_cast<unsigned long>(data.size()));
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
    });
    QImage image;
    if (started)
        image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                       QImage::Format_RGB888);
    const bool decoded = started && !image.isNull() && Guarded(errors, [&] {
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    });
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        qWarning("A picture could not be decoded: %s", errors.message);
        return QImage();
    }
    return image;
}

QPixmap Picture(const QString& resourcePath, const QColor& face)
{
    // The windows show the same few pictures many times over: each is decoded once for a face.
    const QString key = face.isValid() ? resourcePath + face.name() : resourcePath;
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("A picture is missing: %s", qPrintable(resourcePath));
        return QPixmap();
    }
    QImage image = DecodeJpeg(file.readAll());
    if (face.isValid())
        image = OnFace(std::move(image), face);
    picture = ForTheScreen(image);
    if (!picture.isNull())
        QPixmapCache::insert(key, picture);
    return picture;
}

void SetPictureOnFirstShow(QLabel& label, const QString& resourcePath)
{
    const auto show = [&label, resourcePath] {
        label.setPixmap(Picture(resourcePath, label.window()->palette().color(QPalette::Window)));
    };
    if (label.window()->isVisible())
        show();
    else
        OnFirstShow(*label.window(), show);
}
