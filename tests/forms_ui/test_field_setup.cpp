// Field set-up per kind and the dependent fields of the editors.
#include "core/field_access.h"
#include "core/text_submission.h"
#include "field_fixture.h"
#include "forms/field_rules.h"
#include "forms/ui/reserve_labels.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QWheelEvent>

using namespace mf;
using namespace mf::test;

namespace {

class FieldSetupTest : public FieldTest {};

TwipsRect designRectOf(const EditorWindow& e, const QString& name) {
    for (const DesignControl& c : e.design().controls)
        if (c.displayName() == name) return e.design().absoluteRect(c);
    return {};
}

} // namespace

TEST_F(FieldSetupTest, CodeListCombosAreFilledWithoutSelection) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        auto e = open(kind);
        for (const CodeComboSpec& c : e->fieldTable().codeCombos) {
            const QStringList items = e->comboItems(c.combo);
            EXPECT_EQ(items, dictionary().codeItems(c.category, c.withCode)) << kind << " ChCBO " << c.combo;
            EXPECT_FALSE(items.isEmpty()) << kind << " ChCBO " << c.combo;
            if (c.withCode) EXPECT_TRUE(items.first().contains(". ")) << kind;
            EXPECT_EQ(e->comboCurrentIndex(c.combo), -1) << kind;
            EXPECT_EQ(e->text(ControlArray::ChCBO, c.combo), "") << kind;
            EXPECT_TRUE(e->comboIsCodeList(c.combo));
        }
        if (e->fieldTable().mineralPicker) {
            EXPECT_TRUE(e->comboItems(2).isEmpty()) << kind;   // filled by the pickers only
            EXPECT_FALSE(e->comboIsCodeList(2));
        }
        EXPECT_FALSE(changed(kind)) << kind;
        state().KindOpen[kind] = false;
    }
    auto one = open(1);
    for (int i : {8, 9}) {
        EXPECT_EQ(one->comboItems(i), (QStringList{"万元", "万美元"}));
        EXPECT_EQ(one->comboCurrentIndex(i), -1);
    }
}

TEST_F(FieldSetupTest, PickersAreHiddenAndPlacedBesideTheirFields) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        auto e = open(kind);
        for (const RegionPickerSpec& p : e->fieldTable().regionPickers) {
            QWidget* tree = e->control(p.tree);
            ASSERT_TRUE(tree) << kind;
            EXPECT_TRUE(tree->isHidden()) << kind;
            const TwipsRect label = designRectOf(*e, p.label);
            const TwipsRect button = designRectOf(*e, p.button);
            EXPECT_EQ(tree->geometry(), regionTreeRect(label, button, p.opensUp).toPixels()) << kind;
            EXPECT_EQ(tree->height(), toPixels(Twips(3400)));
            if (p.opensUp)
                EXPECT_LT(tree->y(), toPixels(button.top));
            else
                EXPECT_GT(tree->y(), toPixels(button.top + button.height));
        }
        for (const char* name : {"TreeView2", "List1", "ListCL"})
            if (QWidget* w = e->control(name)) EXPECT_TRUE(w->isHidden()) << kind << name;
        if (e->fieldTable().mineralPicker) {
            const TwipsRect combo = designRectOf(*e, "ChCBO(2)");
            EXPECT_EQ(e->control("TreeView2")->geometry(), mineralTreeRect(combo).toPixels()) << kind;
            EXPECT_EQ(e->control("List1")->geometry(), mineralListRect(combo).toPixels()) << kind;
        }
        state().KindOpen[kind] = false;
    }
}

TEST_F(FieldSetupTest, MiningAreaPageStartsWithAnEmptyPlaneGrid) {
    for (int kind : {1, 2, 5}) {
        auto e = open(kind);
        ASSERT_TRUE(e->miningArea()) << kind;
        auto* areaCom = qobject_cast<QComboBox*>(e->control("AREACOM"));
        EXPECT_EQ(areaCom->count(), 2);
        EXPECT_EQ(areaCom->currentText(), "直角坐标");
        EXPECT_EQ(areaCom->itemText(1), "经纬坐标");
        EXPECT_EQ(grid_->ZB_Type(), 0);
        EXPECT_EQ(grid_->ZB_String(), "");
        EXPECT_TRUE(areaCom->isEnabled());
        EXPECT_FALSE(e->control("CALCOM")->isEnabled());
        EXPECT_FALSE(e->control("GRPHCOM")->isEnabled());
        state().KindOpen[kind] = false;
    }
    for (int kind : {3, 4, 6, 7}) EXPECT_EQ(open(kind)->miningArea(), nullptr);
}

