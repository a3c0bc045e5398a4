#pragma once

#include <QWidget>

// A thin black bar the learner drags to share a row between the widget on
// its left, whose width it sets, and whatever fills the rest.
class Splitter : public QWidget {
    Q_OBJECT
public:
    Splitter(QWidget* resized, QWidget* parent);

    // Neither side is dragged narrower than this.
    static constexpr int minimumSide = 30;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QWidget* m_resized;
    int m_grabX = 0;
    int m_grabWidth = 0;
};
