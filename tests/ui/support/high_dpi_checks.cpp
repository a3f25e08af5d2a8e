#include "high_dpi_checks.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include "app/windows.h"
#include "user_actions.h"
#include "window_paths.h"

namespace {

void AddEveryWindow()
{
    QTest::addColumn<QString>("window");
    for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9",
                             "Form10", "Form12", "Form13"})
        QTest::newRow(name) << QString(name);
}

bool IsPicture(const QLabel* label)
{
    return !label->pixmap().isNull();
}

// Where the style draws a button's caption, inside its frame and beside any indicator.
QRect CaptionArea(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    return button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents,
                                           &option, button);
}

// The captions, as "name: text", that do not fit the control that draws them.
QStringList ClippedCaptions(QWidget* window)
{
    QStringList clipped;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (IsPicture(label) || label->text().isEmpty())
            continue;
        const QFontMetrics metrics = label->fontMetrics();
        if (metrics.horizontalAdvance(label->text()) > label->width() || metrics.height() > label->height())
            clipped << label->objectName() + ": " + label->text();
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty())
            continue;
        const QRect area = CaptionArea(button);
        const QFontMetrics metrics = button->fontMetrics();
        if (metrics.horizontalAdvance(button->text()) > area.width() || metrics.height() > area.height())
            clipped << button->objectName() + ": " + button->text();
    }
    return clipped;
}

}  // namespace

HighDpiChecks::HighDpiChecks(qreal scale) : scale_(scale) {}

HighDpiChecks::~HighDpiChecks() = default;

void HighDpiChecks::init()
{
    program_ = StartProgram();
}

void HighDpiChecks::cleanup()
{
    program_.reset();
}

void HighDpiChecks::theScreenIsScaled()
{
    QCOMPARE(qGuiApp->devicePixelRatio(), scale_);
    QCOMPARE(program_->Form1.devicePixelRatioF(), scale_);
    QCOMPARE(program_->Form1.logicalDpiX(), 96);  // sizes and fonts stay those of the design
}

void HighDpiChecks::everyWindowKeepsItsDesignProportions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("outer");
    QTest::newRow("main") << "Form1" << QSize(508, 625);
    QTest::newRow("line kind") << "Form2" << QSize(255, 232);
    QTest::newRow("load current") << "Form3" << QSize(789, 531);
    QTest::newRow("info") << "Form4" << QSize(443, 465);
    QTest::newRow("cable section") << "Form5" << QSize(438, 430);
    QTest::newRow("voltage drop") << "Form6" << QSize(439, 572);
    QTest::newRow("protection") << "Form7" << QSize(446, 405);
    QTest::newRow("power factor") << "Form8" << QSize(455, 477);
    QTest::newRow("short-circuit line kind") << "Form9" << QSize(293, 242);
    QTest::newRow("topology") << "Form10" << QSize(534, 526);
    QTest::newRow("cable line") << "Form12" << QSize(601, 480);
    QTest::newRow("busbar line") << "Form13" << QSize(599, 391);
}

void HighDpiChecks::everyWindowKeepsItsDesignProportions()
{
    QFETCH(QString, window);
    QFETCH(QSize, outer);
    QWidget* form = OpenAsAUser(*program_, window);
    // The window's client part (with its menu bar): the outer size less border and title bar.
    const QSize design = outer - QSize(8, 27);
    QCOMPARE(form->size(), design);
    const QImage shown = form->grab().toImage();
    QVERIFY2(qAbs(shown.width() - design.width() * scale_) < 1 && qAbs(shown.height() - design.height() * scale_) < 1,
             qPrintable(QString("%1 x %2 screen pixels").arg(shown.width()).arg(shown.height())));
}

void HighDpiChecks::everyCaptionFitsItsControl_data()
{
    AddEveryWindow();
}

void HighDpiChecks::everyCaptionFitsItsControl()
{
    QFETCH(QString, window);
    QWidget* form = OpenAsAUser(*program_, window);
    QCOMPARE(ClippedCaptions(form), QStringList());
}

void HighDpiChecks::everyHintFitsItsLabel_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("hints");
    QTest::newRow("load current") << "Form3" << QStringList{"Label10", "Label2", "Label1"}
                                  << QStringList{"Label40", "Label41", "Label42"};
    QTest::newRow("cable line") << "Form12"
                                << QStringList{"Label22", "Label9", "Label18", "Label3", "Label25", "Label13",
                                               "Label24"}
                                << QStringList{"Label5", "Label26", "Label27", "Label28", "Label29", "Label30",
                                               "Label31"};
}

void HighDpiChecks::everyHintFitsItsLabel()
{
    QFETCH(QString, window);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, hints);
    QWidget* form = OpenAsAUser(*program_, window);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        QLabel* caption = form->findChild<QLabel*>(captions[i]);
        MovePointerInWindow(caption, caption->rect().center());
        auto* hint = form->findChild<QLabel*>(hints[i]);
        QVERIFY2(hint->isVisible() && !hint->text().isEmpty(), qPrintable(captions[i] + " shows no hint"));
        QCOMPARE(ClippedCaptions(form), QStringList());
    }
}

void HighDpiChecks::picturesShowEachDesignPixelAsASharpSquare()
{
    const int whole = qRound(scale_);
    if (scale_ != whole)
        QSKIP("a fractional scale cannot show a design pixel as a whole square; Qt draws it smoothed");
    for (const char* window :
         {"Form1", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form10", "Form12", "Form13"}) {
        program_ = StartProgram();
        QWidget* form = OpenAsAUser(*program_, QString(window));
        for (QLabel* picture : form->findChildren<QLabel*>()) {
            if (!IsPicture(picture) || !picture->isVisible())
                continue;
            const QPixmap pixmap = picture->pixmap();
            const QSize designSize = pixmap.deviceIndependentSize().toSize();
            const QImage design = pixmap.toImage().scaled(designSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            const QImage shown = picture->grab().toImage();
            const QSize covered = designSize.boundedTo(picture->size()) * whole;
            int blurred = 0;
            for (int y = 0; y < covered.height(); ++y)
                for (int x = 0; x < covered.width(); ++x)
                    if (shown.pixel(x, y) != design.pixel(x / whole, y / whole))
                        ++blurred;
            QVERIFY2(blurred == 0, qPrintable(QString("%1 %2: %3 screen pixels differ from their design pixel")
                                                  .arg(QString(window), picture->objectName())
                                                  .arg(blurred)));
        }
    }
}
