#pragma once
// The shared per-kind state that ties the seven application editors to the main window.
// Lives from start-up to the end of the run; one thread, no locking.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

namespace mf {

// 1 新立, 2 变更, 3 延续, 4 注销, 5 划定矿区范围, 6 转让, 7 年检; 0 = no form.
using ApplicationKind = int;
constexpr int kKindCount = 7;

inline bool isKind(int kind) { return kind >= 1 && kind <= kKindCount; }

// Fixed facts of each kind.
QString kindMarker(int kind);        // "VORELXL" ...
QString kindToolbarKey(int kind);    // "NEW" ...
QString kindFormName(int kind);      // "NewTab" ...
QString kindPackageTextName(int kind); // "采矿权申请登记书.txt" ...
bool kindHasMiningArea(int kind);    // kinds 1, 2 and 5

struct AppState {
    int CurrentKind = 0;
    std::array<QString, kKindCount + 1> KindFilePath{};
    std::array<bool, kKindCount + 1> KindChanged{};
    std::array<bool, kKindCount + 1> KindOpen{};
    std::array<QString, kKindCount + 1> KindMarker{};
    std::array<QString, kKindCount + 1> KindTempDir{};   // ends with "/"
    // What the kind's file held when this program last read or wrote it (fs::fileFingerprint).
    std::array<QByteArray, kKindCount + 1> KindFileStamp{};
    // The keys of the kind's file that the dictionary did not know when it was loaded, or whose
    // fields the form does not carry: a save over that file drops them, so it asks first.
    std::array<QStringList, kKindCount + 1> KindUnknownKeys{};
    QString PendingFile;
    int PrinterCount = 0;
    QString HelpFilePath;
    QString AppPath;      // program folder
    QString DataPath;     // program data folder holding DICT and xmlmb
    float PrintScaleX = 1.5f;
    float PrintScaleY = 1.9f;
    QString TempZip;      // the per-run work area, ends with "/"

    void reset();
};

// The one program state.
AppState& state();

// Number of kinds whose editor is open, minus 1.
int CountOtherOpenForms();

// Rounds up to the next half unit: 2.3 -> 2.5, 2.5 -> 3, 2 -> 2, -1.3 -> -0.5.
double RoundUpToHalf(double x);

} // namespace mf
