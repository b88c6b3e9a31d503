#include "core/prompts/FileDialogFilter.h"
#include "resources/MetaStrings.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

using namespace vistello;

TEST(FileDialogFilter, TableFiltersBecomeOneQtFilterPerType)
{
    const struct {
        QString filter;
        QStringList expected;
    } cases[] = {
        {strings::text(strings::kPictureDataFilter), {QStringLiteral("Picture information (*.app)")}},
        {QStringLiteral("Jpeg (*.jpg;*.jpeg)|*.jpg;*.jpeg|Bitmap (*.bmp)|*.bmp|"),
         {QStringLiteral("Jpeg (*.jpg *.jpeg)"), QStringLiteral("Bitmap (*.bmp)")}},
        {QStringLiteral("Text|*.txt|"), {QStringLiteral("Text (*.txt)")}},
        {QStringLiteral("JPEG files (*.jpg *.jpeg)"), {QStringLiteral("JPEG files (*.jpg *.jpeg)")}},
        {QString(), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dialogNameFilters(c.filter), c.expected) << c.filter.toStdString();
}
