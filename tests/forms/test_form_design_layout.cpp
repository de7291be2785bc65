// The seven shipped designs: pages, placement, print directives and the controls that the
// editor's handlers address by name.
#include "forms/design_renderer.h"
#include "forms/form_design.h"
#include "forms/kind_profile.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace mf {
namespace {

FormDesign design(int kind) {
    QString error;
    FormDesign d = loadFormDesign(kindProfile(kind).designResource(), &error);
    EXPECT_TRUE(d.isValid()) << error.toStdString();
    return d;
}

bool intersects(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(FormDesignLayout, PagesMatchTheKindProfile) {
    for (int kind = 1; kind <= 7; ++kind) {
        const KindProfile& p = kindProfile(kind);
        const FormDesign d = design(kind);
        EXPECT_EQ(d.formName, p.formName);
        EXPECT_EQ(d.kind, kind);
        EXPECT_EQ(d.caption, p.caption);
        ASSERT_EQ(d.pageCount(), p.pageCount()) << kind;
        for (const DesignPage& pg : d.pages) {
            EXPECT_EQ(pg.width, p.pageWidth);
            EXPECT_EQ(pg.height, p.pageHeight);
            EXPECT_EQ(pg.tag, pg.index == 3 ? p.sketchTag : QString()) << kind << " page " << pg.index;
        }
    }
    EXPECT_EQ(design(7).page(0)->height, Twips(7845));
}

TEST(FormDesignLayout, EveryControlLiesInsideItsPage) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (const DesignControl& c : d.controls) {
            const DesignPage* pg = d.page(c.page);
            ASSERT_NE(pg, nullptr);
            const TwipsRect pageRect{Twips(0), Twips(0), pg->width, pg->height};
            EXPECT_TRUE(pageRect.contains(d.absoluteRect(c)))
                << kind << " " << c.displayName().toStdString();
            if (!c.container.isEmpty())   // and inside its frame
                EXPECT_TRUE(d.absoluteRect(*d.find(c.container)).contains(d.absoluteRect(c)))
                    << kind << " " << c.displayName().toStdString();
        }
    }
}

TEST(FormDesignLayout, VisibleControlsDoNotOverlap) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (int page = 0; page < d.pageCount(); ++page) {
            std::vector<const DesignControl*> solid;
            for (const DesignControl* c : d.controlsOnPage(page)) {
                const bool frameHidden = !c->container.isEmpty() && !d.find(c->container)->visible;
                if (c->visible && !frameHidden && c->type != ControlType::Line &&
                    c->type != ControlType::Shape && c->type != ControlType::Frame)
                    solid.push_back(c);
            }
            for (size_t i = 0; i < solid.size(); ++i)
                for (size_t j = i + 1; j < solid.size(); ++j)
                    EXPECT_FALSE(intersects(d.absoluteRect(*solid[i]), d.absoluteRect(*solid[j])))
                        << kind << " page " << page << ": " << solid[i]->displayName().toStdString()
                        << " and " << solid[j]->displayName().toStdString();
            // The sketch frame stays free for the drawing.
            if (page == 3 && !kindProfile(kind).sketchTag.isEmpty()) {
                const QString t = d.page(3)->tag;
                const QStringList n = QString(t).remove('(').remove(')').replace('-', ',').split(',');
                const TwipsRect frame{Twips(n[0].toInt()), Twips(n[1].toInt()),
                                      Twips(n[2].toInt() - n[0].toInt()), Twips(n[3].toInt() - n[1].toInt())};
                for (const DesignControl* c : solid)
                    EXPECT_FALSE(intersects(frame, d.absoluteRect(*c))) << kind << " " << c->displayName().toStdString();
            }
        }
    }
}

