#include "form.h"

#include "timer.h"

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
    setFrame(Frame::Dialog);
    setSizeGripEnabled(false);
}

void Form::setFrame(Frame frame)
{
    m_frame = frame;
    const Qt::WindowFlags captioned = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                      | Qt::WindowCloseButtonHint;
    switch (frame) {
    case Frame::Dialog:
        setWindowFlags(captioned | Qt::MSWindowsFixedSizeDialogHint);
        break;
    case Frame::Sizeable:
        setWindowFlags(captioned | Qt::WindowMaximizeButtonHint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        break;
    case Frame::None:
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        break;
    }
}

void Form::setSize(int width, int height)
{
    if (m_frame == Frame::Sizeable)
        resize(width, height);
    else
        setFixedSize(width, height);
}

// A dialog frame is 3 pixels each side, a sizeable one 4, both under a
// 19-pixel caption.
int Form::frameBorder() const
{
    return m_frame == Frame::Dialog ? 3 : m_frame == Frame::Sizeable ? 4 : 0;
}

void Form::setOuterSize(int width, int height)
{
    const int caption = m_frame == Frame::None ? 0 : 19;
    setSize(width - 2 * frameBorder(), height - 2 * frameBorder() - caption);
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

void Form::centreOver(const QWidget* other)
{
    if (!other)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(other->frameGeometry().center());
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
        closeWindow(result);
        throw;
    }
    closeWindow(result);
}

// Nothing of a closed window acts afterwards: a tick or countdown left
// running would end a recording or open a box over the window below.
void Form::closeWindow(int result)
{
    for (Timer* timer : findChildren<Timer*>())
        timer->setEnabled(false);
    QDialog::done(result);
}

} // namespace platform
