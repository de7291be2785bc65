// Per-kind values of the seven form windows.
#include "forms/form_design.h"
#include "forms/kind_profile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace mf {
namespace {

TEST(KindProfile, CaptionsKeysHelpAndSizes) {
    struct Row {
        int kind; const char* form; const char* caption; const char* button; int last; int help;
        int cw, ch; int l, t, w, h;
    };
    const Row rows[] = {
        {1, "NewTab", "采矿权新立申请表", "NEW", 4, 5000, 7575, 8175, 60, 420, 7335, 7650},
        {2, "ChangTab", "采矿权变更申请表", "CHANGE", 4, 6000, 7485, 8235, 90, 410, 7245, 7650},
        {3, "ContTab", "采矿权延续申请表", "CONT", 2, 7000, 7530, 8190, 120, 450, 7245, 7650},
        {4, "DelTab", "采矿权注销申请表", "DEL", 2, 9000, 7380, 8130, 90, 450, 7245, 7635},
        {5, "DrawArea", "划定矿区范围表", "DING", 4, 1000, 7530, 8280, 120, 450, 7305, 7710},
        {6, "CessionTab", "采矿权转让申请表", "Cession", 3, 8000, 7485, 8190, 90, 420, 7275, 7665},
        {7, "CheckTab", "矿产资源开发利用年度报告书", "CHECK", 3, 5000, 7230, 8220, 0, 300, 7215, 7905},
    };
    for (const Row& r : rows) {
        const KindProfile& p = kindProfile(r.kind);
        EXPECT_EQ(p.kind, r.kind);
        EXPECT_EQ(p.formName, QString::fromUtf8(r.form));
        EXPECT_EQ(p.caption, QString::fromUtf8(r.caption));
        EXPECT_EQ(p.toolbarKey, QString::fromUtf8(r.button));
        EXPECT_EQ(p.lastPage, r.last);
        EXPECT_EQ(p.pageCount(), r.last + 1);
        EXPECT_EQ(p.helpContextId, r.help);
        EXPECT_EQ(p.clientWidth, Twips(r.cw));
        EXPECT_EQ(p.clientHeight, Twips(r.ch));
        EXPECT_EQ(p.pic1, (TwipsRect{Twips(r.l), Twips(r.t), Twips(r.w), Twips(r.h)}));
        EXPECT_EQ(p.pageWidth, Twips(7155));
        EXPECT_EQ(p.pageHeight, Twips(r.kind == 7 ? 7845 : 7545));
        EXPECT_EQ(p.pageLeft, Twips(30));
        EXPECT_EQ(p.pageTop, Twips(30));
        EXPECT_EQ(p.cascadeX, Twips(450));
        EXPECT_EQ(p.cascadeY, Twips(250));
        EXPECT_EQ(p.hasMiningArea, r.kind == 1 || r.kind == 2 || r.kind == 5);
        EXPECT_TRUE(QFile::exists(p.designResource()) || loadFormDesign(p.designResource(), nullptr).isValid())
            << p.designResource().toStdString();
    }
}

TEST(KindProfile, TabsInPageOrder) {
    const QStringList keys = {"head", "explain", "first", "second", "Area_Range"};
    const std::vector<QStringList> captions = {
        {},
        {" 封页 ", "填表说明", "第一页", "第二页", "矿区范围"},
        {"封 页", "填表说明", "第一页", "第二页", "矿区范围"},
        {"封 页", "填表说明", "第一页"},
        {"封 页", "填表说明", "第一页"},
        {"封 页", "说 明", "第一页", "第二页", "矿区范围"},
        {"封 页", "说 明", "第一页", "第二页"},
        {"封 页", "说 明", "第一页", "第二页"},
    };
    for (int kind = 1; kind <= 7; ++kind) {
        const KindProfile& p = kindProfile(kind);
        ASSERT_EQ(p.tabs.size(), size_t(captions[size_t(kind)].size())) << kind;
        for (size_t i = 0; i < p.tabs.size(); ++i) {
            EXPECT_EQ(p.tabs[i].key, keys[int(i)]);
            EXPECT_EQ(p.tabs[i].caption, captions[size_t(kind)][int(i)]) << kind << " tab " << i;
            EXPECT_EQ(p.pageOfKey(keys[int(i)]), int(i));
        }
    }
    // Keys compare exactly; a key the form lacks gives no page.
    EXPECT_EQ(kindProfile(1).pageOfKey("Area_Range"), 4);
    EXPECT_EQ(kindProfile(1).pageOfKey("area_range"), -1);
    EXPECT_EQ(kindProfile(3).pageOfKey("second"), -1);
    EXPECT_EQ(kindProfile(6).pageOfKey("Area_Range"), -1);
    EXPECT_EQ(kindProfile(7).pageOfKey(""), -1);
}

TEST(KindProfile, SketchFramesAndOutOfRangeKinds) {
    EXPECT_EQ(kindProfile(1).sketchTag, QStringLiteral("(1500,4590)-(6900,6690)"));
    EXPECT_EQ(kindProfile(2).sketchTag, QStringLiteral("(630,3855)-(6900,6720)"));
    EXPECT_EQ(kindProfile(5).sketchTag, QStringLiteral("(990,3855)-(6900,6660)"));
    for (int kind : {3, 4, 6, 7})
        EXPECT_TRUE(kindProfile(kind).sketchTag.isEmpty());
    // NewTab and CheckTab share one help context.
    EXPECT_EQ(kindProfile(1).helpContextId, kindProfile(7).helpContextId);
    for (int bad : {0, 8, -1}) {
        EXPECT_EQ(kindProfile(bad).kind, 0);
        EXPECT_TRUE(kindProfile(bad).tabs.empty());
    }
}

} // namespace
} // namespace mf
