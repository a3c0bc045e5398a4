#include "form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QShowEvent>

namespace platform {

namespace {

Form::ModalHook& modalHook()
{
    static Form::ModalHook hook;
    return hook;
}

} // namespace

Form::Form(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
}

void Form::setSize(int width, int height)
{
    setFixedSize(width, height);
}

int Form::showModal()
{
    if (const ModalHook& hook = modalHook())
        return hook(*this);
    // Not QDialog::exec(): a window that closes while a box opened by its
    // FormShow is up (the box's loop runs the window's ticks) would leave
    // exec() starting a loop that nothing ends.
    const bool wasModal = testAttribute(Qt::WA_ShowModal);
    setAttribute(Qt::WA_ShowModal, true);
    setResult(0);
    show();
    if (isVisible()) {
        QEventLoop loop;
        m_modalLoop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_modalLoop = nullptr;
    }
    setAttribute(Qt::WA_ShowModal, wasModal);
    return result();
}

// However the window goes (done, close, hide), its modal show returns.
void Form::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (!visible && m_modalLoop)
        m_modalLoop->exit();
}

Form::ModalHook Form::installModalHook(ModalHook hook)
{
    std::swap(modalHook(), hook);
    return hook;
}

void Form::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Form::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Form::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close a window of the program; its buttons do.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The window closes even when its close handler fails: the error is shown,
// but the learner is never held in a window that cannot be left.
void Form::done(int result)
{
    try {
        FormClose();
    } catch (...) {
        QDialog::done(result);
        throw;
    }
    QDialog::done(result);
}

} // namespace platform
