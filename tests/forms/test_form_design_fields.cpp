// The data controls of the seven form designs: array, index, field name and page of every
// field, as the submission files, validators and look-ups rely on them.
#include "forms/form_design.h"
#include "forms/kind_profile.h"
#include "test_support.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace mf {
namespace {

struct FieldRow {
    int kind;
    const char* array;
    int index;
    const char* field;
    int page;
};

// Every data control of every form, in array order.
const FieldRow kFields[] = {
    {1, "ChTXT", 0, "申请人", 0},
    {1, "ChTXT", 1, "矿山名称", 0},
    {1, "ChTXT", 2, "填表人", 0},
    {1, "ChTXT", 3, "填表时间", 0},
    {1, "ChTXT", 4, "批准文号", 2},
    {1, "ChTXT", 5, "地址", 2},
    {1, "ChTXT", 6, "邮编", 2},
    {1, "ChTXT", 7, "勘查许可证号", 2},
    {1, "ChTXT", 8, "开户银行", 2},
    {1, "ChTXT", 9, "电话", 2},
    {1, "ChTXT", 10, "法定代表人", 2},
    {1, "ChTXT", 11, "其它主矿种", 2},
    {1, "ChTXT", 12, "设计规模", 2},
    {1, "ChTXT", 13, "总储量", 2},
    {1, "ChTXT", 14, "帐号", 2},
    {1, "ChTXT", 15, "注册资金", 2},
    {1, "ChTXT", 16, "投资额", 2},
    {1, "ChTXT", 17, "项目审批机关", 2},
    {1, "ChTXT", 18, "采深上限", 4},
    {1, "ChTXT", 19, "采深下限", 4},
    {1, "ChTXT", 20, "矿区面积", 4},
    {1, "ChTXT", 21, "采矿回采率", 3},
    {1, "ChTXT", 22, "矿石贫化率", 3},
    {1, "ChTXT", 23, "选矿回收率", 3},
    {1, "ChTXT", 24, "应缴纳采矿权价款", 3},
    {1, "ChTXT", 25, "所在行政区", 2},
    {1, "ChTXT", 26, "划矿备案号", 2},
    {1, "ChTXT", 27, "设计年限", 2},
    {1, "ChTXT", 28, "储量单位", 2},
    {1, "ChTXT", 29, "矿石类型", 2},
    {1, "ChMEMO", 0, "地质报告审批情况", 2},
    {1, "ChMEMO", 1, "探明地质储量", 2},
    {1, "ChMEMO", 2, "设计利用储量", 2},
    {1, "ChMEMO", 3, "矿石品位", 3},
    {1, "ChMEMO", 4, "综合回收", 3},
    {1, "ChMEMO", 5, "最终产品", 3},
    {1, "ChMEMO", 6, "探矿权取得方式", 3},
    {1, "ChMEMO", 7, "价款处置方式说明", 3},
    {1, "ChCBO", 0, "经济类型", 2},
    {1, "ChCBO", 1, "资金来源", 2},
    {1, "ChCBO", 2, "开采主矿种", 2},
    {1, "ChCBO", 3, "采矿权取得方式", 2},
    {1, "ChCBO", 4, "开采方式", 3},
    {1, "ChCBO", 5, "采矿方法", 3},
    {1, "ChCBO", 6, "选矿方法", 3},
    {1, "ChCBO", 7, "价款处置方式", 3},
    {1, "ChCBO", 8, "注册资金单位", 2},
    {1, "ChCBO", 9, "投资额单位", 2},
    {1, "ExistTXT", 0, "采深上限", 3},
    {1, "ExistTXT", 1, "采深下限", 3},
    {1, "ExistTXT", 2, "矿区面积", 3},
    {1, "ExistTXT", 3, "采矿权使用费", 3},
    {1, "CheckTogether", -1, "共伴生类型", 2},
    {2, "ChTXT", 0, "申请人", 0},
    {2, "ChTXT", 1, "矿山名称", 0},
    {2, "ChTXT", 2, "填表人", 0},
    {2, "ChTXT", 3, "原许可证号", 0},
    {2, "ChTXT", 4, "填表时间", 0},
    {2, "ChTXT", 5, "法定代表人", 2},
    {2, "ChTXT", 6, "地址", 2},
    {2, "ChTXT", 7, "邮编", 2},
    {2, "ChTXT", 8, "电话", 2},
    {2, "ChTXT", 9, "其它主矿种", 2},
    {2, "ChTXT", 10, "设计规模", 2},
    {2, "ChTXT", 11, "总储量", 2},
    {2, "ChTXT", 12, "所在行政区", 2},
    {2, "ChTXT", 13, "项目审批机关", 2},
    {2, "ChTXT", 14, "批准文号", 2},
    {2, "ChTXT", 15, "原有效期起", 2},
    {2, "ChTXT", 16, "原有效期止", 2},
    {2, "ChTXT", 17, "勘查许可证号", 2},
    {2, "ChTXT", 18, "应缴纳采矿权价款", 2},
    {2, "ChTXT", 19, "采深上限", 4},
    {2, "ChTXT", 20, "采深下限", 4},
    {2, "ChTXT", 21, "采矿权使用费", 4},
    {2, "ChTXT", 22, "矿区面积", 4},
    {2, "ChTXT", 23, "储量单位", 2},
    {2, "ChTXT", 24, "矿石类型", 2},
    {2, "ChMEMO", 0, "申请原因", 2},
    {2, "ChMEMO", 1, "设计利用储量", 3},
    {2, "ChMEMO", 2, "备注", 3},
    {2, "ChMEMO", 3, "变更内容", 2},
    {2, "ChCBO", 0, "经济类型", 2},
    {2, "ChCBO", 1, "开采方式", 2},
    {2, "ChCBO", 2, "开采主矿种", 2},
    {2, "ChCBO", 3, "采矿权取得方式", 2},
    {2, "ChCBO", 4, "价款处置方式", 2},
    {2, "ExistTXT", 0, "采深上限", 3},
    {2, "ExistTXT", 1, "采深下限", 3},
    {2, "ExistTXT", 2, "矿区面积", 3},
    {2, "ExistTXT", 3, "采矿权使用费", 3},
    {2, "CbCHK", 0, "变更类型", 2},
    {2, "CbCHK", 1, "变更类型", 2},
    {2, "CbCHK", 2, "变更类型", 2},
    {2, "CbCHK", 3, "变更类型", 2},
    {2, "CbCHK", 4, "变更类型", 2},
    {2, "CheckTogether", -1, "", 2},
    {3, "ChTXT", 0, "申请人", 0},
    {3, "ChTXT", 1, "矿山名称", 0},
    {3, "ChTXT", 2, "填表人", 0},
    {3, "ChTXT", 3, "原许可证号", 0},
    {3, "ChTXT", 4, "填表时间", 0},
    {3, "ChTXT", 5, "法定代表人", 2},
    {3, "ChTXT", 6, "地址", 2},
    {3, "ChTXT", 7, "邮编", 2},
    {3, "ChTXT", 8, "电话", 2},
    {3, "ChTXT", 9, "设计规模", 2},
    {3, "ChTXT", 10, "总储量", 2},
    {3, "ChTXT", 11, "勘查许可证号", 2},
    {3, "ChTXT", 12, "应缴纳采矿权价款", 2},
    {3, "ChTXT", 13, "原有效期起", 2},
    {3, "ChTXT", 14, "原有效期止", 2},
    {3, "ChTXT", 15, "所在行政区", 2},
    {3, "ChMEMO", 0, "申请原因", 2},
    {3, "ChMEMO", 1, "设计利用储量", 2},
    {3, "ChMEMO", 2, "备注", 2},
    {3, "ChCBO", 0, "经济类型", 2},
    {3, "ChCBO", 1, "采矿权取得方式", 2},
    {3, "ChCBO", 2, "价款处置方式", 2},
    {4, "ChTXT", 0, "申请人", 0},
    {4, "ChTXT", 1, "矿山名称", 0},
    {4, "ChTXT", 2, "原许可证号", 0},
    {4, "ChTXT", 3, "填表人", 0},
    {4, "ChTXT", 4, "填表时间", 0},
    {4, "ChTXT", 5, "法定代表人", 2},
    {4, "ChTXT", 6, "地址", 2},
    {4, "ChTXT", 7, "邮编", 2},
    {4, "ChTXT", 8, "电话", 2},
    {4, "ChTXT", 9, "原有效期起", 2},
    {4, "ChTXT", 10, "原有效期止", 2},
    {4, "ChTXT", 11, "所在行政区", 2},
    {4, "ChTXT", 12, "项目审批机关", 2},
    {4, "ChTXT", 13, "批准文号", 2},
    {4, "ChMEMO", 0, "申请原因", 2},
    {4, "ChMEMO", 1, "设计利用储量", 2},
    {4, "ChMEMO", 2, "补偿费交纳情况", 2},
    {4, "ChMEMO", 3, "使用费交纳情况", 2},
    {4, "ChMEMO", 4, "价款处置情况", 2},
    {4, "ChMEMO", 5, "备注", 2},
    {4, "ChCBO", 0, "经济类型", 2},
    {5, "ChTXT", 0, "申请人", 0},
    {5, "ChTXT", 1, "矿区名称", 0},
    {5, "ChTXT", 2, "填表人", 0},
    {5, "ChTXT", 3, "填表时间", 0},
    {5, "ChTXT", 4, "法定代表人", 2},
    {5, "ChTXT", 5, "地址", 2},
    {5, "ChTXT", 6, "邮编", 2},
    {5, "ChTXT", 7, "电话", 2},
    {5, "ChTXT", 8, "所在行政区", 2},
    {5, "ChTXT", 9, "其它主矿种", 2},
    {5, "ChTXT", 10, "规划规模", 2},
    {5, "ChTXT", 11, "总储量", 2},
    {5, "ChTXT", 12, "勘查许可证号", 2},
    {5, "ChTXT", 13, "保留期限", 2},
    {5, "ChTXT", 14, "有效期起", 2},
    {5, "ChTXT", 15, "有效期止", 2},
    {5, "ChTXT", 16, "审批机关", 2},
    {5, "ChTXT", 17, "批准文号", 2},
    {5, "ChTXT", 18, "采深上限", 4},
    {5, "ChTXT", 19, "采深下限", 4},
    {5, "ChTXT", 20, "矿区面积", 4},
    {5, "ChTXT", 21, "储量单位", 2},
    {5, "ChTXT", 22, "矿石类型", 2},
    {5, "ChMEMO", 0, "地质储量", 2},
    {5, "ChMEMO", 1, "可采储量", 2},
    {5, "ChMEMO", 2, "探矿权取得方式", 2},
    {5, "ChMEMO", 3, "规划生产能力", 3},
    {5, "ChMEMO", 4, "备注", 3},
    {5, "ChCBO", 0, "经济类型", 2},
    {5, "ChCBO", 1, "采矿权取得方式", 2},
    {5, "ChCBO", 2, "开采主矿种", 2},
    {5, "ExistTXT", 0, "采深上限", 3},
    {5, "ExistTXT", 1, "采深下限", 3},
    {5, "ExistTXT", 2, "矿区面积", 3},
    {5, "CheckTogether", -1, "共伴生类型", 2},
    {6, "ChTXT", 0, "转让申请人", 0},
    {6, "ChTXT", 1, "矿山名称", 0},
    {6, "ChTXT", 2, "填表人", 0},
    {6, "ChTXT", 3, "受让人", 0},
    {6, "ChTXT", 4, "填表时间", 0},
    {6, "ChTXT", 5, "法定代表人", 2},
    {6, "ChTXT", 6, "地址", 2},
    {6, "ChTXT", 7, "邮编", 2},
    {6, "ChTXT", 8, "电话", 2},
    {6, "ChTXT", 9, "传真", 2},
    {6, "ChTXT", 10, "帐号", 2},
    {6, "ChTXT", 11, "开户银行", 2},
    {6, "ChTXT", 12, "采矿权获得时间", 2},
    {6, "ChTXT", 13, "采矿权转让原因", 2},
    {6, "ChTXT", 14, "原许可证号", 2},
    {6, "ChTXT", 15, "原项目审批机关", 2},
    {6, "ChTXT", 16, "原有效期起", 2},
    {6, "ChTXT", 17, "原有效期止", 2},
    {6, "ChTXT", 18, "采矿权评估值", 2},
    {6, "ChTXT", 19, "转让价格", 2},
    {6, "ChTXT", 20, "评估机构名称", 2},
    {6, "ChTXT", 21, "评估机构资格证号", 2},
    {6, "ChTXT", 22, "开始生产时间", 2},
    {6, "ChTXT", 23, "应缴使用费", 2},
    {6, "ChTXT", 24, "减免使用费", 2},
    {6, "ChTXT", 25, "实缴使用费", 2},
    {6, "ChTXT", 26, "应缴补偿费", 2},
    {6, "ChTXT", 27, "减免补偿费", 2},
    {6, "ChTXT", 28, "实缴补偿费", 2},
    {6, "ChTXT", 29, "应缴资源税", 2},
    {6, "ChTXT", 30, "减免资源税", 2},
    {6, "ChTXT", 31, "实缴资源税", 2},
    {6, "ChTXT", 32, "应缴采矿权价款", 2},
    {6, "ChTXT", 33, "减免采矿权价款", 2},
    {6, "ChTXT", 34, "实缴采矿权价款", 2},
    {6, "ChTXT", 35, "矿区面积", 2},
    {6, "ChTXT", 36, "地理位置", 2},
    {6, "ChTXT", 37, "所在行政区", 2},
    {6, "ChTXT", 38, "受让人法定代表人", 3},
    {6, "ChTXT", 39, "受让人地址", 3},
    {6, "ChTXT", 40, "受让人邮编", 3},
    {6, "ChTXT", 41, "受让人电话", 3},
    {6, "ChTXT", 42, "受让人传真", 3},
    {6, "ChTXT", 43, "受让人帐号", 3},
    {6, "ChTXT", 44, "受让人开户银行", 3},
    {6, "ChTXT", 45, "准备投资规模", 3},
    {6, "ChTXT", 46, "预期建矿时间", 3},
    {6, "ChTXT", 47, "预期开采规模", 3},
    {6, "ChTXT", 48, "资金条件", 3},
    {6, "ChTXT", 49, "技术条件", 3},
    {6, "ChTXT", 50, "设备条件", 3},
    {6, "ChTXT", 51, "主管部门意见", 3},
    {6, "ChTXT", 52, "主管签字时间", 3},
    {6, "ChTXT", 53, "审批机关意见", 3},
    {6, "ChTXT", 54, "审批时间", 3},
    {6, "ChCBO", 0, "经济类型", 2},
    {6, "ChCBO", 1, "采矿权取得方式", 2},
    {6, "ChCBO", 2, "采矿权转让方式", 2},
    {6, "ChCBO", 3, "采矿权属有无争议", 2},
    {6, "ChCBO", 4, "采矿权价款缴纳方式", 2},
    {6, "ChCBO", 5, "受让人经济类型", 3},
    {6, "p1DATA", 58, "审批通知书文号", 0},
    {7, "ChTXT", 0, "申请人", 0},
    {7, "ChTXT", 1, "矿山名称", 0},
    {7, "ChTXT", 2, "法定代表人", 0},
    {7, "ChTXT", 3, "填表日期", 0},
    {7, "ChTXT", 4, "电话", 2},
    {7, "ChTXT", 5, "地址", 2},
    {7, "ChTXT", 6, "邮编", 2},
    {7, "ChTXT", 7, "许可证号", 2},
    {7, "ChTXT", 8, "发证机关编码", 2},
    {7, "ChTXT", 9, "发证机关名称", 2},
    {7, "ChTXT", 10, "有效期起", 2},
    {7, "ChTXT", 11, "有效期止", 2},
    {7, "ChTXT", 12, "有效期限", 2},
    {7, "ChTXT", 13, "年产矿石量", 2},
    {7, "ChTXT", 14, "工业总产值", 2},
    {7, "ChTXT", 15, "年销售收入", 2},
    {7, "ChTXT", 16, "设计回采率", 2},
    {7, "ChTXT", 17, "实际回采率", 2},
    {7, "ChTXT", 18, "核定回采率", 2},
    {7, "ChTXT", 19, "核定实际回采率", 2},
    {7, "ChTXT", 20, "设计回收率", 2},
    {7, "ChTXT", 21, "实际回收率", 2},
    {7, "ChTXT", 22, "应缴补偿费", 2},
    {7, "ChTXT", 23, "减免补偿费", 2},
    {7, "ChTXT", 24, "实缴补偿费", 2},
    {7, "ChTXT", 25, "当年欠缴补偿费", 2},
    {7, "ChTXT", 26, "累计欠缴补偿费", 2},
    {7, "ChTXT", 27, "应缴使用费", 2},
    {7, "ChTXT", 28, "减免使用费", 2},
    {7, "ChTXT", 29, "实缴使用费", 2},
    {7, "ChTXT", 30, "当年欠缴使用费", 2},
    {7, "ChTXT", 31, "累计欠缴使用费", 2},
    {7, "ChTXT", 32, "应缴价款", 2},
    {7, "ChTXT", 33, "减免价款", 2},
    {7, "ChTXT", 34, "实缴价款", 2},
    {7, "ChTXT", 35, "当年欠缴价款", 2},
    {7, "ChTXT", 36, "累计欠缴价款", 2},
    {7, "ChTXT", 37, "其它主矿种", 2},
    {7, "ChTXT", 38, "设计规模", 2},
    {7, "ChTXT", 39, "实际开采能力", 2},
    {7, "ChTXT", 40, "设计年限", 2},
    {7, "ChTXT", 41, "尚可服务年限", 2},
    {7, "ChTXT", 42, "所在行政区", 2},
    {7, "ChTXT", 43, "所在行政区名称", 2},
    {7, "ChTXT", 44, "采矿权负责人", 2},
    {7, "ChTXT", 45, "采矿权人日期", 2},
    {7, "ChTXT", 46, "开发方案实施情况", 2},
    {7, "ChTXT", 47, "变更情况", 3},
    {7, "ChTXT", 48, "费款缴纳情况", 3},
    {7, "ChTXT", 49, "采矿权转让情况", 3},
    {7, "ChTXT", 50, "考核及台帐情况", 3},
    {7, "ChTXT", 51, "年报上报情况", 3},
    {7, "ChTXT", 52, "综合利用情况", 3},
    {7, "ChTXT", 53, "违法采矿情况", 3},
    {7, "ChTXT", 54, "上年整改情况", 3},
    {7, "ChTXT", 55, "其它情况", 3},
    {7, "ChTXT", 56, "年检年度", 0},
    {7, "ChCBO", 0, "经济类型", 2},
    {7, "ChCBO", 1, "开采方式", 2},
    {7, "ChCBO", 2, "开采主矿种", 2},
    {7, "ChCBO", 3, "矿山企业规模", 2},
    {7, "ExistTXT", 0, "矿山名称", 2},
};

const QStringList kDataArrays = {"ChTXT", "ChMEMO", "ChCBO", "ExistTXT", "CbCHK", "CheckTogether", "p1DATA"};

FormDesign design(int kind) {
    QString error;
    FormDesign d = loadFormDesign(kindProfile(kind).designResource(), &error);
    EXPECT_TRUE(d.isValid()) << error.toStdString();
    return d;
}

TEST(FormDesignFields, EveryFieldOfTheTablesIsOnItsPageWithItsFieldName) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (const FieldRow& r : kFields) {
            if (r.kind != kind)
                continue;
            const DesignControl* c = d.find(QString::fromLatin1(r.array), r.index);
            ASSERT_NE(c, nullptr) << "kind " << kind << " lacks " << r.array << "(" << r.index << ")";
            EXPECT_EQ(c->fieldName, QString::fromUtf8(r.field)) << "kind " << kind << " " << r.array << r.index;
            EXPECT_EQ(c->page, r.page) << "kind " << kind << " " << r.array << r.index;
        }
    }
}

