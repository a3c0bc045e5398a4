#include "coursefolder.h"

#include <QDir>
#include <QFileInfo>

namespace coursecheck {

QString CourseFolder::display(const QString& relative)
{
    return QString(relative).replace(u'\\', u'/');
}

CourseFolder::Lookup CourseFolder::find(const QString& relative) const
{
    Lookup lookup;
    QString folder = m_root;
    QStringList actual;
    bool exactly = true;
    const QStringList parts = display(relative).split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString chosen;
        if (QFileInfo::exists(folder + u'/' + part)) {
            chosen = part;
        } else {
            const QStringList entries =
                QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    chosen = entry;
                    exactly = false;
                    break;
                }
            }
            if (chosen.isEmpty())
                return lookup;
        }
        folder += u'/' + chosen;
        actual.append(chosen);
    }
    // The last part must be a file; a folder by that name is no page.
    if (parts.isEmpty() || !QFileInfo(folder).isFile())
        return lookup;
    lookup.found = exactly ? Found::Exactly : Found::InOtherCase;
    lookup.nativePath = folder;
    lookup.actualName = actual.join(u'/');
    return lookup;
}

} // namespace coursecheck
