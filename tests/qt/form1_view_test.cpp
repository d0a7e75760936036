// The main window as a Qt window: every control of Form1 has its widget, the cell-data box shows
// the row template, and the window renders (the screenshot goes to $MORVANE_ARTIFACTS).

#include "frame/form1.h"
#include "qt/formview.h"
#include "qt/japanese.h"
#include "qt/richtextview.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QMenuBar>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

TEST(Form1View, BuildsShowsAndRenders)
{
    useJapaneseFonts();
    Form1 form;
    form.BuildRowTemplate();
    // The size start-up gives the window when no settings are stored.
    form.move(1000, 1000, 14055, 10440);
    FormView view(form);
    view.show();
    QApplication::processEvents();

    int shown = 0;
    for (Control *control : form.allControls())
        if (auto *item = dynamic_cast<MenuItem *>(control);
            item ? view.actionOf(*item) != nullptr : view.widgetOf(*control) != nullptr)
            ++shown;
    EXPECT_EQ(shown, int(form.allControls().size()));
    EXPECT_EQ(view.windowTitle(), QStringLiteral(u"Morvane"));
    auto *rb3 = static_cast<RichTextView *>(view.widgetOf(form.RB3));
    EXPECT_EQ(rb3->parentWidget(), view.widgetOf(form.Frame5));
    EXPECT_EQ(rb3->toPlainText(),
              QString(form.RB3.text()).replace(QStringLiteral(u"\r\n"), QStringLiteral(u"\n")));
    EXPECT_FALSE(form.RB3.text().isEmpty());
    EXPECT_EQ(qobject_cast<QGroupBox *>(view.widgetOf(form.Frame6))->title(),
              QStringLiteral(u"見出し"));
    ASSERT_EQ(view.menuBar()->actions().size(), 1);
    EXPECT_EQ(view.menuBar()->actions()[0]->text(), QStringLiteral(u"オプション(&O)"));

    const QPixmap shot = view.grab();
    EXPECT_FALSE(shot.isNull());
    const QString folder = qEnvironmentVariable("MORVANE_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(folder);
    EXPECT_TRUE(shot.save(folder + QStringLiteral(u"/form1.png")));
}

} // namespace
