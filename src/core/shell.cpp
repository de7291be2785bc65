#include "core/shell.h"

#include <QHash>

namespace mf {

namespace {
class SilentShell : public Shell {
public:
    void SetToolbarButtonState(const QString& key, bool available) override { state_[key] = available; }
    bool toolbarButtonAvailable(const QString& key) const override { return state_.value(key, true); }
    void setActivityText(const QString&) override {}
    void setFileText(const QString&) override {}
    void setKindButtonPressed(int, bool) override {}
    bool saveForQuestion(int) override { return false; }

private:
    QHash<QString, bool> state_;
};

SilentShell silent;
Shell* current = &silent;
} // namespace

Shell& shell() { return *current; }
void setShell(Shell* s) { current = s ? s : &silent; }

} // namespace mf
