// The script analyser: var statements and their columns, reserved-word checks, the object in front
// of a dot, with blocks, the script text without comments and the inferred types.

#include "editor/scriptvars.h"
#include "editor/sourceindex.h"
#include "objref/objectreference.h"
#include "support/qt_printers.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace editor {
void PrintTo(const VarColumn &c, std::ostream *os)
{
    *os << '(' << c.name.toStdString() << ", " << c.type.toStdString() << ')';
}
} // namespace editor

namespace {

using editor::VarColumn;

const QStringList &reserved()
{
    static const QStringList words = ObjectReference().Yoyakugo().split(u';');
    return words;
}

std::vector<VarColumn> columnsOf(const QString &text)
{
    std::vector<VarColumn> out;
    for (const editor::FoundStatement &f : editor::scanVarDeclarations(text, reserved()))
        out.insert(out.end(), f.statement.columns.begin(), f.statement.columns.end());
    return out;
}

TEST(VarTable, DeclarationsAndTheirTypes)
{
    struct Case
    {
        QString text;
        std::vector<VarColumn> columns;
    };
    const std::vector<Case> cases = {
        {u"var a = new Image(), b = 5;"_qs, {{u"a"_qs, u"Image()"_qs}, {u"b"_qs, QString()}}},
        // Commas inside the constructor's arguments split as well.
        {u"var d = new Date(2004, 1, 1);"_qs,
         {{u"d"_qs, u"Date(2004"_qs}, {u"1"_qs, QString()}, {u"1)"_qs, QString()}}},
        // Every "var" goes, also inside names, and the one inside "variable" starts a statement
        // of its own.
        {u"var variable = 1;"_qs, {{u"iable"_qs, QString()}, {u"iable"_qs, QString()}}},
        {u"var x = 1"_qs, {}}, // no ";" after it: not recorded
        {u"var p,,q,;"_qs, {{u"p"_qs, QString()}, {u"q"_qs, QString()}}},
        {u"var n = new Array() = 2;"_qs, {{QString(), QString()}}}, // two "=": an empty column
        {u"var\tt = 1;"_qs, {{u"\tt"_qs, QString()}}},              // tabs stay
        {u"<p>variant; var s = \"x\";</p>"_qs, {{u"iant"_qs, QString()}, {u"s"_qs, QString()}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(columnsOf(c.text), c.columns) << c.text.toStdString();
}

TEST(VarTable, NamesAndTypesThroughTheTable)
{
    editor::VariableTable table;
    table.fill(editor::scanVarDeclarations(u"var b = a; var a = new Image(); var c = b; var c2;"_qs,
                                           reserved()));
    EXPECT_EQ(table.columnUpper(), 4);
    EXPECT_EQ(table.name(0), QString()); // column 0 stays empty
    EXPECT_EQ(table.type(2), u"Image()"_qs);
    // A chain is followed forwards only: "c" names "b", whose column comes before.
    EXPECT_EQ(table.resolve(u"a"_qs), u"Image()"_qs);
    EXPECT_EQ(table.resolve(u"c"_qs), QString());
    EXPECT_EQ(table.resolve(u"unknown"_qs), u"unknown"_qs);
    EXPECT_EQ(table.namesStartingWith(u"c"_qs), (QStringList{u"c"_qs, u"c2"_qs}));
    EXPECT_EQ(table.namesStartingWith(u"C"_qs), QStringList());
    table.clear();
    EXPECT_EQ(table.columnUpper(), 0);
}

TEST(VarTable, AReservedNameStopsItsStatement)
{
    const editor::VarStatement plain =
        editor::parseVarDeclaration(u"var if = 3, b = 4"_qs, reserved());
    EXPECT_EQ(plain.reserved, u"if"_qs);
    EXPECT_EQ(plain.columns, (std::vector<VarColumn>{{u"if"_qs, QString()}}));
    const editor::VarStatement constructed =
        editor::parseVarDeclaration(u"var a = new Image(), this = new Date()"_qs, reserved());
    EXPECT_EQ(constructed.reserved, u"this"_qs);
    EXPECT_EQ(constructed.columns,
              (std::vector<VarColumn>{{u"a"_qs, u"Image()"_qs}, {QString(), QString()}}));
}

TEST(VarTable, ReservedWordChecksOfTheLineBeingTyped)
{
    struct Case
    {
        QString text; // the caret at its end
        QString message;
        QString word;
    };
    const QString misuse = u"予約文字は使用できません"_qs;
    const QString wrongCase = u"予約文字ではありません。"_qs;
    const Case cases[] = {
        {u"x\r\nfor="_qs, misuse, u"for"_qs},
        {u"x\r\nfor ="_qs, QString(), QString()}, // the part before "=" is not trimmed again
        {u"x\r\n  while=1"_qs, misuse, u"while"_qs},
        {u"x\r\n\tIf("_qs, wrongCase, u"If"_qs},
        {u"x\r\n\tif("_qs, QString(), QString()}, // the right case raises nothing
        {u"x\r\n a;Return "_qs, wrongCase, u"Return"_qs},
        {u"x\r\nIf("_qs, QString(), QString()},  // no blank before: the word holds the line break
        {u"x\r\n\tIf"_qs, QString(), QString()}, // only after a blank, "(" or "{"
        {u"for="_qs, QString(), QString()},      // the first line is never examined
    };
    for (const Case &c : cases) {
        const auto warning = editor::checkReservedWord(c.text, c.text.size(), reserved());
        EXPECT_EQ(warning ? warning->message : QString(), c.message) << c.text.toStdString();
        EXPECT_EQ(warning ? warning->word : QString(), c.word) << c.text.toStdString();
        if (warning)
            EXPECT_EQ(warning->lineStart, 1);
    }
}

TEST(VarTable, TheObjectInFrontOfTheDot)
{
    struct Case
    {
        QString text; // the caret at its end
        QString type;
        QString member;
    };
    const Case cases[] = {
        {u"  document."_qs, u"document"_qs, QString()},
        {u"x=window.document."_qs, u"document"_qs, QString()},
        {u"\tdocument.wr"_qs, u"document"_qs, u"wr"_qs},
        {u"document.write("_qs, u"document"_qs, u"write("_qs},
        // One ")" dropped from the member, whose shortened length then leaves no word.
        {u"document.write()"_qs, QString(), u"write("_qs},
        {u"x = new Date()."_qs, u"Date()"_qs, QString()}, // no delimiter consulted
        {u"a = new Array()."_qs, u"Array()"_qs, QString()},
        {u"a\r\nimg."_qs, u"img"_qs, QString()},
        {u"."_qs, QString(), QString()},
    };
    for (const Case &c : cases) {
        QString member;
        EXPECT_EQ(editor::constructorType(c.text, c.text.size(), member), c.type)
            << c.text.toStdString();
        EXPECT_EQ(member, c.member) << c.text.toStdString();
    }
}

TEST(VarTable, WithBlocks)
{
    const QString text = u"with (document.forms) {\r\n  .\r\n}\r\n ."_qs;
    const qsizetype inside = text.indexOf(u'.', 20) + 1;
    EXPECT_EQ(editor::findWithObject(text, inside), u"forms"_qs);
    EXPECT_EQ(editor::findWithObject(text, text.size()), QString()); // a "}" closed it
    EXPECT_EQ(editor::findWithObject(u"with (Math) { ."_qs, 15), u"Math"_qs);
    EXPECT_EQ(editor::findWithObject(u"with Math { ."_qs, 13), QString());
    EXPECT_EQ(editor::findWithObject(u"without () ."_qs, 12), QString()); // found inside a word
    EXPECT_EQ(editor::findWithObject(u" ."_qs, 2), QString());
}

const QString js = u"<script type=\"text/javascript\">"_qs;
const QString end = u"</script>"_qs;

TEST(ScriptText, CommentsAndBlocks)
{
    struct Case
    {
        QString text;
        QString scripts;
    };
    const Case cases[] = {
        {js + u"a /* note */ b"_qs + end, u"a  b"_qs},
        {js + u"a /* open"_qs + end + u"x"_qs + js + u"b"_qs + end, u"a"_qs}, // swallows the rest
        {js + u"x = 1; // one\r\ny = 2;"_qs + end, u"x = 1; \r\ny = 2;"_qs},
        {js + u"p */ q"_qs + end, u"p  q"_qs},                             // a stray "*/" goes too
        {js + u"s = \"http://x\";\r\nt"_qs + end, u"s = \"http:\r\nt"_qs}, // no quotes known
        {u"<SCRIPT TYPE=\"TEXT/JAVASCRIPT\">A"_qs + end, u"A"_qs},
        {u"<script type='text/javascript'>A"_qs + end, QString()},
        {u"<script language=javascript>A"_qs + end, QString()},
        {js + u"one"_qs + end + u"<p>"_qs + js + u"two"_qs + end, u"onetwo"_qs},
        {js + u"no end"_qs, QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(editor::extractScripts(c.text), c.scripts) << c.text.toStdString();
}

TEST(ScriptText, InferredTypes)
{
    struct Case
    {
        QString script; // "|" marks the caret, just after "name."
        QString name;
        QString type;
    };
    const Case cases[] = {
        {u"s = \"text\";\r\ns.|"_qs, u"s"_qs, u"string"_qs},
        {u"s = 'text';\r\ns.|"_qs, u"s"_qs, QString()},
        {u"n = 9;\r\nn.|"_qs, u"n"_qs, u"Number"_qs},
        {u"n = 9;\r\nn = x;\r\nn.|"_qs, u"n"_qs, u"Number"_qs}, // back to the literal one
        {u"n = x;\r\nn = \"s\"\r\nn.|"_qs, u"n"_qs, u"string"_qs},
        {u"/* n = 9; */\r\nn.|"_qs, u"n"_qs, QString()},
        {u"n.|"_qs, u"n"_qs, QString()},
        {u"name = 1;\r\nname.|"_qs, u"name"_qs, u"Number"_qs},
    };
    for (const Case &c : cases) {
        const QString text = js + QString(c.script).remove(u'|') + u"\r\n"_qs + end;
        const qsizetype caret = js.size() + c.script.indexOf(u'|');
        EXPECT_EQ(editor::inferVarType(text, caret, c.name), c.type) << c.script.toStdString();
        editor::SourceIndex index;
        index.reset(text);
        EXPECT_EQ(editor::inferVarType(text, caret, c.name, &index), c.type);
    }
    EXPECT_EQ(editor::inferVarType(u"x = 1; x."_qs, 9, u"x"_qs), QString()); // outside scripts
    EXPECT_EQ(editor::inferVarType(js, 2, u"Image()"_qs),
              QString()); // a name longer than its place
}

// The extraction read literally, one position at a time, as the oracle of the run-wise one.
QString literalScripts(const QString &text)
{
    const QString lower = text.toLower();
    QString acc;
    for (qsizetype o = lower.indexOf(js.toLower()); o >= 0;
         o = lower.indexOf(js.toLower(), o + 1)) {
        const qsizetype c = lower.indexOf(end, o);
        if (c >= 0)
            acc += text.mid(o + js.size(), c - o - js.size());
    }
    acc += u"     "_qs;
    QString out;
    bool block = false;
    bool line = false;
    for (qsizetype i = 0; i + 2 < acc.size() + 0; ++i) {
        const QString two = acc.mid(i, 2);
        if (two == u"/*") {
            block = true;
        } else if (two == u"*/") {
            block = false;
            ++i;
        } else if (two == u"//") {
            line = true;
        } else if (two == u"\r\n" && line) {
            line = false;
            if (!block)
                out += two;
            ++i;
        } else if (!block && !line) {
            out += acc.at(i);
        }
    }
    return out.trimmed() == out ? out : QString(out).remove(QRegularExpression(u"^ +| +$"_qs));
}

TEST(ScriptText, RunWiseExtractionReadsAsTheLiteralOne)
{
    const QStringList pieces = {js,       end,      u"/"_qs,  u"*"_qs,  u"\r\n"_qs,
                                u"a"_qs,  u" "_qs,  u"//"_qs, u"/*"_qs, u"*/"_qs,
                                u"\r"_qs, u"\n"_qs, u"x;"_qs};
    QRandomGenerator random(7);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        for (int i = random.bounded(1, 16); i > 0; --i)
            text += pieces.at(random.bounded(int(pieces.size())));
        ASSERT_EQ(editor::extractScripts(text), literalScripts(text)) << text.toStdString();
    }
}

// The inference read literally on whole texts, as the oracle of the piece-wise one.
QString literalType(const QString &text, qsizetype position, const QString &name)
{
    const qsizetype from = std::clamp<qsizetype>(position - name.size() - 1, 0, text.size());
    const qsizetype to = std::clamp<qsizetype>(position + 1, from, text.size());
    QString x = literalScripts(text.left(from) + u"%$%"_qs + text.mid(to));
    if (x.isEmpty())
        return QString();
    x.remove(u"<!--"_qs);
    x.remove(QRegularExpression(u"^ +| +$"_qs));
    const qsizetype p0 = x.indexOf(u"%$%"_qs) + 1;
    x.replace(u"%$%"_qs, name);
    qsizetype v = p0 + name.size() - 3;
    while (v > 1) {
        if (v - name.size() - 1 < 0)
            return QString();
        const qsizetype at = x.lastIndexOf(name, v - name.size() - 1);
        if (at < 0)
            return QString();
        v = at + 1;
        const qsizetype e = x.indexOf(u'=', at);
        if (e < 0)
            continue;
        const qsizetype s = x.indexOf(u';', e);
        const qsizetype r = x.indexOf(u"\r\n"_qs, e);
        if (s < 0 && r < 0)
            return QString();
        const qsizetype end = s < 0 ? r : r < 0 ? s : std::min(s, r);
        const QString value = x.mid(e + 1, end - e - 1).remove(QRegularExpression(u"^ +| +$"_qs));
        if (value.startsWith(u'"'))
            return u"string"_qs;
        if (!value.isEmpty() && value.front().isDigit() && value.front().unicode() < 128)
            return u"Number"_qs;
    }
    return QString();
}

TEST(ScriptText, PieceWiseInferenceReadsAsTheLiteralOne)
{
    const QStringList pieces = {js,          end,        u"n"_qs,          u"nn"_qs,
                                u" = "_qs,   u"="_qs,    u"\""_qs,         u"7"_qs,
                                u";"_qs,     u"\r\n"_qs, u"/*"_qs,         u"*/"_qs,
                                u"//"_qs,    u"%$%"_qs,  u"<!--"_qs,       u"."_qs,
                                u" "_qs,     u"%"_qs,    u"n = 7;\r\n"_qs, u"nn = \"s\"\r\n"_qs,
                                u"n = x;"_qs};
    QRandomGenerator random(11);
    int typed = 0;
    for (int round = 0; round < 20000; ++round) {
        auto some = [&](int most) {
            QString part;
            for (int i = random.bounded(0, most); i > 0; --i)
                part += pieces.at(random.bounded(int(pieces.size())));
            return part;
        };
        const QString name = random.bounded(2) ? u"n"_qs : u"nn"_qs;
        // Mostly a caret just after "name." inside a script, sometimes anywhere.
        QString text = (random.bounded(4) ? js : QString()) + some(16) + name + u"."_qs;
        qsizetype position = text.size();
        text += some(8) + (random.bounded(4) ? end : QString()) + some(4);
        if (random.bounded(5) == 0)
            position = random.bounded(int(text.size()) + 1);
        const QString expected = literalType(text, position, name);
        typed += !expected.isEmpty();
        editor::SourceIndex index;
        index.reset(text);
        ASSERT_EQ(editor::inferVarType(text, position, name, &index), expected)
            << text.toStdString() << " @" << position << ' ' << name.toStdString();
        ASSERT_EQ(editor::inferVarType(text, position, name), expected);
    }
    EXPECT_GT(typed, 1000); // the texts reach the answers, not only the empty one
}

} // namespace
