#pragma once
// A label that is a link: it keeps a label's look, Tab reaches it and marks it
// with the style's focus frame, and a click on it, or Space or Return while it
// has the focus, follows it.
#include <QLabel>

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // Follows the link, as a click on it does.
    void Follow();

signals:
    void followed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
