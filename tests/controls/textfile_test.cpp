#include "controls/textfile.h"

#include "controls/cp932.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(TextFile, WritesCp932AndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(u"表.htm"));
    const QString text = QStringLiteral(u"<p>表示～</p>\r\n\\~\nｶﾅ\r");
    QString unmappable = QStringLiteral(u"stale");
    ASSERT_TRUE(writeTextFile(path, text, &unmappable));
    EXPECT_TRUE(unmappable.isEmpty());
    EXPECT_EQ(fileBytes(path), QByteArray("<p>\x95\x5C\x8E\xA6\x81\x60</p>\r\n\\~\n\xB6\xC5\r"));
    EXPECT_EQ(readTextFile(path), text); // line ends untouched both ways
}

TEST(TextFile, ReadsUtf8WhenTheBytesSaySoAndCp932Otherwise)
{
    const QString table = QStringLiteral(u"表,値\r\n");
    // A byte-order mark, or valid UTF-8 with a multi-byte sequence: UTF-8, the mark dropped.
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF\xE8\xA1\xA8,\xE5\x80\xA4\r\n"), table);
    EXPECT_EQ(decodeTextFile("\xE8\xA1\xA8,\xE5\x80\xA4\r\n"), table);
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF" "a"), QStringLiteral(u"a"));
    EXPECT_EQ(decodeTextFile("x\xF0\x9F\x98\x80"), QStringLiteral(u"x😀"));
    // CP932, including bytes that would be UTF-8 but for one invalid sequence further on.
    EXPECT_EQ(decodeTextFile("\x95\x5C,\x92\x6C\r\n"), table);
    EXPECT_EQ(decodeTextFile("\xE8\xA1\xA8\x95\x5C"), QStringLiteral(u"陦ｨ表"));
    // Forms UTF-8 forbids: overlong, a surrogate, beyond U+10FFFF, a cut-off sequence.
    for (const char *bytes : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                              "a\xE8\xA1"})
        EXPECT_EQ(decodeTextFile(bytes), cp932::decode(bytes)) << bytes;
    EXPECT_EQ(decodeTextFile("plain\r\n"), QStringLiteral(u"plain\r\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(u"u.csv"));
    putBytes(path, "\xE8\xA1\xA8,\xE5\x80\xA4\r\n");
    EXPECT_EQ(readTextFile(path), table);
}

TEST(TextFile, ReportsUnmappableAndStillWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QString unmappable;
    ASSERT_TRUE(writeTextFile(path, QStringLiteral(u"€1 😀 €2"), &unmappable));
    EXPECT_EQ(unmappable, QStringLiteral(u"€😀"));
    EXPECT_EQ(fileBytes(path), QByteArray("?1 ? ?2"));
    ASSERT_TRUE(writeTextFile(path, QStringLiteral(u"x"))); // no report asked for
    EXPECT_EQ(fileBytes(path), QByteArray("x"));
}

TEST(TextFile, ReplacesTheFileWholeAndLeavesNoTemporary)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.htm"));
    putBytes(path, QByteArray(100000, 'o'));
    const auto privateFile = QFile::ReadOwner | QFile::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(path, privateFile));
    ASSERT_TRUE(writeTextFile(path, QStringLiteral(u"new")));
    EXPECT_EQ(fileBytes(path), QByteArray("new"));
    // The new file takes the old one's place with its permissions: a private file stays private.
    EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser), privateFile);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("page.htm")});
}

// Runs `attempt` as a user who may not write into the folder. Root may write anywhere, so as root
// (as in CI) the attempt runs in a child process that has given up root for "nobody".
bool attemptWithoutWriteAccess(const std::function<bool()> &attempt)
{
    if (geteuid() != 0)
        return attempt();
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
        _exit(dropped && attempt() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

TEST(TextFile, FailsOnAnUnwritableFolderAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.htm"));
    putBytes(path, "old");
    // The file itself may be written: only the folder stops the write, as it must, since writing
    // over the file in place could leave it truncated.
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                     QFile::ReadOther | QFile::WriteOther;
    ASSERT_TRUE(QFile::setPermissions(path, all));
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly));
    EXPECT_TRUE(attemptWithoutWriteAccess([&] {
        QString unmappable;
        return !writeTextFile(path, QStringLiteral(u"new€"), &unmappable) &&
               unmappable == QStringLiteral(u"€");
    }));
    QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner);
    EXPECT_EQ(fileBytes(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("page.htm")});
}

TEST(TextFile, Failures)
{
    QTemporaryDir dir;
    EXPECT_FALSE(writeTextFile(dir.filePath(QStringLiteral("missing/a.txt")), QStringLiteral("x")));
    EXPECT_FALSE(writeTextFile(dir.path(), QStringLiteral("x"))); // a folder, not a file
    EXPECT_FALSE(readTextFile(dir.filePath(QStringLiteral("none.txt"))).has_value());
    EXPECT_FALSE(readTextFile(dir.path()).has_value());
    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    putBytes(empty, "");
    EXPECT_EQ(readTextFile(empty), QString());
}

TEST(TextFile, ToCrLf)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"", u""},
        {u"a\nb", u"a\r\nb"},
        {u"a\rb", u"a\r\nb"},
        {u"a\r\nb", u"a\r\nb"},
        {u"\n\r", u"\r\n\r\n"},
        {u"\r\r\n\n", u"\r\n\r\n\r\n"},
        {u"表\n", u"表\r\n"},
        {u"\r", u"\r\n"},
    };
    for (const auto &[in, out] : cases)
        EXPECT_EQ(toCrLf(QString::fromUtf16(in)), QString::fromUtf16(out))
            << QString::fromUtf16(in).toStdString();
}

TEST(TextFile, ToCrLfAtEveryPlaceOfALongText)
{
    // Long texts are scanned in blocks: a line end on either side of a block's edge counts alike.
    const QString plain(70, u'a');
    for (qsizetype k = 0; k < plain.size(); ++k) {
        const QString pair = QString(plain).insert(k, u"\r\n");
        EXPECT_EQ(toCrLf(pair), pair) << k;
        EXPECT_TRUE(toCrLf(pair).isSharedWith(pair)) << k; // handed back without a copy
        for (const QChar lone : {QChar(u'\r'), QChar(u'\n')}) {
            const QString text = QString(plain).insert(k, lone);
            EXPECT_EQ(toCrLf(text), QString(plain).insert(k, u"\r\n")) << k;
        }
    }
}

} // namespace
