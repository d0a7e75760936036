#pragma once

#include "controls/controls.h"
#include "controls/forms.h"
#include "controls/richtextbox.h"
#include "frame/form1.h"
#include "support/grid_text.h"

#include <QStringList>
#include <utility>

// One line for a control: where it is, whether it shows and takes input, its colours, and the
// value of its kind (a box's text, a spinner's value and range, an option's choice...).
inline QString controlState(const Control &c)
{
    using namespace Qt::StringLiterals;
    const auto n = [](auto v) { return QString::number(v); };
    QString s = c.displayName() + u':' + n(c.left()) + u',' + n(c.top()) + u',' + n(c.width()) +
                u',' + n(c.height()) + (c.visible() ? u" shown"_s : u" hidden"_s) +
                (c.enabled() ? u" on"_s : u" off"_s) + u" fore="_s + n(c.foreColor()) +
                u" back="_s + n(c.backColor());
    if (const auto *t = dynamic_cast<const TextBox *>(&c))
        s += u" text="_s + t->text();
    else if (const auto *r = dynamic_cast<const RichTextBox *>(&c))
        s += u" text="_s + r->text() + u" sel="_s + n(r->selStart()) + u',' + n(r->selLength());
    else if (const auto *b = dynamic_cast<const ScrollBar *>(&c))
        s += u" value="_s + n(b->value()) + u" range="_s + n(b->min()) + u".."_s + n(b->max());
    else if (const auto *o = dynamic_cast<const OptionButton *>(&c))
        s += o->value() ? u" chosen"_s : u""_s;
    else if (const auto *k = dynamic_cast<const CheckBox *>(&c))
        s += u" value="_s + n(k->value());
    else if (const auto *x = dynamic_cast<const ComboBox *>(&c))
        s += u" text="_s + x->text() + u" index="_s + n(x->listIndex());
    else if (const auto *l = dynamic_cast<const ListBox *>(&c))
        s += u" index="_s + n(l->listIndex()) + u" items="_s + n(l->listCount());
    else if (const auto *tabs = dynamic_cast<const TabStrip *>(&c))
        s += u" tab="_s + n(tabs->selectedTab());
    else if (const auto *m = dynamic_cast<const MenuItem *>(&c))
        s += m->checked() ? u" checked"_s : u""_s;
    if (const auto *caption = dynamic_cast<const WithCaption<Control> *>(&c))
        s += u" caption="_s + caption->caption();
    else if (const auto *frame = dynamic_cast<const WithCaption<Container> *>(&c))
        s += u" caption="_s + frame->caption();
    return s;
}

// The whole design of a main window as lines: every control, every attribute grid with its bounds
// and contents, and the design state no control holds, so that a test compares a window before
// and after a command as one list.
inline QStringList formState(const Form1 &form)
{
    using namespace Qt::StringLiterals;
    QStringList lines;
    for (const Control *c : form.allControls())
        lines << controlState(*c);
    const std::pair<const char *, const TextGrid *> grids[] = {
        {"cellImages", &form.cellImages},       {"cellColors", &form.cellColors},
        {"cellSpans", &form.cellSpans},         {"cellColspans", &form.cellColspans},
        {"cellNowraps", &form.cellNowraps},     {"cellFontColors", &form.cellFontColors},
        {"cellFontSizes", &form.cellFontSizes}, {"cellIchiTate", &form.cellIchiTate},
        {"cellIchiYoko", &form.cellIchiYoko}};
    for (const auto &[name, grid] : grids)
        lines << QString::fromLatin1(name) + u'(' + QString::number(grid->rowUpper()) + u',' +
                     QString::number(grid->columnUpper()) + u")="_s + contents(*grid);
    lines << u"rowHeights("_s + QString::number(form.rowHeights.upper()) + u")="_s +
                 contents(form.rowHeights);
    lines << u"columnWidths("_s + QString::number(form.columnWidths.upper()) + u")="_s +
                 contents(form.columnWidths);
    lines << u"unitFactor="_s + QString::number(form.unitFactor);
    lines << u"working file="_s + form.htmlFolder + u'|' + form.htmlFileName;
    lines << u"fileTexts="_s + form.fileTexts.join(u'|');
    return lines;
}
