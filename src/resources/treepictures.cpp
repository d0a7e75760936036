#include "resources/treepictures.h"

#include "controls/colorrun.h"
#include "controls/imagelist.h"

#include <initializer_list>

namespace treepictures {

namespace {

// Every picture draws with these letters; a blank is transparent.
const std::map<QChar, quint32> kColours = {
    {u'k', rgb(64, 64, 64)},   {u'w', rgb(255, 255, 255)}, {u'r', rgb(216, 32, 32)},
    {u'b', rgb(0, 0, 128)},    {u'y', rgb(232, 192, 64)},  {u'o', rgb(252, 232, 150)},
    {u'g', rgb(32, 150, 64)},  {u'l', rgb(48, 96, 216)},   {u'p', rgb(150, 64, 180)},
    {u'a', rgb(240, 140, 20)}, {u's', rgb(150, 150, 150)}, {u't', rgb(20, 150, 150)},
};

Picture draw(std::initializer_list<const char16_t *> rows)
{
    Picture picture;
    for (const char16_t *row : rows)
        picture.rows.append(QString::fromUtf16(row));
    picture.colours = kColours;
    return picture;
}

// A red ball crossed by a dark stroke: an entry with children, closed.
Picture ball()
{
    return draw({u"    rrrrr    ", u"  rrrrrrrrr  ", u" rrwwrrrrrrr ", u" rwwrrrrrrkr ",
                 u"rrrrrrrrrkkrr", u"rrrrrrrrkkrrr", u"rrrrrrrkkrrrr", u"rrrrrrkkrrrrr",
                 u"rrrrrkkrrrrrr", u" rrrkkrrrrrr ", u" rrrkrrrrrrr ", u"  rrrrrrrrr  ",
                 u"    rrrrr    "});
}

// A red bowl open at the top: an entry opened.
Picture bowl()
{
    return draw({u"             ", u"             ", u"r           r", u"rr         rr",
                 u"rrr       rrr", u"rrrr     rrrr", u"rrrrr   rrrrr", u"rrrrrrrrrrrrr",
                 u"rrrrrrrrrrrrr", u" rrrrrrrrrrr ", u"  rrrrrrrrr  ", u"    rrrrr    ",
                 u"             "});
}

// A white page with a folded corner and dark-blue lines: an entry without children.
Picture page()
{
    return draw({u"kkkkkkkk     ", u"kwwwwwwkk    ", u"kwwwwwwkwk   ", u"kwbbbbwkkkk  ",
                 u"kwwwwwwwwwk  ", u"kwbbbbbbbwk  ", u"kwwwwwwwwwk  ", u"kwbbbbbbbwk  ",
                 u"kwwwwwwwwwk  ", u"kwbbbbbbbwk  ", u"kwwwwwwwwwk  ", u"kwwwwwwwwwk  ",
                 u"kkkkkkkkkkk  "});
}

Picture closedFolder()
{
    return draw({u"             ", u" kkkk        ", u"kyyyyk       ", u"kyyyyykkkkkk ",
                 u"kyyyyyyyyyyyk", u"kyyyyyyyyyyyk", u"kyyyyyyyyyyyk", u"kyyyyyyyyyyyk",
                 u"kyyyyyyyyyyyk", u"kyyyyyyyyyyyk", u"kyyyyyyyyyyyk", u" kkkkkkkkkkk ",
                 u"             "});
}

Picture openFolder()
{
    return draw({u"             ", u" kkkk        ", u"kyyyyk       ", u"kyyyyykkkkk  ",
                 u"kyyyyyyyyyyk ", u"kyykkkkkkkkkk", u"kyk ooooooook", u"kykoooooooook",
                 u"kkoooooooook ", u"kkoooooooook ", u"kooooooooook ", u"kkkkkkkkkkk  ",
                 u"             "});
}

// A square of one colour with a dark rim: properties.
Picture square(QChar fill)
{
    Picture picture = draw({u"             ", u"             ", u"  kkkkkkkkk  ", u"  kfffffffk  ",
                            u"  kfffffffk  ", u"  kfffffffk  ", u"  kfffffffk  ", u"  kfffffffk  ",
                            u"  kfffffffk  ", u"  kfffffffk  ", u"  kkkkkkkkk  ", u"             ",
                            u"             "});
    for (QString &row : picture.rows)
        row.replace(u'f', fill);
    return picture;
}

// A diamond of one colour: methods and values.
Picture diamond(QChar fill)
{
    Picture picture = draw({u"      f      ", u"     fff     ", u"    fffff    ", u"   fffffff   ",
                            u"  fffffffff  ", u" fffffffffff ", u"fffffffffffff", u" fffffffffff ",
                            u"  fffffffff  ", u"   fffffff   ", u"    fffff    ", u"     fff     ",
                            u"      f      "});
    for (QString &row : picture.rows)
        row.replace(u'f', fill);
    return picture;
}

// A lightning bolt: events.
Picture bolt()
{
    return draw({u"      aaaa   ", u"     aaaa    ", u"    aaaa     ", u"   aaaa      ",
                 u"  aaaaaaaaa  ", u"      aaaa   ", u"     aaaa    ", u"    aaaa     ",
                 u"   aaa       ", u"  aaa        ", u" aa          ", u" a           ",
                 u"             "});
}

// A round badge of one colour: the member levels.
Picture badge(QChar fill)
{
    Picture picture = draw({u"             ", u"             ", u"    kkkkk    ", u"   kfffffk   ",
                            u"  kfffffffk  ", u"  kffwffffk  ", u"  kfffffffk  ", u"  kfffffffk  ",
                            u"  kfffffffk  ", u"   kfffffk   ", u"    kkkkk    ", u"             ",
                            u"             "});
    for (QString &row : picture.rows)
        row.replace(u'f', fill);
    return picture;
}

void add(ImageList &list, const char16_t *key, const Picture &picture)
{
    list.add(QString::fromUtf16(key), picture);
}

} // namespace

void addCssTreePictures(ImageList &list)
{
    add(list, u"open", openFolder());
    add(list, u"obj1", ball());
    add(list, u"propaty1", square(u'l'));
    add(list, u"value", diamond(u'g'));
    add(list, u"obj2", bowl());
    add(list, u"leaf", page());
    add(list, u"close", closedFolder());
    add(list, u"propaty", square(u'p'));
}

void addTagTreePictures(ImageList &list)
{
    add(list, u"obj1", ball());
    add(list, u"leaf", page());
    add(list, u"obj2", bowl());
}

void addObjectTreePictures(ImageList &list)
{
    add(list, u"action", bolt());
    add(list, u"closed", closedFolder());
    add(list, u"open", openFolder());
    add(list, u"A4", badge(u's'));
    add(list, u"file", page());
    add(list, u"closed1", closedFolder());
    add(list, u"event", bolt());
    add(list, u"meth", diamond(u'p'));
    add(list, u"open1", openFolder());
    add(list, u"pro", square(u'l'));
    add(list, u"A0", badge(u'g'));
    add(list, u"A5", badge(u't'));
    add(list, u"A1", badge(u'l'));
    add(list, u"A2", badge(u'a'));
    add(list, u"A3", badge(u'p'));
}

} // namespace treepictures
