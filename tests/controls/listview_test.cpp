// The list view, the key doors, and labels that size to their caption.

#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/listview.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

struct Recorder : ControlObserver
{
    QStringList log;
    void propertyChanged(Control &control, Property property) override
    {
        const QString what = property == Property::List        ? u"List"_qs
                             : property == Property::Selection ? u"Selection"_qs
                             : property == Property::Focus     ? u"Focus"_qs
                                                               : QString::number(int(property));
        log.append(control.name() + u':' + what);
    }
};

TEST(ListView, ItemsSelectionAndKeys)
{
    Form form(u"Form1"_qs);
    ImageList images(&form, u"ImageList1"_qs);
    images.add(u"Pro"_qs, Picture{{u"x"_qs}, {{u'x', 0xFF}}});
    ListView list(&form, u"L1"_qs);
    list.setSmallIcons(&images);
    EXPECT_EQ(list.smallIcons(), &images);
    Recorder recorder;
    list.setObserver(&recorder);
    EXPECT_EQ(list.add(u"a"_qs, u"Pro"_qs), 1);
    EXPECT_EQ(list.add(u"b"_qs), 2);
    EXPECT_EQ(list.item(1).smallIcon, u"Pro"_qs);
    EXPECT_EQ(list.item(3).text, QString());
    EXPECT_TRUE(list.setSelectedIndex(2));
    EXPECT_FALSE(list.setSelectedIndex(3));
    EXPECT_EQ(list.selectedText(), u"b"_qs);
    // Up and Down move the selection inside the list, unless a handler swallows them.
    EXPECT_TRUE(list.userKeyDown(keycode::Down, 0));
    EXPECT_EQ(list.selectedIndex(), 2);
    EXPECT_TRUE(list.userKeyDown(keycode::Up, 0));
    EXPECT_EQ(list.selectedIndex(), 1);
    list.onKeyDown = [](int &key, int) { key = key == keycode::Up ? 0 : key; };
    EXPECT_TRUE(list.userKeyDown(keycode::Up, 0));
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_FALSE(list.userKeyDown(keycode::Space, 0));
    list.clear();
    EXPECT_EQ(list.selectedIndex(), 0);
    list.clear(); // nothing to clear: nothing told
    EXPECT_EQ(recorder.log.join(u';'), u"L1:List;L1:List;L1:Selection;L1:Selection;L1:List"_qs);
}

TEST(ListView, KeyPreviewRunsTheFormFirst)
{
    Form form(u"Form1"_qs);
    ListBox list(&form, u"List1"_qs);
    list.addItem(u"a"_qs);
    QStringList log;
    form.onKeyDown = [&](int &key, int shift) {
        log.append(u"form "_qs + QString::number(key) + u'/' + QString::number(shift));
    };
    list.onKeyDown = [&](int &key, int) { log.append(u"list "_qs + QString::number(key)); };
    list.userKeyDown(keycode::Down, keycode::ShiftMask);
    form.setKeyPreview(true);
    list.userKeyDown(keycode::Down, 0);
    form.onKeyDown = [&](int &key, int) { key = 0; };
    EXPECT_TRUE(list.userKeyDown(keycode::Down, 0)); // swallowed by the form
    EXPECT_EQ(log.join(u';'), u"list 40;form 40/0;list 40"_qs);
    EXPECT_EQ(list.listIndex(), 0); // Down chose the first item once; then it was the last
}

TEST(ListView, AutoSizedLabelsTakeTheirCaptionsSize)
{
    Form form(u"Form1"_qs);
    Label label(&form, u"LblExp"_qs);
    Font font;
    font.size = 10;
    label.setFont(font);
    label.setWidth(77);
    label.setCaption(u"ab"_qs); // not auto-sized: the size stays
    EXPECT_EQ(label.width(), 77);
    label.setAutoSize(true);
    EXPECT_EQ(label.width(), 200); // two half-width characters of a 10 point font
    label.setCaption(u"全角\r\nab"_qs);
    EXPECT_EQ(label.width(), 400);
    EXPECT_EQ(label.height(), 540);
    Label::setTextMeasure([](const QString &text, const Font &) {
        return std::pair<int, int>(int(text.size()) * 100, 300);
    });
    label.setCaption(u"abc"_qs);
    EXPECT_EQ(label.width(), 300);
    Label::setTextMeasure({});
}

} // namespace