TEST(FormDesignLayout, PrintDirectivesAreOnesTheWalkerKnows) {
    const QStringList known = {"ZN宋体,ZS12", "ZN黑体,ZS12", "ZN宋体,ZS10.5", "ZN黑体,ZS10.5", "ZN宋体,ZS14",
                               "ZN黑体,ZS16", "ZN黑体,ZS18", "ZN黑体,ZS22", "ZN黑体,ZS36", "ZN黑体,ZS42",
                               "X,ZN宋体,ZS12", "Y,ZN宋体,ZS12", "ZN宋体,ZS16,[V]", "F,ZN黑体,ZS16,[V]"};
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (const DesignControl& c : d.controls) {
            EXPECT_TRUE(c.tag.isEmpty() || known.contains(c.tag))
                << kind << " " << c.displayName().toStdString() << " " << c.tag.toStdString();
            // A printed control lies directly on its page.
            if (!c.tag.isEmpty())
                EXPECT_TRUE(c.container.isEmpty()) << kind << " " << c.displayName().toStdString();
        }
        // The fields of the cover and the first pages are printed.
        for (const char* arr : {"ChTXT", "ChMEMO", "ChCBO", "ExistTXT"})
            for (const DesignControl* c : d.array(QString::fromLatin1(arr)))
                if (c->page < 4 && c->visible)
                    EXPECT_FALSE(c->tag.isEmpty()) << kind << " " << c->displayName().toStdString();
    }
}

TEST(FormDesignLayout, CoverAndInstructionPages) {
    const char* titles[] = {"", "填  表  说  明", "填  报  说  明", "填  报  说  明", "填  报  说  明",
                            "填  表  说  明", "填  表  说  明", "填  表  说  明"};
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        bool title = false;
        for (const DesignControl* c : d.controlsOnPage(0))
            if (c->type == ControlType::Label && c->caption == kindProfile(kind).caption && c->font.size >= 20)
                title = true;
        EXPECT_TRUE(title) << kind << ": the cover shows the form title in large type";
        const DesignControl* head = d.find("lblHead", 0);
        ASSERT_NE(head, nullptr);
        EXPECT_EQ(head->page, 1);
        EXPECT_EQ(head->caption, QString::fromUtf8(titles[kind])) << kind;
        // Each item heading has its explanation.
        const auto heads = d.array("lblHead");
        EXPECT_GE(heads.size(), 3u);
        for (const DesignControl* h : heads)
            if (h->index > 0) {
                const DesignControl* e = d.find("lblExplain", h->index);
                ASSERT_NE(e, nullptr) << kind << " " << h->index;
                EXPECT_EQ(e->page, 1);
                EXPECT_FALSE(e->caption.isEmpty());
            }
    }
}

TEST(FormDesignLayout, MiningAreaPage) {
    for (int kind : {1, 2, 5}) {
        const FormDesign d = design(kind);
        const DesignControl* grid = d.find("Grid_Graph1");
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->type, ControlType::GridGraph);
        EXPECT_EQ(grid->page, 4);
        const DesignControl* frame = d.find("ZFRAME2");
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->type, ControlType::Frame);
        EXPECT_TRUE(frame->caption.isEmpty());
        const bool fee = kind == 2;
        const std::vector<std::pair<const char*, const char*>> labels = {
            {"ZLAB1", "开采深度"}, {"ZLAB2", "至"}, {"ZLAB3", "米标高"}, {"ZLAB8", "矿区面积：（平方公里）"}};
        for (const auto& [name, caption] : labels) {
            const DesignControl* l = d.find(name);
            ASSERT_NE(l, nullptr) << kind << name;
            EXPECT_EQ(l->caption, QString::fromUtf8(caption));
            EXPECT_EQ(l->container, QStringLiteral("ZFRAME2"));
        }
        EXPECT_EQ(d.find("ZLAB4") != nullptr, fee);
        EXPECT_EQ(d.find("ZLAB6") != nullptr, fee);
        if (fee) {
            EXPECT_EQ(d.find("ZLAB4")->caption, QStringLiteral("采矿权使用费"));
            EXPECT_EQ(d.find("ZLAB6")->caption, QStringLiteral("千元/年"));
        }
        const std::vector<int> inFrame = kind == 2 ? std::vector<int>{19, 20, 21, 22} : std::vector<int>{18, 19, 20};
        for (int i : inFrame)
            EXPECT_EQ(d.find("ChTXT", i)->container, QStringLiteral("ZFRAME2")) << kind << " " << i;
        const DesignControl* calc = d.find("CALCOM");
        ASSERT_NE(calc, nullptr);
        EXPECT_EQ(calc->caption, QStringLiteral("计 算"));
        EXPECT_EQ(calc->container, QStringLiteral("ZFRAME2"));
        const DesignControl* plot = d.find("GRPHCOM");
        ASSERT_NE(plot, nullptr);
        EXPECT_EQ(plot->caption, QStringLiteral("图 形"));
        EXPECT_TRUE(plot->container.isEmpty());
        const DesignControl* coord = d.find("AREACOM");
        ASSERT_NE(coord, nullptr);
        EXPECT_EQ(coord->type, ControlType::ComboBox);
        EXPECT_EQ(coord->page, 4);
    }
    for (int kind : {3, 4, 6, 7}) {
        const FormDesign d = design(kind);
        for (const char* name : {"Grid_Graph1", "ZFRAME2", "CALCOM", "GRPHCOM", "AREACOM"})
            EXPECT_EQ(d.find(name), nullptr) << kind << name;
    }
}

