// Commands that write the cell data: the sample timetable, the CSV import, image and text-file
// insertion, blank removal under merges, and the cell-data area's menu.

#include "controls/hugepages.h"
#include "controls/parallel.h"
#include "controls/strings.h"
#include "controls/textfile.h"
#include "designer/filelinks.h"
#include "frame/form1.h"

#include <QScopedValueRollback>

namespace {

const QString CrLf = QStringLiteral(u"\r\n");
constexpr int MaxCount = 1000;

// The image tag of a chosen file's link, made safe for the cell data cut at `delimiter`.
QString imageTag(const QString &link, const QString &delimiter)
{
    return QStringLiteral(u"<img src=\"") + filelinks::pageLink(link, delimiter) +
           QStringLiteral(u"\" alt=\"image\">");
}

const QString &imageFilter()
{
    static const QString filter = QStringLiteral(u"設定ファイル (*.*)|*.*|&ファイル (*.*)|*.*|");
    return filter;
}

struct CsvRows
{
    QString text;
    // More than 1000 rows, or more than 1000 cells in a row: the designer cannot hold the table.
    bool tooLarge = false;
};

// The rows of the cell data made from the CR LF text of a CSV file: each line in "[[" and "]]" and
// followed by CR LF, an empty line as "[[    ]]"; a last empty line (the file's final line end) is
// no row. The text is empty when the file holds no row.
CsvRows csvRows(const QString &text)
{
    const QStringView all(text);
    std::vector<QStringView> lines;
    for (qsizetype from = 0;;) {
        const qsizetype end = all.indexOf(u'\r', from);
        if (end < 0) {
            lines.push_back(all.sliced(from));
            break;
        }
        lines.push_back(all.sliced(from, end - from));
        from = end + 2;
        if (lines.size() > std::size_t(MaxCount))
            return {QString(), true};
    }
    if (lines.back().isEmpty())
        lines.pop_back();
    if (lines.size() > std::size_t(MaxCount))
        return {QString(), true};
    // Each line's cells are counted and the line written into its place, a long text on several
    // threads, each taking a run of lines.
    std::vector<qsizetype> offsets(lines.size() + 1, 0);
    for (std::size_t i = 0; i < lines.size(); ++i)
        offsets[i + 1] = offsets[i] + (lines[i].isEmpty() ? 4 : lines[i].size()) + 6;
    QString rows = hugepages::uninitialized(offsets.back());
    std::vector<char> tooWide(lines.size(), 0);
    QChar *out = rows.data();
    parallel::slices(qint64(lines.size()), parallel::workersFor(all.size(), parallel::TextPerWorker),
                     [&](int, long long first, long long last) {
                         for (long long i = first; i < last; ++i) {
                             const QStringView line = lines[std::size_t(i)];
                             tooWide[std::size_t(i)] = line.count(u',') + 1 > MaxCount;
                             QChar *at = out + offsets[std::size_t(i)];
                             for (QStringView part : {QStringView(u"[["),
                                                      line.isEmpty() ? QStringView(u"    ") : line,
                                                      QStringView(u"]]\r\n")})
                                 at = std::copy(part.begin(), part.end(), at);
                         }
                     });
    if (std::find(tooWide.begin(), tooWide.end(), 1) != tooWide.end())
        return {QString(), true};
    return {rows, false};
}

} // namespace

void Form1::reportRefusedTable()
{
    msgBox(QStringLiteral(u"表の行数または列数が1000を超えるため、ソースを作成できません。"),
           msgbox::OKOnly | msgbox::Exclamation);
}

void Form1::makeSourceInCase()
{
    if (!makeTableSourceInCase()) {
        reportRefusedTable();
        return;
    }
    Setcolor2();
}

void Form1::showSettingsView()
{
    RB1.setVisible(false);
    Frame3.setVisible(true);
    WebBrowser1.setVisible(false);
    // From the source or the preview page the settings page's own area comes back too, under its
    // own tab: the view alone would leave an empty page under the other page's tab.
    if (!framesub(17).visible() || TabStrip1.selectedTab() != 1) {
        framesub(17).setVisible(true);
        const QScopedValueRollback quiet(tabSwitchBusy, true);
        TabStrip1.selectTab(1);
        relayout();
    }
    med.setEnabled(false);
    mk.setEnabled(false);
    ms.setEnabled(false);
}

void Form1::InsertSampleData()
{
    QString rest = RB3.text();
    for (const QString &token : {QStringLiteral(u"[["), QStringLiteral(u"]]"), Text6.text(),
                                 QStringLiteral(u" "), CrLf})
        rest = strings::replace(rest, token, QString());
    if (!rest.isEmpty() &&
        msgBox(QStringLiteral(u"既にデータ－がありますがサンプルを挿入しますか?"), msgbox::YesNo) ==
            msgbox::No)
        return;
    framesub(17).setVisible(true);
    RB3.setVisible(true);
    Text(5).setVisible(false);
    const QString sample =
        QStringLiteral(u"[[   曜日/時間 、   月曜 、   火曜 、  水曜 、  木曜 、  金曜　 ]]\r\n"
                       u"[[   1時間目    、   現国 、   数学 、  物理 、  地理 、  美術   ]]\r\n"
                       u"[[   2時間目    、   音楽 、   数学 、  科学 、  歴史 、  英語   ]]\r\n"
                       u"[[   3時間目    、   数学 、   社会 、  物理 、  美術 、  古典   ]]\r\n"
                       u"[[   4時間目    、   体育 、   理科 、  音楽 、  美術 、  数学   ]]")
        + QString(55, u' ');
    RB3.setText(sample);
    RB3.setText(strings::replace(RB3.text(), QStringLiteral(u"、"), Text6.text()));
    Txttit.setText(QStringLiteral(u"みどり台高校3年F組　時間割"));
    makeSourceInCase();
    showSettingsView();
}

