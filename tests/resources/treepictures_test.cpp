// The reference trees' pictures: every key their windows use, in the order of their image lists,
// each a 13 x 13 picture with something drawn in it.

#include "controls/imagelist.h"
#include "resources/treepictures.h"

#include <gtest/gtest.h>

namespace {

QStringList keysOf(void (*fill)(ImageList &))
{
    ImageList list(nullptr, QStringLiteral(u"ImageList1"));
    fill(list);
    for (const QString &key : list.keys()) {
        const Picture *picture = list.picture(key);
        EXPECT_EQ(picture->width(), 13) << qPrintable(key);
        EXPECT_EQ(picture->height(), 13) << qPrintable(key);
        int drawn = 0;
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x)
                drawn += picture->colourAt(x, y).has_value();
        EXPECT_GT(drawn, 20) << qPrintable(key);
    }
    return list.keys();
}

TEST(TreePictures, EachImageListHoldsItsKeysInOrder)
{
    EXPECT_EQ(keysOf(treepictures::addCssTreePictures).join(u' '),
              QStringLiteral(u"open obj1 propaty1 value obj2 leaf close propaty"));
    EXPECT_EQ(keysOf(treepictures::addTagTreePictures).join(u' '),
              QStringLiteral(u"obj1 leaf obj2"));
    EXPECT_EQ(keysOf(treepictures::addObjectTreePictures).join(u' '),
              QStringLiteral(u"action closed open A4 file closed1 event meth open1 pro A0 A5 A1 "
                             u"A2 A3"));
}

} // namespace
