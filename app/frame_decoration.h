#pragma once
// The decoration that draws the frames around a calculator window's rows.
#include <QString>

class QWidget;

// A caption made only of underscores: one side of a frame.
bool IsFrameRule(const QString& text);

// A frame rule, a narrow picture of a frame's edge, or a bare bevel: drawn to
// be seen, with nothing to read.
bool IsFrameDecoration(const QWidget& control);
