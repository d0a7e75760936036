// The swatch grids: which colour stands at which index and place, what a click or double click on a
// swatch does, and that a view builds its swatches only once.

#include "colour/fomcolor.h"
#include "picker_fixture.h"

#include <QSet>

namespace {

TEST_F(PickerTest, NamedGridRowsOfTenOnTheEnlargedPitch)
{
    picker->Option1.userClicked();
    ASSERT_EQ(picker->Text1.count(), 139);
    const FomColor &p = *picker;
    EXPECT_EQ(p.Text1(0).text() + u' ' + geometry(p.Text1(0)), QStringLiteral(u"aliceblue 0,0,904x353"));
    EXPECT_EQ(p.Text1(9).text() + u' ' + geometry(p.Text1(9)), QStringLiteral(u"blue 8136,0,908x356"));
    EXPECT_EQ(p.Text1(10).text() + u' ' + geometry(p.Text1(10)),
              QStringLiteral(u"blueviolet 0,353,908x356"));
    EXPECT_EQ(p.Text1(138).text() + u' ' + geometry(p.Text1(138)),
              QStringLiteral(u"yellow 7232,4589,908x356"));
    EXPECT_EQ(p.Text1(9).backColor(), 0xFF0000u);
    EXPECT_EQ(p.List1.listCount(), 139);
    EXPECT_FALSE(p.List1.visible());
    for (int i = 0; i < 139; ++i) {
        const bool longName = p.Text1(i).text().size() > 10;
        EXPECT_EQ(p.Text1(i).font().size, longName ? 8 : 9) << i;
        EXPECT_TRUE(p.Text1(i).visible()) << i;
    }
    EXPECT_EQ(p.Text1(66).text(), QStringLiteral(u"lightgoldenrodyellow"));
    EXPECT_EQ(p.Text1(66).font().size, 8);
}

TEST_F(PickerTest, NamedSwatchClickShowsNameAndValueDoubleClickInserts)
{
    picker->Option1.userClicked();
    picker->Text1(9).userClicked();
    EXPECT_EQ(picker->Text4.text(), QStringLiteral(u"blue"));
    EXPECT_EQ(picker->Text4.backColor(), 0xFF0000u);
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#0000FF"));
    picker->Text1(4).userClicked(); // azure
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#F0FFFF"));
    picker->Sett(1);
    picker->Text1(4).userDoubleClicked();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"|azure|||||"));
    EXPECT_FALSE(picker->visible());
}

TEST_F(PickerTest, BasicColumnClicksAndDoubleClicks)
{
    const FomColor &p = *picker;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(p.Text6(i).top(), 200 + 250 * i) << i;
    EXPECT_EQ(p.Text6(15).left(), p.Text6(0).left());
    EXPECT_EQ(p.Text6(15).width(), p.Text6(0).width());
    EXPECT_EQ(p.Text6(0).text(), QStringLiteral(u"000080 navy"));
    EXPECT_EQ(p.Text6(10).text(), QStringLiteral(u"c0c0c0 silver"));
    EXPECT_EQ(p.Text6(0).backColor(), 0x800000u);

    picker->Text6(0).userClicked();
    EXPECT_EQ(picker->Text3.text() + u' ' + picker->Text4.text(), QStringLiteral(u"#000080 navy"));
    EXPECT_EQ(picker->Text4.backColor(), 0x800000u);

    picker->Sett(5);
    picker->Text6(5).userDoubleClicked();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"|||||yellow|"));
    picker->setVisible(true);
    picker->Check1.setValue(0);
    picker->Sett(4);
    picker->Text6(5).userDoubleClicked();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"||||#ffff00|yellow|"));
}

TEST_F(PickerTest, ExtendedPaletteWebColoursThenTheRamps)
{
    picker->Option3.userClicked();
    const FomColor &p = *picker;
    ASSERT_EQ(p.Text5.count(), 447);
    EXPECT_EQ(p.Text5(0).text() + u' ' + geometry(p.Text5(0)), QStringLiteral(u"#000000 50,100,800x200"));
    EXPECT_EQ(p.Text5(4).text(), QStringLiteral(u"#0000CC"));
    EXPECT_EQ(p.Text5(215).text() + u' ' + geometry(p.Text5(215)),
              QStringLiteral(u"#FFFFFF 4050,7100,800x200"));
    EXPECT_EQ(p.Text5(216).text() + u' ' + geometry(p.Text5(216)),
              QStringLiteral(u"#000000 4850,100,800x200"));
    EXPECT_EQ(p.Text5(217).text() + u' ' + geometry(p.Text5(217)),
              QStringLiteral(u"#080808 4850,300,800x200"));
    EXPECT_EQ(p.Text5(248).text() + u' ' + geometry(p.Text5(248)),
              QStringLiteral(u"#FFFFFF 4850,6500,800x200"));
    EXPECT_EQ(p.Text5(249 + 32).text(), QStringLiteral(u"#FF0000"));
    EXPECT_EQ(p.Text5(446).text() + u' ' + geometry(p.Text5(446)),
              QStringLiteral(u"#00FFFF 9650,6500,800x200"));
    EXPECT_EQ(p.Text5(4).backColor(), 0xCC0000u);

    // Every swatch has a place of its own, and no web colour repeats.
    QSet<QString> places, webColours;
    p.Text5.forEach([&](int k, TextBox &t) {
        places.insert(QStringLiteral(u"%1,%2").arg(t.left()).arg(t.top()));
        if (k < 216)
            webColours.insert(t.text());
        EXPECT_TRUE(t.visible()) << k;
    });
    EXPECT_EQ(places.size(), 447);
    EXPECT_EQ(webColours.size(), 216);
}

TEST_F(PickerTest, ExtendedSwatchPressShowsItsValueAndAsksForADrag)
{
    picker->Option3.userClicked();
    struct DragLog : ControlObserver
    {
        void propertyChanged(Control &c, Property property) override
        {
            if (property == Property::Drag)
                log << c.displayName();
        }
        QStringList log;
    } drags;
    picker->Text5(100).setObserver(&drags);
    picker->Text5(100).userMouseDown(1, 0, 10, 10);
    EXPECT_EQ(picker->Text3.text(), picker->Text5(100).text());
    EXPECT_EQ(drags.log.join(u';'), QStringLiteral(u"Text5(100)"));
    picker->Text5(300).userClicked();
    EXPECT_EQ(picker->Text3.text(), picker->Text5(300).text());
    // No double-click action: the window stays open, nothing is written.
    picker->Text5(300).userDoubleClicked();
    EXPECT_TRUE(picker->visible());
    EXPECT_EQ(boxTexts(), QStringLiteral(u"||||||"));
}

TEST_F(PickerTest, ASecondVisitBuildsNoFurtherSwatches)
{
    picker->Option1.userClicked();
    picker->Option3.userClicked();
    picker->Option2.userClicked();
    picker->Option1.userClicked();
    picker->Option3.userClicked();
    EXPECT_EQ(picker->Text1.count(), 139);
    EXPECT_EQ(picker->Text6.count(), 16);
    EXPECT_EQ(picker->Text5.count(), 447);
    EXPECT_EQ(picker->List1.listCount(), 139);
    // The named view puts its first swatch back to the design size on every visit.
    picker->Option1.userClicked();
    EXPECT_EQ(geometry(picker->Text1(0)), QStringLiteral(u"0,0,900x350"));
    EXPECT_EQ(geometry(picker->Text1(1)), QStringLiteral(u"904,0,908x356"));
}

} // namespace
