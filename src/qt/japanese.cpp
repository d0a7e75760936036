#include "qt/japanese.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installJapaneseTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral(u"qtbase"),
                          QStringLiteral(u"_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool isFixedPitchFamily(const QString &family)
{
    if (QFontDatabase::isFixedPitch(family))
        return true;
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(u'i');
    if (width <= 0)
        return false;
    for (QChar c : {u'W', u'm', u'.', u'0'})
        if (!qFuzzyCompare(metrics.horizontalAdvance(c), width))
            return false;
    return true;
}

QStringList fixedPitchFamilies()
{
    QStringList out;
    for (const QString &family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family) && isFixedPitchFamily(family))
            out.append(family);
    return out;
}

namespace {
QString firstInstalled(const QStringList &families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : families)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return QString();
}

// A fixed-pitch family with Japanese glyphs: the known ones first, then any the system has; else
// the system's fixed-pitch font, so that the editors' columns still line up.
QString fixedJapaneseFamily()
{
    const QString known =
        firstInstalled({QStringLiteral(u"IPAGothic"), QStringLiteral(u"Noto Sans Mono CJK JP"),
                        QStringLiteral(u"VL Gothic"), QStringLiteral(u"TakaoGothic")});
    if (!known.isEmpty())
        return known;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Japanese))
        if (!QFontDatabase::isPrivateFamily(family) && isFixedPitchFamily(family))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}
} // namespace

QString useJapaneseFonts()
{
    const QString proportional =
        firstInstalled({QStringLiteral(u"IPAPGothic"), QStringLiteral(u"IPAGothic"),
                        QStringLiteral(u"Noto Sans CJK JP"), QStringLiteral(u"VL PGothic"),
                        QStringLiteral(u"TakaoPGothic")});
    const QString fixed = fixedJapaneseFamily();
    const QString mincho =
        firstInstalled({QStringLiteral(u"IPAMincho"), QStringLiteral(u"Noto Serif CJK JP")});
    struct Alias
    {
        const char16_t *name;
        const QString &to;
    };
    const Alias aliases[] = {
        {u"ＭＳ Ｐゴシック", proportional},
        {u"MS PGothic", proportional},
        {u"ＭＳ ゴシック", fixed},
        {u"MS Gothic", fixed},
        {u"ＭＳ ＵＩ Gothic", proportional},
        {u"MS UI Gothic", proportional},
        {u"ＭＳ 明朝", mincho},
        {u"MS Mincho", mincho},
        {u"ＭＳ Ｐ明朝", mincho},
        {u"MS PMincho", mincho},
    };
    const QStringList installed = QFontDatabase::families();
    for (const Alias &alias : aliases) {
        const QString name = QString::fromUtf16(alias.name);
        if (!alias.to.isEmpty() && !installed.contains(name, Qt::CaseInsensitive))
            QFont::insertSubstitution(name, alias.to);
    }
    if (proportional.isEmpty())
        return QString();
    QFont font(proportional);
    font.setPointSizeF(QApplication::font().pointSizeF() > 0 ? QApplication::font().pointSizeF()
                                                             : 9);
    QApplication::setFont(font);
    return proportional;
}
