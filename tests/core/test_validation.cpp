#include "core/app_state.h"
#include "core/validation.h"
#include "fake_form.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

using namespace mf;
using namespace mf::test;

namespace {

// A coordinate control whose verdict the test sets; it records the check modes asked for.
class VerdictGrid : public FakeGrid {
public:
    bool verdict = true;
    QList<int> modes;
    void Check_ZB(qint16 mode) override { modes.append(mode); }
    bool CheckZB() const override { return verdict; }
};

class ValidationTest : public ::testing::Test {
protected:
    void SetUp() override {
        state().reset();
        dialogs_.install();
    }
    void TearDown() override { state().reset(); }

    // A form of the kind with all fields empty, made current.
    FakeForm& form(int kind) {
        form_ = makeForm(kind);
        if (form_->grid) {
            auto g = std::make_unique<VerdictGrid>();
            grid_ = g.get();
            form_->grid = std::move(g);
        } else {
            grid_ = nullptr;
        }
        state().CurrentKind = kind;
        return *form_;
    }
    void set(int index, const QString& text) { form_->at(ControlArray::ChTXT, index).text = text; }
    bool validate() { return ValidateCurrentForm(form_.get()); }

    ScriptedDialogs dialogs_;
    std::unique_ptr<FakeForm> form_;
    VerdictGrid* grid_ = nullptr;
};

} // namespace

TEST_F(ValidationTest, NoCurrentKindGivesFalseSilently) {
    form(3);
    for (int kind : {0, 8, -1}) {
        state().CurrentKind = kind;
        EXPECT_FALSE(validate()) << kind;
    }
    state().CurrentKind = 3;
    EXPECT_FALSE(ValidateCurrentForm(nullptr));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(ValidationTest, EmptyFormsOfEveryKindPass) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        form(kind);
        EXPECT_TRUE(validate()) << kind;
    }
    EXPECT_TRUE(dialogs_.messages().isEmpty());
}

TEST_F(ValidationTest, DatesOutsideTheAcceptedFormsOrRangeFail) {
    form(3);  // 4 填表时间 is a date field
    for (const char* good : {"1900/1/1", "4000/1/1", "2010-3-5", "2010.03.05", "2010年3月5日", "2010年3月5", "2010-3-5 8:30"}) {
        set(4, QString::fromUtf8(good));
        EXPECT_TRUE(validate()) << good;
    }
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    for (const char* bad : {"2010-2-30", "1899-12-31", "4000-1-2", "abc", " ", "10-3-5", "2010-13-1"}) {
        dialogs_.clear();
        set(4, QString::fromUtf8(bad));
        EXPECT_FALSE(validate()) << bad;
        ASSERT_EQ(dialogs_.messages().size(), 1) << bad;
        const ShownMessage m = dialogs_.messages().at(0);
        EXPECT_EQ(m.text, "文本4应填写日期型数据...");
        EXPECT_EQ(m.title, "错误");
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
    }
}

TEST_F(ValidationTest, NumbersAreJudgedByTheFixedGrammar) {
    form(4);  // 7 邮编 is a number field
    for (const char* good : {"100083", "-1.5", " 3 ", "1e3", ".5", "+2."}) {
        set(7, QString::fromUtf8(good));
        EXPECT_TRUE(validate()) << good;
    }
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    for (const char* bad : {"12a", "一二", "1,000", "￥5", "&H10", "nan", "inf", " "}) {
        dialogs_.clear();
        set(7, QString::fromUtf8(bad));
        EXPECT_FALSE(validate()) << bad;
        ASSERT_EQ(dialogs_.messages().size(), 1) << bad;
        EXPECT_EQ(dialogs_.messages().at(0).text, "文本7应填写数值型数据...");
        EXPECT_EQ(dialogs_.messages().at(0).icon, MsgIcon::Exclamation);
    }
}

TEST_F(ValidationTest, ChangeFormChecksDepthsAndAreaButNotTheFeeOrApplicant) {
    form(2);
    set(0, "某某矿业公司");
    set(21, "免缴");  // 采矿权使用费 is not a number field
    set(3, "not checked");
    EXPECT_TRUE(validate());
    const QList<QPair<int, QString>> checked = {{19, "采深上限"}, {20, "采深下限"}, {22, "矿区面积"}};
    for (const auto& [index, name] : checked) {
        dialogs_.clear();
        set(index, "约300");
        EXPECT_FALSE(validate()) << index;
        EXPECT_EQ(dialogs_.lastMessage().text, name + "应填写数值型数据...");
        set(index, "");
    }
}

TEST_F(ValidationTest, TheFirstFailingFieldByIndexIsReported) {
    form(2);
    set(16, "2010-2-30");  // 原有效期止, a date
    set(7, "x");           // 邮编, a number
    set(15, "abc");        // 原有效期起, a date
    EXPECT_FALSE(validate());
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.messages().at(0).text, "邮编应填写数值型数据...");
    dialogs_.clear();
    set(7, "100083");
    EXPECT_FALSE(validate());
    EXPECT_EQ(dialogs_.messages().at(0).text, "原有效期起应填写日期型数据...");
}

TEST_F(ValidationTest, CoordinateVerdictStopsBeforeAnyField) {
    for (int kind : {1, 2, 5}) {
        form(kind);
        set(kind == 2 ? 4 : 3, "not a date");
        grid_->verdict = false;
        dialogs_.clear();
        EXPECT_FALSE(validate()) << kind;
        EXPECT_TRUE(dialogs_.messages().isEmpty()) << kind;
        EXPECT_EQ(grid_->modes, QList<int>{2}) << kind;  // the lenient check before a save
        grid_->verdict = true;
        EXPECT_FALSE(validate());
        EXPECT_EQ(dialogs_.messages().size(), 1);
    }
}

TEST_F(ValidationTest, AFailedCheckLeavesTheFormAsItWas) {
    FakeForm& f = form(7);
    set(45, "someday");
    f.setTextCalls = 0;
    EXPECT_FALSE(validate());
    EXPECT_EQ(dialogs_.lastMessage().text, "文本45应填写日期型数据...");
    EXPECT_EQ(f.setTextCalls, 0);
    EXPECT_EQ(f.text(ControlArray::ChTXT, 45), "someday");
}

TEST_F(ValidationTest, EveryKindsTablesAreAscendingAndDisjoint) {
    for (int kind = 1; kind <= kKindCount; ++kind) {
        const auto& dates = validatedDateFields(kind);
        const auto& numbers = validatedNumberFields(kind);
        ASSERT_FALSE(dates.isEmpty()) << kind;
        // The fill-in date is 3 on kinds 1, 5 and 7 and 4 on the others.
        EXPECT_EQ(dates.first().index, (kind == 1 || kind == 5 || kind == 7) ? 3 : 4) << kind;
        QList<int> all;
        for (const auto& f : dates) all.append(f.index);
        for (const auto& f : numbers) {
            EXPECT_FALSE(all.contains(f.index)) << kind << " " << f.index;
        }
        for (int i = 1; i < dates.size(); ++i) EXPECT_LT(dates[i - 1].index, dates[i].index);
        for (int i = 1; i < numbers.size(); ++i) EXPECT_LT(numbers[i - 1].index, numbers[i].index);
    }
    EXPECT_TRUE(validatedDateFields(0).isEmpty());
    EXPECT_TRUE(validatedNumberFields(8).isEmpty());
}
