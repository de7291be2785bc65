// The seven designs as replicas of their paper forms: every text fits its box, every field
// has its caption, the field boxes sit inside the ruled cells of the tables, and whatever
// shows on a page also reaches the paper.
#include "forms/design_renderer.h"
#include "forms/form_design.h"
#include "forms/kind_profile.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

namespace mf {
namespace {

FormDesign design(int kind) {
    QString error;
    FormDesign d = loadFormDesign(kindProfile(kind).designResource(), &error);
    EXPECT_TRUE(d.isValid()) << error.toStdString();
    return d;
}

std::string nameOf(int kind, const DesignControl& c) {
    return std::to_string(kind) + " page " + std::to_string(c.page) + " " + c.displayName().toStdString();
}

bool shownOnPage(const FormDesign& d, const DesignControl& c) {
    return c.visible && (c.container.isEmpty() || d.find(c.container)->visible);
}

bool isDataBox(const DesignControl& c) {
    static const QStringList arrays = {"ChTXT", "ChMEMO", "ChCBO", "ExistTXT", "p1DATA"};
    return c.isArrayMember() && arrays.contains(c.name) &&
           (c.type == ControlType::TextBox || c.type == ControlType::ComboBox);
}

// Pixel size on the screen, as the editor builds its widgets (15 twips a pixel).
QSizeF screenSize(const TwipsRect& r) {
    return QSizeF(r.width.value / double(kTwipsPerPixel), r.height.value / double(kTwipsPerPixel));
}

TEST(FormReplica, EveryCaptionFitsItsBoxOnTheScreen) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (const DesignControl& c : d.controls) {
            if (!shownOnPage(d, c) || c.caption.isEmpty())
                continue;
            const QSizeF box = screenSize(c.rect);
            const QFontMetricsF fm(designFont(c.font, 1.0 / kTwipsPerPixel));
            if (c.type == ControlType::Label) {
                const QRectF need = fm.boundingRect(QRectF(0, 0, box.width(), 10000),
                                                    Qt::TextWordWrap, c.caption);
                EXPECT_LE(need.height(), box.height() + 1) << nameOf(kind, c) << " \"" << c.caption.toStdString()
                                                           << "\" needs " << need.height() << " px";
                // A caption without a line break never has to be broken inside a word of two
                // characters: it is either one line or wraps a long text.
                if (!c.caption.contains(u'\n') && c.caption.trimmed().size() <= 8)
                    EXPECT_LE(fm.horizontalAdvance(c.caption.trimmed()), box.width() + 1)
                        << nameOf(kind, c) << " \"" << c.caption.toStdString() << "\" is broken";
            } else if (c.type == ControlType::CheckBox || c.type == ControlType::OptionButton) {
                // Room for the indicator and its spacing beside the caption.
                EXPECT_LE(fm.horizontalAdvance(c.caption) + 20, box.width()) << nameOf(kind, c);
            } else if (c.type == ControlType::CommandButton) {
                EXPECT_LE(fm.horizontalAdvance(c.caption), box.width()) << nameOf(kind, c);
            }
        }
    }
}

TEST(FormReplica, EveryFieldHasItsCaptionBesideIt) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (const DesignControl& c : d.controls) {
            if (!isDataBox(c) || !shownOnPage(d, c) || c.page == 4)
                continue;
            const TwipsRect f = d.absoluteRect(c);
            bool captioned = false;
            for (const DesignControl* l : d.controlsOnPage(c.page)) {
                if (l->type != ControlType::Label || l->caption.trimmed().isEmpty() || !shownOnPage(d, *l))
                    continue;
                const TwipsRect r = d.absoluteRect(*l);
                const bool sameLine = r.top < f.top + f.height && f.top < r.top + r.height;
                const bool before = r.left + r.width <= f.left;
                // A column of a grid has its heading above the first row.
                const bool heading = r.top + r.height <= f.top && r.left < f.left + f.width && f.left < r.left + r.width;
                captioned = captioned || (sameLine && before) || heading;
            }
            EXPECT_TRUE(captioned) << nameOf(kind, c) << " " << c.fieldName.toStdString();
        }
    }
}

