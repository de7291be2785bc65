#include "forms/kind_profile.h"

#include <array>

namespace mf {

namespace {

std::vector<TabSpec> tabs(std::initializer_list<const char*> captions) {
    static const char* const keys[] = {"head", "explain", "first", "second", "Area_Range"};
    std::vector<TabSpec> out;
    int i = 0;
    for (const char* c : captions)
        out.push_back({QString::fromLatin1(keys[i++]), QString::fromUtf8(c)});
    return out;
}

KindProfile make(int kind, const char* form, const char* caption, const char* key,
                 std::vector<TabSpec> t, int help, int cw, int ch, TwipsRect pic1,
                 const char* sketch, const char* file) {
    KindProfile p;
    p.kind = kind;
    p.formName = QString::fromLatin1(form);
    p.caption = QString::fromUtf8(caption);
    p.toolbarKey = QString::fromLatin1(key);
    p.tabs = std::move(t);
    p.lastPage = int(p.tabs.size()) - 1;
    p.helpContextId = help;
    p.clientWidth = Twips(cw);
    p.clientHeight = Twips(ch);
    p.pic1 = pic1;
    p.sketchTag = QString::fromLatin1(sketch);
    p.hasMiningArea = p.lastPage == 4;
    p.designFile = QString::fromLatin1(file);
    return p;
}

constexpr TwipsRect rect(int l, int t, int w, int h) {
    return TwipsRect{Twips(l), Twips(t), Twips(w), Twips(h)};
}

std::array<KindProfile, 8> build() {
    std::array<KindProfile, 8> a;
    a[1] = make(1, "NewTab", "采矿权新立申请表", "NEW",
                tabs({" 封页 ", "填表说明", "第一页", "第二页", "矿区范围"}), 5000, 7575, 8175,
                rect(60, 420, 7335, 7650), "(1500,4590)-(6900,6690)", "newtab.frm");
    a[2] = make(2, "ChangTab", "采矿权变更申请表", "CHANGE",
                tabs({"封 页", "填表说明", "第一页", "第二页", "矿区范围"}), 6000, 7485, 8235,
                rect(90, 410, 7245, 7650), "(630,3855)-(6900,6720)", "changtab.frm");
    a[3] = make(3, "ContTab", "采矿权延续申请表", "CONT", tabs({"封 页", "填表说明", "第一页"}),
                7000, 7530, 8190, rect(120, 450, 7245, 7650), "", "conttab.frm");
    a[4] = make(4, "DelTab", "采矿权注销申请表", "DEL", tabs({"封 页", "填表说明", "第一页"}),
                9000, 7380, 8130, rect(90, 450, 7245, 7635), "", "deltab.frm");
    a[5] = make(5, "DrawArea", "划定矿区范围表", "DING",
                tabs({"封 页", "说 明", "第一页", "第二页", "矿区范围"}), 1000, 7530, 8280,
                rect(120, 450, 7305, 7710), "(990,3855)-(6900,6660)", "drawarea.frm");
    a[6] = make(6, "CessionTab", "采矿权转让申请表", "Cession",
                tabs({"封 页", "说 明", "第一页", "第二页"}), 8000, 7485, 8190,
                rect(90, 420, 7275, 7665), "", "cessiontab.frm");
    a[7] = make(7, "CheckTab", "矿产资源开发利用年度报告书", "CHECK",
                tabs({"封 页", "说 明", "第一页", "第二页"}), 5000, 7230, 8220,
                rect(0, 300, 7215, 7905), "", "checktab.frm");
    a[7].pageHeight = Twips(7845);
    return a;
}

} // namespace

int KindProfile::pageOfKey(const QString& key) const {
    for (size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].key == key)
            return int(i);
    return -1;
}

const KindProfile& kindProfile(int kind) {
    static const std::array<KindProfile, 8> profiles = build();
    return profiles[kind >= 1 && kind <= 7 ? size_t(kind) : 0];
}

} // namespace mf
