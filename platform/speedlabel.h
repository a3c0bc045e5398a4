#pragma once

#include <QLabel>
#include <QTimer>

namespace platform {

// A small label in the top right corner of a page that shows the listening
// speed ("0.6x") for two seconds after each change.
class SpeedLabel : public QLabel {
    Q_OBJECT
public:
    explicit SpeedLabel(QWidget* page);

    static constexpr int shownMs = 2000;

    void showSpeed(int tenths);
    // Hides the label now, as the end of its two seconds does.
    void expire();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeInCorner();

    QTimer* m_shown;
};

} // namespace platform
