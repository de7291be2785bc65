#pragma once
// SIGINT, SIGTERM and SIGHUP end the program through its event loop instead of killing
// it, so what the run owns (the work area) is removed as on a normal exit.
#include <QString>

#include <functional>

namespace mf {

// From then on each of the three signals runs `onSignal` with the signal's number on the
// event loop (never inside the signal handler). Call once, after the application object
// exists. False when the handlers could not be installed.
// When the event loop has not ended the run kQuitGraceSeconds after the first signal (the
// window's thread is stuck), the run ends anyway: the folder set below is removed and the
// process exits with 128 + the signal's number.
bool installQuitSignals(std::function<void(int)> onSignal);
inline constexpr unsigned kQuitGraceSeconds = 5;

// The folder (the work area) removed when a signal ends the run without the event loop;
// empty for none.
void setQuitSignalFolder(const QString& path);

} // namespace mf
