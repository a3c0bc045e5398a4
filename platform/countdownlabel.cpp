#include "countdownlabel.h"

namespace platform {

QLabel* createCountdownLabel(QWidget* band)
{
    auto* label = new QLabel(band);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(16, 30);
    label->hide();
    return label;
}

} // namespace platform