TEST(FormDesignLayout, PickersAndTheirCaptionLabels) {
    struct Region { int kind; int labelIndex; const char* caption; };
    const Region regions[] = {{1, 1, "所在行政区"}, {2, 1, "所在行政区"}, {3, 0, "所在行政区"}, {4, -1, "所在行政区"},
                              {5, 1, "所在行政区"}, {6, -1, "地理位置"},   {7, 1, "所在行政区"}};
    for (const Region& r : regions) {
        const FormDesign d = design(r.kind);
        const DesignControl* label = d.find("LabelTree", r.labelIndex);
        ASSERT_NE(label, nullptr) << r.kind;
        EXPECT_EQ(label->caption, QString::fromUtf8(r.caption));
        const DesignControl* button = d.find("CommandXZQ");
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->caption, QStringLiteral(">>"));
        EXPECT_EQ(button->page, label->page);
        EXPECT_GT(button->rect.left, label->rect.left) << "the tree spans from the label to the button";
        const DesignControl* tree = d.find("TreeView1");
        ASSERT_NE(tree, nullptr);
        EXPECT_FALSE(tree->visible);
        EXPECT_EQ(tree->page, label->page);
        EXPECT_EQ(d.find("LabelXZQName") != nullptr, r.kind <= 5) << r.kind;
    }
    for (int kind : {1, 2, 5, 7}) {
        const FormDesign d = design(kind);
        EXPECT_EQ(d.find("LabelTree", 0)->caption, kind == 7 ? QStringLiteral("主采矿种") : QStringLiteral("开采主矿种"));
        for (const char* name : {"TreeView2", "List1"}) {
            const DesignControl* c = d.find(name);
            ASSERT_NE(c, nullptr) << kind << name;
            EXPECT_FALSE(c->visible);
            EXPECT_EQ(c->page, d.find("ChCBO", 2)->page);
        }
    }
    const FormDesign d7 = design(7);
    EXPECT_EQ(d7.find("Label1", 4)->caption, QStringLiteral("采矿许可证发证机关"));
    ASSERT_NE(d7.find("CommandXZQ2"), nullptr);
    EXPECT_GT(d7.find("CommandXZQ2")->rect.left, d7.find("Label1", 4)->rect.left);
    EXPECT_FALSE(d7.find("TreeView3")->visible);
    EXPECT_EQ(d7.find("LabelGM", 0)->caption, QStringLiteral("万吨/年"));
    EXPECT_EQ(d7.find("LabelGM", 7)->caption, QStringLiteral("万吨/年"));
    // The region tree of CessionTab opens upwards: room above the button.
    const FormDesign d6 = design(6);
    EXPECT_GE(d6.find("CommandXZQ")->rect.top.value, 3400);
}

