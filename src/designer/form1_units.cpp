// Size unit and delimiter choosers, text positions, and the path helpers that turn an image file
// into a link relative to the working HTML file.

#include "controls/strings.h"
#include "frame/form1.h"

void Form1::Combo1_Click(int Index)
{
    ComboBox &combo = Combo1(Index);
    if (combo.text() == u"ﾋﾟｸｾﾙ") {
        Text1(2).setText(QStringLiteral(u"768"));
        Text1(3).setText(QStringLiteral(u"576"));
        Option1(0).setValue(true);
    } else if (combo.text() == u"ﾊﾟｰｾﾝﾄ") {
        Text1(2).setText(QStringLiteral(u"75"));
        Text1(3).setText(QStringLiteral(u"75"));
    } else {
        Text1(2).setText(QStringLiteral(u"269"));
        Text1(3).setText(QStringLiteral(u"202"));
        Option1(1).setValue(true);
    }
}

void Form1::Combo2_Click()
{
    const QString item = Combo2.text();
    if (item == u"半角カンマ")
        Text6.setText(QStringLiteral(u","));
    else if (item == u"全角カンマ")
        Text6.setText(QStringLiteral(u"、"));
    else
        Text6.setText(item);
}

void Form1::Option9_Click(int)
{
    // Choosing a position only marks it; the Set button of the panel reads it.
}

void Form1::GetNameAndPath(const QString &s1, QString &s2, QString &s3) const
{
    s2.clear();
    s3.clear();
    if (s1.isEmpty()) {
        s3 = htmlFolder + pathSeparator;
        return;
    }
    const qsizetype last = s1.lastIndexOf(pathSeparator);
    s2 = s1.mid(last + 1);
    s3 = s1.left(s1.size() - s2.size());
}

QString Form1::RelativePathTo(QString &path) const
{
    path = strings::trim(path);
    const QChar sep = pathSeparator;
    if (sep == u'/') {
        // Here a file path starts with "/"; any other text holding "/" is a link already.
        if (!path.startsWith(u'/'))
            return path;
    } else if (path.contains(u'/') || !path.contains(sep)) {
        return path;
    }

    QString name, folder, pageName, pageFolder;
    GetNameAndPath(path, name, folder);
    GetNameAndPath(htmlFolder + sep + htmlFileName, pageName, pageFolder);
    if (folder == pageFolder)
        return name;

    const qsizetype width = std::max(folder.size(), pageFolder.size());
    const QString f = folder.leftJustified(width, u' ');
    const QString p = pageFolder.leftJustified(width, u' ');
    qsizetype k = 0;
    while (k < width && f.at(k) == p.at(k))
        ++k;
    if (k == 0)
        return QString(path).replace(sep, u'/');

    // The common part ends at the last separator within it, never inside a folder name.
    const qsizetype i = f.left(k).lastIndexOf(sep) + 1;
    const qsizetype j = p.left(k).lastIndexOf(sep) + 1;
    const QString folderRest = strings::trim(f.mid(i));
    const QString pageRest = strings::trim(p.mid(j));
    const int up = int(pageRest.count(sep));
    QString result = QStringLiteral(u"../").repeated(up) + QString(folderRest).replace(sep, u'/')
                     + name;
    return strings::trim(result);
}
