#include "problem.h"

namespace coursecheck {

QString Problem::line() const
{
    QString text = file + QStringLiteral(": ");
    if (!lesson.isEmpty())
        text += lesson + QStringLiteral(": ");
    return text + this->text;
}

} // namespace coursecheck
