// The event rules of the control layer: which assignments raise which events, how often, and in
// what order when handlers nest. Each case records a log and compares it whole.

#include "support/qt_printers.h"
#include "controls/controls.h"
#include "controls/forms.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct Log
{
    QStringList entries;
    void add(const QString &e) { entries.append(e); }
    std::string str() const { return entries.join(u';').toStdString(); }
};

TEST(TextBoxEvents, ChangeFiresOncePerRealChange)
{
    Form form(QStringLiteral(u"F"));
    TextBox box(&form, QStringLiteral(u"Text1"), 0);
    Log log;
    box.onChange = [&] { log.add(QStringLiteral(u"Text1_Change(0)=") + box.text()); };
    box.setText(QStringLiteral(u"a"));
    box.setText(QStringLiteral(u"a"));
    box.setText(QString());
    box.userTyped(QStringLiteral(u"b"));
    box.setEnabled(false);
    box.userTyped(QStringLiteral(u"c"));
    EXPECT_EQ(log.str(), "Text1_Change(0)=a;Text1_Change(0)=;Text1_Change(0)=b");
}

TEST(ScrollBarEvents, RangeAndChangeRules)
{
    Form form(QStringLiteral(u"F"));
    ScrollBar bar(&form, QStringLiteral(u"VScroll1"), 0);
    bar.setMin(-1000);
    bar.setMax(-1);
    bar.setValue(-3);
    Log log;
    bar.onChange = [&] { log.add(QStringLiteral(u"VScroll1_Change(%1)").arg(bar.value())); };

    EXPECT_FALSE(bar.setValue(0));     // outside: refused, nothing runs
    EXPECT_FALSE(bar.setValue(-1001));
    EXPECT_TRUE(bar.setValue(-3));     // same value: accepted, nothing runs
    EXPECT_TRUE(bar.setValue(-12));
    bar.setMin(-5);                    // moves the value into range silently
    EXPECT_EQ(bar.value(), -5);
    bar.setMax(-6);                    // Min above Max is a valid, inverted range
    EXPECT_EQ(bar.value(), -5);
    EXPECT_TRUE(bar.setValue(-6));
    EXPECT_EQ(log.str(), "VScroll1_Change(-12);VScroll1_Change(-6)");
}

TEST(ScrollBarEvents, UpArrowMovesTowardsMin)
{
    Form form(QStringLiteral(u"F"));
    ScrollBar bar(&form, QStringLiteral(u"VScroll5"));
    bar.setMin(-1000);
    bar.setMax(0);
    bar.userStep(-1);
    EXPECT_EQ(bar.value(), -1);
    bar.userStep(+1);
    bar.userStep(+1); // already at Max: no change
    EXPECT_EQ(bar.value(), 0);
    bar.setEnabled(false);
    bar.userStep(-1);
    EXPECT_EQ(bar.value(), 0);
}

TEST(NestedEvents, HandlersRunInsideTheAssignment)
{
    // A box that pushes into its spinner, and a spinner that writes its box back: the pairing the
    // designer relies on. The nested run completes before the outer assignment returns.
    Form form(QStringLiteral(u"F"));
    TextBox box(&form, QStringLiteral(u"Text1"), 0);
    ScrollBar bar(&form, QStringLiteral(u"VScroll1"), 0);
    bar.setMin(-1000);
    bar.setMax(-1);
    Log log;
    box.onChange = [&] {
        log.add(QStringLiteral(u"Text1_Change=") + box.text());
        bar.setValue(-box.text().toInt());
    };
    bar.onChange = [&] {
        log.add(QStringLiteral(u"VScroll1_Change=%1").arg(bar.value()));
        box.setText(QString::number(-bar.value()));
    };
    bar.setValue(-7);
    log.add(QStringLiteral(u"returned"));
    EXPECT_EQ(log.str(), "VScroll1_Change=-7;Text1_Change=7;returned");
}

TEST(CheckBoxEvents, ValuesAndClicks)
{
    Form form(QStringLiteral(u"F"));
    CheckBox check(&form, QStringLiteral(u"Check2"));
    Log log;
    check.onClick = [&] { log.add(QStringLiteral(u"Check2_Click=%1").arg(check.value())); };
    EXPECT_FALSE(check.setValue(3));
    check.setValue(2);
    check.setValue(2);
    check.userClicked(); // grayed -> cleared
    check.userClicked(); // cleared -> checked
    check.userClicked(); // checked -> cleared
    EXPECT_EQ(log.str(), "Check2_Click=2;Check2_Click=0;Check2_Click=1;Check2_Click=0");
}

TEST(OptionButtonEvents, GroupByContainer)
{
    Form form(QStringLiteral(u"F"));
    Frame left(&form, QStringLiteral(u"FrameA"));
    Frame right(&form, QStringLiteral(u"FrameB"));
    ControlArray<OptionButton> options;
    for (int i = 0; i < 6; ++i)
        options.add(i < 3 ? &left : &right, QStringLiteral(u"Option9"), i);
    Log log;
    options.forEach([&](int i, OptionButton &o) {
        o.onClick = [&log, i] { log.add(QStringLiteral(u"Option9_Click(%1)").arg(i)); };
    });
    options(0).setValue(true);
    options(4).setValue(true);
    options(1).setValue(true);
    options(1).setValue(true); // already chosen: nothing runs
    options(5).userClicked();
    EXPECT_FALSE(options(0).value());
    EXPECT_TRUE(options(1).value());
    EXPECT_FALSE(options(4).value());
    EXPECT_TRUE(options(5).value());
    EXPECT_EQ(log.str(),
              "Option9_Click(0);Option9_Click(4);Option9_Click(1);Option9_Click(5)");
}

