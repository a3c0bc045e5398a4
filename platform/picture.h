#pragma once

#include <QImage>
#include <QWidget>

namespace platform {

// An image control: draws its picture at its own size from the top left
// corner, neither stretched nor centred, and reports pointer moves and
// clicks. A clickable picture without a picture of its own is transparent.
class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    // A hand cursor marks a picture button.
    void setHandCursor();
    void setHint(const QString& hint) { setToolTip(hint); }
    QString hint() const { return toolTip(); }

signals:
    void mouseMoved();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};

} // namespace platform