void Form1::ImportCsv()
{
    const std::optional<QString> path = askForFile(
        QStringLiteral(u"CSVデーターの読み込み"), QStringLiteral(u"ＣＳＶデーター (*.csv)|*.csv|ファイル (*.*)|*.*|"));
    if (!path)
        return;
    const std::optional<QString> content = readTextFile(*path, TextOrigin::Chosen);
    if (!content) {
        msgBox(QStringLiteral(u"ファイルを読み込めませんでした。\r\n") + *path,
               msgbox::OKOnly | msgbox::Critical);
        return;
    }
    const CsvRows csv = csvRows(toCrLf(*content));
    if (csv.tooLarge) {
        msgBox(QStringLiteral(u"行数または列数が1000を超えるため、このファイルは読み込めません。"),
               msgbox::OKOnly | msgbox::Exclamation);
        return;
    }
    const QString &rows = csv.text;
    if (rows.isEmpty())
        return;
    RB3.setVisible(true);
    Text(5).setVisible(false);
    RB3.setText(rows);
    Text6.setText(QStringLiteral(u","));
    RB3.setText(rows);

    // The caption is the file's own name less its last four characters (its ".csv").
    QString name = path->mid(path->lastIndexOf(pathSeparator) + 1);
    name.chop(std::min<qsizetype>(4, name.size()));
    Txttit.setText(name);
    Text1(2).setText(QString());
    Text1(3).setText(QString());
    Text5(3).setText(QString());
    VScrollhaba.setValue(0);
    makeSourceInCase();
    showSettingsView();
}

void Form1::InsertImageFile()
{
    const std::optional<QString> path =
        askForFile(QStringLiteral(u"画像ファイルの読み込み"), imageFilter());
    if (!path)
        return;
    QString file = *path;
    RB3.setSelText(imageTag(RelativePathTo(file), Text6.text()));
}

void Form1::InsertTextFile()
{
    const std::optional<QString> path = askForFile(
        QStringLiteral(u"テキストファイルの読み込み"),
        QStringLiteral(u"テキストファイル (*.txt)|*.txt|HTMLファイル(*.html)|*.html|その他ファイル (*.*)|*.*|"));
    if (!path || !RB2.loadFile(*path))
        return;
    RB3.setSelText(filelinks::textFileMarker(*path, Text6.text()));
}

void Form1::Text_DblClick(int)
{
    const int caret = RB3.selStart();
    const std::optional<QString> path =
        askForFile(QStringLiteral(u"画像ファイルの読み込み"), imageFilter());
    if (!path)
        return;
    const qsizetype dot = path->lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : path->mid(dot + 1).toLower();
    static const QStringList images = {QStringLiteral(u"jpg"), QStringLiteral(u"tif"),
                                       QStringLiteral(u"gif"), QStringLiteral(u"png"),
                                       QStringLiteral(u"bmp"), QStringLiteral(u"ico")};
    QString insert;
    if (images.contains(extension)) {
        QString file = *path;
        insert = imageTag(RelativePathTo(file), Text6.text());
    } else {
        if (!RB2.loadFile(*path))
            return;
        insert = filelinks::textFileMarker(*path, Text6.text());
    }
    const QString &text = RB3.text();
    RB3.setText(text.left(caret) + insert + text.mid(caret));
}

void Form1::RemoveBlanksInFields()
{
    BuildMergeMap();
    const QString delimiter = Text6.text();
    const QString closing = QStringLiteral(u"]]");
    QStringList fields =
        strings::split(strings::replace(RB3.text(), closing, closing + delimiter), delimiter);
    // Fields beyond the coverage list (extra delimiters) count as not covered.
    for (qsizetype k = 0; k < fields.size() && k < qsizetype(coveredCellFlags.size()); ++k)
        if (coveredCellFlags[std::size_t(k)] == 1)
            fields[k].remove(u' ');
    const QString joined = delimiter.isEmpty() ? fields.join(QString()) : fields.join(delimiter);
    RB3.setText(strings::replace(joined, closing + delimiter, closing));
    RecolorSecondText();
}

void Form1::RB3_MouseDown(int Button)
{
    // The right button offers the source menu, whose cell-data items act on this box.
    if (Button == 2)
        PopupMenu(med);
}

void Form1::Text_MouseDown(int Index, int Button)
{
    // The box over the cell data offers the same menu; the cell data is switched off while the
    // menu is open, so that nothing reaches it until a command of the menu has run.
    if (Index != 6 || Button != 2)
        return;
    RB3.setEnabled(false);
    processPendingEvents();
    PopupMenu(med);
    RB3.setEnabled(true);
}

void Form1::mm2_Click(int Index)
{
    if (!framesub(17).visible())
        return;
    switch (Index) {
    case 1:
        InsertImageFile();
        break;
    case 2:
        InsertTextFile();
        break;
    case 4:
        mm2(4).setCaption(mm2(4).caption() == u"テキストボックスの拡大"
                              ? QStringLiteral(u"テキストボックスの縮小")
                              : QStringLiteral(u"テキストボックスの拡大"));
        relayout();
        break;
    default:
        break;
    }
}