TEST(FormDesignFields, NoDataControlBeyondTheTables) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        std::set<std::pair<QString, int>> expected;
        for (const FieldRow& r : kFields)
            if (r.kind == kind)
                expected.insert({QString::fromLatin1(r.array), r.index});
        for (const DesignControl& c : d.controls) {
            if (!kDataArrays.contains(c.name))
                continue;
            EXPECT_TRUE(expected.count({c.name, c.index}))
                << "kind " << kind << " has an extra data control " << c.displayName().toStdString();
        }
    }
}

TEST(FormDesignFields, ArraysRunFromZeroWithoutGapsAndHaveTheRightTypes) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (const char* name : {"ChTXT", "ChMEMO", "ChCBO", "ExistTXT", "CbCHK"}) {
            const auto members = d.array(QString::fromLatin1(name));
            for (size_t i = 0; i < members.size(); ++i)
                EXPECT_EQ(members[i]->index, int(i)) << "kind " << kind << " " << name;
            for (const DesignControl* c : members) {
                const ControlType want = QLatin1String(name) == QLatin1String("ChCBO") ? ControlType::ComboBox
                                         : QLatin1String(name) == QLatin1String("CbCHK") ? ControlType::CheckBox
                                                                                      : ControlType::TextBox;
                EXPECT_EQ(c->type, want) << "kind " << kind << " " << c->displayName().toStdString();
            }
        }
        for (const DesignControl* m : d.array(QStringLiteral("ChMEMO")))
            EXPECT_TRUE(m->multiLine) << "kind " << kind << " " << m->displayName().toStdString();
    }
}

