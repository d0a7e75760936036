// The main window's layout: the settings page's panels on the control tree, and LayoutForm's
// placement of the tabs, the tool area, the pages and the cell-data box.

#include "frame/form1.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace {

struct Rect
{
    int left, top, right, bottom;
};
Rect rectOf(const Control &c)
{
    return {c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
}
bool overlap(const Rect &a, const Rect &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Width in twips of a caption at 9 pt: full-width glyphs 180, half-width kana 90, ASCII 100.
int textWidth(const QString &text)
{
    int width = 0;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u'&')
            continue; // the mnemonic marker is not drawn
        width += u < 0x80 ? 100 : (u >= 0xFF61 && u <= 0xFF9F) ? 90 : 180;
    }
    return width;
}

// What a control needs across besides its caption: a button's bevel, the box of an option or check
// button, a frame's caption indent.
std::optional<int> neededWidth(const Control &c)
{
    if (auto *f = dynamic_cast<const Frame *>(&c))
        return textWidth(f->caption()) + 180;
    if (auto *b = dynamic_cast<const CommandButton *>(&c))
        return textWidth(b->caption()) + 150;
    if (auto *o = dynamic_cast<const OptionButton *>(&c))
        return textWidth(o->caption()) + 255;
    if (auto *k = dynamic_cast<const CheckBox *>(&c))
        return textWidth(k->caption()) + 255;
    if (auto *l = dynamic_cast<const Label *>(&c))
        return textWidth(l->caption());
    if (auto *t = dynamic_cast<const TextBox *>(&c))
        return textWidth(t->text()) + 90;
    if (auto *x = dynamic_cast<const ComboBox *>(&c))
        return textWidth(x->text()) + 390; // and the drop-down button
    return std::nullopt;
}

// Every visible child of every container below `root` (root included) lies inside its container,
// clears its siblings and has room for its caption. Returns the faults found, one per line.
QString layoutFaults(const Container &root, bool checkRoot = true)
{
    QString faults;
    std::vector<const Container *> pending{&root};
    while (!pending.empty()) {
        const Container *box = pending.back();
        pending.pop_back();
        std::vector<const Control *> shown;
        for (const Control *c : box->children())
            if (c->visible())
                shown.push_back(c);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const Control &c = *shown[i];
            const Rect r = rectOf(c);
            if (r.left < 0 || r.top < 0 || r.right > box->width() || r.bottom > box->height())
                faults +=
                    c.displayName() + QStringLiteral(u" outside ") + box->displayName() + u'\n';
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                if (overlap(r, rectOf(*shown[j])))
                    faults += c.displayName() + QStringLiteral(u" overlaps ") +
                              shown[j]->displayName() + u'\n';
            if (const auto need = neededWidth(c); need && c.width() < *need)
                faults += c.displayName() + QStringLiteral(u" too narrow\n");
            if (auto *inner = dynamic_cast<const Container *>(&c))
                pending.push_back(inner);
        }
    }
    if (checkRoot && neededWidth(root) && root.width() < *neededWidth(root))
        faults += root.displayName() + QStringLiteral(u" too narrow\n");
    return faults;
}

class Layout : public ::testing::TestWithParam<int>
{
};

TEST_P(Layout, SettingsPagePanelsAreTidyAtEveryHeight)
{
    Form1 f;
    f.userResized(13800, GetParam());
    const Frame &page = f.framesub(17);
    ASSERT_TRUE(page.visible());
    ASSERT_FALSE(f.RB1.visible());
    ASSERT_FALSE(f.WebBrowser1.visible());
    EXPECT_EQ(layoutFaults(page), QString());
    // The page area lies inside the window; the cell-data box keeps a useful height.
    EXPECT_LE(page.left() + page.width(), f.width());
    EXPECT_LE(page.top() + page.height(), f.height());
    EXPECT_GE(f.RB3.height(), 1500);
}

