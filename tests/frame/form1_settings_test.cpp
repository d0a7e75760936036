// The settings table and morvane.ini: format, limits and round trips.

#include "controls/textfile.h"
#include "frame/form1.h"
#include "support/ini_file.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString App = QStringLiteral(u"Quendarlis");
const QString Section = QStringLiteral(u"Setup");

class SettingsStore : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Form1 f;
    void SetUp() override { f.settingsFolder = dir.path(); }
    void writeIni(const QByteArray &bytes) { writeIniFile(dir, bytes); }
    QByteArray readIni() const { return readIniFile(dir); }
    QString get(const QString &key, const QString &fallback = QStringLiteral(u"-"))
    {
        return f.GetSettingIni(App, Section, key, fallback);
    }
};

TEST(SettingsStorePumping, EachEntryExaminedLetsPendingEventsRun)
{
    ScriptedEventPump pump;
    Services services;
    services.events = &pump;
    Form1 g(services);
    g.SaveSettingIni(App, Section, QStringLiteral(u"a"), QStringLiteral(u"1"));
    g.SaveSettingIni(App, Section, QStringLiteral(u"b"), QStringLiteral(u"2"));
    EXPECT_EQ(pump.calls, 3); // one entry to find the free first, two for the second
    pump.calls = 0;
    EXPECT_EQ(g.GetSettingIni(App, Section, QStringLiteral(u"b"), {}), QStringLiteral(u"2"));
    EXPECT_EQ(pump.calls, 2);
    pump.calls = 0;
    EXPECT_EQ(g.GetSettingIni(App, Section, QStringLiteral(u"c"), QStringLiteral(u"-")),
              QStringLiteral(u"-"));
    EXPECT_EQ(pump.calls, 3); // up to the first empty entry

    // What runs meanwhile may use the table itself: a lookup that resumes stays valid.
    bool inside = false;
    pump.during = [&] {
        if (inside)
            return;
        inside = true;
        g.SaveSettingIni(App, Section, QStringLiteral(u"c"), QStringLiteral(u"3"));
        g.SaveSettingIni(App, Section, QStringLiteral(u"a"), QStringLiteral(u"9"));
        inside = false;
    };
    EXPECT_EQ(g.GetSettingIni(App, Section, QStringLiteral(u"c"), QStringLiteral(u"-")),
              QStringLiteral(u"3"));
    pump.during = nullptr;
    EXPECT_EQ(g.GetSettingIni(App, Section, QStringLiteral(u"a"), {}), QStringLiteral(u"9"));
}

TEST_F(SettingsStore, ValuesRoundTripExactly)
{
    f.SaveSettingIni(App, Section, QStringLiteral(u"Delimita"), QStringLiteral(u","));
    f.SaveSettingIni(App, Section, QStringLiteral(u"FontName"), QStringLiteral(u"  ＭＳ 明朝 \"x\", y "));
    f.Savereg();
    EXPECT_EQ(readIni(), QByteArray("Delimita,,\r\nFontName,  \x82\x6c\x82\x72 \x96\xbe\x92\xa9 \"x\", y \r\n"));
    Form1 g;
    g.settingsFolder = dir.path();
    g.LoadSettingsIni();
    EXPECT_EQ(g.GetSettingIni(App, Section, QStringLiteral(u"Delimita"), {}), QStringLiteral(u","));
    EXPECT_EQ(g.GetSettingIni(App, Section, QStringLiteral(u"FontName"), {}),
              QStringLiteral(u"  ＭＳ 明朝 \"x\", y "));
}

TEST(SettingsStoreCodePage, ValueTheFileCannotHoldKeepsTheStoredOneAndIsToldOnce)
{
    QTemporaryDir dir;
    writeIniFile(dir, "Delimita,$\r\nJava,1\r\n");
    ScriptedMessages messages;
    Form1 f({&messages});
    f.settingsFolder = dir.path();
    f.LoadSettingsIni();
    f.SaveSettingIni(App, Section, QStringLiteral(u"Delimita"), QStringLiteral(u"•"));
    f.SaveSettingIni(App, Section, QStringLiteral(u"FontName"), QStringLiteral(u"맑은 고딕"));
    // Written as the JIS wave dash, this one would read back as a full-width tilde.
    f.SaveSettingIni(App, Section, QStringLiteral(u"HelpFont"), QStringLiteral(u"〜"));
    f.SaveSettingIni(App, Section, QStringLiteral(u"Java"), QStringLiteral(u"0"));
    messages.answers = {msgbox::OK};
    f.Savereg();
    // The file keeps "$", holds no line for the new key, and takes the storable change.
    EXPECT_EQ(readIniFile(dir), QByteArray("Delimita,$\r\nJava,0\r\n"));
    ASSERT_EQ(messages.prompts.size(), 1);
    EXPECT_EQ(messages.styles[0], msgbox::OKOnly | msgbox::Exclamation);
    for (const QString &part : {QStringLiteral(u"Delimita「•」"), QStringLiteral(u"FontName「맑은 고딕」"),
                                QStringLiteral(u"HelpFont「〜」"), QStringLiteral(u"保存できない文字")})
        EXPECT_TRUE(messages.prompts[0].contains(part)) << part.toStdString();
    // This run goes on with the new value; later writes tell nothing new.
    EXPECT_EQ(f.GetSettingIni(App, Section, QStringLiteral(u"Delimita"), {}), QStringLiteral(u"•"));
    f.Savereg();
    EXPECT_EQ(messages.prompts.size(), 1);
    EXPECT_EQ(readIniFile(dir), QByteArray("Delimita,$\r\nJava,0\r\n"));
    f.SaveSettingIni(App, Section, QStringLiteral(u"Delimita"), QStringLiteral(u"|"));
    f.Savereg();
    EXPECT_EQ(readIniFile(dir), QByteArray("Delimita,|\r\nJava,0\r\n"));
    EXPECT_EQ(messages.unexpected, 0);
}

