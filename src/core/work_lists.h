#pragma once
// The working attachment list of each kind, kept in the kind's work folder.
#include <QString>

namespace mf {
// The kind's working list: its work folder, its marker and ".xml".
QString workXmlPath(int kind);
// Deletes the kind's working list when it exists.
void DeleteWorkXml(int kind);
} // namespace mf
