#pragma once
// Shared set-up of the picture-list tests: the built-in file types, an empty
// comment store, and a scratch folder with helpers for empty picture files.
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/ListFileComments.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace vistello::test {

class ListTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        PictureFileTypes::instance().clear();
        PictureFileTypes::instance().registerBuiltIns(false, nullptr);
        ListFileComments::instance().clear();
    }
    void TearDown() override
    {
        PictureFileTypes::instance().clear();
        ListFileComments::instance().clear();
    }

    // Creates an empty file (and its folders); returns its full path.
    QString touch(const QString& name) const { return dir.write(name, QByteArray()); }
    QString folder(const QString& name) const
    {
        QDir().mkpath(dir.file(name));
        return dir.file(name) + u'/';
    }

    TempDir dir;
};

} // namespace vistello::test
