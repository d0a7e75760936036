#pragma once

#include "colour/fomcolor.h"
#include "support/qt_printers.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>
#include <memory>

// A loaded picker with its own six colour boxes (and the font size box 6) to fill, and a scripted
// colour dialog.
class PickerTest : public ::testing::Test
{
protected:
    Form owner{QStringLiteral(u"Form1")};
    ControlArray<TextBox> boxes;
    qint16 target = 0;
    ScriptedColors colours;
    std::unique_ptr<FomColor> picker;

    void SetUp() override
    {
        for (int i = 0; i <= 6; ++i)
            boxes.add(&owner, QStringLiteral(u"Text5"), i);
        Services services;
        services.colors = &colours;
        picker = std::make_unique<FomColor>(boxes, target, services);
        picker->Form_Load();
        picker->setVisible(true);
    }

    static QString geometry(const Control &c)
    {
        return QStringLiteral(u"%1,%2,%3x%4").arg(c.left()).arg(c.top()).arg(c.width()).arg(c.height());
    }
    // The boxes' texts, "|" between them.
    QString boxTexts() const
    {
        QStringList out;
        boxes.forEach([&](int, TextBox &b) { out << b.text(); });
        return out.join(u'|');
    }
};