INSTANTIATE_TEST_SUITE_P(Heights, Layout, ::testing::Values(9500, 10440, 12000));

TEST(LayoutDesign, ToolAreaCompletionPanelAndTabsFit)
{
    Form1 f;
    EXPECT_EQ(layoutFaults(f.Frame2, false), QString());
    // The tool area runs past the window's right edge; its buttons must stay in view.
    int right = 0;
    for (const Control *c : f.Frame2.children())
        right = std::max(right, f.Frame2.left() + c->left() + c->width());
    EXPECT_LE(right, f.width() - 120);
    // The tabs' captions stand left of the tool area, which starts 2000 right of the tabs.
    int tabs = 0;
    for (int i = 1; i <= f.TabStrip1.tabCount(); ++i)
        tabs += textWidth(f.TabStrip1.tabCaption(i)) + 180;
    EXPECT_LE(tabs, 2000);

    f.Frame20.setVisible(true);
    EXPECT_EQ(layoutFaults(f.Frame20), QString());
    // The home-page frame's caption, as start-up sets it, fits as well.
    f.Frame3.setCaption(QStringLiteral(
        u"表が挿入されるHTMLテキストのフォルダー（画像を埋め込むときのリンク先の設定に使用)"));
    EXPECT_EQ(layoutFaults(f.framesub(17)), QString());
}

TEST(LayoutDesign, NumberBoxesHoldTheirLargestNumber)
{
    Form1 f;
    std::vector<std::pair<const TextBox *, int>> boxes{
        {&f.txtwaku2(1), 1000}, {&f.Text3, 1000}, {&f.Text4, 1000}, {&f.Txttatek, 1000},
        {&f.Txtyokok, 1000},    {&f.Text5(6), 7}, {&f.Text8, 99},   {&f.Text7, 99}};
    for (int i = 0; i <= 25; ++i)
        boxes.emplace_back(&f.Text1(i), i == 2 || i == 3 ? 10000 : 1000);
    for (auto [box, largest] : boxes)
        EXPECT_GE(box->width(), textWidth(QString::number(largest)) + 90)
            << qPrintable(box->displayName());
}

TEST(LayoutForm, SettingsPageHoldsTheWindowSize)
{
    Form1 f;
    struct Case
    {
        int width, height, wantWidth, wantHeight;
    };
    for (const Case &c : {Case{9000, 8000, 13800, 9500}, Case{15000, 12000, 13800, 12000},
                          Case{13800, 9499, 13800, 9500}}) {
        f.userResized(c.width, c.height);
        EXPECT_EQ(f.width(), c.wantWidth) << c.width;
        EXPECT_EQ(f.height(), c.wantHeight) << c.height;
    }
    EXPECT_FALSE(f.layoutBusy);
}

TEST(LayoutForm, OtherPagesFollowTheWindow)
{
    Form1 f;
    f.framesub(17).setVisible(false);
    f.RB1.setVisible(true);
    f.userResized(9000, 8000);
    EXPECT_EQ(f.width(), 9000);
    EXPECT_EQ(f.height(), 8000);
    const Frame &page = f.framesub(17);
    EXPECT_EQ((std::array{f.TabStrip1.top(), f.TabStrip1.left(), f.TabStrip1.height(),
                          f.TabStrip1.width()}),
              (std::array{30, 20, 7200, 8800}));
    EXPECT_EQ((std::array{f.Frame2.top(), f.Frame2.left(), f.Frame2.height(), f.Frame2.width()}),
              (std::array{10, 2020, 310, 8600}));
    EXPECT_EQ((std::array{page.top(), page.left(), page.height(), page.width()}),
              (std::array{430, 70, 6750, 8700}));
    EXPECT_EQ((std::array{f.RB1.top(), f.RB1.left(), f.RB1.height(), f.RB1.width()}),
              (std::array{430, 70, 6750, 8700}));
    EXPECT_EQ((std::array{f.WebBrowser1.top(), f.WebBrowser1.left(), f.WebBrowser1.height(),
                          f.WebBrowser1.width()}),
              (std::array{430, 70, 6680, 8700}));

    // The preview page as well; a minimised or maximised window is not resized on any page.
    f.RB1.setVisible(false);
    f.WebBrowser1.setVisible(true);
    f.userResized(10000, 7000);
    EXPECT_EQ(f.width(), 10000);
    f.WebBrowser1.setVisible(false);
    f.setWindowState(2);
    f.userResized(10000, 7000);
    EXPECT_EQ(f.width(), 10000);
    EXPECT_EQ(f.TabStrip1.width(), 9800);
}