TEST(FormDesignFields, CountsPerForm) {
    struct Count { int kind, txt, memo, cbo, exist, chk; bool together; };
    const Count counts[] = {{1, 30, 8, 10, 4, 0, true},  {2, 25, 4, 5, 4, 5, true}, {3, 16, 3, 3, 0, 0, false},
                            {4, 14, 6, 1, 0, 0, false},  {5, 23, 5, 3, 3, 0, true}, {6, 55, 0, 6, 0, 0, false},
                            {7, 57, 0, 4, 1, 0, false}};
    for (const Count& n : counts) {
        const FormDesign d = design(n.kind);
        EXPECT_EQ(d.array("ChTXT").size(), size_t(n.txt)) << n.kind;
        EXPECT_EQ(d.array("ChMEMO").size(), size_t(n.memo)) << n.kind;
        EXPECT_EQ(d.array("ChCBO").size(), size_t(n.cbo)) << n.kind;
        EXPECT_EQ(d.array("ExistTXT").size(), size_t(n.exist)) << n.kind;
        EXPECT_EQ(d.array("CbCHK").size(), size_t(n.chk)) << n.kind;
        const DesignControl* together = d.find("CheckTogether");
        EXPECT_EQ(together != nullptr, n.together) << n.kind;
        if (together) {
            EXPECT_EQ(together->type, ControlType::CheckBox);
            EXPECT_EQ(together->caption, QStringLiteral("共伴生"));
        }
        const DesignControl* p1 = d.find("p1DATA", 58);
        EXPECT_EQ(p1 != nullptr, n.kind == 6) << n.kind;
    }
}

