// The swatch grids: the named colours in rows of ten, the column of basic colours, and the extended
// palette of web colours beside the shade ramps. Each grid is built the first time its view shows;
// later visits only size the frames and the window again.
//
// The builders read the geometry of element 0 of their array again at every use (W0, H0, L0, T0
// below), so a change of element 0 during a build moves every later swatch with it.

#include "colour/colourtables.h"
#include "colour/colourtext.h"
#include "colour/fomcolor.h"
#include "colour/fomcolor_texts.h"
#include "resources/stringresources.h"

namespace {

void paint(TextBox &box, quint32 colour)
{
    box.setBackColor(colour);
    box.setForeColor(readableTextOn(colour));
}

} // namespace

TextBox &FomColor::newSwatch(ControlArray<TextBox> &array, int index)
{
    TextBox &swatch = index == 0 ? array(0) : array.load(index);
    if (&array == &Text1) {
        swatch.onClick = [this, index] { Text1_Click(index); };
        swatch.onDblClick = [this, index] { Text1_DblClick(index); };
    } else if (&array == &Text6) {
        swatch.onClick = [this, index] { Text6_Click(index); };
        swatch.onDblClick = [this, index] { Text6_DblClick(index); };
    } else {
        swatch.onMouseDown = [this, index](int button, int shift, int x, int y) {
            Text5_MouseDown(index, button, shift, x, y);
        };
        swatch.onClick = [this, index] { Text5_Click(index); };
    }
    swatch.setVisible(true);
    return swatch;
}

void FomColor::LoadNamedColors()
{
    for (const QString &line : recordLines(loadStringResource(101)))
        List1.addItem(line);
}

void FomColor::BuildNamedColors()
{
    TextBox &first = Text1(0);
    first.move(0, 0, 900, 350);
    Frame1.move(0, 0, 11 * first.width() - first.width() / 2 - 500, 14 * first.height());
    Frame1.setVisible(true);
    Frame4.move(Frame1.left(), Frame1.top() + Frame1.height(), Frame1.width(), 825);
    setHeight(Frame4.height() + Frame1.height() + 800);
    setWidth(Frame1.width() + 200);
    if (Text1.count() > 1)
        return;

    LoadNamedColors();
    for (int i = 0; i < List1.listCount(); ++i) {
        const NamedColour record = parseNamedColour(List1.listItem(i));
        TextBox &swatch = newSwatch(Text1, i);
        swatch.setText(record.name);
        paint(swatch, colourOfHex(record.hex));
        swatch.setLeft((i % 10) * first.width() + first.left());
        swatch.setTop((i / 10) * first.height() + first.top());
        swatch.setWidth(first.width() + 4);
        swatch.setHeight(first.height() + 3);
        Font font = swatch.font();
        font.size = record.name.size() > 10 ? 8 : 9;
        swatch.setFont(font);
    }
}

void FomColor::BuildBasicColors()
{
    if (Text6.count() != 1)
        return;
    Label3.setCaption(basicViewExplanation());
    basicColorHex.clear();
    basicColorNames.clear();
    for (const BasicColour &colour : basicColours()) {
        basicColorHex.append(QString::fromUtf16(colour.hex));
        basicColorNames.append(QString::fromUtf16(colour.name));
    }
    TextBox &first = Text6(0);
    first.setTop(200);
    first.setHeight(250);
    for (int i = 0; i < 16; ++i) {
        TextBox &swatch = newSwatch(Text6, i);
        swatch.setTop(first.top() + i * first.height());
        swatch.setText(basicColorHex.at(i) + u' ' + basicColorNames.at(i));
        paint(swatch, colourOfHex(basicColorHex.at(i)));
    }
}

void FomColor::BuildExtendedPalette()
{
    TextBox &first = Text5(0);
    first.move(50, 100, 800, 200);
    Frame5.move(100, 0, 14 * first.width() - first.width() / 2 - 300, 37 * first.height() + 100);
    Frame5.setVisible(true);
    Frame4.move(Frame5.left(), Frame5.top() + Frame5.height(), Frame5.width() - 1000, 825);
    setHeight(Frame4.height() + Frame5.height() + 900);
    setWidth(Frame5.width() + 200);
    if (Text5.count() > 1)
        return;

    int k = LoadWebColors();
    for (const ShadeRamp &ramp : shadeRamps()) {
        for (int i = 0; i < ShadeSteps; ++i) {
            const int v = shadeLevel(i);
            TextBox &swatch = newSwatch(Text5, k);
            swatch.setTop(i * first.height() + first.top());
            swatch.setLeft(ramp.column * first.width() + first.left());
            const int r = ramp.red ? v : 0, g = ramp.green ? v : 0, b = ramp.blue ? v : 0;
            paint(swatch, rgb(r, g, b));
            swatch.setText(colourText(r, g, b));
            ++k;
        }
    }
}

int FomColor::LoadWebColors()
{
    TextBox &first = Text5(0);
    int k = 0;
    for (const QString &line : recordLines(loadStringResource(102))) {
        const QStringList values = webColourValues(line);
        for (int j = 0; j < 6 && j < values.size(); ++j) {
            TextBox &swatch = newSwatch(Text5, k);
            if (k > 0) {
                swatch.setTop((k / 6) * first.height() + first.top());
                swatch.setLeft(j * first.width() + first.left());
            }
            swatch.setText(u'#' + values.at(j));
            paint(swatch, colourOfHex(values.at(j)));
            ++k;
        }
    }
    return k;
}

void FomColor::Text1_Click(int Index)
{
    const NamedColour record = parseNamedColour(List1.listItem(Index));
    Text4.setText(record.name);
    paint(Text4, Text1(Index).backColor());
    Text3.setText(colourText(record.red, record.green, record.blue));
}

void FomColor::Text1_DblClick(int)
{
    InsertC();
}

void FomColor::Text6_Click(int Index)
{
    Text3.setText(u'#' + basicColorHex.value(Index));
    Text4.setText(basicColorNames.value(Index));
    paint(Text4, Text6(Index).backColor());
}

void FomColor::Text6_DblClick(int Index)
{
    Text6_Click(Index);
    InsertC();
}

void FomColor::Text5_MouseDown(int Index, int, int, int, int)
{
    Text3.setText(Text5(Index).text());
    Text5(Index).drag();
}

void FomColor::Text5_Click(int Index)
{
    Text3.setText(Text5(Index).text());
}