TEST(FormReplica, FieldBoxesSitInsideTheRuledCellsOfTheTables) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (int page : {2, 3}) {
            if (page >= d.pageCount())
                continue;
            std::vector<const DesignControl*> lines, borders;
            for (const DesignControl* c : d.controlsOnPage(page)) {
                if (c->type == ControlType::Line)
                    lines.push_back(c);
                if (c->type == ControlType::Shape)
                    borders.push_back(c);
            }
            EXPECT_FALSE(borders.empty()) << kind << " page " << page << ": the table has an outer border";
            EXPECT_GE(lines.size(), 5u) << kind << " page " << page << ": the table is ruled";
            for (const DesignControl* c : d.controlsOnPage(page)) {
                if (!shownOnPage(d, *c) || c->type == ControlType::Line || c->type == ControlType::Shape ||
                    c->type == ControlType::Frame)
                    continue;
                const TwipsRect b = d.absoluteRect(*c);
                if (isDataBox(*c)) {
                    bool inside = false;
                    for (const DesignControl* s : borders)
                        inside = inside || s->rect.contains(b);
                    EXPECT_TRUE(inside) << nameOf(kind, *c) << " lies in the table";
                }
                // No rule runs through a box or a caption.
                for (const DesignControl* l : lines) {
                    const bool horizontal = l->y1 == l->y2;
                    const bool crosses =
                        horizontal ? (l->y1 > b.top && l->y1 < b.top + b.height &&
                                      std::min(l->x1, l->x2) < b.left + b.width && std::max(l->x1, l->x2) > b.left)
                                   : (l->x1 > b.left && l->x1 < b.left + b.width &&
                                      std::min(l->y1, l->y2) < b.top + b.height && std::max(l->y1, l->y2) > b.top);
                    EXPECT_FALSE(crosses) << nameOf(kind, *c) << " is crossed by " << l->displayName().toStdString();
                }
            }
        }
    }
}

TEST(FormReplica, WhatShowsOnAPageReachesThePaper) {
    const QStringList fonts = {"宋体", "黑体", "仿宋_GB2312"};
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        for (const DesignControl& c : d.controls) {
            if (c.page > 3 || !c.container.isEmpty())
                continue;
            if (c.type == ControlType::Label && c.visible && !c.caption.trimmed().isEmpty())
                EXPECT_FALSE(c.tag.isEmpty()) << nameOf(kind, c) << " \"" << c.caption.toStdString() << "\"";
            if (c.type == ControlType::Label || isDataBox(c))
                EXPECT_TRUE(fonts.contains(c.font.name)) << nameOf(kind, c) << " " << c.font.name.toStdString();
        }
    }
}

TEST(FormReplica, InstructionItemsStandBesideTheirHeadingsInReadingOrder) {
    for (int kind = 1; kind <= 7; ++kind) {
        const FormDesign d = design(kind);
        const auto heads = d.array("lblHead");
        ASSERT_GE(heads.size(), 8u) << kind << ": the instructions are written out";
        Twips lastBottom{0};
        for (const DesignControl* h : heads) {
            EXPECT_EQ(h->page, 1);
            if (h->index == 0)
                continue;
            const DesignControl* e = d.find("lblExplain", h->index);
            ASSERT_NE(e, nullptr);
            // Level with the explanation (a one-line heading may start a little higher, so
            // that on paper it is centred on the explanation's first line).
            EXPECT_NEAR(h->rect.top.value, e->rect.top.value, 30) << kind << " item " << h->index;
            EXPECT_GT(e->rect.left, h->rect.left + h->rect.width - Twips(1)) << kind << " item " << h->index;
            EXPECT_GE(h->rect.top, lastBottom) << kind << " item " << h->index << " follows the one before";
            lastBottom = std::max(h->rect.top + h->rect.height, e->rect.top + e->rect.height);
        }
        EXPECT_LE(lastBottom, d.page(1)->height) << kind;
    }
}

} // namespace
} // namespace mf
