#pragma once
// What the commands and the editors need of the main window: toolbar availability and the
// status bar. The main window implements it; tests use a recording fake.
#include <QString>
#include <functional>

namespace mf {

class Shell {
public:
    virtual ~Shell() = default;
    // Shows a toolbar button ("SAVE", "PRINT", "annex", "WIN", ...) available or not.
    virtual void SetToolbarButtonState(const QString& key, bool available) = 0;
    virtual bool toolbarButtonAvailable(const QString& key) const = 0;
    // Status panel 1: the current activity.
    virtual void setActivityText(const QString& text) = 0;
    virtual QString activityText() const { return QString(); }
    // Status panel 1 shown at once, for progress during a long file operation.
    virtual void showActivityNow(const QString& text) { setActivityText(text); }
    // The wait cursor while a long file operation runs (package build, zip).
    virtual void setBusy(bool busy) {}
    // Runs a long piece of work that touches no widget (the zip) with `text` in the status
    // line and its progress in percent shown as it reports it; returns what the work
    // returned. The main window runs it on a worker thread and keeps painting meanwhile,
    // refusing input and closing until it ends; this default runs it here.
    using BusyWork = std::function<bool(const std::function<void(int)>& progress)>;
    virtual bool runBusy(const QString& text, const BusyWork& work) {
        showActivityNow(text);
        return work([](int) {});
    }
    // Status panel 2: the file of the current kind.
    virtual void setFileText(const QString& text) = 0;
    // The kind's own toolbar button shown pressed or released.
    virtual void setKindButtonPressed(int kind, bool pressed) = 0;
    // The save a Yes to "保存吗?" starts for the kind; true when the file was written.
    virtual bool saveForQuestion(int kind) = 0;
};

// The shell of the run; a silent one until the main window sets itself.
Shell& shell();
void setShell(Shell* s);

} // namespace mf
