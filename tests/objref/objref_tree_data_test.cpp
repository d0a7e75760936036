// Validators of the member-list text: its sections, their item counts per kind, level codes, the
// irregularities the readers rely on, and the plain candidate parts after "</common>;".
#include "objref/objectreference.h"
#include "objref_reader.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace objref_reader;

namespace {

const QString &treeText()
{
    static const QString text = [] {
        ObjectReference obj;
        obj.Gets();
        return obj.objTreeText;
    }();
    return text;
}

struct SectionCounts
{
    const char16_t *name;
    int items, properties, methods, events;
};

const SectionCounts kSections[] = {
    {u"window", 64, 26, 30, 8},   {u"password", 11, 5, 4, 2},  {u"open", 34, 34, 0, 0},
    {u"frame", 12, 6, 6, 0},      {u"navigator", 10, 8, 2, 0}, {u"mineTypes", 4, 4, 0, 0},
    {u"plugins", 5, 4, 1, 0},     {u"screen", 6, 6, 0, 0},     {u"event", 16, 15, 1, 0},
    {u"document", 36, 19, 10, 7}, {u"history", 7, 4, 3, 0},    {u"links", 18, 10, 1, 7},
    {u"location", 10, 8, 2, 0},   {u"anchor", 1, 1, 0, 0},     {u"forms", 12, 7, 3, 2},
    {u"button", 13, 4, 4, 5},     {u"checkbox", 13, 6, 4, 3},  {u"FileUpload", 10, 4, 3, 3},
    {u"Hidden", 6, 6, 0, 0},      {u"Radio", 13, 6, 4, 3},     {u"Reset", 12, 5, 4, 3},
    {u"select", 11, 6, 3, 2},     {u"Submit", 12, 4, 5, 3},    {u"Textarea", 16, 6, 3, 7},
    {u"Text", 13, 6, 3, 4},       {u"area", 12, 9, 1, 2},      {u"image", 17, 10, 1, 6},
    {u"layers", 39, 22, 12, 5},   {u"option", 4, 4, 0, 0},     {u"applet", 1, 1, 0, 0},
    {u"embeds", 1, 1, 0, 0},      {u"Date", 41, 1, 40, 0},     {u"Math", 25, 8, 17, 0},
    {u"Array", 15, 4, 11, 0},     {u"string", 27, 2, 25, 0},   {u"function", 7, 4, 3, 0},
    {u"Object", 8, 4, 4, 0},      {u"Boolean", 2, 1, 1, 0},    {u"Number", 7, 6, 1, 0},
    {u"RegExp", 19, 16, 3, 0},    {u"common", 15, 0, 15, 0},
};

QString joinedItems(const QString &section)
{
    QStringList raw;
    for (const Item &item : treeItems(section))
        raw.append(item.raw);
    return raw.join(u' ');
}

} // namespace

TEST(ObjTreeText, OneLineOfFixedLength)
{
    EXPECT_EQ(treeText().size(), 18805);
    EXPECT_FALSE(treeText().contains(u'\r'));
    EXPECT_FALSE(treeText().contains(u'\n'));
    EXPECT_TRUE(treeText().startsWith(QStringLiteral(u"<window>;closedA1;defaultStatusA0;")));
    EXPECT_TRUE(treeText().endsWith(QStringLiteral(u";</その他>")));
}

TEST(ObjTreeText, SectionCountsPerKind)
{
    for (const SectionCounts &row : kSections) {
        const QString name = QString::fromUtf16(row.name);
        SCOPED_TRACE(name.toStdString());
        const auto section = treeSection(treeText(), name);
        ASSERT_TRUE(section.has_value());
        int counts[3] = {0, 0, 0};
        const QList<Item> items = treeItems(*section);
        for (const Item &item : items)
            ++counts[static_cast<int>(item.kind)];
        EXPECT_EQ(items.size(), row.items);
        EXPECT_EQ(counts[0], row.properties);
        EXPECT_EQ(counts[1], row.methods);
        EXPECT_EQ(counts[2], row.events);
    }
}

