// The texts the picker shows in its labels: the help panel and the basic view's explanation.

#include "colour/fomcolor_texts.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Joins the pieces, with CR LF after the pieces whose 1-based numbers are listed.
QString joinPieces(std::initializer_list<const char16_t *> pieces,
                   std::initializer_list<int> lineEndsAfter)
{
    QString text;
    int number = 0;
    for (const char16_t *piece : pieces) {
        text += QString::fromUtf16(piece);
        ++number;
        if (std::find(lineEndsAfter.begin(), lineEndsAfter.end(), number) != lineEndsAfter.end())
            text += QStringLiteral(u"\r\n");
    }
    return text;
}

} // namespace

QString colourHelpText()
{
    return joinPieces(
        {
            u"色の説明とパレットの使い方。",
            u"色は光の三原色、赤(R)・緑(G)・青(B)を混ぜ合わせて表します。",
            u"各原色は0から255までの256段階で、16進数の2桁ずつ「＃rrggbb」と書きます。",
            u"色を選んで「挿入」を押すか、色見本をダブルクリックすると色が入ります。",
            u"すでに設定されている色は新しい色に置き換わります。",
            u"色の名前は数値に置き換えずに、名前のまま入ります。",
            u"名前で入れるか数値で入れるかは、下の「名前で挿入する」で選びます。",
            u"パレットは「色の名前」「基本色と合成」",
            u"「拡張表示」の三つのボタンで切り替えます。",
            u"「拡張表示」では、色見本を混合パレットへ",
            u"ドラッグすると色を混ぜ合わせられます。",
            u"光の色なので混ぜるほど明るくなり、",
            u"白になるとパレットは空に戻ります。",
            u"「CL」でもパレットを空にできます。",
            u"「閉じる」でこの説明を閉じます。",
        },
        {1, 3, 4, 5, 6, 7, 9, 11, 13});
}

QString basicViewExplanation()
{
    return joinPieces(
        {
            u"左側に基本１６色を示します。",
            u"この16色はWindowsの",
            u"VGAの16色に従っています。",
            u"右側では好きな色を合成できます。",
            u"色見本をクリックすると選択され、",
            u"ダブルクリックするとすぐに挿入されます。",
            u"「挿入」ボタンでも挿入できます。",
            u"色についてはメニューの「説明」をご覧ください。",
            u"「色の名前」と「拡張表示」は、",
            u"遅いコンピュータでは表示に時間がかかることがありますが、",
            u"２回目からは速く開きます。",
            u"スライダーと「Windows指定」でも色を選べます。",
        },
        {4, 11});
}