TEST(ComboBoxEvents, TextRunsNothingChoiceClicks)
{
    Form form(QStringLiteral(u"F"));
    ComboBox combo(&form, QStringLiteral(u"Combo2"));
    for (const char16_t *item : {u"半角カンマ", u"全角カンマ", u"#"})
        combo.addItem(QString::fromUtf16(item));
    Log log;
    combo.onClick = [&] { log.add(QStringLiteral(u"Combo2_Click=") + combo.text()); };
    combo.setText(QStringLiteral(u"区切り記号選択"));
    combo.setText(QStringLiteral(u"#"));
    EXPECT_EQ(combo.listIndex(), 2);
    combo.userChose(1);
    combo.userChose(1); // the same item again still counts as a click
    EXPECT_FALSE(combo.setListIndex(3));
    EXPECT_EQ(log.str(), "Combo2_Click=全角カンマ;Combo2_Click=全角カンマ");
}

TEST(MenuAndTabs, ClicksRespectStateAndSelectionChanges)
{
    Form form(QStringLiteral(u"F"));
    MenuItem top(&form, QStringLiteral(u"med"));
    MenuItem item(&form, QStringLiteral(u"med11"), -1, &top);
    TabStrip tabs(&form, QStringLiteral(u"TabStrip1"));
    for (const char16_t *caption : {u"設定", u"プレビュー", u"ソース"})
        tabs.addTab(QString::fromUtf16(caption));
    Log log;
    item.onClick = [&] { log.add(QStringLiteral(u"med11_Click")); };
    tabs.onClick = [&] { log.add(QStringLiteral(u"TabStrip1_Click=%1").arg(tabs.selectedTab())); };
    item.userClicked();
    top.setEnabled(false);
    item.userClicked();
    EXPECT_EQ(tabs.selectedTab(), 1);
    tabs.selectTab(3);
    tabs.selectTab(3);
    EXPECT_FALSE(tabs.selectTab(4));
    EXPECT_EQ(log.str(), "med11_Click;TabStrip1_Click=3");
}

// A menu popped up shows whatever the menu bar does with it: its enabled items run even while the
// bar has the menu switched off or hidden, an item switched off itself does not, and once the
// pop-up has closed the bar's state counts again.
TEST(MenuAndTabs, PoppedUpMenuRunsItsItemsWhateverTheBarShows)
{
    Form form(QStringLiteral(u"F"));
    MenuItem top(&form, QStringLiteral(u"med"));
    MenuItem copy(&form, QStringLiteral(u"med2"), 1, &top);
    MenuItem image(&form, QStringLiteral(u"mm2"), 1, &top);
    Log log;
    copy.onClick = [&] { log.add(QStringLiteral(u"med2_Click")); };
    image.onClick = [&] { log.add(QStringLiteral(u"mm2_Click")); };
    form.showPopup = [&](MenuItem &) {
        copy.userClicked();
        image.userClicked();
    };
    top.setEnabled(false);
    image.setEnabled(false);
    form.PopupMenu(top);
    top.setEnabled(true);
    top.setVisible(false);
    image.setEnabled(true);
    form.PopupMenu(top);
    EXPECT_EQ(form.openPopup(), nullptr);
    copy.userClicked();
    EXPECT_EQ(log.str(), "med2_Click;med2_Click;mm2_Click");
}

TEST(LabelEvents, MouseDoorsReportButtonShiftAndPlace)
{
    Form form(QStringLiteral(u"F"));
    Frame frame(&form, QStringLiteral(u"Frame20"));
    Label label(&frame, QStringLiteral(u"Label2"));
    Log log;
    auto record = [&](const char16_t *event) {
        return [&log, event](int button, int shift, int x, int y) {
            log.add(QString::fromUtf16(event)
                    + QStringLiteral(u"(%1,%2,%3,%4)").arg(button).arg(shift).arg(x).arg(y));
        };
    };
    label.onMouseDown = record(u"down");
    label.onMouseMove = record(u"move");
    label.onMouseUp = record(u"up");
    label.userMouseDown(1, 0, 15, 30);
    label.userMouseMove(1, 1, -45, 600);
    label.userMouseUp(1, 0, 0, 0);
    // A disabled label, or one in a disabled frame, reports nothing.
    frame.setEnabled(false);
    label.userMouseDown(2, 0, 1, 1);
    frame.setEnabled(true);
    label.setEnabled(false);
    label.userMouseMove(0, 0, 1, 1);
    EXPECT_EQ(log.str(), "down(1,0,15,30);move(1,1,-45,600);up(1,0,0,0)");
}

TEST(ControlArrays, SparseIndexesAndMissingElements)
{
    Form form(QStringLiteral(u"F"));
    ControlArray<TextBox> boxes;
    boxes.add(&form, QStringLiteral(u"txtwaku2"), 1);
    boxes.add(&form, QStringLiteral(u"txtwaku2"), 4);
    EXPECT_EQ(boxes.lBound(), 1);
    EXPECT_EQ(boxes.uBound(), 4);
    EXPECT_EQ(boxes(4).displayName().toStdString(), "txtwaku2(4)");
    EXPECT_FALSE(boxes.exists(2));
    EXPECT_THROW(boxes(2), std::out_of_range);
}

TEST(Containers, ChildrenOutlivingTheirContainerAreSafe)
{
    auto form = std::make_unique<Form>(QStringLiteral(u"F"));
    auto frame = std::make_unique<Frame>(form.get(), QStringLiteral(u"Frame1"));
    TextBox box(frame.get(), QStringLiteral(u"Text9"));
    EXPECT_EQ(form->allControls().size(), 2u);
    frame.reset();
    EXPECT_EQ(box.container(), nullptr);
    EXPECT_EQ(form->allControls().size(), 0u);
}

} // namespace
