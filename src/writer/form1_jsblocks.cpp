// The data blocks and the writing loop of the JavaScript table writer.

#include "controls/strings.h"
#include "frame/form1.h"
#include "writer/attributetext.h"
#include "writer/scripttext.h"

namespace {

const QString &CrLf = attributetext::crLf();

QString spaces(int n)
{
    return QString(n, u' ');
}

QString rowAlign(const QString &marker)
{
    if (marker == u"Allcenter")
        return QStringLiteral(u" align = 'center'");
    if (marker == u"Allright")
        return QStringLiteral(u" align = 'right'");
    return {};
}

QString rowVAlign(const QString &marker)
{
    if (marker == u"Alltop")
        return QStringLiteral(u" valign = 'top'");
    if (marker == u"Allbottom")
        return QStringLiteral(u" valign = 'bottom'");
    return {};
}

// The attribute strings of the cells, one a cell row by row (empty where a cell has none);
// `anyAttribute` tells whether any is not empty.
std::vector<QString> cellAttributes(const TableDesign &design, int rows, int columns,
                                    bool &anyAttribute)
{
    const QString Q = QStringLiteral(u"\"");
    std::vector<QString> attributes(std::size_t(rows) * std::size_t(columns));
    for (int i = 0, t = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j, ++t) {
            QString &a = attributes[std::size_t(t)];
            if (!design.cellImages.get(i, j).isEmpty())
                a += QStringLiteral(u" background=") + Q + design.cellImages.get(i, j) + Q;
            if (!design.cellColors.get(i, j).isEmpty())
                a += QStringLiteral(u"  bgcolor= ") + Q + design.cellColors.get(i, j) + Q;
            if (!design.rowHeights.get(i).isEmpty())
                a += QStringLiteral(u" height=") + Q + design.rowHeights.get(i) + Q;
            if (!design.columnWidths.get(j).isEmpty())
                a += QStringLiteral(u" width=") + Q + design.columnWidths.get(j) + Q;
            if (!design.cellNowraps.get(i, j).isEmpty())
                a += QStringLiteral(u" nowrap");
            anyAttribute = anyAttribute || !a.isEmpty();
        }
    }
    return attributes;
}

// The script lines (each after the prefix P) that give the merged cells their row and column
// spans.
QString spanLines(const TextGrid &cellSpans, int rows, int columns, const QString &P)
{
    QString out;
    auto line = [&](const QString &text) { return P + text + CrLf; };
    for (int i = 0, t = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j, ++t) {
            const QStringList parts = strings::split(cellSpans.get(i, j), QStringLiteral(u","));
            if (parts.size() < 2)
                continue;
            const double r = strings::Val(parts[0]);
            const double c = strings::Val(parts[1]);
            if (r != 0)
                out += line(QStringLiteral(u"Sr[") + QString::number(t) + QStringLiteral(u"] = ")
                            + QString::number(r) + u';');
            if (c != 0)
                out += line(QStringLiteral(u"Sc[") + QString::number(t) + QStringLiteral(u"] = ")
                            + QString::number(c) + u';');
        }
    }
    return out;
}

} // namespace

QString Form1::jsPositionBlocks(const QString &P, const QString &R, const QString &C,
                                const QString &rule, const JsInitLoop &initLoop)
{
    const int rows = R.toInt();
    const int columns = C.toInt();
    const QString Q = QStringLiteral(u"\"");
    auto line = [&](const QString &text) { return P + text + CrLf; };

    QString out = rule;
    out += line(QStringLiteral(u"//行単位（横一列）の位置の設定"));
    out += line(QStringLiteral(u"//横方向の位置、center-中、right-右 無い場合はleft-左となる"));
    out += line(QStringLiteral(u"//縦方向の位置top-上、bottom-下 無い場合はmiddle-真中となる"));
    out += line(QStringLiteral(u"var IchiYoko = new Array();//横方向の位置の変数の定義"));
    out += line(QStringLiteral(u"var IchiTate = new Array();//縦方向の位置の変数の定義"));
    bool marked = false;
    for (int i = 0; i < rows && !marked; ++i)
        marked = !rowAlign(cellIchiYoko.get(i, 0)).isEmpty()
                 || !rowVAlign(cellIchiTate.get(i, 0)).isEmpty();
    if (!marked) {
        out += line(QStringLiteral(u"for(i=0;i<") + R + QStringLiteral(u";i++){"));
        out += line(spaces(4) + QStringLiteral(u"IchiTate[i] = '';"));
        out += line(spaces(4) + QStringLiteral(u"IchiYoko[i] = '';"));
        out += line(QStringLiteral(u"}"));
    } else {
        for (int i = 0; i < rows; ++i) {
            const QString row = QString::number(i);
            const QString comment = QStringLiteral(u"//") + QString::number(i + 1) + QStringLiteral(u"行目");
            out += line(QStringLiteral(u"IchiYoko[") + row + QStringLiteral(u"] = ") + Q
                        + rowAlign(cellIchiYoko.get(i, 0)) + Q + u';' + comment);
            out += line(QStringLiteral(u"IchiTate[") + row + QStringLiteral(u"] = ") + Q
                        + rowVAlign(cellIchiTate.get(i, 0)) + Q + u';' + comment);
        }
    }

    out += CrLf + rule;
    out += line(QStringLiteral(u"//個別セルの位置の設定"));
    out += line(QStringLiteral(u"//center-中、right-右、top-上、bottom-下 無い場合は leftとmiddle"));
    out += line(QStringLiteral(u"var IchiYokoIndiv = new Array();//横方向の位置の変数の定義"));
    out += line(QStringLiteral(u"var IchiTateIndiv = new Array();//縦方向の位置の変数の定義"));
    bool anySet = false;
    for (int i = 0; i < rows && !anySet; ++i)
        for (int j = 0; j < columns && !anySet; ++j)
            anySet = !cellIchiYoko.get(i, j).isEmpty() || !cellIchiTate.get(i, j).isEmpty();
    if (!anySet)
        return out + initLoop({QStringLiteral(u"IchiTateIndiv[t] = '';"),
                               QStringLiteral(u"IchiYokoIndiv[t] = '';")},
                              true);
    for (int i = 0, t = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j, ++t) {
            if (j == 0)
                out += line(QStringLiteral(u"//") + QString::number(i + 1) + QStringLiteral(u"行目です"));
            const QString &yoko = cellIchiYoko.get(i, j);
            const QString &tate = cellIchiTate.get(i, j);
            const QString align = yoko == u"center" || yoko == u"right"
                                      ? QStringLiteral(u" align = '") + yoko + u'\''
                                      : QString();
            const QString valign = tate == u"top" || tate == u"bottom"
                                       ? QStringLiteral(u" valign = '") + tate + u'\''
                                       : QString();
            out += line(QStringLiteral(u"IchiYokoIndiv[") + QString::number(t) + QStringLiteral(u"] = ") + Q
                        + align + Q + u';');
            out += line(QStringLiteral(u"IchiTateIndiv[") + QString::number(t) + QStringLiteral(u"] = ") + Q
                        + valign + Q + u';');
        }
    }
    return out + CrLf;
}