TEST(ObjTreeText, SectionsStandInOrderAndEachIsWellFormed)
{
    qsizetype previous = -1;
    for (const SectionCounts &row : kSections) {
        const QString name = QString::fromUtf16(row.name);
        SCOPED_TRACE(name.toStdString());
        const QString open = u'<' + name + QStringLiteral(u">;");
        const qsizetype at = treeText().indexOf(open);
        ASSERT_GE(at, 0);
        EXPECT_GT(at, previous);
        previous = at;
        const qsizetype close = treeText().indexOf(QStringLiteral(u"</") + name + u'>');
        ASSERT_GT(close, at);
        EXPECT_EQ(treeText().mid(close + name.size() + 3, 1), QStringLiteral(u";"));
        // Each marker opens exactly one section.
        EXPECT_EQ(treeText().count(open), 1);
    }
}

TEST(ObjTreeText, MarkerSearchesAreCaseSensitiveAndWholeName)
{
    const QString &text = treeText();
    EXPECT_EQ(text.indexOf(QStringLiteral(u"<Form>")), -1);
    EXPECT_GE(text.indexOf(QStringLiteral(u"<forms>")), 0);
    // "<Text>" is not found inside "<Textarea>".
    EXPECT_NE(text.indexOf(QStringLiteral(u"<Text>")), text.indexOf(QStringLiteral(u"<Textarea>")));
    EXPECT_LT(text.indexOf(QStringLiteral(u"<Textarea>")), text.indexOf(QStringLiteral(u"<Text>")));
    // "<Array>" finds the inner section, which is all that "<Array()>" holds.
    const qsizetype outer = text.indexOf(QStringLiteral(u"<Array()>;"));
    EXPECT_EQ(text.indexOf(QStringLiteral(u"<Array>")), outer + 10);
    const auto wrapper = treeSection(text, QStringLiteral(u"Array()"));
    ASSERT_TRUE(wrapper.has_value());
    EXPECT_TRUE(wrapper->startsWith(QStringLiteral(u";<Array>;")));
    EXPECT_TRUE(wrapper->endsWith(QStringLiteral(u";</Array>;")));
}

TEST(ObjTreeText, SectionsGivenInFull)
{
    const struct
    {
        const char16_t *name;
        const char16_t *items;
    } full[] = {
        {u"window",
         u"closedA1 defaultStatusA0 documentA0 framesA0 historyA0 innerHeightA2 innerWidthA2 "
         u"lengthA0 locationA0 locationbarA2 menubarA2 nameA0 openerA1 outerHeightA2 "
         u"outerWidthA2 pageXOffsetA2 pageYOffsetA2 parentA0 personalbarA2 scrollbarsA2 selfA0 "
         u"statusA0 statusbarA2 toolbarA2 topA0 windowA0 alert()A0 back()A2 blur()A1 "
         u"captureEvents()A2 clearTimeout()A0 clearInterval()A2 close()A0 confirm()A0 "
         u"open(\"URL\",\"ウィンドウ名\",\"属性\")A0 disableExternalCapture()A2 "
         u"enableExternalCapture()A2 find()A2 focus()A1 forward()A2 handleEvent()A2 home()A2 "
         u"moveBy()A2 moveTo()A2 open()A0 print()A2 prompt()A0 releaseEvents()A2 resizeBy()A2 "
         u"resizeTo()A2 routeEvent()A2 scroll()A1 scrollTo()A2 setInterval()A2 setTimeout()A2 "
         u"stop()A2 *onBlurA1 *onDragDropA2 *onErrorA1 *onFocusA1 *onLoadA0 *onMoveA2 "
         u"*onResizeA2 *onUnloadA0"},
        {u"open",
         u"toolbar=yesA0 toolbar=noA0 location=yesA0 location=noA0 directories=yesA0 "
         u"directories=noA0 status=yesA0 status=noA0 menubar=yesA0 menubar=noA0 scrollbars=yesA0 "
         u"scrollbars=noA0 resizable=yesA0 resizable=noA0 width=A0 height=A0 alwaysLowered=yesA2 "
         u"alwaysLowered=noA2 alwaysRaised=yesA2 alwaysRaised=noA2 dependent=yesA2 "
         u"dependent=noA2 hotkeys=yesA2 hotkeys=noA2 innerWidth=A2 innerHeight=A2 outerWidth=A2 "
         u"outerHeight=A2 screenX=A2 screenY=A2 titlebar=yesA2 titlebar=noA2 z-lock=yesA2 "
         u"z-lock=noA2"},
        {u"common",
         u"encodeURI()A5 encodeURIComponent()A5 escape()A0 eval()A0 isFinite()A1 isNaN()A0 "
         u"Number()A1 parseFloat()A0 parseInt()A0 String()A1 taint()A1 unescape()A0 untaint()A1 "
         u"decodeURI()A5 decodeURIComponent()A5"},
    };
    for (const auto &row : full) {
        SCOPED_TRACE(QString::fromUtf16(row.name).toStdString());
        const auto section = treeSection(treeText(), QString::fromUtf16(row.name));
        ASSERT_TRUE(section.has_value());
        EXPECT_EQ(joinedItems(*section), QString::fromUtf16(row.items));
    }
}

