// The windows on a screen scaled to twice the design's pixels.
#include <QApplication>
#include <QTest>

#include "support/high_dpi_checks.h"

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    HighDpiChecks checks(2);
    return QTest::qExec(&checks, argc, argv);
}
