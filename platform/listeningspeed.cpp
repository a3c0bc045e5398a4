#include "listeningspeed.h"

#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace platform::listeningspeed {

namespace {

constexpr int slowest = 5;
constexpr int normal = 10;
constexpr int fastest = 20;

int s_tenths = normal;

} // namespace

int tenths()
{
    return s_tenths;
}

double factor()
{
    return s_tenths / 10.0;
}

void setTenths(int tenths)
{
    s_tenths = std::clamp(tenths, slowest, fastest);
}

bool applyKey(int key)
{
    switch (key) {
    case Qt::Key_Minus: setTenths(s_tenths - 1); return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal: setTenths(s_tenths + 1); return true;
    case Qt::Key_0: setTenths(normal); return true;
    default: return false;
    }
}

void installKeys(QWidget* window, const std::function<void(int key)>& handler)
{
    for (const int key : {Qt::Key_Minus, Qt::Key_Plus, Qt::Key_Equal, Qt::Key_0}) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        QObject::connect(shortcut, &QShortcut::activated, window, [handler, key] { handler(key); });
    }
}

} // namespace platform::listeningspeed
