#include "core/app_state.h"
#include "core/main_window_rules.h"

#include <gtest/gtest.h>

using namespace mf;

TEST(AppState, KindFactsAndOpenCount) {
    EXPECT_EQ(kindMarker(1), "VORELXL");
    EXPECT_EQ(kindMarker(7), "VORELNJ");
    EXPECT_EQ(kindToolbarKey(6), "Cession");
    EXPECT_EQ(kindPackageTextName(5), "划定矿区范围申请登记书.txt");
    EXPECT_TRUE(kindHasMiningArea(5));
    EXPECT_FALSE(kindHasMiningArea(6));
    EXPECT_EQ(kindMarker(0), "");
    EXPECT_EQ(kindMarker(8), "");

    state().reset();
    EXPECT_EQ(CountOtherOpenForms(), -1);
    state().KindOpen[3] = true;
    EXPECT_EQ(CountOtherOpenForms(), 0);
    state().KindOpen[7] = true;
    EXPECT_EQ(CountOtherOpenForms(), 1);
    state().reset();
}

TEST(AppState, RoundUpToHalf) {
    EXPECT_DOUBLE_EQ(RoundUpToHalf(0), 0);
    EXPECT_DOUBLE_EQ(RoundUpToHalf(0.1), 0.5);
    EXPECT_DOUBLE_EQ(RoundUpToHalf(0.5), 1);
    EXPECT_DOUBLE_EQ(RoundUpToHalf(1.49), 1.5);
    EXPECT_DOUBLE_EQ(RoundUpToHalf(2.3), 2.5);
    EXPECT_DOUBLE_EQ(RoundUpToHalf(2.7), 3);
    EXPECT_DOUBLE_EQ(RoundUpToHalf(3.0), 3);
    EXPECT_DOUBLE_EQ(RoundUpToHalf(-1.3), -0.5);
    EXPECT_DOUBLE_EQ(RoundUpToHalf(1e12), 1e12);  // beyond whole numbers: unchanged, no overflow
}

TEST(MainWindowRules, BackgroundPictureByScreenWidth) {
    EXPECT_EQ(backgroundPictureName(800), "ckq-1.jpg");
    EXPECT_EQ(backgroundPictureName(1000), "ckq-1.jpg");
    EXPECT_EQ(backgroundPictureName(1024), "ckq-2.jpg");
    EXPECT_EQ(backgroundPictureName(1200), "ckq-2.jpg");
    EXPECT_EQ(backgroundPictureName(1280), "ckq-3.jpg");
    EXPECT_EQ(backgroundPictureName(1400), "ckq-3.jpg");
    EXPECT_EQ(backgroundPictureName(1401), "ckq-4.jpg");
    EXPECT_EQ(backgroundPictureName(1600), "ckq-4.jpg");
}

TEST(MainWindowRules, ProgressBarAndDate) {
    EXPECT_EQ(progressBarWidth(7000), 1000);
    EXPECT_EQ(progressBarWidth(9000), 1200);
    EXPECT_EQ(progressBarWidth(12000), 3000);
    EXPECT_EQ(statusDateText(QDate(2026, 12, 9)), "2026年12月9日");
    EXPECT_EQ(statusDateText(QDate(2010, 3, 5)), "2010年3月5日");
}

TEST(MainWindowRules, CascadeOrderAndPositions) {
    bool open[8] = {};
    open[1] = open[2] = open[7] = true;
    const auto p = cascadePlacements(open);
    ASSERT_EQ(p.size(), 2);
    EXPECT_EQ(p[0].kind, 2);
    EXPECT_EQ(p[0].topLeftTwips, QPoint(0, 0));
    EXPECT_EQ(p[1].kind, 1);  // the last one placed ends up active
    EXPECT_EQ(p[1].topLeftTwips, QPoint(400, 400));

    bool all[8] = {false, true, true, true, true, true, true, true};
    const auto q = cascadePlacements(all);
    QList<int> order;
    for (const auto& c : q) order << c.kind;
    EXPECT_EQ(order, (QList<int>{5, 4, 6, 3, 2, 1}));
    EXPECT_EQ(q.last().topLeftTwips, QPoint(2000, 2000));

    EXPECT_EQ(editorOpeningOffset(0), QPoint(0, 0));
    EXPECT_EQ(editorOpeningOffset(2), QPoint(900, 500));
}

#include "core/page_background.h"

TEST(PageBackground, EightyBandsOneStepBeyondTheEnd) {
    const auto bands = PaintPageBackground(7155, 8000, QColor(255, 255, 255), QColor(200, 255, 200), true);
    ASSERT_EQ(bands.size(), 80);
    EXPECT_EQ(bands.first().rect, QRect(0, 0, 7155, 101));
    EXPECT_EQ(bands.first().colour, QColor(254, 255, 254));
    EXPECT_EQ(bands.last().colour, QColor(199, 255, 199));
    EXPECT_EQ(bands.last().rect.top(), 79 * 101);

    // Side by side, and a falling colour is clamped at 0, never negative.
    const auto h = PaintPageBackground(800, 100, QColor(0, 0, 0), QColor(0, 10, 0), false);
    EXPECT_EQ(h[1].rect.left(), h[0].rect.width());
    EXPECT_EQ(h.first().colour.red(), 0);
}
