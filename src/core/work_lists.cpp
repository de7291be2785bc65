#include "core/work_lists.h"

#include "core/app_state.h"

#include <QFile>

namespace mf {

QString workXmlPath(int kind) {
    if (!isKind(kind) || state().KindTempDir[kind].isEmpty()) return QString();
    return state().KindTempDir[kind] + state().KindMarker[kind] + QStringLiteral(".xml");
}

void DeleteWorkXml(int kind) {
    const QString path = workXmlPath(kind);
    if (!path.isEmpty() && QFile::exists(path)) QFile::remove(path);
}

} // namespace mf
