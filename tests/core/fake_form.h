#pragma once
// A widget-free editor form for the tests of field access and the submission files: the
// control arrays of each kind with the counts of the real forms, a coordinate control that
// keeps its boundary string, and the fixture field maps that go with them.
#include "core/dictionary.h"
#include "core/field_access.h"
#include "core/form_access.h"
#include "core/grid_graph_access.h"

#include <QHash>
#include <QMap>
#include <memory>

namespace mf::test {

class FakeGrid : public GridGraphAccess {
public:
    QString stored;       // the stored boundary string
    QString shown;        // what the table shows since the last init_grid_graph
    qint16 type = 0;
    int initCount = 0;

    QString ZB_String() override { return shown; }
    bool setZB_String(const QString& s) override {
        stored = s.contains(u',') ? s : QString();
        return true;
    }
    qint16 ZB_Type() const override { return type; }
    void setZB_Type(qint16 t) override { type = t; }
    void init_grid_graph() override {
        shown = stored == QStringLiteral("0,") ? QString() : stored;
        ++initCount;
    }
    void Coor_Select() override {}
    void Check_ZB(qint16) override {}
    bool CheckZB() const override { return true; }
    void Area_Calc() override {}
    QString Area_Size() const override { return {}; }
    bool AreaCalcPassed() const override { return false; }
    void Graph_Draw(qint16) override {}
};

struct FakeControl {
    QString fieldName;
    QString text;
    QStringList items;       // combos
    int current = -1;        // combos
    bool codeList = false;   // combos
};

class FakeForm : public FormAccess {
public:
    int kindValue = 0;
    QMap<ControlArray, QList<FakeControl>> arrays;
    bool hasTogether = false;
    bool together = false;
    QList<bool> changeTypes;
    std::unique_ptr<FakeGrid> grid;
    int setTextCalls = 0;

    FakeControl& at(ControlArray a, int i) { return arrays[a][i]; }
    const FakeControl& at(ControlArray a, int i) const { return arrays[a].at(i); }

