// A file written again and again: the bytes it gets, and when it counts as still holding them.

#include "frame/writtenfile.h"

#include "controls/cp932.h"
#include "support/qt_printers.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST(WrittenFile, WritesTheTextInTheCodePageWithALineEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(u"a.html"));
    WrittenFile file;
    // A long text, encoded a piece at a time: a surrogate pair is one character wherever the
    // pieces end (the text repeats an odd number of units), and one "?".
    const QString text = QStringLiteral(u"表<p\U0001F600").repeated(60000);
    ASSERT_EQ(file.write(path, 1, text, false), WrittenFile::Result::Written);
    EXPECT_EQ(readAll(path), cp932::encode(text).bytes + "\r\n");
    ASSERT_EQ(file.write(path, 2, u"", false), WrittenFile::Result::Written);
    EXPECT_EQ(readAll(path), QByteArray("\r\n"));

    // Refused: the file keeps what it held, and nothing is remembered.
    ASSERT_EQ(file.write(path, 3, u"abc\U0001F600", true), WrittenFile::Result::Unmappable);
    EXPECT_EQ(readAll(path), QByteArray("\r\n"));
    EXPECT_FALSE(file.holds(path, 3));
    EXPECT_FALSE(file.holds(path, 2));

    EXPECT_EQ(file.write(dir.filePath(QStringLiteral(u"no/folder/a.html")), 4, u"x", false),
              WrittenFile::Result::Failed);
    EXPECT_FALSE(file.holds(dir.filePath(QStringLiteral(u"no/folder/a.html")), 4));
}

TEST(WrittenFile, HoldsWhatItWroteOnlyWhileTheFileIsUnchanged)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(u"$Set$.set"));
    const QString text = QStringLiteral(u"<content>東京r1c1\\3\\").repeated(200000);
    WrittenFile file;
    ASSERT_EQ(file.write(path, 7, text, false), WrittenFile::Result::Written);
    const QByteArray written = readAll(path);
    EXPECT_TRUE(file.holds(path, 7));
    EXPECT_FALSE(file.holds(path, 8));
    EXPECT_FALSE(file.holds(dir.filePath(QStringLiteral(u"other.set")), 7));

    // Dates say nothing: only what the file holds counts.
    QFile touched(path);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)),
                                    QFileDevice::FileModificationTime));
    touched.close();
    EXPECT_TRUE(file.holds(path, 7));

    QByteArray edited = written;
    edited[edited.size() / 2 + 1] = 'X'; // the same length, one byte else, far into the file
    writeAll(path, edited);
    EXPECT_FALSE(file.holds(path, 7));
    writeAll(path, written + "x");
    EXPECT_FALSE(file.holds(path, 7));
    writeAll(path, written.left(written.size() - 1));
    EXPECT_FALSE(file.holds(path, 7));
    writeAll(path, written); // put back as it was
    EXPECT_TRUE(file.holds(path, 7));
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(file.holds(path, 7));

    file.forget();
    writeAll(path, written);
    EXPECT_FALSE(file.holds(path, 7));
}

} // namespace
