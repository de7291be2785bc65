#include "platform/zip_library.h"

#include <gtest/gtest.h>

using namespace mf;

TEST(ZipLibrary, LoadsOnFirstUseAndNamesWhatIsMissing) {
    QString error;
    const ZipLibrary* z = zipLibrary(&error);
    ASSERT_NE(z, nullptr) << error.toStdString();
    EXPECT_NE(z->open, nullptr);
    EXPECT_NE(z->errorCodeSystem, nullptr);

    struct Case {
        const char* soname;
        const char* says;
    };
    const Case cases[] = {
        {"libzip-not-installed.so.9", "无法加载压缩库 libzip-not-installed.so.9："},
        {"libc.so.6", "压缩库缺少函数 zip_open"},   // a library, but not the archive library
    };
    for (const Case& c : cases) {
        ZipLibrary lib{};
        EXPECT_FALSE(loadZipLibrary(c.soname, &lib, &error)) << c.soname;
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.says))) << error.toStdString();
    }
}