    int kind() const override { return kindValue; }
    QList<int> indexes(ControlArray a) const override {
        QList<int> r;
        for (int i = 0; i < arrays.value(a).size(); ++i)
            r.append(i);
        return r;
    }
    QString fieldName(ControlArray a, int i) const override { return at(a, i).fieldName; }
    QString text(ControlArray a, int i) const override { return at(a, i).text; }
    void setText(ControlArray a, int i, const QString& v) override {
        at(a, i).text = v;
        ++setTextCalls;
    }
    QStringList comboItems(int i) const override { return at(ControlArray::ChCBO, i).items; }
    void setComboItems(int i, const QStringList& items) override {
        FakeControl& c = at(ControlArray::ChCBO, i);
        c.items = items;
        c.current = -1;
        c.text.clear();
    }
    int comboCurrentIndex(int i) const override { return at(ControlArray::ChCBO, i).current; }
    // Like an editable combo box: selecting an item shows its text, -1 empties the text.
    void setComboCurrentIndex(int i, int item) override {
        FakeControl& c = at(ControlArray::ChCBO, i);
        c.current = item;
        c.text = item >= 0 ? c.items.at(item) : QString();
    }
    bool comboIsCodeList(int i) const override { return at(ControlArray::ChCBO, i).codeList; }
    bool hasCheckTogether() const override { return hasTogether; }
    bool checkTogether() const override { return together; }
    void setCheckTogether(bool t) override { together = t; }
    int changeTypeCount() const override { return int(changeTypes.size()); }
    bool changeType(int i) const override { return changeTypes.at(i); }
    void setChangeType(int i, bool t) override { changeTypes[i] = t; }
    GridGraphAccess* gridGraph() override { return grid.get(); }
};

// Items of the fixture combos.
inline QStringList economyItems() {
    return {QStringLiteral("110. 国有企业"), QStringLiteral("120. 集体企业"),
            QStringLiteral("130. 私营企业")};
}
inline QStringList methodItems() {
    return {QStringLiteral("露天"), QStringLiteral("地下"), QStringLiteral("露天/地下")};
}

inline QString mineralNameOf(const QString& code) {
    return code.trimmed() == QStringLiteral("12345") ? QStringLiteral("铁矿") : QStringLiteral("未知");
}
inline MineralNameLookup mineralLookup() { return &mineralNameOf; }

// Field names of kind 2, as on the change form, with the element names of the fixture map.
inline const QList<QPair<QString, QString>>& kind2Fields() {
    static const QList<QPair<QString, QString>> f = {
        {"申请人", "SQR"}, {"矿山名称", "KSMC"}, {"填表人", "TBR"}, {"原许可证号", "YXKZH"},
        {"填表时间", "TBSJ"}, {"法定代表人", "FDDBR"}, {"地址", "DZ"}, {"邮编", "YB"},
        {"电话", "DH"}, {"其它主矿种", "QTZKZ"}, {"设计规模", "SJGM"}, {"总储量", "ZCL"},
        {"所在行政区", "SZXZQ"}, {"项目审批机关", "XMSPJG"}, {"批准文号", "PZWH"},
        {"原有效期起", "YYXQQ"}, {"原有效期止", "YYXQZ"}, {"勘查许可证号", "KCXKZH"},
        {"应缴纳采矿权价款", "YJNCKQJK"}, {"采深上限", "CSSX"}, {"采深下限", "CSXX"},
        {"采矿权使用费", "CKQSYF"}, {"矿区面积", "KQMJ"}, {"储量单位", "CLDW"},
        {"矿石类型", "KSLX"},
        // ChMEMO
        {"申请原因", "SQYY"}, {"设计利用储量", "SJLYCL"}, {"备注", "BZ"}, {"变更内容", "BGNR"},
        // ChCBO
        {"经济类型", "JJLX"}, {"开采方式", "KCFS"}, {"开采主矿种", "KCZKZ"},
        {"采矿权取得方式", "CKQQDFS"}, {"价款处置方式", "JKCZFS"}};
    return f;
}

struct KindShape {
    int txt, memo, cbo, exist;
    bool label, together;
    int cbchk;
    bool grid;
};

inline KindShape kindShape(int kind) {
    switch (kind) {
    case 1: return {30, 8, 10, 4, true, true, 0, true};
    case 2: return {25, 4, 5, 4, true, true, 5, true};
    case 3: return {16, 3, 3, 0, true, false, 0, false};
    case 4: return {14, 6, 1, 0, true, false, 0, false};
    case 5: return {23, 5, 3, 3, true, true, 0, true};
    case 6: return {55, 0, 6, 0, false, false, 0, false};
    default: return {57, 0, 4, 1, false, false, 0, false};
    }
}

// The field name of an element of the fixture forms.
inline QString fixtureFieldName(int kind, ControlArray a, int i) {
    if (kind == 2) {
        const int base = a == ControlArray::ChTXT ? 0 : a == ControlArray::ChMEMO ? 25 : 29;
        if (a == ControlArray::ExistTXT)
            return kind2Fields().at(19 + i).first;
        return kind2Fields().at(base + i).first;
    }
    if (a == ControlArray::ChTXT && i == 0)
        return kind == 6 ? QStringLiteral("转让申请人") : QStringLiteral("申请人");
    if (a == ControlArray::ChTXT && i == 1)
        return kind == 5 ? QStringLiteral("矿区名称") : QStringLiteral("矿山名称");
    if (a == ControlArray::ChCBO && i == 2 && (kind == 1 || kind == 5))
        return kMainMineralField;
    switch (a) {
    case ControlArray::ChTXT: return QStringLiteral("文本%1").arg(i);
    case ControlArray::ChMEMO: return QStringLiteral("说明%1").arg(i);
    case ControlArray::ChCBO: return QStringLiteral("选项%1").arg(i);
    case ControlArray::ExistTXT: return QStringLiteral("文本%1").arg(i + 2);
    default: return {};
    }
}

inline std::unique_ptr<FakeForm> makeForm(int kind) {
    auto f = std::make_unique<FakeForm>();
    f->kindValue = kind;
    const KindShape s = kindShape(kind);
    auto fill = [&](ControlArray a, int n) {
        for (int i = 0; i < n; ++i) {
            FakeControl c;
            c.fieldName = fixtureFieldName(kind, a, i);
            f->arrays[a].append(c);
        }
    };
    fill(ControlArray::ChTXT, s.txt);
    fill(ControlArray::ChMEMO, s.memo);
    fill(ControlArray::ChCBO, s.cbo);
    fill(ControlArray::ExistTXT, s.exist);
    if (s.label)
        f->arrays[ControlArray::LabelXZQName].append(FakeControl{});
    // ChCBO(0): a code list; ChCBO(1): a list of names; the main mineral is ChCBO(2).
    FakeControl& c0 = f->at(ControlArray::ChCBO, 0);
    c0.items = economyItems();
    c0.codeList = true;
    if (s.cbo > 1) {
        FakeControl& c1 = f->at(ControlArray::ChCBO, 1);
        c1.items = methodItems();
        c1.codeList = true;
    }
    f->hasTogether = s.together;
    for (int i = 0; i < s.cbchk; ++i)
        f->changeTypes.append(false);
    if (s.grid)
        f->grid = std::make_unique<FakeGrid>();
    return f;
}

inline QString elementNameOf(int kind, const QString& fieldName, int ordinal) {
    for (const auto& p : kind2Fields())
        if (p.first == fieldName)
            return p.second;
    return QStringLiteral("F%1").arg(ordinal, 3, 10, QChar(u'0'));
}

// The fixture maps: the text key of a field is its field name; the boundary travels under
// the count line's key in the text file.
inline KindFieldMap fixtureMap(int kind, bool xml) {
    KindFieldMap m;
    m.Kind = kind;
    const KindShape s = kindShape(kind);
    int ordinal = 0;
    auto add = [&](ControlArray a, int n) {
        for (int i = 0; i < n; ++i) {
            const QString name = fixtureFieldName(kind, a, i);
            m.Pairs.append({name, xml ? elementNameOf(kind, name, ordinal) : name});
            ++ordinal;
        }
    };
    add(ControlArray::ChTXT, s.txt);
    add(ControlArray::ChMEMO, s.memo);
    add(ControlArray::ChCBO, s.cbo);
    if (s.together)
        m.Pairs.append(FieldPair{"共伴生类型", xml ? "GBSLX" : "共伴生类型"});
    if (s.cbchk)
        m.Pairs.append(FieldPair{"变更类型", xml ? "BGLX" : "变更类型"});
    if (s.grid)
        m.Pairs.append(FieldPair{"区域坐标", xml ? "QYZB" : "矿区范围拐点坐标与标高的总行数"});
    return m;
}

// A boundary of two blocks in plane coordinates.
inline QString sampleBoundary() {
    return QStringLiteral(
        "2,4,1,3800000.5,38500000.25,2,3800100,38500000,3,3800100,38500100,4,3800000,38500100,"
        "500,200,矿体1，北,1,3,1,3800020,38500020,2,3800050,38500020,3,3800050,38500050,"
        "480,250,,-1,");
}

// Fills every data control with a distinct value.
inline void fillForm(FakeForm& f) {
    const int kind = f.kindValue;
    for (int i : f.indexes(ControlArray::ChTXT))
        f.setText(ControlArray::ChTXT, i, QStringLiteral("值%1-%2 x=y").arg(kind).arg(i));
    for (int i : f.indexes(ControlArray::ChMEMO))
        f.setText(ControlArray::ChMEMO, i,
                  QStringLiteral("第一行 %1\n  第二行 a=b\n[KVD]第三行\n\n末行").arg(i));
    for (int i : f.indexes(ControlArray::ChCBO)) {
        const FakeControl& c = f.at(ControlArray::ChCBO, i);
        if (c.fieldName == kMainMineralField) {
            f.setComboItems(i, {QStringLiteral("12345 铁矿")});
            f.setComboCurrentIndex(i, 0);
        } else if (i == 0) {
            f.setComboCurrentIndex(i, 1);   // 120. 集体企业
        } else if (i == 1) {
            f.setComboCurrentIndex(i, 2);   // 露天/地下
        } else {
            f.setText(ControlArray::ChCBO, i, QStringLiteral("选%1").arg(i));
        }
    }
    for (int i : f.indexes(ControlArray::ExistTXT))
        f.setText(ControlArray::ExistTXT, i, QStringLiteral("副本%1").arg(i));
    for (int i : f.indexes(ControlArray::LabelXZQName))
        f.setText(ControlArray::LabelXZQName, i, QStringLiteral("某省某市"));
    f.together = f.hasTogether;
    for (int i = 0; i < f.changeTypes.size(); ++i)
        f.changeTypes[i] = i % 2 == 0;
    if (f.grid) {
        f.grid->setZB_String(sampleBoundary());
        f.grid->init_grid_graph();
    }
}

} // namespace mf::test