TEST(ObjTreeText, ExactPiecesTheReadersMeet)
{
    const char16_t *pieces[] = {
        // Last items without their ";".
        u";setUTCMilliseconds()A1</Date>;",
        u";z-lock=noA2</open>;",
        // Leading blanks.
        u"; dependent=yesA2;",
        u"; Number()A1;",
        u"; parse()A0;",
        u"; big()A0;",
        u";  sub()A0;",
        // The open item with its quoted arguments.
        u";open(\"URL\",\"ウィンドウ名\",\"属性\")A0;",
        // Items without a level code, and the joined select item.
        u";*onMouseDown;*onMouseUp;",
        u";*onKeyDown;*onKeyPress;*onKeyUp;",
        u";Object();",
        u";toSource();",
        u";*onFocusA1:*onClick;",
        // Reading the Array() wrapper.
        u"</Array>;</Array()>;",
    };
    for (const char16_t *piece : pieces)
        EXPECT_TRUE(treeText().contains(QString::fromUtf16(piece)))
            << QString::fromUtf16(piece).toStdString();
}

TEST(ObjTreeText, LevelCodes)
{
    // Only these pieces stand without a level code.
    const QSet<QString> withoutCode = {
        QStringLiteral(u"*onMouseDown"), QStringLiteral(u"*onMouseUp"),
        QStringLiteral(u"*onKeyDown"),   QStringLiteral(u"*onKeyPress"),
        QStringLiteral(u"*onKeyUp"),     QStringLiteral(u"Object()"),
        QStringLiteral(u"toSource()"),   QStringLiteral(u"*onFocusA1:*onClick"),
    };
    QSet<QString> missing;
    QSet<QString> codes;
    for (const SectionCounts &row : kSections) {
        const auto section = treeSection(treeText(), QString::fromUtf16(row.name));
        ASSERT_TRUE(section.has_value());
        for (const Item &item : treeItems(*section)) {
            if (item.level.isEmpty())
                missing.insert(item.raw);
            else
                codes.insert(item.level);
        }
    }
    EXPECT_EQ(missing, withoutCode);
    const QSet<QString> expected = {QStringLiteral(u"A0"), QStringLiteral(u"A1"),
                                    QStringLiteral(u"A2"), QStringLiteral(u"A3"),
                                    QStringLiteral(u"A5")};
    EXPECT_EQ(codes, expected);
}

TEST(ObjTreeText, DuplicatesTheTreeShowsOnceOrTwice)
{
    const auto hidden = treeSection(treeText(), QStringLiteral(u"Hidden"));
    ASSERT_TRUE(hidden.has_value());
    EXPECT_EQ(hidden->count(QStringLiteral(u";valueA0;")), 2);
    const auto date = treeSection(treeText(), QStringLiteral(u"Date"));
    ASSERT_TRUE(date.has_value());
    for (const char16_t *name : {u"getFullYear()", u"getMilliseconds()"}) {
        QSet<QString> levels;
        for (const Item &item : treeItems(*date))
            if (item.name == QString::fromUtf16(name))
                levels.insert(item.level);
        EXPECT_EQ(levels.size(), 2) << QString::fromUtf16(name).toStdString();
    }
}
