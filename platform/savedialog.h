#pragma once

#include <QString>

namespace platform {

// A save-file dialog component: it keeps the last chosen name, which the
// next showing offers again.
class SaveDialog {
public:
    SaveDialog(QString defaultExt, QString filter);

    QString DefaultExt;
    QString Filter;
    QString FileName;

    // Asks the learner; true with FileName set when a name was confirmed.
    bool Execute();
};

} // namespace platform
