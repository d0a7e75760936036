// The data blocks and the writing loop of the JavaScript table writer.

#include "controls/strings.h"
#include "frame/form1.h"
#include "writer/attributetext.h"
#include "writer/scriptlines.h"
#include "writer/scripttext.h"

using scriptlines::Number;
using scriptlines::put;

namespace {

const QString &CrLf = attributetext::crLf();

QString spaces(int n)
{
    return QString(n, u' ');
}

QStringView rowAlign(const QString &marker)
{
    if (marker == u"Allcenter")
        return u" align = 'center'";
    if (marker == u"Allright")
        return u" align = 'right'";
    return {};
}

QStringView rowVAlign(const QString &marker)
{
    if (marker == u"Alltop")
        return u" valign = 'top'";
    if (marker == u"Allbottom")
        return u" valign = 'bottom'";
    return {};
}

// The attribute strings of the cells, one a cell row by row (empty where a cell has none);
// `anyAttribute` tells whether any is not empty.
std::vector<QString> cellAttributes(const TableDesign &design, int rows, int columns,
                                    bool &anyAttribute)
{
    const QChar Q = u'"';
    std::vector<QString> attributes(std::size_t(rows) * std::size_t(columns));
    for (int i = 0, t = 0; i < rows; ++i) {
        const QString &height = design.rowHeights.get(i);
        for (int j = 0; j < columns; ++j, ++t) {
            QString &a = attributes[std::size_t(t)];
            if (const QString &image = design.cellImages.get(i, j); !image.isEmpty())
                put(a, u" background=", Q, image, Q);
            if (const QString &colour = design.cellColors.get(i, j); !colour.isEmpty())
                put(a, u"  bgcolor= ", Q, colour, Q);
            if (!height.isEmpty())
                put(a, u" height=", Q, height, Q);
            if (const QString &width = design.columnWidths.get(j); !width.isEmpty())
                put(a, u" width=", Q, width, Q);
            if (!design.cellNowraps.get(i, j).isEmpty())
                put(a, u" nowrap");
            anyAttribute = anyAttribute || !a.isEmpty();
        }
    }
    return attributes;
}

// The script lines (each after the prefix P) that give the merged cells their row and column
// spans.
void spanLines(QString &out, const TextGrid &cellSpans, int rows, int columns, const QString &P)
{
    for (int i = 0, t = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j, ++t) {
            const QStringList parts = strings::split(cellSpans.get(i, j), QStringLiteral(u","));
            if (parts.size() < 2)
                continue;
            const double r = strings::Val(parts[0]);
            const double c = strings::Val(parts[1]);
            if (r != 0)
                put(out, P, u"Sr[", Number{t}, u"] = ", QString::number(r), u';', CrLf);
            if (c != 0)
                put(out, P, u"Sc[", Number{t}, u"] = ", QString::number(c), u';', CrLf);
        }
    }
}

} // namespace

void Form1::jsPositionBlocks(QString &out, const QString &P, const QString &R, const QString &C,
                             const QString &rule, const JsInitLoop &initLoop)
{
    const int rows = R.toInt();
    const int columns = C.toInt();
    const QChar Q = u'"';
    auto line = [&](const QString &text) { put(out, P, text, CrLf); };

    out += rule;
    line(QStringLiteral(u"//行単位（横一列）の位置の設定"));
    line(QStringLiteral(u"//横方向の位置、center-中、right-右 無い場合はleft-左となる"));
    line(QStringLiteral(u"//縦方向の位置top-上、bottom-下 無い場合はmiddle-真中となる"));
    line(QStringLiteral(u"var IchiYoko = new Array();//横方向の位置の変数の定義"));
    line(QStringLiteral(u"var IchiTate = new Array();//縦方向の位置の変数の定義"));
    bool marked = false;
    for (int i = 0; i < rows && !marked; ++i)
        marked = !rowAlign(cellIchiYoko.get(i, 0)).isEmpty()
                 || !rowVAlign(cellIchiTate.get(i, 0)).isEmpty();
    if (!marked) {
        line(QStringLiteral(u"for(i=0;i<") + R + QStringLiteral(u";i++){"));
        line(spaces(4) + QStringLiteral(u"IchiTate[i] = '';"));
        line(spaces(4) + QStringLiteral(u"IchiYoko[i] = '';"));
        line(QStringLiteral(u"}"));
    } else {
        for (int i = 0; i < rows; ++i) {
            put(out, P, u"IchiYoko[", Number{i}, u"] = ", Q, rowAlign(cellIchiYoko.get(i, 0)), Q,
                u";//", Number{i + 1}, u"行目", CrLf);
            put(out, P, u"IchiTate[", Number{i}, u"] = ", Q, rowVAlign(cellIchiTate.get(i, 0)), Q,
                u";//", Number{i + 1}, u"行目", CrLf);
        }
    }

    put(out, CrLf, rule);
    line(QStringLiteral(u"//個別セルの位置の設定"));
    line(QStringLiteral(u"//center-中、right-右、top-上、bottom-下 無い場合は leftとmiddle"));
    line(QStringLiteral(u"var IchiYokoIndiv = new Array();//横方向の位置の変数の定義"));
    line(QStringLiteral(u"var IchiTateIndiv = new Array();//縦方向の位置の変数の定義"));
    bool anySet = false;
    for (int i = 0; i < rows && !anySet; ++i)
        for (int j = 0; j < columns && !anySet; ++j)
            anySet = !cellIchiYoko.get(i, j).isEmpty() || !cellIchiTate.get(i, j).isEmpty();
    if (!anySet) {
        out += initLoop({QStringLiteral(u"IchiTateIndiv[t] = '';"),
                         QStringLiteral(u"IchiYokoIndiv[t] = '';")},
                        true);
        return;
    }
    for (int i = 0, t = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j, ++t) {
            if (j == 0)
                put(out, P, u"//", Number{i + 1}, u"行目です", CrLf);
            const QString &yoko = cellIchiYoko.get(i, j);
            const QString &tate = cellIchiTate.get(i, j);
            put(out, P, u"IchiYokoIndiv[", Number{t}, u"] = ", Q);
            if (yoko == u"center" || yoko == u"right")
                put(out, u" align = '", yoko, u'\'');
            put(out, Q, u';', CrLf, P, u"IchiTateIndiv[", Number{t}, u"] = ", Q);
            if (tate == u"top" || tate == u"bottom")
                put(out, u" valign = '", tate, u'\'');
            put(out, Q, u';', CrLf);
        }
    }
    out += CrLf;
}