TEST(LayoutForm, CellDataBoxBelowTheImagePanelOrEnlarged)
{
    Form1 f;
    const Frame &image = f.Frame4(1);
    const Frame &page = f.framesub(17);
    auto normal = [&] {
        EXPECT_EQ(f.Frame5.top(), image.top() + image.height() + 20);
        EXPECT_EQ(f.Frame5.left(), image.left());
        EXPECT_EQ(f.Frame5.width(), f.Frame3.left() + f.Frame3.width() - 50);
        EXPECT_EQ(f.Frame5.height(), page.height() - f.Frame5.top() - 50);
    };
    normal();
    f.Frame4(4).zOrder(0);
    f.mm2(4).setCaption(QStringLiteral(u"テキストボックスの縮小"));
    f.Form_Resize();
    EXPECT_EQ((std::array{f.Frame5.top(), f.Frame5.left(), f.Frame5.height(), f.Frame5.width()}),
              (std::array{0, 20, f.height() - 800, f.width() - 40}));
    EXPECT_GT(f.Frame5.zLevel(), f.Frame4(4).zLevel()); // in front of the panels
    EXPECT_EQ((std::array{f.RB3.top(), f.RB3.left(), f.RB3.height(), f.RB3.width()}),
              (std::array{100, 20, f.Frame5.height() - 200, f.Frame5.width() - 40}));

    f.mm2(4).setCaption(QStringLiteral(u"テキストボックスの拡大"));
    f.Form_Resize();
    normal();
    EXPECT_EQ(f.RB3.height(), f.Frame5.height() - 200);
}

TEST(LayoutForm, GuardAndRefusedSizes)
{
    Form1 f;
    f.layoutBusy = true;
    f.setWidth(9000);
    f.Form_Resize();
    EXPECT_EQ(f.width(), 9000);
    EXPECT_EQ(f.TabStrip1.width(), 13600);
    EXPECT_TRUE(f.layoutBusy); // left as it was found

    // A window too small for the computed sizes: negative sizes are refused and skipped, the
    // placements that can be made are made.
    f.layoutBusy = false;
    f.framesub(17).setVisible(false);
    f.RB1.setVisible(true);
    const int tabsHeight = f.TabStrip1.height();
    const int rb3Height = f.RB3.height();
    f.userResized(150, 500);
    EXPECT_EQ(f.TabStrip1.height(), tabsHeight);
    EXPECT_EQ(f.TabStrip1.width(), 13600); // 150 - 200 refused
    EXPECT_EQ(f.Frame2.width(), 13400);    // 150 - 200 - 200 refused
    EXPECT_EQ(f.Frame2.top(), 10);
    EXPECT_EQ(f.RB3.height(), rb3Height);
    EXPECT_FALSE(f.layoutBusy);

    // The layout's fixed sizes of the colour buttons and the first twelve spinners.
    f.Command30(2).setWidth(100);
    f.VScroll1(11).setHeight(10);
    f.VScroll1(12).setHeight(10);
    f.Form_Resize();
    EXPECT_EQ(f.Command30(2).width(), 330);
    EXPECT_EQ(f.VScroll1(11).height(), 375);
    EXPECT_EQ(f.VScroll1(12).height(), 10);
}

} // namespace
