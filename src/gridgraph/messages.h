#pragma once
// Texts of the coordinate control's message boxes and captions, exactly as shown.
#include "gridgraph/coord_grid.h"

#include <QString>

namespace mf::gridmsg {

inline const QString kAppTitle = QStringLiteral("岩契录件");
inline const QString kTitleError = QStringLiteral("错误");
inline const QString kTitleWarning = QStringLiteral("警告");
inline const QString kTitleHint = QStringLiteral("提示");
inline const QString kTitleInfo = QStringLiteral("信息提示");

// Boundary string conversion.
inline const QString kCoordError = QStringLiteral("坐标错误: ");
// A boundary whose lines (corner points and region ends) do not fit the grid.
inline QString tooManyLines(int lines, int limit) {
    return QStringLiteral("坐标数据共") + QString::number(lines) + QStringLiteral("行,超过坐标表格最多") +
           QString::number(limit) + QStringLiteral("行的限制,不能载入...");
}
// A paste, an inserted row or a new entry row that would leave the grid with `lines` data
// rows: the refusal when that is beyond its lines (a grid beyond them could be saved but
// never opened again), else "".
inline QString rowsBeyondGrid(qsizetype lines) {
    if (lines <= CoordGrid::kMaxDataRows)
        return {};
    return QStringLiteral("坐标数据将达") + QString::number(lines) + QStringLiteral("行,超过坐标表格最多") +
           QString::number(CoordGrid::kMaxDataRows) + QStringLiteral("行的限制,不能添加...");
}

// Coordinate check; row messages are "第" + row + "行" + text.
inline const QString kIncomplete = QStringLiteral("坐标数据不完整...");
inline const QString kPointNoMissing = QStringLiteral("<拐点号>列中必须填写数值...");
inline const QString kFewPoints = QStringLiteral("以上区域拐点个数小于3...");
inline const QString kBadNature = QStringLiteral("<性质>数据填写错误...");
inline const QString kElevOrder = QStringLiteral("<止标高>应小于<起标高>...");
inline const QString kPointNoLong = QStringLiteral("<拐点号>数据填写超长(>8)...");
inline const QString kCoordMissing = QStringLiteral("<坐标>列必须输入数据值...");
inline const QString kCoordIncomplete = QStringLiteral("坐标不完整");
inline const QString kPointNoReserved = QStringLiteral("<拐点号>不能是“标高”，也不能含有逗号...");
inline const QString kLonRange = QStringLiteral("<经度坐标>列数据超范围...");
inline const QString kLatRange = QStringLiteral("<纬度坐标>列数据超范围...");
inline const QString kLonMinSec = QStringLiteral("<经度坐标>列分、秒数据超范围(应小于60)...");
inline const QString kLatMinSec = QStringLiteral("<纬度坐标>列分、秒数据超范围(应小于60)...");
inline const QString kXRange = QStringLiteral("<X_坐标>列数据超范围...");
inline const QString kYRange = QStringLiteral("<Y_坐标>列数据超范围...");
inline const QString kNoEndMarker = QStringLiteral("最后一个区域没有结束标记...");
inline const QString kTooManyRegions = QStringLiteral("区域个数超过255个...");
inline const QString kElevIncomplete = QStringLiteral("<标高>数据不全,继续?");
inline const QString kTooFar = QStringLiteral("区域坐标填写不合理(与上点相差超过5000米),继续?");
inline const QString kSamePoint = QStringLiteral("区域坐标填写不合理(与上点相同),继续?");
// Appended to a range fault found before a save.
inline const QString kSaveAnyway = QStringLiteral("\n是否仍然保存?");

inline QString rowText(int row, const QString& text) {
    return QStringLiteral("第") + QString::number(row) + QStringLiteral("行") + text;
}

// Area calculation: region n (from 1) whose edges cross each other.
inline QString selfCrossing(int region) {
    return QStringLiteral("第") + QString::number(region) + QStringLiteral("区域边界自相交,无法计算面积!");
}

// Cell editing traps.
inline const QString kSetEditControlFailed = QStringLiteral("SET_EDIT_CONTROL模块出错。代码: ");
inline const QString kEditFlexGridFailed = QStringLiteral("EDIT_FLEX_GRID模块出错。代码: ");

// Block operations.
inline const QString kEditingNoCopy = QStringLiteral("编辑状态不能执行拷贝操作...");
inline const QString kEditingNoPaste = QStringLiteral("编辑状态不能执行粘贴操作...");
inline const QString kEditingNoInsert = QStringLiteral("编辑状态不能执行插入操作...");
inline const QString kEditingNoDelete = QStringLiteral("编辑状态不能执行删除操作...");
inline const QString kBlockOnEntryRow = QStringLiteral("块操作中不能是无效记录行...");
inline const QString kCopyColumns = QStringLiteral("拷贝列超出范围...");
inline const QString kNothingToPaste = QStringLiteral("没有定义可拷贝的块数据...");
inline const QString kBadClipboard = QStringLiteral("剪切板中数据不符合要求...");
// A paste that ends at clipboard line n: why, and that the rest was not pasted.
inline const QString kNotCommaData = QStringLiteral("不是逗号分隔的坐标数据");
inline const QString kBeyondLastRow = QStringLiteral("超出坐标表格的数据行");
inline QString pastedUpTo(int line, const QString& why) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行") + why +
           QStringLiteral("，其后内容未粘贴");
}
inline const QString kWrongStartColumn = QStringLiteral("光标所在位置与定义的块起始列不符...");
inline const QString kCannotInsertHere = QStringLiteral("该位置不能插入记录...");
inline const QString kInsertMultiRow = QStringLiteral("不能选定多行执行插入操作...");
inline const QString kDeleteEntryRow = QStringLiteral("删除记录中不能是无效记录行...");
inline const QString kDeleteOne = QStringLiteral("确认删除当前记录行的数据！");
inline QString deleteMany(bool upward, int n) {
    return QStringLiteral("确认删除从当前记录行以") + (upward ? QStringLiteral("上") : QStringLiteral("下")) +
           QString::number(n) + QStringLiteral("行数据！");
}

// Plot.
inline const QString kAskUntickAll = QStringLiteral("全部取消吗?");
inline const QString kAskTickAll = QStringLiteral("全部选中吗?");
inline const QString kPrintDone = QStringLiteral("打印完成！");
// The program's printer failure message (提示, exclamation).
inline const QString kPrintFailed = QStringLiteral("打印错误，请检查打印机安装是否正确！");
inline const QString kTick = QStringLiteral("√");

// Grid headers.
inline const QString kHeadNo = QStringLiteral("序号");
inline const QString kHeadPoint = QStringLiteral("拐点号");
inline const QString kHeadX = QStringLiteral("X_坐标(起标高)");
inline const QString kHeadY = QStringLiteral("Y_坐标(止标高)");
inline const QString kHeadLon = QStringLiteral("经度(起标高)");
inline const QString kHeadLat = QStringLiteral("纬度(止标高)");
inline const QString kHeadId = QStringLiteral("矿体标识");
inline const QString kHeadNature = QStringLiteral("性质");

} // namespace mf::gridmsg
