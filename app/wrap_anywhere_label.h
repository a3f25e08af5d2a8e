#pragma once
// A text label whose lines break between any two characters where a word is
// wider than the line, so one long word never widens it.
#include <QLabel>

class WrapAnywhereLabel : public QLabel {
    Q_OBJECT

public:
    // The label prefers lines of the given width.
    WrapAnywhereLabel(const QString& text, int lineWidth, QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lineWidth_;
    // Laying out a long text is slow and layouts ask often: the last answer kept.
    mutable QSize lastHeightForWidth_{-1, 0};
};
