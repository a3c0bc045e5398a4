#pragma once

#include <QSlider>

namespace platform {

// A horizontal track bar. Setting the position from code raises changed()
// at once, and only when the value really changes; positions are kept
// within the range; a maximum below the minimum is ignored.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(QWidget* parent = nullptr);

    int position() const { return value(); }
    void setPosition(int position) { setValue(position); }
    int max() const { return maximum(); }
    void setMax(int max);

signals:
    void changed();
};

} // namespace platform
