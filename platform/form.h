#pragma once

#include <QDialog>
#include <QEventLoop>

#include <functional>

namespace platform {

// A window of the program: a fixed-size dialog whose show runs FormShow and
// whose closing runs FormClose, whatever way it closes.
class Form : public QDialog {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }
    // The outer size of the window; the frame is the window manager's.
    void setSize(int width, int height);
    // Shows the window modally; returns when it has closed, at once when it
    // closed during its own show.
    int showModal();
    // Tests answer modal shows: while a hook is installed it is called with
    // the window instead of running a nested message loop. Returns the
    // previous hook.
    using ModalHook = std::function<int(Form&)>;
    static ModalHook installModalHook(ModalHook hook);
    void centreOnScreen();

    void setVisible(bool visible) override;

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    QEventLoop* m_modalLoop = nullptr;
};

} // namespace platform
