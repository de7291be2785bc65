#pragma once
// A test that writes hand-made files into a temporary folder and answers dialogs by script.
#include "platform/scripted_dialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mf::test {

class FileFixture : public ::testing::Test {
protected:
    void SetUp() override { dialogs.install(); }

    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return dir.filePath(name);
    }

    ScriptedDialogs dialogs;
    QTemporaryDir dir;
};

} // namespace mf::test
