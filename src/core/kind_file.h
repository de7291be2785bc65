#pragma once
// The kind's current file as this program knows it, so that a save never replaces, without
// asking, what another program wrote into that file meanwhile.
#include <QByteArray>
#include <QString>
#include <memory>

namespace mf {

class SaveLock;

// The kind's file is now path, with what it holds on disk at this moment (just read or
// just written by this program). An empty path forgets the file.
void setKindFile(int kind, const QString& path);
// The same with what the file held when it was read (taken before reading it).
void setKindFile(int kind, const QString& path, const QByteArray& stamp);

// Before a save of the kind over target: when target is the kind's file and that file held
// keys the dictionary did not know or keys of fields the form does not carry
// (AppState::KindUnknownKeys), asks whether to save and drop them (否 is the default). True
// when the save may go on.
bool confirmDroppingUnknownKeys(int kind, const QString& target);

// Takes the save lock of target for a save of the kind. When target is the kind's file and
// another program changed it since this program last read or wrote it, the lock is let go
// and "文件已被其他程序修改，是否覆盖？" asked (否 is the default); after 是 the lock is taken
// again. Null when the save must not go on: the lock could not be taken (its message has
// been shown) or the user answered 否. A file that is gone, or that was never read, counts as
// unchanged.
std::unique_ptr<SaveLock> lockForSave(int kind, const QString& target);

} // namespace mf