TEST(FormDesignFields, SameFieldNameOnTwoControls) {
    // The figure box repeats the field of the page-4 box; look-ups walk ChTXT first.
    const FormDesign d1 = design(1);
    auto names = [](const std::vector<const DesignControl*>& cs) {
        std::map<QString, int> out;   // control -> page
        for (const DesignControl* c : cs)
            out[c->displayName()] = c->page;
        return out;
    };
    EXPECT_EQ(names(d1.withField(QStringLiteral("采深上限"))),
              (std::map<QString, int>{{"ChTXT(18)", 4}, {"ExistTXT(0)", 3}}));
    const FormDesign d7 = design(7);
    EXPECT_EQ(names(d7.withField(QStringLiteral("矿山名称"))),
              (std::map<QString, int>{{"ChTXT(1)", 0}, {"ExistTXT(0)", 2}}));
    // The change-type boxes all carry one field name, with their own captions.
    const FormDesign d2 = design(2);
    const QStringList caps = {"矿山企业名称变更", "开采主矿种", "开采方式变更", "矿区范围变更", "采矿权转让"};
    const auto chk = d2.array("CbCHK");
    ASSERT_EQ(chk.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(chk[size_t(i)]->fieldName, QStringLiteral("变更类型"));
        EXPECT_EQ(chk[size_t(i)]->caption, caps[i]);
    }
    EXPECT_TRUE(d2.find("CheckTogether")->fieldName.isEmpty());
    EXPECT_TRUE(d2.withField(QStringLiteral("共伴生类型")).empty());
    for (int kind : {1, 3, 4, 5, 6, 7})
        EXPECT_TRUE(design(kind).withField(QStringLiteral("变更类型")).empty()) << kind;
}

