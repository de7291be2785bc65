// Field access by field name: search order, clearing, and how code-list combos are stored
// and selected again.
#include "fake_form.h"

#include "core/field_access.h"
#include "platform/scripted_dialogs.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;

TEST(FindControlByFieldName, SearchesTextBoxesMemosCombosThenTheLabel) {
    auto f = makeForm(2);
    EXPECT_EQ(FindControlByFieldName(*f, "矿山名称"), (FieldRef{ControlArray::ChTXT, 1}));
    EXPECT_EQ(FindControlByFieldName(*f, "变更内容"), (FieldRef{ControlArray::ChMEMO, 3}));
    EXPECT_EQ(FindControlByFieldName(*f, "开采主矿种"), (FieldRef{ControlArray::ChCBO, 2}));
    // A name on both a text box and a combo finds the text box.
    f->at(ControlArray::ChCBO, 4).fieldName = "申请人";
    EXPECT_EQ(FindControlByFieldName(*f, "申请人"), (FieldRef{ControlArray::ChTXT, 0}));
    // The figure boxes repeat field names but are never found.
    EXPECT_EQ(FindControlByFieldName(*f, "采深上限"), (FieldRef{ControlArray::ChTXT, 19}));
    // Only the region label carries the empty name; matching is exact.
    EXPECT_EQ(FindControlByFieldName(*f, ""), (FieldRef{ControlArray::LabelXZQName, 0}));
    EXPECT_FALSE(FindControlByFieldName(*f, "矿山名称 "));
    EXPECT_FALSE(FindControlByFieldName(*f, "变更类型"));   // the CbCHK boxes are not searched
}

TEST(FindControlByFieldName, FormsWithoutMemoOrLabelFindNothingElse) {
    for (int kind : {6, 7}) {
        auto f = makeForm(kind);
        EXPECT_FALSE(FindControlByFieldName(*f, ""));
        EXPECT_FALSE(FindControlByFieldName(*f, "说明0"));
        EXPECT_EQ(f->setTextCalls, 0);
    }
}

TEST(ClearFormFields, EmptiesEveryDataControlWithCheckBoxesAndGrid) {
    for (int kind = 1; kind <= 7; ++kind) {
        auto f = makeForm(kind);
        fillForm(*f);
        ClearFormFields(*f);
        for (ControlArray a : {ControlArray::ChTXT, ControlArray::ChMEMO, ControlArray::ChCBO,
                               ControlArray::ExistTXT, ControlArray::LabelXZQName})
            for (int i : f->indexes(a))
                EXPECT_EQ(f->text(a, i), "") << kind << " " << int(a) << " " << i;
        EXPECT_EQ(f->comboCurrentIndex(0), -1);
        EXPECT_FALSE(f->together);
        for (bool t : f->changeTypes)
            EXPECT_FALSE(t);
        if (f->grid) {
            EXPECT_EQ(f->grid->ZB_String(), "");
            EXPECT_EQ(f->grid->type, 0);
        }
    }
}

TEST(SelectListItemByCode, SelectsOnlyByExactCodePrefix) {
    auto f = makeForm(1);
    f->at(ControlArray::ChCBO, 0).items = {"111. 其它", "110. 国有企业", "11. 集体企业"};
    EXPECT_TRUE(SelectListItemByCode(*f, 0, "11"));
    EXPECT_EQ(f->comboCurrentIndex(0), 2);
    EXPECT_TRUE(SelectListItemByCode(*f, 0, "110"));
    EXPECT_EQ(f->comboCurrentIndex(0), 1);
    // A code no item holds leaves no selection but keeps the value as text.
    EXPECT_FALSE(SelectListItemByCode(*f, 0, "1"));
    EXPECT_EQ(f->comboCurrentIndex(0), -1);
    EXPECT_EQ(f->text(ControlArray::ChCBO, 0), "1");
    // Code 0 never selects an item with a code.
    f->at(ControlArray::ChCBO, 0).items = {"0. 无", "10. 有"};
    EXPECT_FALSE(SelectListItemByCode(*f, 0, "0"));
    EXPECT_FALSE(SelectListItemByCode(*f, 0, ""));
    EXPECT_EQ(f->comboCurrentIndex(0), -1);
}

TEST(SelectListItemByCode, NameItemsMatchExactlyFirstThenByContainment) {
    auto f = makeForm(1);
    f->at(ControlArray::ChCBO, 1).items = {"北京市", "北京", "地下"};
    EXPECT_TRUE(SelectListItemByCode(*f, 1, "北京"));
    EXPECT_EQ(f->comboCurrentIndex(1), 1);
    f->at(ControlArray::ChCBO, 1).items = {"北京市", "天津市"};
    EXPECT_TRUE(SelectListItemByCode(*f, 1, "天津"));
    EXPECT_EQ(f->comboCurrentIndex(1), 1);
    // A name with a blank is found by its exact text.
    f->at(ControlArray::ChCBO, 1).items = {"A B", "C"};
    EXPECT_TRUE(SelectListItemByCode(*f, 1, "A B"));
    EXPECT_EQ(f->comboCurrentIndex(1), 0);
}

