// Composing colours: the sliders, the system colour dialog (and its Cancel), and the mixing palette
// that adds dropped swatches.

#include "colour/colourtext.h"
#include "colour/fomcolor.h"
#include "picker_fixture.h"

namespace {

TEST_F(PickerTest, ASliderComposesTheColourAndClearsTheName)
{
    QStringList values;
    picker->Text3.onChange = [&] { values << picker->Text3.text(); };
    picker->Text4.setText(QStringLiteral(u"navy"));
    picker->Text4.setBackColor(0x800000);
    picker->HScroll1(0).userScrolled(10);
    EXPECT_EQ(picker->Text7(0).text(), QStringLiteral(u"10"));
    EXPECT_EQ(picker->Text7(3).text(), QStringLiteral(u"#0A0000"));
    // The number's change copies the composed colour as it was, then the new one follows.
    EXPECT_EQ(values.join(u';'), QStringLiteral(u"#000000;#0A0000"));
    EXPECT_TRUE(picker->Text4.text().isEmpty());
    EXPECT_EQ(picker->Text4.backColor(), 0xFFFFFFu);
    EXPECT_EQ(picker->Text7(0).backColor(), rgb(10, 0, 0));
    EXPECT_EQ(picker->Text7(3).backColor(), rgb(10, 0, 0));
    EXPECT_EQ(picker->Label4(3).foreColor(), rgb(10, 0, 0));

    picker->HScroll1(2).userStep(1);
    picker->HScroll1(1).setValue(200);
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#0AC801"));
    EXPECT_EQ(picker->Text7(1).backColor(), rgb(0, 200, 0));
    EXPECT_EQ(picker->Text7(2).text(), QStringLiteral(u"1"));
    EXPECT_EQ(picker->HScroll1(2).largeChange(), 32);
    EXPECT_FALSE(picker->HScroll1(0).setValue(256));
    EXPECT_TRUE(picker->HScroll1(0).horizontal());
}

TEST_F(PickerTest, SystemDialogPresetsTheSliders)
{
    colours.answer = rgb(255, 0, 0);
    picker->Command6.userClicked();
    EXPECT_EQ(QStringLiteral(u"%1,%2,%3").arg(picker->HScroll1(0).value())
                  .arg(picker->HScroll1(1).value()).arg(picker->HScroll1(2).value()),
              QStringLiteral(u"255,0,0"));
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#FF0000"));
    colours.answer = rgb(0x12, 0x34, 0x56);
    picker->Command6.userClicked();
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#123456"));
    EXPECT_EQ(picker->Text7(3).backColor(), 0x563412u);
    // The dialog opens on the colour chosen in it last.
    ASSERT_EQ(colours.shown.size(), 2u);
    EXPECT_EQ(colours.shown[0], 0u);
    EXPECT_EQ(colours.shown[1], rgb(255, 0, 0));
    EXPECT_EQ(picker->getRgb(255), QStringLiteral(u"FF0000"));
    EXPECT_EQ(picker->getRgb(0x123456), QStringLiteral(u"563412"));
}

TEST_F(PickerTest, CancellingTheSystemDialogChangesNothing)
{
    auto state = [this] {
        QStringList s;
        for (int i = 0; i < 3; ++i)
            s << QString::number(picker->HScroll1(i).value());
        for (int i = 0; i < 4; ++i)
            s << picker->Text7(i).text() + u'/' + QString::number(picker->Text7(i).backColor());
        s << picker->Text3.text() << picker->Text4.text()
          << QString::number(picker->Text4.backColor());
        return s.join(u'|');
    };
    picker->Text6(3).userClicked(); // green
    const QString before = state();
    colours.answer.reset();
    picker->Command6.userClicked();
    EXPECT_EQ(state(), before);
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#008000"));
    // Cancel the first time too: no black is applied.
    colours.answer = rgb(0, 0, 200);
    picker->Command6.userClicked();
    const QString chosen = state();
    colours.answer.reset();
    picker->Command6.userClicked();
    EXPECT_EQ(state(), chosen);
    // Without a dialog service the button does nothing either.
    FomColor bare(boxes, target);
    bare.Form_Load();
    bare.Text6(0).userClicked();
    bare.Command6.userClicked();
    EXPECT_EQ(bare.Text3.text(), QStringLiteral(u"#000080"));
}

TEST_F(PickerTest, ChoosingTheSlidersOwnColourStillMakesItTheValue)
{
    picker->Text6(0).userClicked(); // navy, while the sliders stand at black
    colours.answer = rgb(0, 0, 0);
    picker->Command6.userClicked();
    EXPECT_EQ(picker->Text3.text(), QStringLiteral(u"#000000"));
    EXPECT_TRUE(picker->Text4.text().isEmpty());
}

TEST_F(PickerTest, DroppedSwatchesAddUpOnThePalette)
{
    picker->Option3.userClicked();
    FomColor &p = *picker;
    EXPECT_EQ(p.Shape1.fillColor(), 0xFFFFFFu);
    EXPECT_EQ(p.Shape1.fillStyle(), 0);
    p.Picture1.userDragDrop(p.Text5(4), 0, 0);   // #0000CC
    EXPECT_EQ(p.Text3.text(), QStringLiteral(u"#0000CC"));
    p.Picture1.userDragDrop(p.Text5(2), 0, 0);   // #000066
    EXPECT_EQ(p.Text3.text(), QStringLiteral(u"#0000FF"));
    EXPECT_EQ(p.Shape1.fillColor(), rgb(0, 0, 255));
    EXPECT_TRUE(p.palette.mixHasColor);

    // Yellow and blue reach white: the palette empties, the value stays the last colour.
    p.Command4.userClicked();
    EXPECT_EQ(p.Shape1.fillColor(), 0xFFFFFFu);
    p.Picture1.userDragDrop(p.Text5(210), 0, 0); // #FFFF00
    EXPECT_EQ(p.Text3.text(), QStringLiteral(u"#FFFF00"));
    p.Picture1.userDragDrop(p.Text5(5), 0, 0);   // #0000FF
    EXPECT_EQ(p.Text3.text(), QStringLiteral(u"#FFFF00"));
    EXPECT_EQ(p.Shape1.fillColor(), 0xFFFFFFu);
    EXPECT_FALSE(p.palette.mixHasColor);

    // A text that is no colour counts its odd characters as 0.
    p.Text3.setText(QString());
    TextBox &odd = p.Text5(6);
    odd.setText(QStringLiteral(u"#zz80zz"));
    p.Picture1.userDragDrop(odd, 0, 0);
    EXPECT_EQ(p.Text3.text(), QStringLiteral(u"#008000"));
}

TEST_F(PickerTest, PaletteAndSlidersSurviveViewSwitchesAndHiding)
{
    picker->HScroll1(1).setValue(77);
    picker->Option3.userClicked();
    picker->Picture1.userDragDrop(picker->Text5(30), 0, 0);
    const quint32 fill = picker->Shape1.fillColor();
    picker->Option1.userClicked();
    picker->setVisible(false);
    picker->setVisible(true);
    picker->Option2.userClicked();
    EXPECT_EQ(picker->HScroll1(1).value(), 77);
    EXPECT_EQ(picker->Text7(1).text(), QStringLiteral(u"77"));
    picker->Option3.userClicked();
    EXPECT_EQ(picker->Shape1.fillColor(), fill);
    EXPECT_TRUE(picker->palette.mixHasColor);
}

TEST_F(PickerTest, DoubleClickOnTheComposedColourInserts)
{
    picker->HScroll1(2).setValue(255);
    picker->Sett(3);
    picker->Text7(3).userDoubleClicked();
    EXPECT_EQ(boxTexts(), QStringLiteral(u"|||#0000FF|||"));
    EXPECT_FALSE(picker->visible());
}

} // namespace