TEST(FormDesignLayout, ReserveUnitControls) {
    const std::pair<int, int> totals[] = {{1, 13}, {2, 11}, {5, 11}};
    for (const auto& [kind, total] : totals) {
        const FormDesign d = design(kind);
        const DesignControl* gm0 = d.find("LabelGM", 0);
        const DesignControl* gm1 = d.find("LabelGM", 1);
        ASSERT_TRUE(gm0 && gm1) << kind;
        EXPECT_EQ(gm0->caption, QStringLiteral("万吨/年"));
        EXPECT_EQ(gm1->caption, QStringLiteral("万吨"));
        const DesignControl* tot = d.find("ChTXT", total);
        EXPECT_EQ(gm1->rect.top, tot->rect.top) << "on the 总储量 line";
        EXPECT_GT(gm1->rect.left, tot->rect.left);
        const DesignControl* cl = d.find("CommandCL");
        ASSERT_NE(cl, nullptr);
        EXPECT_EQ(cl->caption, QStringLiteral("▼"));
        EXPECT_EQ(cl->rect.width, Twips(255));
        EXPECT_EQ(cl->rect.height, Twips(255));
        EXPECT_GT(cl->rect.left, gm1->rect.left);
        const DesignControl* list = d.find("ListCL");
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(list->visible);
        EXPECT_EQ(list->rect.width, Twips(3300));
        EXPECT_EQ(list->rect.height, Twips(1320));
        ASSERT_NE(d.find("LabelCL"), nullptr);
        EXPECT_TRUE(d.find("LabelCL")->caption.isEmpty());
    }
    for (int kind : {1, 5}) {
        const FormDesign d = design(kind);
        const DesignControl* k = d.find("KCDM");
        ASSERT_NE(k, nullptr) << kind;
        EXPECT_EQ(k->page, 2);
        EXPECT_TRUE(k->fieldName.isEmpty());
    }
    for (int kind : {2, 3, 4, 6, 7})
        EXPECT_EQ(design(kind).find("KCDM"), nullptr) << kind;
}

TEST(DesignRenderer, DrawsPagesValuesAndSkipsHiddenControls) {
    QString error;
    const FormDesign d = parseFormDesign(
        "@form|T|1|t\n@page|0|1500|1500|\n"
        "TextBox|ChTXT|0|0||150|150|1200|300|申请人||||\n"
        "TextBox|ChTXT|1|0||150|750|1200|300|x|隐藏|宋体,12|hidden|\n",
        "t.frm", &error);
    ASSERT_TRUE(d.isValid()) << error.toStdString();
    const QImage empty = renderDesignPageImage(d, 0);
    ASSERT_EQ(empty.size(), QSize(100, 100));
    RenderOptions withValue;
    withValue.value = [](const DesignControl& c) {
        return c.index == 0 ? QStringLiteral("申请人名称") : QString();
    };
    const QImage filled = renderDesignPageImage(d, 0, withValue);
    auto inkIn = [](const QImage& img, QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(img.pixel(x, y)) < 128;
        return n;
    };
    const QRect box0(13, 13, 74, 16);   // inside the border of ChTXT(0)
    const QRect box1(10, 50, 80, 20);   // where the hidden box would be
    EXPECT_EQ(inkIn(empty, box0), 0);
    EXPECT_GT(inkIn(filled, box0), 10) << "the value is written into the box";
    EXPECT_EQ(inkIn(filled, box1), 0) << "a hidden control is not drawn";
    RenderOptions all;
    all.drawHidden = true;
    EXPECT_GT(inkIn(renderDesignPageImage(d, 0, all), box1), 10);
    EXPECT_TRUE(renderDesignPageImage(d, 1).isNull());
}

TEST(DesignRenderer, EveryShippedPageRendersWithChineseText) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (int page = 0; page < d.pageCount(); ++page) {
            const QImage img = renderDesignPageImage(d, page);
            ASSERT_FALSE(img.isNull());
            EXPECT_EQ(img.width(), d.page(page)->width.value / kTwipsPerPixel);
            int ink = 0;
            for (int y = 0; y < img.height(); y += 2)
                for (int x = 0; x < img.width(); x += 2)
                    ink += qGray(img.pixel(x, y)) < 128;
            EXPECT_GT(ink, 50) << kind << " page " << page;
        }
    }
}

} // namespace
} // namespace mf