QString Form1::jsAttributeBlocks(const QString &P, const QString &R, const QString &C,
                                 const QString &rule, const QString &star,
                                 const JsInitLoop &initLoop)
{
    const int rows = R.toInt();
    const int columns = C.toInt();
    auto line = [&](const QString &text) { return P + text + CrLf; };
    auto rowComment = [&](int i) {
        return line(QStringLiteral(u"//") + QString::number(i + 1) + QStringLiteral(u"行目です"));
    };

    // C. The attribute strings of the cells.
    bool anyAttribute = false;
    const std::vector<QString> attributes = cellAttributes(*this, rows, columns, anyAttribute);

    // D. Merges.
    QString out = P + CrLf + rule;
    out += line(QStringLiteral(u"//セルの結合用"));
    out += line(QStringLiteral(u"var YokoNo = new Array();// 列の数の変数定義"));
    out += line(QStringLiteral(u"var CellJoint = new Array();// 列の数の変数定義"));
    out += initLoop({QStringLiteral(u"CellJoint[t]=0;")}, true);
    for (int i = 0, t = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j, ++t)
            if (coveredCells.get(i, j) == 1)
                out += line(QStringLiteral(u"CellJoint[") + QString::number(t) + QStringLiteral(u"] = 1 ;//")
                            + QString::number(i) + QStringLiteral(u"行:") + QString::number(j)
                            + QStringLiteral(u"列"));

    // E. Cell attributes.
    out += CrLf + rule;
    out += line(QStringLiteral(u"//セルの設定 背景色、背景画像　折り返し無し"));
    out += line(QStringLiteral(u"//background-背景画像、bgcolor-背景色、height-高さ、width-幅、norap-折り返しなし"));
    out += line(QStringLiteral(u"var Ct=new Array();//設定の変数定義"));
    out += initLoop({QStringLiteral(u"Ct[t]='';")}, true);
    if (anyAttribute) {
        for (int i = 0, t = 0; i < rows; ++i) {
            for (int j = 0; j < columns; ++j, ++t) {
                if (j == 0)
                    out += rowComment(i);
                const QString &a = attributes[std::size_t(t)];
                if (!a.isEmpty())
                    out += line(QStringLiteral(u"Ct[") + QString::number(t) + QStringLiteral(u"] = '")
                                + scripttext::escaped(a) + QStringLiteral(u"';"));
            }
        }
    }

    // F. Cell texts.
    out += CrLf + star;
    out += line(QStringLiteral(u"//データｰの設定"));
    out += line(QStringLiteral(u"//データ－を書き換える場合はこの部分を変更します"));
    out += star;
    out += initLoop({QStringLiteral(u"Data[t] = '';")}, false);
    for (int i = 0, t = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j, ++t) {
            if (j == 0)
                out += rowComment(i);
            QString &cell = cellTexts.at(i, j);
            cell = scripttext::brokenCellText(cell);
            out += line(QStringLiteral(u"Data[") + QString::number(t) + QStringLiteral(u"] = '") + cell
                        + QStringLiteral(u"';"));
        }
    }
    out += CrLf + line(QStringLiteral(u"//データ－はここまで")) + star;

    // G. Spans.
    out += line(QStringLiteral(u"//行と列の結合"));
    out += line(QStringLiteral(u"var Sr=new Array();//横の結合の変数定義"));
    out += line(QStringLiteral(u"var Sc=new Array();//縦の結合の変数定義"));
    out += initLoop({QStringLiteral(u"Sr[t] = '';"), QStringLiteral(u"Sc[t] = '';")}, true);
    return out + spanLines(cellSpans, rows, columns, P);
}
