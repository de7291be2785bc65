// Test entry point shared by every test executable: a QApplication on the offscreen
// platform, so widget tests run headless.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's own data folder (where the authority's dictionary may lie) stays out of
    // every test; a test that needs one sets its own.
    QTemporaryDir userData;
    qputenv("XDG_DATA_HOME", userData.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