TEST_F(FieldSetupTest, RegionNameFollowsTheTypedCode) {
    auto e = open(1);
    type(*e, 25, "11010");
    EXPECT_EQ(e->text(ControlArray::LabelXZQName, 0), "");
    EXPECT_TRUE(changed(1));
    type(*e, 25, "110101");
    const QString full = e->text(ControlArray::LabelXZQName, 0);
    EXPECT_TRUE(full.startsWith("北京市")) << full.toStdString();
    EXPECT_TRUE(full.endsWith("东城区"));
    type(*e, 25, "11010");   // a character deleted
    EXPECT_EQ(e->text(ControlArray::LabelXZQName, 0), "");
    type(*e, 25, "110101");
    EXPECT_EQ(e->text(ControlArray::LabelXZQName, 0), full);
    type(*e, 25, "999999");   // unknown code
    EXPECT_EQ(e->text(ControlArray::LabelXZQName, 0), "");
}

TEST_F(FieldSetupTest, TextsSetFromAFileAreKeptWholeBeyondTheTypingLimit) {
    // The region and year boxes limit typing; a loaded value longer than that must
    // neither be cut (data lost on the next save) nor turn into another region code.
    auto one = open(1);
    one->setText(ControlArray::ChTXT, 25, "1101011");
    EXPECT_EQ(txt(*one, 25), "1101011");
    EXPECT_EQ(one->text(ControlArray::LabelXZQName, 0), "");
    one->setText(ControlArray::ChTXT, 25, "110101");
    EXPECT_EQ(txt(*one, 25), "110101");
    EXPECT_NE(one->text(ControlArray::LabelXZQName, 0), "");
    auto seven = open(7);
    seven->setText(ControlArray::ChTXT, 56, "2023年度");
    EXPECT_EQ(txt(*seven, 56), "2023年度");
}

TEST_F(FieldSetupTest, TypedTextIsNeverLookedUpAsARegion) {
    auto e = open(3);
    type(*e, 15, "110101");
    const int before = dictionary().queryCount();
    for (const char* s : {"abcdef", "1' or ", "11010x", "１１０１０１"}) {
        type(*e, 15, QString::fromUtf8(s));
        EXPECT_EQ(e->text(ControlArray::LabelXZQName, 0), "") << s;
    }
    EXPECT_EQ(dictionary().queryCount(), before);
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(FieldSetupTest, RegionNamesGoIntoTextFieldsOnTransferAndAnnualReport) {
    auto six = open(6);
    unmark(6);
    type(*six, 37, "110101");
    EXPECT_TRUE(txt(*six, 36).endsWith("东城区"));
    EXPECT_TRUE(changed(6));
    auto seven = open(7);
    type(*seven, 42, "110102");
    EXPECT_TRUE(txt(*seven, 43).endsWith("西城区"));
    EXPECT_EQ(txt(*seven, 9), "");
    type(*seven, 8, "110000");
    EXPECT_EQ(txt(*seven, 9), "北京市");
    EXPECT_TRUE(txt(*seven, 43).endsWith("西城区"));
}

TEST_F(FieldSetupTest, MineNameIsCopiedToTheFigureBoxOnTheAnnualReport) {
    auto e = open(7);
    type(*e, 1, "甲矿");
    EXPECT_EQ(exist(*e, 0), "甲矿");
    unmark(7);
    e->setText(ControlArray::ExistTXT, 0, "乙矿");
    EXPECT_EQ(txt(*e, 1), "甲矿");   // nothing copies back
    EXPECT_TRUE(changed(7));
}

TEST_F(FieldSetupTest, CoAssociatedMineralsFieldFollowsTheBox) {
    for (auto [kind, other] : {std::pair{1, 11}, {2, 9}, {5, 9}}) {
        auto e = open(kind);
        QWidget* w = e->textField(ControlArray::ChTXT, other)->widget();
        e->setCheckTogether(true);
        EXPECT_TRUE(w->isEnabled()) << kind;
        type(*e, other, "铜");
        unmark(kind);
        e->checkTogetherBox()->click();   // the user unticks it
        EXPECT_EQ(txt(*e, other), "") << kind;
        EXPECT_FALSE(w->isEnabled()) << kind;
        EXPECT_TRUE(changed(kind)) << kind;
        e->checkTogetherBox()->click();
        EXPECT_TRUE(w->isEnabled());
        EXPECT_EQ(txt(*e, other), "");
        state().KindOpen[kind] = false;
    }
}

TEST_F(FieldSetupTest, MineralChoiceSetsTheUnitLabelsOfTheAnnualReport) {
    auto e = open(7);
    e->setComboItems(2, {"11004 天然气"});
    unmark(7);
    e->setComboCurrentIndex(2, 0);
    EXPECT_TRUE(changed(7));
    EXPECT_EQ(label(*e, "LabelGM(0)"), "亿立方米/年");
    EXPECT_EQ(label(*e, "LabelGM(7)"), dictionary().GetReserveUnit("11004"));
    EXPECT_FALSE(label(*e, "LabelGM(7)").isEmpty());
    // A text that reads as four digits marks the form but leaves the labels.
    e->setComboItems(2, {"02200 某矿"});
    e->setComboCurrentIndex(2, 0);
    EXPECT_EQ(label(*e, "LabelGM(0)"), "亿立方米/年");
    // A code the dictionary does not know empties them.
    e->setComboItems(2, {"99999 某矿"});
    e->setComboCurrentIndex(2, 0);
    EXPECT_EQ(label(*e, "LabelGM(0)"), "");
    EXPECT_EQ(label(*e, "LabelGM(7)"), "");
}

TEST_F(FieldSetupTest, ReserveScaleFollowsTheTotalAndIgnoresQuotes) {
    auto e = open(1);
    e->setComboItems(2, {"11001 煤"});
    e->setComboCurrentIndex(2, 0);
    e->setText(ControlArray::ChTXT, 29, "原煤(井田)");
    type(*e, 13, "2");
    EXPECT_EQ(label(*e, "LabelCL"), "大型");
    type(*e, 13, "0.7");
    EXPECT_EQ(label(*e, "LabelCL"), "中型");
    e->setText(ControlArray::ChTXT, 29, "原煤' or '1'='1");
    type(*e, 13, "3");
    EXPECT_EQ(label(*e, "LabelCL"), "");
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    // Without a mineral the scale stays empty.
    auto two = open(2);
    type(*two, 11, "500");
    EXPECT_EQ(label(*two, "LabelCL"), "");
}

TEST_F(FieldSetupTest, KeysMoveBetweenFieldsWhereTheFormCarriesThem) {
    auto e = open(1);
    e->show();
    QApplication::setActiveWindow(e.get());
    QWidget* first = e->textField(ControlArray::ChTXT, 0)->widget();
    first->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), first);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier);
    QApplication::sendEvent(first, &down);
    QApplication::processEvents();
    EXPECT_NE(QApplication::focusWidget(), first);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &up);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), first);

    // Enter is swallowed on NewTab: a return never reaches the box.
    auto* line = qobject_cast<QLineEdit*>(first);
    int returns = 0;
    QObject::connect(line, &QLineEdit::returnPressed, [&] { ++returns; });
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
    EXPECT_EQ(returns, 0);
    e->hide();
}

