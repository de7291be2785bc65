#include "core/validation.h"

#include "core/app_state.h"
#include "core/dictionary.h"
#include "core/field_access.h"
#include "core/form_access.h"
#include "core/grid_graph_access.h"
#include "platform/dialogs.h"
#include "platform/text_file.h"
#include "platform/vb.h"

#include <array>
#include <optional>

namespace mf {

namespace {

struct KindChecks {
    QList<CheckedField> dates;
    QList<CheckedField> numbers;
};

const std::array<KindChecks, kKindCount + 1>& checks() {
    static const std::array<KindChecks, kKindCount + 1> table = {{
        {},
        // 1 新立
        {{{3, "填表时间"}},
         {{6, "邮编"}, {12, "设计规模"}, {13, "总储量"}, {15, "注册资金"}, {16, "投资额"},
          {18, "采深上限"}, {19, "采深下限"}, {20, "矿区面积"}, {21, "采矿回采率"},
          {22, "矿石贫化率"}, {23, "选矿回收率"}, {24, "应缴纳采矿权价款"}, {25, "所在行政区"},
          {27, "设计年限"}}},
        // 2 变更
        {{{4, "填表时间"}, {15, "原有效期起"}, {16, "原有效期止"}},
         {{7, "邮编"}, {10, "设计规模"}, {11, "总储量"}, {12, "所在行政区"},
          {18, "应缴纳采矿权价款"}, {19, "采深上限"}, {20, "采深下限"}, {22, "矿区面积"}}},
        // 3 延续
        {{{4, "填表时间"}, {13, "原有效期起"}, {14, "原有效期止"}},
         {{7, "邮编"}, {9, "设计规模"}, {10, "总储量"}, {12, "应缴纳采矿权价款"}, {15, "所在行政区"}}},
        // 4 注销
        {{{4, "填表时间"}, {9, "原有效期起"}, {10, "原有效期止"}},
         {{7, "邮编"}, {11, "所在行政区"}}},
        // 5 划定矿区范围
        {{{3, "填表时间"}, {14, "有效期起"}, {15, "有效期止"}},
         {{6, "邮编"}, {8, "所在行政区"}, {10, "规划规模"}, {11, "总储量"}, {13, "保留期限"},
          {18, "采深上限"}, {19, "采深下限"}, {20, "矿区面积"}}},
        // 6 转让
        {{{4, "填表时间"}, {12, "采矿权获得时间"}, {16, "原有效期起"}, {17, "原有效期止"},
          {22, "开始生产时间"}, {46, "预期建矿时间"}, {52, "主管签字时间"}, {54, "审批时间"}},
         {{7, "邮编"}, {18, "采矿权评估值"}, {19, "转让价格"}, {23, "应缴使用费"},
          {24, "减免使用费"}, {25, "实缴使用费"}, {26, "应缴补偿费"}, {27, "减免补偿费"},
          {28, "实缴补偿费"}, {29, "应缴资源税"}, {30, "减免资源税"}, {31, "实缴资源税"},
          {32, "应缴采矿权价款"}, {33, "减免采矿权价款"}, {34, "实缴采矿权价款"},
          {35, "矿区面积"}, {40, "受让人邮编"}}},
        // 7 年检
        {{{3, "填表日期"}, {45, "采矿权人日期"}},
         {{6, "邮编"}, {8, "发证机关编码"}, {12, "有效期限"}, {13, "年产矿石量"},
          {14, "工业总产值"}, {15, "年销售收入"}, {16, "设计回采率"}, {17, "实际回采率"},
          {18, "核定回采率"}, {19, "核定实际回采率"}, {20, "设计回收率"}, {21, "实际回收率"},
          {22, "应缴补偿费"}, {23, "减免补偿费"}, {24, "实缴补偿费"}, {25, "当年欠缴补偿费"},
          {26, "累计欠缴补偿费"}, {27, "应缴使用费"}, {28, "减免使用费"}, {29, "实缴使用费"},
          {30, "当年欠缴使用费"}, {31, "累计欠缴使用费"}, {32, "应缴价款"}, {33, "减免价款"},
          {34, "实缴价款"}, {35, "当年欠缴价款"}, {36, "累计欠缴价款"}}},
    }};
    return table;
}

bool listed(const QList<CheckedField>& fields, int index) {
    for (const CheckedField& f : fields)
        if (f.index == index) return true;
    return false;
}

void reject(FormAccess& form, ControlArray array, int index, const QString& text) {
    dialogs().message(QStringLiteral("错误"), text, MsgIcon::Exclamation, MsgButtons::Ok);
    form.focusField(array, index);
}

void reject(FormAccess& form, int index, const char* suffix) {
    reject(form, ControlArray::ChTXT, index, form.fieldName(ControlArray::ChTXT, index) + QString::fromUtf8(suffix));
}

// A main mineral as the pickers leave it: a dictionary code, optionally its name.
bool isMineralItem(const QString& text) {
    const qsizetype blank = text.indexOf(u' ');
    const QString code = blank < 0 ? text : text.left(blank);
    if (code.size() != 5)
        return false;
    for (QChar c : code)
        if (c < u'0' || c > u'9')
            return false;
    const QString name = dictionary().GetMineralName(code);
    if (name == QLatin1String("未知"))
        return false;
    const QString rest = blank < 0 ? QString() : vb::trim(text.mid(blank + 1));
    return rest.isEmpty() || rest == name;
}

struct Located {
    ControlArray array;
    int index;
};

// How a field is named in the question: a field holding characters that no stored file
// may hold says that they are dropped.
QString questionName(const QString& name, const QString& text) {
    bool dropped = false;
    storableText(text, &dropped);
    return dropped ? name + QStringLiteral("（含有无法保存的字符，保存时将删除）") : name;
}

bool storable(const QString& text) {
    bool dropped = false;
    storableText(text, &dropped);
    return !dropped;
}

// The fields whose text a GBK reader would not get back, or that hold characters no stored
// file may hold, by field name, and the first one.
QStringList fieldsOutsideGbk(FormAccess& form, std::optional<Located>* first) {
    QStringList names;
    for (ControlArray a : {ControlArray::ChTXT, ControlArray::ChMEMO, ControlArray::ChCBO}) {
        for (int i : form.indexes(a)) {
            const QString text = form.text(a, i);
            if (readableAsGbk(text) && storable(text))
                continue;
            if (!*first)
                *first = Located{a, i};
            const QString name = questionName(form.fieldName(a, i), text);
            if (!names.contains(name))
                names << name;
        }
    }
    if (GridGraphAccess* grid = form.gridGraph()) {
        const QString boundary = grid->ZB_String();
        if (!readableAsGbk(boundary) || !storable(boundary))
            names << questionName(QStringLiteral("矿区范围拐点坐标"), boundary);
    }
    return names;
}

} // namespace

const QList<CheckedField>& validatedDateFields(int kind) {
    return checks()[isKind(kind) ? kind : 0].dates;
}

const QList<CheckedField>& validatedNumberFields(int kind) {
    return checks()[isKind(kind) ? kind : 0].numbers;
}

bool IsValidDate(const QString& text) { return vb::isDate(text); }

bool ValidateCurrentForm(FormAccess* form) {
    const int kind = state().CurrentKind;
    if (!isKind(kind) || !form || form->kind() != kind) return false;

    if (kindHasMiningArea(kind)) {
        GridGraphAccess* grid = form->gridGraph();
        if (!grid) return false;
        // The control reports its own findings; a False verdict stops here.
        grid->Check_ZB(2);
        if (!grid->CheckZB()) return false;
    }

    const KindChecks& c = checks()[kind];
    // One pass in index order, so the first failing field is the one reported.
    for (int i : form->indexes(ControlArray::ChTXT)) {
        const bool isDateField = listed(c.dates, i);
        const bool isNumberField = listed(c.numbers, i);
        if (!isDateField && !isNumberField) continue;
        const QString text = form->text(ControlArray::ChTXT, i);
        if (text.isEmpty()) continue;
        if (isDateField && !IsValidDate(text)) {
            reject(*form, i, "应填写日期型数据...");
            return false;
        }
        if (isNumberField && !vb::isNumeric(text)) {
            reject(*form, i, "应填写数值型数据...");
            return false;
        }
    }
    // The main mineral is stored by its code: a typed text that is no dictionary item would
    // be stored as 0 (text) or lost on reopening (XML).
    for (int i : form->indexes(ControlArray::ChCBO)) {
        if (form->fieldName(ControlArray::ChCBO, i) != kMainMineralField) continue;
        const QString text = vb::trim(form->text(ControlArray::ChCBO, i));
        if (text.isEmpty() || isMineralItem(text)) continue;
        reject(*form, ControlArray::ChCBO, i, QStringLiteral("开采主矿种必须从矿种列表中选择..."));
        return false;
    }
    // Characters a GBK reader cannot read: the user decides once, for all fields.
    std::optional<Located> first;
    const QStringList outside = fieldsOutsideGbk(*form, &first);
    if (!outside.isEmpty()) {
        const QString q = QStringLiteral("以下内容含有GBK字符集以外的字符，接收方可能无法识别，是否继续保存？\n") +
                          outside.join(u'\n');
        if (dialogs().message(QStringLiteral("提示"), q, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes) {
            if (first) form->focusField(first->array, first->index);
            return false;
        }
    }
    return true;
}

} // namespace mf