void Form1::jsAttributeBlocks(QString &out, const QString &P, const QString &R, const QString &C,
                              const QString &rule, const QString &star, const JsInitLoop &initLoop)
{
    const int rows = R.toInt();
    const int columns = C.toInt();
    auto line = [&](const QString &text) { put(out, P, text, CrLf); };
    auto rowComment = [&](int i) { put(out, P, u"//", Number{i + 1}, u"行目です", CrLf); };

    // C. The attribute strings of the cells.
    bool anyAttribute = false;
    const std::vector<QString> attributes = cellAttributes(*this, rows, columns, anyAttribute);

    // D. Merges.
    put(out, P, CrLf, rule);
    line(QStringLiteral(u"//セルの結合用"));
    line(QStringLiteral(u"var YokoNo = new Array();// 列の数の変数定義"));
    line(QStringLiteral(u"var CellJoint = new Array();// 列の数の変数定義"));
    out += initLoop({QStringLiteral(u"CellJoint[t]=0;")}, true);
    for (int i = 0, t = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j, ++t)
            if (coveredCells.get(i, j) == 1)
                put(out, P, u"CellJoint[", Number{t}, u"] = 1 ;//", Number{i}, u"行:", Number{j},
                    u"列", CrLf);

    // E. Cell attributes.
    put(out, CrLf, rule);
    line(QStringLiteral(u"//セルの設定 背景色、背景画像　折り返し無し"));
    line(QStringLiteral(u"//background-背景画像、bgcolor-背景色、height-高さ、width-幅、norap-折り返しなし"));
    line(QStringLiteral(u"var Ct=new Array();//設定の変数定義"));
    out += initLoop({QStringLiteral(u"Ct[t]='';")}, true);
    if (anyAttribute) {
        for (int i = 0, t = 0; i < rows; ++i) {
            for (int j = 0; j < columns; ++j, ++t) {
                if (j == 0)
                    rowComment(i);
                const QString &a = attributes[std::size_t(t)];
                if (!a.isEmpty())
                    put(out, P, u"Ct[", Number{t}, u"] = '", scripttext::escaped(a), u"';", CrLf);
            }
        }
    }

    // F. Cell texts.
    put(out, CrLf, star);
    line(QStringLiteral(u"//データｰの設定"));
    line(QStringLiteral(u"//データ－を書き換える場合はこの部分を変更します"));
    out += star;
    out += initLoop({QStringLiteral(u"Data[t] = '';")}, false);
    for (int i = 0, t = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j, ++t) {
            if (j == 0)
                rowComment(i);
            QString &cell = cellTexts.at(i, j);
            cell = scripttext::brokenCellText(cell);
            put(out, P, u"Data[", Number{t}, u"] = '", cell, u"';", CrLf);
        }
    }
    out += CrLf;
    line(QStringLiteral(u"//データ－はここまで"));
    out += star;

    // G. Spans.
    line(QStringLiteral(u"//行と列の結合"));
    line(QStringLiteral(u"var Sr=new Array();//横の結合の変数定義"));
    line(QStringLiteral(u"var Sc=new Array();//縦の結合の変数定義"));
    out += initLoop({QStringLiteral(u"Sr[t] = '';"), QStringLiteral(u"Sc[t] = '';")}, true);
    spanLines(out, cellSpans, rows, columns, P);
}
