#include "core/kind_file.h"

#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/field_match.h"
#include "platform/dialogs.h"
#include "platform/fs.h"
#include "platform/save_lock.h"

#include <QDir>
#include <QFileInfo>

namespace mf {

namespace {

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo ia(a), ib(b);
    const QString ca = ia.canonicalFilePath(), cb = ib.canonicalFilePath();
    if (!ca.isEmpty() && !cb.isEmpty()) return ca == cb;
    return QDir::cleanPath(ia.absoluteFilePath()) == QDir::cleanPath(ib.absoluteFilePath());
}

// What target holds now when it is the kind's file and differs from what was known; empty
// when the save may replace it.
QByteArray foreignChange(int kind, const QString& target, const QByteArray& known) {
    if (!isKind(kind) || known.isEmpty() || !sameFile(target, state().KindFilePath[kind])) return QByteArray();
    const QByteArray now = fs::fileFingerprint(target);
    return now.isEmpty() || now == known ? QByteArray() : now;
}

} // namespace

void setKindFile(int kind, const QString& path) {
    setKindFile(kind, path, path.isEmpty() ? QByteArray() : fs::fileFingerprint(path));
}

void setKindFile(int kind, const QString& path, const QByteArray& stamp) {
    if (!isKind(kind)) return;
    AppState& st = state();
    st.KindFilePath[kind] = path;
    st.KindFileStamp[kind] = path.isEmpty() ? QByteArray() : stamp;
    if (path.isEmpty()) st.KindUnknownKeys[kind].clear();
}

bool confirmDroppingUnknownKeys(int kind, const QString& target) {
    if (!isKind(kind)) return true;
    const QStringList& keys = state().KindUnknownKeys[kind];
    if (keys.isEmpty() || !sameFile(target, state().KindFilePath[kind])) return true;
    // Keys the dictionary knows belong to fields the form does not carry.
    const Dictionary& dict = dictionary();
    const KindFieldMap& map = fs::sameName(fs::extension(target), QStringLiteral("TXT")) ? dict.textKeyMap(kind)
                                                                                         : dict.xmlNameMap(kind);
    QStringList unknown, formless, parts;
    for (const QString& key : keys) (map.byValue(key) ? formless : unknown).append(key);
    if (!unknown.isEmpty())
        parts << QStringLiteral("文件中以下字段不在当前数据词典中，保存后将从文件中删除：") + unknown.join(QStringLiteral("、"));
    if (!formless.isEmpty())
        parts << formlessKeysText(formless, map, QStringLiteral("保存后将从文件中删除："));
    return dialogs().askYesNoDefaultNo(parts.join(u'\n') + QStringLiteral("\n是否仍然保存?"));
}

std::unique_ptr<SaveLock> lockForSave(int kind, const QString& target) {
    QByteArray known = isKind(kind) ? state().KindFileStamp[kind] : QByteArray();
    for (;;) {
        auto lock = std::make_unique<SaveLock>(target);
        if (!lock->acquired()) {
            dialogs().error(lock->message());
            return nullptr;
        }
        const QByteArray now = foreignChange(kind, target, known);
        if (now.isEmpty()) return lock;
        // The other program may save again while the user thinks; the question is asked
        // without the lock, and what the user agreed to replace is what is checked next.
        lock.reset();
        if (!dialogs().askYesNoDefaultNo(QStringLiteral("文件已被其他程序修改，是否覆盖？"))) return nullptr;
        known = now;
    }
}

} // namespace mf
