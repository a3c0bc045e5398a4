#include "desktop.h"

#include "path.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace platform {

namespace {

std::unique_ptr<Desktop>& installed()
{
    static std::unique_ptr<Desktop> desktop = std::make_unique<QtDesktop>();
    return desktop;
}

// "WAV FILE|*.wav" becomes Qt's "WAV FILE (*.wav)".
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(u';', u' ')));
    return filters.join(QStringLiteral(";;"));
}

} // namespace

Desktop& Desktop::current()
{
    return *installed();
}

std::unique_ptr<Desktop> Desktop::install(std::unique_ptr<Desktop> desktop)
{
    std::swap(installed(), desktop);
    return desktop;
}

void QtDesktop::showError(const QString& caption, const QString& message)
{
    QMessageBox::critical(QApplication::activeWindow(), caption, message);
}

void QtDesktop::showMessage(const QString& title, const QString& text)
{
    QMessageBox::information(QApplication::activeWindow(), title, text);
}

void QtDesktop::showOwnerlessMessage(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

std::optional<QString> QtDesktop::askSaveFileName(const SaveRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(qtFilter(request.filter));
    dialog.setDefaultSuffix(QString(request.defaultExt).remove(0, request.defaultExt.startsWith(u'.') ? 1 : 0));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtDesktop::shellOpen(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(nativePath(path)).absoluteFilePath()));
}

std::optional<QString> QtDesktop::askFolder(const QString& title, const QString& startFolder)
{
    const QString folder = QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

} // namespace platform
