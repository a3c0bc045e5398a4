#pragma once

#include <functional>

class QWidget;

namespace platform {

// The speed the learner listens to lesson sounds at, in tenths of normal
// speed, from 5 to 20. One setting for the whole run of the program, so a
// learner who slowed one lesson hears the next one at the same pace.
namespace listeningspeed {

int tenths();
double factor();
void setTenths(int tenths);
// "-" one step slower, "+" (or "=" on the same key) one step faster, "0"
// normal speed. Returns whether the key is one of these; at either end of
// the range the speed stays.
bool applyKey(int key);
// The speed keys as shortcuts of window, whatever widget in it has the
// focus; handler gets the key.
void installKeys(QWidget* window, const std::function<void(int key)>& handler);

} // namespace listeningspeed

} // namespace platform
