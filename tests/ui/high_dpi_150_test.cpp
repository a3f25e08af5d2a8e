// The windows on a screen scaled to one and a half times the design's pixels.
#include <QApplication>
#include <QTest>

#include "support/high_dpi_checks.h"

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication application(argc, argv);
    HighDpiChecks checks(1.5);
    return QTest::qExec(&checks, argc, argv);
}
