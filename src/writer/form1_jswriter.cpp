// The JavaScript table writer: the same table as a script that keeps the design in arrays and
// writes the rows with document.write. Every literal is part of the product.

#include "controls/hugepages.h"
#include "controls/strings.h"
#include "frame/form1.h"
#include "writer/attributetext.h"
#include "writer/scripttext.h"

#include <cstring>

namespace {

const QString &CrLf = attributetext::crLf();

QString spaces(int n)
{
    return QString(n, u' ');
}

// Every four blanks in a row become a TAB, from the start on, as a replacement of all "    " by
// "\t" would make them; the text is rewritten in place, never longer than it was.
void tabsForFourBlanks(QString &text)
{
    const QStringView four = u"    ";
    QChar *d = text.data();
    const qsizetype n = text.size();
    qsizetype w = 0;
    qsizetype r = 0;
    for (;;) {
        // What lies at or behind r is not yet overwritten: writes stay before it.
        const qsizetype at = QStringView(d, n).indexOf(four, r);
        const qsizetype end = at < 0 ? n : at;
        std::memmove(d + w, d + r, std::size_t(end - r) * sizeof(QChar));
        w += end - r;
        if (at < 0)
            break;
        d[w++] = u'\t';
        r = at + 4;
    }
    text.truncate(w);
}

} // namespace

QString Form1::jsWritingLoop(const QString &P, const QString &R, const QString &C,
                             const QString &rule)
{
    const QString Q = QStringLiteral(u"\"");
    auto line = [&](const QString &text) { return P + text + CrLf; };
    const bool tate = Option10(2).value() || Option10(3).value();
    const bool yoko = Option10(1).value() || Option10(3).value();
    QString out = CrLf + rule;
    out += line(QStringLiteral(u"//テーブルのヘッダーを設定"));
    out += line(QStringLiteral(u"//flgtate=1の場合は縦がヘッダーに、flgyoko=1の場合は横がヘッダーになります。"));
    out += line(QStringLiteral(u"//両方が１の場合は両方がヘッダーになります"));
    out += line(tate ? QStringLiteral(u"flgTate=1;　//縦がヘッダーになります。") : QStringLiteral(u"flgTate=0;"));
    out += line(yoko ? QStringLiteral(u"flgYoko=1; //横がヘッダーになります。") : QStringLiteral(u"flgYoko=0;"));
    out += line(QString());
    out += line(QStringLiteral(u"tcount = 0;"));
    out += line(QStringLiteral(u"for ( i = 0 ; i <") + R + QStringLiteral(u" ; i++ ){"));
    const QStringList body = {
        spaces(4) + QStringLiteral(u"document.write('<tr',IchiTate[i],IchiYoko[i],'>');"),
        spaces(4) + QStringLiteral(u"for( j = 0 ; j < ") + C + QStringLiteral(u" ; j++ ){"),
        spaces(8) + QStringLiteral(u"if( CellJoint[tcount] != 1) {"),
        spaces(12) + QStringLiteral(u"if((flgTate == 1 && j == 0) || (flgYoko == 1 && i == 0)){ //テーブルヘッダーの処理"),
        spaces(16) + QStringLiteral(u"//テーブルヘッダーが設定されていたら"),
        spaces(16) + QStringLiteral(u"s1 =") + Q + QStringLiteral(u"<th ") + Q + QStringLiteral(u";s2=") + Q
            + QStringLiteral(u"</th>") + Q + u';',
        spaces(12) + u'}',
        spaces(12) + QStringLiteral(u"else{"),
        spaces(16) + QStringLiteral(u"s1=") + Q + QStringLiteral(u"<td ") + Q + QStringLiteral(u";s2=") + Q
            + QStringLiteral(u"</td>") + Q + u';',
        spaces(12) + u'}',
        spaces(12) + QStringLiteral(u"if(Sr[tcount] >1 && Sc[tcount] >1){"),
        spaces(16) + QStringLiteral(u"document.write( s1,IchiYokoIndiv[tcount],IchiTateIndiv[tcount]") + P
            + QStringLiteral(u",Ct[tcount],"),
        spaces(16) + Q + QStringLiteral(u" rowspan ='") + Q + QStringLiteral(u",Sr[tcount],") + Q
            + QStringLiteral(u"' colspan='") + Q + u',' + P + QStringLiteral(u"Sc[tcount],") + Q
            + QStringLiteral(u" '>") + Q + QStringLiteral(u", Data[tcount] , s2);"),
        spaces(12) + u'}',
        spaces(12) + QStringLiteral(u"else if(Sr[tcount] >1){"),
        spaces(16) + QStringLiteral(u" document.write( s1,IchiYokoIndiv[tcount],IchiTateIndiv[tcount]")
            + QStringLiteral(u",Ct[tcount],"),
        spaces(16) + Q + QStringLiteral(u" rowspan = '") + Q + QStringLiteral(u", Sr[tcount],") + Q
            + QStringLiteral(u"'>") + Q + QStringLiteral(u" , Data[tcount] , s2 );"),
        spaces(12) + u'}',
        spaces(12) + QStringLiteral(u"else if(Sc[tcount] >1){"),
        spaces(16) + QStringLiteral(u" document.write( s1,IchiYokoIndiv[tcount],IchiTateIndiv[tcount]") + P
            + QStringLiteral(u",Ct[tcount],"),
    };
    for (const QString &text : body)
        out += line(text);
    // This line has no prefix of its own: the prefix stands inside the quoted colspan text.
    out += spaces(19) + Q + QStringLiteral(u" colspan= '") + P + Q + QStringLiteral(u", Sc[tcount],") + Q
           + QStringLiteral(u"'>") + Q + QStringLiteral(u" , Data[tcount]  , s2 );") + CrLf;
    const QStringList tail = {
        spaces(12) + u'}',
        spaces(12) + QStringLiteral(u"else{"),
        spaces(16) + QStringLiteral(u"document.write( s1,IchiYokoIndiv[tcount],IchiTateIndiv[tcount]") + P
            + QStringLiteral(u",Ct[tcount] ,"),
        spaces(16) + Q + u'>' + Q + QStringLiteral(u" + Data[tcount] , s2 );"),
        spaces(12) + u'}',
        spaces(8) + u'}',
        spaces(8) + QStringLiteral(u"tcount++;"),
        spaces(4) + u'}',
        spaces(4) + QStringLiteral(u"document.write(") + Q + QStringLiteral(u"</tr>") + Q + QStringLiteral(u" );"),
        QStringLiteral(u"}"),
    };
    for (const QString &text : tail)
        out += line(text);
    return out;
}

