#pragma once
// The work area: one folder per run ("mining-filer-XXXXXX") under the user's runtime or
// temporary location, holding a lock file that stays locked while the run lasts. A run
// that ended without removing its folder (killed, crashed, logged out) leaves the lock
// free, so the next start removes that folder.
#include <QString>
#include <QStringList>

namespace mf {

class WorkArea {
public:
    WorkArea() = default;
    ~WorkArea();  // removes the folder
    WorkArea(const WorkArea&) = delete;
    WorkArea& operator=(const WorkArea&) = delete;

    // The folders a work area may be made in, best first: the runtime location, the
    // temporary location, then /tmp; only absolute, existing, writable folders, never "/".
    static QStringList candidateBases();

    // Makes the folder under the first base where that succeeds and locks it. False when
    // none does; *tried then names the last folder tried (or the preferred one when none
    // is usable).
    bool create(QString* tried = nullptr);
    bool isValid() const { return !path_.isEmpty(); }
    QString path() const { return path_; }
    // Removes the folder and releases the lock; a failed removal is ignored.
    void remove();

private:
    QString path_;
    int lockFd_ = -1;
};

// Removes the work folders under `base` that belong to this user and whose run has ended
// (their lock file is not locked). Folders without a lock file, of other users, or still
// locked stay. Returns how many were removed.
int removeStaleWorkAreas(const QString& base);

// The lock file's name inside a work folder.
QString workAreaLockName();

} // namespace mf