TEST(FormDesignFields, EachDataControlOnceAndNoDataOnTheInstructionsPage) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        QSet<QString> seen;
        for (const DesignControl& c : d.controls) {
            EXPECT_FALSE(seen.contains(c.displayName().toLower())) << kind << c.displayName().toStdString();
            seen.insert(c.displayName().toLower());
            if (kDataArrays.contains(c.name))
                EXPECT_NE(c.page, 1) << kind << c.displayName().toStdString();
        }
    }
}

TEST(FormDesignFields, ReserveUnitAndOreTypeAreHiddenAndDisabled) {
    const std::pair<int, std::pair<int, int>> kinds[] = {{1, {28, 29}}, {2, {23, 24}}, {5, {21, 22}}};
    for (const auto& [kind, idx] : kinds) {
        const FormDesign d = design(kind);
        for (int i : {idx.first, idx.second}) {
            const DesignControl* c = d.find("ChTXT", i);
            ASSERT_NE(c, nullptr);
            EXPECT_FALSE(c->visible) << kind << " " << i;
            EXPECT_FALSE(c->enabled) << kind << " " << i;
        }
    }
}

// The dictionary's field list, when present, names the same fields as the designs.
TEST(FormDesignFields, AgreesWithTheFieldListOfTheDictionarySources) {
    QFile file(test::sourceDir() + QStringLiteral("/data/dict/form_fields.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "no data/dict/form_fields.tsv";
    std::map<int, FormDesign> designs;
    for (int kind = 1; kind <= 7; ++kind) {
        designs[kind] = design(kind);
        QStringList stored;   // the quick read of the start-up's check gives what the whole design gives
        for (const DesignControl& c : designs[kind].controls)
            if (c.isArrayMember() && (c.name == "ChTXT" || c.name == "ChMEMO" || c.name == "ChCBO")) stored << c.fieldName;
        EXPECT_EQ(dataFieldNames(kindProfile(kind).designResource()), stored) << kind;
    }
    std::set<std::tuple<int, QString, int>> listed;
    int lineNo = 0;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        ++lineNo;
        QString line = QString::fromUtf8(raw);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(u'\t');
        bool ok = false;
        const int kind = f.value(0).toInt(&ok);
        if (!ok || f.size() < 4)
            continue;   // a header line
        // An empty index names a single control.
        const int index = f[2].isEmpty() ? -1 : f[2].toInt();
        listed.insert({kind, f[1], index});
        ASSERT_TRUE(designs.count(kind)) << "line " << lineNo;
        const DesignControl* c = designs[kind].find(f[1], index);
        ASSERT_NE(c, nullptr) << "line " << lineNo << ": kind " << kind << " " << f[1].toStdString() << "(" << index << ")";
        EXPECT_EQ(c->fieldName, f[3]) << "line " << lineNo;
    }
    for (const FieldRow& r : kFields)
        EXPECT_TRUE(listed.count({r.kind, QString::fromLatin1(r.array), r.index}))
            << "form_fields.tsv lacks kind " << r.kind << " " << r.array << "(" << r.index << ")";
}


TEST(FormDesignFields, TheInstructionForTheNumberFieldOfThePriceAsksForZero) {
    // 应缴纳采矿权价款 takes a number on kinds 1 to 3: "无" would fail the save check.
    for (int kind : {1, 2, 3}) {
        int found = 0;
        for (const DesignControl& c : design(kind).controls) {
            if (c.name != "lblExplain" || !c.caption.contains("不涉及")) continue;
            ++found;
            EXPECT_TRUE(c.caption.contains("不涉及的填0")) << kind;
            EXPECT_FALSE(c.caption.contains("无”")) << kind;
        }
        EXPECT_EQ(found, 1) << kind;
    }
}

} // namespace
} // namespace mf