QString Form1::MakeJavaScriptSource(QString &startTagList)
{
    const int rows = countIn(0).value_or(0);
    const int columns = countIn(1).value_or(0);
    const QString R = QString::number(rows);
    const QString C = QString::number(columns);
    const bool wrap = moo(0).checked();
    const QString P = u'\t' + spaces(wrap ? 4 : 0);
    const QString Q = QStringLiteral(u"\"");
    const QString rule = P + QStringLiteral(u"//") + QString(80, u'-') + CrLf;
    const QString star = P + QStringLiteral(u"//") + QString(80, u'*') + CrLf;
    auto line = [&](const QString &text) { return P + text + CrLf; };
    const JsInitLoop initLoop = [&](const QStringList &inner, bool prefixed) {
        QString out = line(QStringLiteral(u"t=0;"));
        out += line(QStringLiteral(u"for(i=0;i<") + R + QStringLiteral(u";i++){"));
        out += line(spaces(4) + QStringLiteral(u"for(j=0;j<") + C + QStringLiteral(u";j++){"));
        for (const QString &text : inner)
            out += prefixed ? line(spaces(8) + text) : spaces(8) + text + CrLf;
        out += line(spaces(8) + QStringLiteral(u"t++;"));
        out += line(spaces(4) + u'}');
        out += line(QStringLiteral(u"}"));
        return out;
    };

    // One text for the whole script, with room for what the cells will take: the blocks are
    // written into it in turn, and the blanks become TABs in place.
    qsizetype estimate = qsizetype(rows) * columns * 160 + 65536;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j)
            estimate += cellTexts.get(i, j).size() * 2;
    QString script;
    hugepages::reserve(script, estimate);
    script += QStringLiteral(u"<script type=") + Q + QStringLiteral(u"text/javascript") + Q + u'>'
              + CrLf;
    script += QStringLiteral(u"\t<!--") + CrLf + QStringLiteral(u"\tvar Data = new Array();//データ－の変数定義")
              + CrLf + CrLf;
    if (wrap)
        script += QStringLiteral(u"\tfunction tableshow(){ 　　　\t// 最後の  ｝までがこのファンクションです")
                  + CrLf;
    startTagList = strings::replace(startTagList, CrLf, CrLf + P);
    script += line(QStringLiteral(u"document.write (") + startTagList + QStringLiteral(u");"))
              + line(QStringLiteral(u"//テーブル全体の設定はこの上で変えます"));
    script += CrLf;
    jsPositionBlocks(script, P, R, C, rule, initLoop);
    jsAttributeBlocks(script, P, R, C, rule, star, initLoop);
    script += jsWritingLoop(P, R, C, rule);
    script += line(QStringLiteral(u"document.write('</table>');"));
    if (wrap)
        script += QStringLiteral(u"\t}//関数の最後") + CrLf;
    script += QStringLiteral(u"\t//end-->") + CrLf;
    script += wrap ? QStringLiteral(u"\t\t</script>") + CrLf + QStringLiteral(u"<body onLoad=") + Q
                         + QStringLiteral(u"tableshow()") + Q + u'>' + CrLf
                         + QStringLiteral(u"</body>")
                   : QStringLiteral(u"</script>") + CrLf;
    tabsForFourBlanks(script);
    return script;
}
