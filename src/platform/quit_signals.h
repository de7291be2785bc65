#pragma once
// SIGINT, SIGTERM and SIGHUP end the program through its event loop instead of killing
// it, so what the run owns (the work area) is removed as on a normal exit.
#include <functional>

namespace mf {

// From then on each of the three signals runs `onSignal` with the signal's number on the
// event loop (never inside the signal handler). Call once, after the application object
// exists. False when the handlers could not be installed.
bool installQuitSignals(std::function<void(int)> onSignal);

} // namespace mf