TEST_F(FieldSetupTest, LeavingATextBoxShowsItsStart) {
    auto one = open(1);
    auto* line = qobject_cast<QLineEdit*>(one->textField(ControlArray::ChTXT, 0)->widget());
    line->setText("一个很长的申请人名称");
    line->setCursorPosition(5);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(line, &out);
    EXPECT_EQ(line->cursorPosition(), 0);
    // A message box taking the activation is not a loss of focus.
    line->setCursorPosition(5);
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(line, &away);
    EXPECT_EQ(line->cursorPosition(), 5);
    auto three = open(3);   // ContTab keeps the caret
    auto* l3 = qobject_cast<QLineEdit*>(three->textField(ControlArray::ChTXT, 0)->widget());
    l3->setText("abc");
    l3->setCursorPosition(2);
    QApplication::sendEvent(l3, &out);
    EXPECT_EQ(l3->cursorPosition(), 2);
}

TEST_F(FieldSetupTest, LoadingAFileFillsTheLabelsAndLeavesTheFormUnchanged) {
    auto e = open(1);
    e->setComboItems(2, {"11001 煤"});
    e->setComboCurrentIndex(2, 0);
    e->setText(ControlArray::ChTXT, 25, "110101");
    e->setText(ControlArray::ChTXT, 13, "3");
    e->setText(ControlArray::ChTXT, 28, "亿吨");
    e->setText(ControlArray::ChTXT, 29, "原煤(矿区)");
    e->setText(ControlArray::ChTXT, 18, "1200");
    e->setText(ControlArray::ChTXT, 19, "350.5");
    e->setText(ControlArray::ChTXT, 20, " 1.234");
    const QString path = work_.path() + "/a.txt";
    ASSERT_TRUE(WriteTextSubmission(path, collectFormValues(*e), dictionary().textKeyMap(1)));
    state().KindOpen[1] = false;
    e.reset();

    auto f = open(1);
    state().PendingFile = path;
    ASSERT_TRUE(f->Form_Activate()) << (dialogs_.messages().isEmpty() ? "" : dialogs_.lastMessage().text.toStdString());
    EXPECT_FALSE(changed(1));
    EXPECT_FALSE(shell_.buttons["SAVE"]);
    EXPECT_TRUE(f->text(ControlArray::ChCBO, 2).startsWith("11001"));
    EXPECT_EQ(label(*f, "LabelGM(1)"), "亿吨 原煤(矿区)");
    EXPECT_EQ(label(*f, "LabelGM(0)"), "万吨/年");
    EXPECT_EQ(label(*f, "LabelCL"), "中型");
    EXPECT_TRUE(f->text(ControlArray::LabelXZQName, 0).endsWith("东城区"));
    EXPECT_EQ(exist(*f, 0), "1200");
    EXPECT_EQ(exist(*f, 1), "350.5");
    EXPECT_EQ(exist(*f, 2), " 1.234");
    EXPECT_EQ(exist(*f, 3), "1.5");
    EXPECT_EQ(f->reserveLabels()->controls().list->count(), 3);
    // Every single-line box shows the start of what it holds.
    for (TextField* box : {f->textField(ControlArray::ChTXT, 29), f->textField(ControlArray::ExistTXT, 2)})
        EXPECT_EQ(qobject_cast<QLineEdit*>(box->widget())->cursorPosition(), 0);
}

