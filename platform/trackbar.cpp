#include "trackbar.h"

namespace platform {

TrackBar::TrackBar(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 100);
    setPageStep(1);
    setSingleStep(1);
    setTickInterval(1);
    setTickPosition(QSlider::TicksBelow);
    connect(this, &QSlider::valueChanged, this, &TrackBar::changed);
}

void TrackBar::setMax(int max)
{
    if (max < minimum())
        return;
    setMaximum(max);
}

} // namespace platform
