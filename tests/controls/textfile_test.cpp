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
    for (const TextOrigin origin : {TextOrigin::Program, TextOrigin::Chosen})
        EXPECT_EQ(readTextFile(path, origin), text); // line ends untouched both ways
}

// Texts the code page holds whose bytes are easily taken for something else. Two half-width
// katakana are often a valid UTF-8 character ("ﾃｽ" is C3 BD, the UTF-8 of "ý"): 2,000 of those
// pairs are valid UTF-8 throughout.
QStringList cp932Texts()
{
    QString pairs;
    QString everyKatakana;
    for (int k = 0; pairs.size() < 2000; ++k) {
        pairs += QChar(char16_t(u'ﾂ' + k % 30)); // C2-DF
        pairs += QChar(char16_t(u'｡' + k % 31)); // A1-BF
        everyKatakana += QChar(char16_t(u'｡' + k % 63));
        everyKatakana += QChar(char16_t(u'｡' + (k * 7 + 3) % 63));
    }
    return {QStringLiteral(u"ﾃｽ"),
            pairs,
            everyKatakana,
            QStringLiteral(u"id,ﾃｽ,ﾆｬ,abc,12\r\n"),
            QStringLiteral(u"漢字とかな、カタカナの文。\r\n"),
            QStringLiteral(u"①②㈱№"),
            QStringLiteral(u"①"),
            QStringLiteral(u"㈱")};
}

TEST(TextFile, TheProgramsOwnFilesReadInTheCodePageTheyAreWrittenIn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(u"own.set"));
    for (const QString &text : cp932Texts()) {
        ASSERT_TRUE(writeTextFile(path, text));
        EXPECT_EQ(readTextFile(path, TextOrigin::Program), text) << text.left(40).toStdString();
    }
    // Valid UTF-8 without the byte-order mark is still the code page; with the mark, UTF-8.
    const QByteArray utf8 = QStringLiteral(u"区切り").toUtf8();
    EXPECT_EQ(decodeTextFile(utf8, TextOrigin::Program), cp932::decode(utf8));
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF" + utf8, TextOrigin::Program),
              QStringLiteral(u"区切り"));
}

TEST(TextFile, ChosenFilesInTheCodePage)
{
    for (const QString &text : cp932Texts()) {
        const cp932::Encoded encoded = cp932::encode(text);
        ASSERT_TRUE(encoded.unmappable.isEmpty());
        EXPECT_EQ(decodeTextFile(encoded.bytes, TextOrigin::Chosen), text)
            << text.left(40).toStdString();
    }
    // Bytes that are UTF-8 but for one invalid sequence, and forms UTF-8 forbids (overlong, a
    // surrogate, beyond U+10FFFF, a cut-off sequence), are the code page whatever a detector says.
    for (const char *bytes : {"\xE8\xA1\xA8\x95\x5C", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                              "\xF4\x90\x80\x80", "a\xE8\xA1", "\xE3\x81\x82\xE3\x81\x84\xE3\x81"})
        EXPECT_EQ(decodeTextFile(bytes, TextOrigin::Chosen), cp932::decode(bytes)) << bytes;
    EXPECT_EQ(decodeTextFile("plain\r\n", TextOrigin::Chosen), QStringLiteral(u"plain\r\n"));
}

TEST(TextFile, ChosenFilesInUtf8)
{
    const QString line = QStringLiteral(u"これは日本語の一行です。\r\n");
    EXPECT_EQ(decodeTextFile(line.toUtf8(), TextOrigin::Chosen), line);
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF" + line.toUtf8(), TextOrigin::Chosen), line);
    EXPECT_EQ(decodeTextFile(QByteArray("\xEF\xBB\xBF") + 'a', TextOrigin::Chosen), u"a"_qs);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(u"u.csv"));
    putBytes(path, line.toUtf8());
    EXPECT_EQ(readTextFile(path, TextOrigin::Chosen), line);

    // A long file is judged by slices from its start to its end: Japanese that only begins after
    // a long ASCII head is still seen, and a bad sequence past every slice still makes it the
    // code page rather than UTF-8 with holes.
    const QString head = QString(300000, u'a') + QStringLiteral(u"\r\n");
    const QString long1 = head + line.repeated(20);
    EXPECT_EQ(decodeTextFile(long1.toUtf8(), TextOrigin::Chosen), long1);
    QByteArray broken = line.toUtf8().repeated(20000);
    broken.insert(broken.size() / 2 + 1, "\xFF");
    EXPECT_EQ(decodeTextFile(broken, TextOrigin::Chosen), cp932::decode(broken));
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
    EXPECT_FALSE(readTextFile(dir.filePath(QStringLiteral("none.txt")), TextOrigin::Chosen));
    EXPECT_FALSE(readTextFile(dir.path(), TextOrigin::Program));
    const QString empty = dir.filePath(QStringLiteral("empty.txt"));
    putBytes(empty, "");
    EXPECT_EQ(readTextFile(empty, TextOrigin::Chosen), QString());
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
