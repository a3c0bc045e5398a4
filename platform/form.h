#pragma once

#include <QDialog>
#include <QEventLoop>

#include <functional>

namespace platform {

// A window of the program: a dialog whose show runs FormShow and whose
// closing runs FormClose, whatever way it closes, and stops its timers. It
// has a fixed-size dialog frame unless it is given another.
class Form : public QDialog {
    Q_OBJECT
public:
    enum class Frame { Dialog, Sizeable, None };

    explicit Form(QWidget* parent = nullptr);

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }
    Frame frame() const { return m_frame; }
    void setFrame(Frame frame);
    // The client area: the design size of the window.
    void setSize(int width, int height);
    // The size as the course's layout gives it, frame and caption included:
    // the client area is what the frame leaves of it. The window manager
    // draws its own frame around that client area.
    void setOuterSize(int width, int height);
    // The width with the frame included, as the layout gives it.
    int outerWidth() const { return width() + 2 * frameBorder(); }
    // Shows the window modally; returns when it has closed, at once when it
    // closed during its own show.
    int showModal();
    // Tests answer modal shows: while a hook is installed it is called with
    // the window instead of running a nested message loop. Returns the
    // previous hook.
    using ModalHook = std::function<int(Form&)>;
    static ModalHook installModalHook(ModalHook hook);
    void centreOnScreen();
    // Centred over another window; nothing happens without one.
    void centreOver(const QWidget* other);

    void setVisible(bool visible) override;

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void closeWindow(int result);
    // The frame's width on each side.
    int frameBorder() const;

    Frame m_frame = Frame::Dialog;
    QEventLoop* m_modalLoop = nullptr;
};

} // namespace platform
