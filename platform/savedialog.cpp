#include "savedialog.h"

#include "desktop.h"

namespace platform {

SaveDialog::SaveDialog(QString defaultExt, QString filter)
    : DefaultExt(std::move(defaultExt))
    , Filter(std::move(filter))
{
}

bool SaveDialog::Execute()
{
    const auto chosen = Desktop::current().askSaveFileName({DefaultExt, Filter, FileName});
    if (!chosen || chosen->isEmpty())
        return false;
    FileName = *chosen;
    return true;
}

} // namespace platform
