#pragma once
// The program's pictures: JPEGs embedded as resources, decoded by libjpeg.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>

class QLabel;

// A null image, never an exit, where the data is not a JPEG it can read.
QImage DecodeJpeg(const QByteArray& data);

// The embedded picture at the resource path, e.g. ":/pictures/logo.jpg", at
// its design size in the screen's device pixels; given a window face, with
// the grey it was drawn on made that face.
QPixmap Picture(const QString& resourcePath, const QColor& face = QColor());

// The label shows the embedded picture, on its window's face, from the first
// time its window is shown: the windows that wait hidden from start-up decode
// theirs when opened.
void SetPictureOnFirstShow(QLabel& label, const QString& resourcePath);

// The frame-edge rule of the calculator windows, 5 × 223 pixels.
inline const QString FrameEdgePath = QStringLiteral(":/pictures/frame_edge.jpg");
