// Settings documents: golden designs written byte for byte in CP932, and the save command.

#include "support/design_script.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsDocGolden : public ::testing::TestWithParam<std::string>
{};

TEST_P(SettingsDocGolden, WrittenByteForByte)
{
    const QString dir = QStringLiteral(MORVANE_TEST_DATA "/settingsdoc/") + QString::fromStdString(GetParam());
    ScriptedFiles files;
    QTemporaryDir out;
    files.savePath = out.filePath(QStringLiteral(u"design.set"));
    Services services;
    services.files = &files;
    Form1 f(services);
    f.RB3.setText(QString::fromUtf8(readBytes(dir + QStringLiteral(u"/celldata.txt"))));
    applyDesign(f, QString::fromUtf8(readBytes(dir + QStringLiteral(u"/design.txt"))));
    f.SaveSettingsDocument();
    EXPECT_EQ(readBytes(files.savePath).toStdString(),
              readBytes(dir + QStringLiteral(u"/expected.set")).toStdString());
    EXPECT_EQ(files.requests.back().title, QStringLiteral(u"設定の保存"));
}

INSTANTIATE_TEST_SUITE_P(Designs, SettingsDocGolden,
                         ::testing::Values("every_attribute", "empty", "tag_in_caption",
                                           "backslash_sequences"));

TEST(SaveTextFile, UnmappableCharactersAreAskedAbout)
{
    QTemporaryDir out;
    ScriptedMessages messages;
    Form1 f({&messages});
    const QString path = out.filePath(QStringLiteral(u"x.txt"));
    messages.answers = {msgbox::No};
    EXPECT_FALSE(f.SaveTextFile(path, QStringLiteral(u"a€b😀")));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(messages.prompts.size(), 1);
    EXPECT_TRUE(messages.prompts[0].endsWith(QStringLiteral(u"€😀")));
    messages.answers = {msgbox::Yes};
    EXPECT_TRUE(f.SaveTextFile(path, QStringLiteral(u"a€b")));
    EXPECT_EQ(readBytes(path), QByteArray("a?b"));
}

TEST(SaveTextFile, FailureIsReportedNotHidden)
{
    ScriptedMessages messages;
    Form1 f({&messages});
    messages.answers = {msgbox::OK};
    EXPECT_FALSE(f.SaveTextFile(QStringLiteral(u"/no/such/folder/x.txt"), QStringLiteral(u"a")));
    EXPECT_EQ(messages.prompts.size(), 1);
}

TEST(SaveSettingsDocument, CancelWritesNothing)
{
    ScriptedFiles files; // no path: Cancel
    Services services;
    services.files = &files;
    Form1 f(services);
    f.SaveSettingsDocument();
    EXPECT_EQ(files.requests.size(), 1u);
}

} // namespace
