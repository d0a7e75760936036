#include "support/qt_printers.h"
#include <QString>
#include <gtest/gtest.h>

TEST(Build, QStringCountsUtf16)
{
    EXPECT_EQ(QStringLiteral(u"表\r\n").size(), 3);
}
