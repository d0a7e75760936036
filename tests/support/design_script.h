#pragma once

#include "frame/form1.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <stdexcept>

// Applies a design written as "name=value" lines to a main window, through the same controls a user
// would touch: "Text1(2)=80", "Option11=4" (chooses Option11(4)), "Check4=1", "mkoment=1",
// "cellSpans(0,1)=2,2", "rowHeights(0)=20", "VScroll1(0)=-5". Blank lines and lines starting with
// "#" are skipped. An unknown name throws, so a typo cannot pass silently.
inline void applyDesign(Form1 &form, const QString &script)
{
    static const QRegularExpression indexed(QStringLiteral(u"^(\\w+)(?:\\((\\d+)(?:,(\\d+))?\\))?$"));
    for (const QString &rawLine : script.split(u'\n')) {
        QString line = rawLine;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        const auto m = indexed.match(line.left(eq));
        if (eq < 0 || !m.hasMatch())
            throw std::invalid_argument(line.toStdString());
        const QString name = m.captured(1);
        const int a = m.captured(2).isEmpty() ? -1 : m.captured(2).toInt();
        const int b = m.captured(3).isEmpty() ? -1 : m.captured(3).toInt();
        const QString value = line.mid(eq + 1);

        auto box = [&](TextBox &t) { t.setText(value); };
        if (name == u"Text1") box(form.Text1(a));
        else if (name == u"Text2") box(form.Text2(a));
        else if (name == u"Text3") box(form.Text3);
        else if (name == u"Text4") box(form.Text4);
        else if (name == u"Text5") box(form.Text5(a));
        else if (name == u"Text6") box(form.Text6);
        else if (name == u"Txttit") box(form.Txttit);
        else if (name == u"Txttatek") box(form.Txttatek);
        else if (name == u"Txtyokok") box(form.Txtyokok);
        else if (name == u"txtwaku2") box(form.txtwaku2(a));
        else if (name == u"Combo1") form.Combo1(a).setText(value);
        else if (name == u"VScroll1") form.VScroll1(a).setValue(value.toInt());
        else if (name == u"Option10") form.Option10(value.toInt()).setValue(true);
        else if (name == u"Optionichi2") form.Optionichi2(value.toInt()).setValue(true);
        else if (name == u"Option16") form.Option16(value.toInt()).setValue(true);
        else if (name == u"Option11") form.Option11(value.toInt()).setValue(true);
        else if (name == u"Option12") form.Option12(value.toInt()).setValue(true);
        else if (name == u"Option1") form.Option1(value.toInt()).setValue(true);
        else if (name == u"Check4") form.Check4.setValue(value.toInt());
        else if (name == u"Check5") form.Check5.setValue(value.toInt());
        else if (name == u"mkoment") form.mkoment.setChecked(value == u"1");
        else if (name == u"cellImages") form.cellImages.set(a, b, value);
        else if (name == u"cellColors") form.cellColors.set(a, b, value);
        else if (name == u"cellSpans") form.cellSpans.set(a, b, value);
        else if (name == u"cellNowraps") form.cellNowraps.set(a, b, value);
        else if (name == u"cellFontColors") form.cellFontColors.set(a, b, value);
        else if (name == u"cellFontSizes") form.cellFontSizes.set(a, b, value);
        else if (name == u"cellIchiTate") form.cellIchiTate.set(a, b, value);
        else if (name == u"cellIchiYoko") form.cellIchiYoko.set(a, b, value);
        else if (name == u"rowHeights") form.rowHeights.set(a, value);
        else if (name == u"columnWidths") form.columnWidths.set(a, value);
        else throw std::invalid_argument(name.toStdString());
    }
}

// Reads back what applyDesign writes, by the same names, for comparing a window with expected
// "name=value" lines: "Text1(0)" (a box's text), "VScroll1(0)" (a spinner's value),
// "VScroll1(0).Enabled" ("1" or "0"), "Option11" (the index of the chosen option, -1 for none),
// "cellColors(1,2)", "rowHeights(0)", "RB3" (the cell data). An unknown name throws.
inline QString designValue(const Form1 &form, const QString &name)
{
    static const QRegularExpression indexed(
        QStringLiteral(u"^(\\w+)(?:\\((\\d+)(?:,(\\d+))?\\))?(\\.Enabled)?$"));
    const auto m = indexed.match(name);
    if (!m.hasMatch())
        throw std::invalid_argument(name.toStdString());
    const QString n = m.captured(1);
    const int a = m.captured(2).isEmpty() ? -1 : m.captured(2).toInt();
    const int b = m.captured(3).isEmpty() ? -1 : m.captured(3).toInt();
    auto chosen = [](const ControlArray<OptionButton> &group) {
        int index = -1;
        group.forEach([&](int i, OptionButton &o) {
            if (o.value() && index < 0)
                index = i;
        });
        return QString::number(index);
    };
    if (!m.captured(4).isEmpty()) {
        if (n != u"VScroll1")
            throw std::invalid_argument(name.toStdString());
        return form.VScroll1(a).enabled() ? QStringLiteral(u"1") : QStringLiteral(u"0");
    }
    if (n == u"Text1") return form.Text1(a).text();
    if (n == u"Text2") return form.Text2(a).text();
    if (n == u"Text3") return form.Text3.text();
    if (n == u"Text4") return form.Text4.text();
    if (n == u"Text5") return form.Text5(a).text();
    if (n == u"Text6") return form.Text6.text();
    if (n == u"Txttit") return form.Txttit.text();
    if (n == u"Txttatek") return form.Txttatek.text();
    if (n == u"Txtyokok") return form.Txtyokok.text();
    if (n == u"txtwaku2") return form.txtwaku2(a).text();
    if (n == u"Combo1") return form.Combo1(a).text();
    if (n == u"VScroll1") return QString::number(form.VScroll1(a).value());
    if (n == u"Option9") return chosen(form.Option9);
    if (n == u"Option10") return chosen(form.Option10);
    if (n == u"Optionichi2") return chosen(form.Optionichi2);
    if (n == u"Option16") return chosen(form.Option16);
    if (n == u"Option11") return chosen(form.Option11);
    if (n == u"Option12") return chosen(form.Option12);
    if (n == u"cellImages") return form.cellImages.get(a, b);
    if (n == u"cellColors") return form.cellColors.get(a, b);
    if (n == u"cellSpans") return form.cellSpans.get(a, b);
    if (n == u"cellNowraps") return form.cellNowraps.get(a, b);
    if (n == u"cellFontColors") return form.cellFontColors.get(a, b);
    if (n == u"cellFontSizes") return form.cellFontSizes.get(a, b);
    if (n == u"cellIchiTate") return form.cellIchiTate.get(a, b);
    if (n == u"cellIchiYoko") return form.cellIchiYoko.get(a, b);
    if (n == u"rowHeights") return form.rowHeights.get(a);
    if (n == u"columnWidths") return form.columnWidths.get(a);
    if (n == u"RB3") return form.RB3.text();
    throw std::invalid_argument(name.toStdString());
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
