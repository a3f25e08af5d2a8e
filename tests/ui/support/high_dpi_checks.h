#pragma once
// What every window shows on a screen scaled from the design's 96 dpi: its
// design proportions, captions that fit their controls, and sharp pictures.
// Each scale runs in a program of its own, since Qt takes the scale once, when
// the application starts.
#include <QObject>
#include <memory>

struct Windows;

class HighDpiChecks : public QObject {
    Q_OBJECT

public:
    explicit HighDpiChecks(qreal scale);
    ~HighDpiChecks() override;

private slots:
    void init();
    void cleanup();

    void theScreenIsScaled();
    void everyWindowKeepsItsDesignProportions_data();
    void everyWindowKeepsItsDesignProportions();
    void everyCaptionFitsItsControl_data();
    void everyCaptionFitsItsControl();
    void everyHintFitsItsLabel_data();
    void everyHintFitsItsLabel();
    void picturesShowEachDesignPixelAsASharpSquare();

private:
    qreal scale_;
    std::unique_ptr<Windows> program_;
};