TEST_F(FieldSetupTest, CombosShowTheirCodeFirstOpenWideAndTakeTheWheelOnlyWithFocus) {
    auto e = open(1);
    const int index = e->fieldTable().codeCombos.front().combo;
    FieldCombo* c = e->combo(index);
    ASSERT_TRUE(c);
    c->resize(60, c->height());  // narrower than its items
    const int last = c->count() - 1;
    ASSERT_GT(last, 0);
    // Set from code, then picked by the user: the caret, and so the view, is at the start.
    c->setListIndex(last);
    EXPECT_EQ(c->lineEdit()->cursorPosition(), 0);
    c->setFieldText(c->itemText(0));
    EXPECT_EQ(c->lineEdit()->cursorPosition(), 0);
    c->setCurrentIndex(1);
    emit c->activated(1);
    EXPECT_EQ(c->lineEdit()->cursorPosition(), 0);
    // The list is wide enough for its longest item and elides nothing.
    const QFontMetrics fm(c->view()->font());
    int widest = 0;
    for (int i = 0; i <= last; ++i) widest = std::max(widest, fm.horizontalAdvance(c->itemText(i)));
    EXPECT_GE(c->view()->minimumWidth(), widest);
    EXPECT_EQ(c->view()->textElideMode(), Qt::ElideNone);
    // The wheel over a combo without the focus changes nothing and goes on to the page.
    ASSERT_FALSE(c->hasFocus());
    QWheelEvent wheel(QPointF(5, 5), c->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(c, &wheel);
    EXPECT_EQ(c->currentIndex(), 1);
    EXPECT_FALSE(wheel.isAccepted());
}

TEST_F(FieldSetupTest, ALoadLeavesNothingOfThePreviousApplicationOnScreen) {
    // The labels of a file with a mineral, then a file without one: a fresh form's labels.
    auto fresh = open(1);
    const QStringList names = {"LabelGM(0)", "LabelGM(1)", "LabelCL"};
    QStringList freshLabels;
    for (const QString& n : names) freshLabels << label(*fresh, n);
    const QString without = work_.path() + "/without.txt", with = work_.path() + "/with.txt";
    fresh->setText(ControlArray::ChTXT, 0, "甲公司");
    ASSERT_TRUE(WriteTextSubmission(without, collectFormValues(*fresh), dictionary().textKeyMap(1)));
    fresh->setComboItems(2, {"11001 煤"});
    fresh->setComboCurrentIndex(2, 0);
    fresh->setText(ControlArray::ChTXT, 13, "3");
    fresh->setText(ControlArray::ChTXT, 28, "亿吨");
    ASSERT_TRUE(WriteTextSubmission(with, collectFormValues(*fresh), dictionary().textKeyMap(1)));
    state().KindOpen[1] = false;
    fresh.reset();
    auto e = open(1);
    for (const QString& file : {with, without}) {
        state().PendingFile = file;
        ASSERT_TRUE(e->Form_Activate());
    }
    for (int i = 0; i < names.size(); ++i) EXPECT_EQ(label(*e, names[i]), freshLabels[i]) << names[i].toStdString();
    EXPECT_EQ(e->reserveLabels()->controls().list->count(), 0);

    // The cover's 审批通知书文号 is not stored: it takes no typing, a load empties it.
    auto six = open(6);
    auto* cover = qobject_cast<QLineEdit*>(six->control("p1DATA(58)"));
    ASSERT_TRUE(cover);
    EXPECT_TRUE(cover->isReadOnly());
    cover->setText("转字[2024]1号");
    six->setText(ControlArray::ChTXT, 0, "乙公司");
    const QString sixFile = work_.path() + "/six.txt";
    ASSERT_TRUE(WriteTextSubmission(sixFile, collectFormValues(*six), dictionary().textKeyMap(6)));
    state().PendingFile = sixFile;
    ASSERT_TRUE(six->Form_Activate());
    EXPECT_EQ(cover->text(), "");
}
