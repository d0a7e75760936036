// Reads the built-in tag reference text the way the tag tree's click does: searched for without
// regard to case, every entry finds its own line first. (The tree's load, examples and codes are
// tested with the tree.)
#include "controls/strings.h"
#include "reference/tagreference.h"
#include "support/reference_texts.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

int findIgnoringCase(int start, const QString &text, const QString &find)
{
    return int(text.indexOf(find, start - 1, Qt::CaseInsensitive)) + 1;
}

} // namespace

TEST(TagRefTextReaders, EveryEntryFindsItsOwnLineFirst)
{
    const QString text = tagText();
    int pos = 1, copies = 0, checked = 0;
    for (const QString &piece : strings::split(text, u"\r\n$"_s)) {
        const QString entry = piece.mid(1);
        const int own = pos + 1; // after the level digit
        pos += int(piece.size()) + 3;
        if (piece.startsWith(u'5'))
            continue;
        ++checked;
        const int found = findIgnoringCase(1, text, entry);
        if (found != own && entry == u"h1を参照  ") {
            ++copies;
            continue;
        }
        EXPECT_EQ(found, own) << qPrintable(entry);
    }
    EXPECT_EQ(checked, 390);
    EXPECT_EQ(copies, 4);
}