#include "test_support.h"
#include <QFile>
#include <gtest/gtest.h>

namespace mf::test {

// A change application (kind 2) with every kind of field: empty fields, a memo with line
// breaks, a code-list combo, a name combo, the main mineral, both check boxes and the grid.
inline std::unique_ptr<FakeForm> goldenKind2Form() {
    auto f = makeForm(2);
    const QStringList txt = {"澄岭矿业有限公司", "东山铁矿", "张三", "C1000002010",
                             "2024-5-6", "李四", "东山路1号", "100000", "010-12345678", "",
                             "30", "120.5", "110101", "", "", "2010-1-1", "2020-1-1", "",
                             "", "500", "200", "", "0.125", "万吨", "磁铁矿"};
    for (int i = 0; i < txt.size(); ++i)
        f->setText(ControlArray::ChTXT, i, txt.at(i));
    f->setText(ControlArray::ChMEMO, 0, QStringLiteral("扩大规模\n增加 = 采区"));
    f->setText(ControlArray::ChMEMO, 3, QStringLiteral("名称变更"));
    f->setComboCurrentIndex(0, 0);   // 110. 国有企业
    f->setComboCurrentIndex(1, 1);   // 地下
    f->setComboItems(2, {QStringLiteral("12345 铁矿")});
    f->setComboCurrentIndex(2, 0);
    f->setText(ControlArray::ChCBO, 3, QStringLiteral("申请在先"));
    f->together = true;
    f->changeTypes = {true, false, false, true, false};
    f->grid->setZB_String(QStringLiteral(
        "1,3,1,3800000,38500000,2,3800100,38500000,3,3800100,38500100,500,200,主矿体,1,"));
    f->grid->init_grid_graph();
    return f;
}

// Compares bytes with a reference file under tests/fixtures; MF_REFRESH_GOLDEN=1 rewrites
// the reference instead.
inline void expectGolden(const QString& name, const QByteArray& bytes) {
    const QString path = sourceDir() + QStringLiteral("/tests/fixtures/") + name;
    if (qEnvironmentVariable("MF_REFRESH_GOLDEN") == QStringLiteral("1")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        out.write(bytes);
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << "missing reference " << path.toStdString();
    const QByteArray expected = in.readAll();
    EXPECT_EQ(bytes, expected) << "differs from " << path.toStdString();
}

// The values a form would write, without the controls that no file carries.
inline QList<QPair<QString, QString>> fieldTexts(FakeForm& f) {
    QList<QPair<QString, QString>> r;
    for (const FieldValue& v : collectFormValues(f).fields)
        r.append({v.fieldName, v.value});
    return r;
}

} // namespace mf::test