TEST(StoredComboValue, TakesTheCodeInFrontOfTheItemOrTheText) {
    const auto txt = StoreFormat::Text;
    const auto xml = StoreFormat::Xml;
    EXPECT_EQ(storedComboValue("经济类型", "110. 国有企业", txt), "110");
    EXPECT_EQ(storedComboValue("经济类型", "110. 国有企业", xml), "110");
    // Only the digits before ". " count: a name holding digits is not read as a number.
    EXPECT_EQ(storedComboValue("矿名", "1. 2号矿", txt), "1");
    EXPECT_EQ(storedComboValue("矿名", "3号矿", txt), "3号矿");
    EXPECT_EQ(storedComboValue("单位", "12.5", txt), "12.5");
    EXPECT_EQ(storedComboValue("经济类型", "0. 无", txt), "0. 无");
    EXPECT_EQ(storedComboValue("开采方式", "露天", txt), "露天");
    // The main mineral: the code before the first blank; without one the text file
    // stores 0 and the XML keeps the text.
    EXPECT_EQ(storedComboValue("开采主矿种", "12345 铁矿", txt), "12345");
    EXPECT_EQ(storedComboValue("开采主矿种", "12345 铁矿", xml), "12345");
    EXPECT_EQ(storedComboValue("开采主矿种", "铁矿", txt), "0");
    EXPECT_EQ(storedComboValue("开采主矿种", "铁矿", xml), "铁矿");
}

TEST(LoadFieldValue, FollowsTheControlType) {
    auto f = makeForm(1);
    const FieldRef mineral{ControlArray::ChCBO, 2};
    loadFieldValue(*f, mineral, "12345", mineralLookup());
    EXPECT_EQ(f->comboItems(2), QStringList{"12345 铁矿"});
    EXPECT_EQ(f->text(ControlArray::ChCBO, 2), "12345 铁矿");
    loadFieldValue(*f, mineral, "777", mineralLookup());
    EXPECT_EQ(f->text(ControlArray::ChCBO, 2), "777 未知");
    loadFieldValue(*f, mineral, "0", mineralLookup());
    EXPECT_EQ(f->text(ControlArray::ChCBO, 2), "");

    loadFieldValue(*f, {ControlArray::ChCBO, 0}, "130", mineralLookup());
    EXPECT_EQ(f->text(ControlArray::ChCBO, 0), "130. 私营企业");
    // A value that is not in the list stays as the combo's text.
    loadFieldValue(*f, {ControlArray::ChCBO, 0}, "999", mineralLookup());
    EXPECT_EQ(f->comboCurrentIndex(0), -1);
    EXPECT_EQ(f->text(ControlArray::ChCBO, 0), "999");
    loadFieldValue(*f, {ControlArray::ChCBO, 5}, "万元", mineralLookup());
    EXPECT_EQ(f->text(ControlArray::ChCBO, 5), "万元");
    loadFieldValue(*f, {ControlArray::LabelXZQName, 0}, "某县", mineralLookup());
    EXPECT_EQ(f->text(ControlArray::LabelXZQName, 0), "某县");
}

TEST(ApplyFormValues, SkipsMissingFieldsAndGuardsTheCheckBoxes) {
    auto f = makeForm(2);
    FormValues v;
    v.fields = {{"没有的字段", "x"}, {"申请人", "甲"}, {"申请人", "乙"}};
    v.changeTypes = "1021101";   // cut to the five boxes; only "1" ticks
    v.checkTogether = true;
    applyFormValues(*f, v, mineralLookup());
    EXPECT_EQ(f->text(ControlArray::ChTXT, 0), "乙");
    EXPECT_EQ(f->changeTypes, (QList<bool>{true, false, false, true, true}));
    EXPECT_TRUE(f->together);

    auto plain = makeForm(3);   // no check boxes, no grid: the values are ignored
    v.boundary = "0,";
    applyFormValues(*plain, v, mineralLookup());
    EXPECT_EQ(plain->text(ControlArray::ChTXT, 0), "乙");
}

TEST(ReadSubmissionFile, DispatchesByExtensionIgnoringCase) {
    ScriptedDialogs dialogs;
    dialogs.install();
    QTemporaryDir dir;
    auto f = makeForm(3);
    const KindFieldMap tm = fixtureMap(3, false), xm = fixtureMap(3, true);
    EXPECT_EQ(ReadSubmissionFile(dir.filePath("missing.txt"), *f, tm, xm, mineralLookup()), 0);

    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return dir.filePath(name);
    };
    const QByteArray text = QString("[登记项目]\r\n***采矿延续登记项目内容***\r\n\r\n申请人=某公司\r\n")
                                .toUtf8();
    // Another extension is not read, and is not reported as loaded.
    EXPECT_EQ(ReadSubmissionFile(write("a.doc", text), *f, tm, xm, mineralLookup()), 0);
    EXPECT_EQ(f->setTextCalls, 0);
    EXPECT_EQ(ReadSubmissionFile(write("b.TXT", QByteArray()), *f, tm, xm, mineralLookup()), 0);
    EXPECT_EQ(f->setTextCalls, 0);
    EXPECT_EQ(ReadSubmissionFile(write("d.Txt", encodeGb18030(QString::fromUtf8(text))), *f, tm,
                                 xm, mineralLookup()),
              -1);
    EXPECT_EQ(f->text(ControlArray::ChTXT, 0), "某公司");
    EXPECT_EQ(ReadSubmissionFile(write("c.Xml", "<APP><DATA><SQR>乙</SQR></DATA></APP>"), *f, tm,
                                 xm, mineralLookup()),
              -1);
    EXPECT_EQ(f->text(ControlArray::ChTXT, 0), "乙");
}
