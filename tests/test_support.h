#pragma once
// Small helpers shared by the tests.
#include <QString>

namespace mf::test {

inline QString sourceDir() { return QString::fromUtf8(MF_SOURCE_DIR); }
inline QString binDir() { return QString::fromUtf8(MF_BIN_DIR); }
// The dictionary database the build generated.
inline QString shippedDictionary() { return binDir() + QStringLiteral("/DICT/系统词典.db"); }

} // namespace mf::test