TEST(SettingsStoreCodePage, HalfWidthKatakanaComeBackAtTheNextStart)
{
    // "ﾃｽ" is C3 BD in the code page: valid UTF-8 as well, which must not change its meaning.
    QTemporaryDir dir;
    {
        Form1 f;
        f.settingsFolder = dir.path();
        f.workFolder = dir.path();
        f.Form_Load();
        f.Text6.setText(QStringLiteral(u"ﾃｽ"));
        f.SaveSettingIni(App, Section, QStringLiteral(u"FontName"), QString(1000, u'ﾃ') + u'ｽ');
        f.Savereg();
    }
    EXPECT_TRUE(readIniFile(dir).contains("Delimita,\xC3\xBD\r\n"));
    Form1 g;
    g.settingsFolder = dir.path();
    g.workFolder = dir.path();
    g.Form_Load();
    EXPECT_EQ(g.Text6.text(), QStringLiteral(u"ﾃｽ"));
    EXPECT_EQ(g.GetSettingIni(App, Section, QStringLiteral(u"FontName"), {}),
              QString(1000, u'ﾃ') + u'ｽ');
    // The cell data still splits at the restored delimiter.
    g.RB3.setText(QStringLiteral(u"[[左ﾃｽ右]]"));
    ASSERT_TRUE(g.MakeTableSource());
    EXPECT_TRUE(g.RB1.text().contains(QStringLiteral(u">左</t")));
    EXPECT_TRUE(g.RB1.text().contains(QStringLiteral(u">右</t")));

    // A file written before, and one a user saved in UTF-8 with its byte-order mark.
    writeIniFile(dir, "Delimita,\xC3\xBD\r\nJava,1\r\n");
    Form1 older;
    older.settingsFolder = dir.path();
    older.LoadSettingsIni();
    EXPECT_EQ(older.GetSettingIni(App, Section, QStringLiteral(u"Delimita"), {}),
              QStringLiteral(u"ﾃｽ"));
    writeIniFile(dir, QByteArray("\xEF\xBB\xBF") + "Delimita,\xE3\x80\x81\r\n");
    Form1 marked;
    marked.settingsFolder = dir.path();
    marked.LoadSettingsIni();
    EXPECT_EQ(marked.GetSettingIni(App, Section, QStringLiteral(u"Delimita"), {}),
              QStringLiteral(u"、"));
}

TEST_F(SettingsStore, KeysAreCaseSensitiveAndSharedAcrossSections)
{
    f.SaveSettingIni(App, Section, QStringLiteral(u"Java"), QStringLiteral(u"1"));
    f.SaveSettingIni(QStringLiteral(u"Pelvarine"), QStringLiteral(u"StartUp"), QStringLiteral(u"java"),
                     QStringLiteral(u"x"));
    f.SaveSettingIni(QStringLiteral(u"Pelvarine"), QStringLiteral(u"StartUp"), QStringLiteral(u"Java"),
                     QStringLiteral(u"0"));
    EXPECT_EQ(get(QStringLiteral(u"Java")), QStringLiteral(u"0"));
    EXPECT_EQ(get(QStringLiteral(u"java")), QStringLiteral(u"x"));
    EXPECT_EQ(get(QStringLiteral(u"JAVA")), QStringLiteral(u"-"));
}

TEST_F(SettingsStore, HandEditedFiles)
{
    QByteArray bytes = "a,1\r\n\r\n,skipped\r\nnovalue\nb,2\rdup,first\r\ndup,second\r\n";
    for (int i = 0; i < 20; ++i)
        bytes += "k" + QByteArray::number(i) + ",v\r\n";
    writeIni(bytes);
    f.LoadSettingsIni();
    EXPECT_EQ(get(QStringLiteral(u"a")), QStringLiteral(u"1"));
    EXPECT_EQ(get(QStringLiteral(u"novalue")), QString());
    EXPECT_EQ(get(QStringLiteral(u"b")), QStringLiteral(u"2"));
    EXPECT_EQ(get(QStringLiteral(u"dup")), QStringLiteral(u"first"));
    EXPECT_EQ(get(QStringLiteral(u"k15")), QStringLiteral(u"v"));   // the 21st entry
    EXPECT_EQ(get(QStringLiteral(u"k16")), QStringLiteral(u"-"));   // beyond the table
    f.SaveSettingIni(App, Section, QStringLiteral(u"dup"), QStringLiteral(u"new"));
    f.SaveSettingIni(App, Section, QStringLiteral(u"extra"), QStringLiteral(u"dropped"));
    EXPECT_EQ(get(QStringLiteral(u"extra")), QStringLiteral(u"-"));
    f.Savereg();
    const QByteArray written = readIni();
    EXPECT_EQ(written.count("\r\n"), 21);
    EXPECT_TRUE(written.contains("dup,new\r\ndup,second\r\n"));
}

TEST_F(SettingsStore, MissingOrUnwritableFileIsNoError)
{
    f.LoadSettingsIni();
    EXPECT_EQ(get(QStringLiteral(u"Gamen"), QStringLiteral(u"0")), QStringLiteral(u"0"));
    f.settingsFolder = dir.filePath(QStringLiteral(u"no/such/folder"));
    f.SaveSettingIni(App, Section, QStringLiteral(u"Gamen"), QStringLiteral(u"1"));
    f.Savereg(); // goes on silently
    EXPECT_EQ(get(QStringLiteral(u"Gamen")), QStringLiteral(u"1"));
}

} // namespace
