// The window at start: its controls with their places and contents, and the
// controls that act on their own (toolbars, image buttons, hyperlink label).
#include <tumbrix/endpoints.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QWebEngineView>

#include "app/hyperlink_label.h"
#include "app/image_button.h"
#include "app/period_timer.h"
#include "window_fixture.h"

namespace tumbrix::testing {
namespace {

using StartState = WindowTest;

TEST_F(StartState, WindowHasItsCaptionIconPlaceAndLook) {
    EXPECT_EQ(to_text(window->windowTitle()), "网盘搜索器（Tumbrix2.3）");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(50, 50));
    EXPECT_EQ(window->frameGeometry().size(), QSize(554, 562));
    EXPECT_TRUE(window->created());
    EXPECT_EQ(QApplication::style()->name(), QStringLiteral(u"fusion"));
}

TEST_F(StartState, EveryControlHasItsParentPlaceAndVisibility) {
    struct Case {
        const char16_t* name;
        const char16_t* parent;  // nullptr: the window
        QRect place;
        bool shown;
    };
    const Case cases[] = {
        {u"分组框2", nullptr, {0, 0, 544, 96}, true},
        {u"工具条1", u"分组框2", {8, 16, 528, 69}, true},
        {u"超级按钮2", u"分组框2", {184, 19, 56, 70}, true},
        {u"超级按钮1", u"分组框2", {248, 16, 288, 72}, true},
        {u"超文本浏览框3", u"分组框2", {488, 464, 32, 24}, true},
        {u"分组框1", nullptr, {0, 96, 112, 328}, true},
        {u"工具条2", nullptr, {16, 110, 80, 312}, true},
        {u"搜索框", nullptr, {120, 104, 176, 26}, true},
        {u"按钮1", nullptr, {304, 104, 56, 24}, true},
        {u"超级列表框1", nullptr, {112, 136, 432, 288}, true},
        {u"图片框1", nullptr, {264, 208, 96, 96}, false},
        {u"状态条1", nullptr, {0, 426, 200, 20}, true},
        {u"超级链接框1", nullptr, {208, 424, 320, 24}, true},
        {u"超文本浏览框2", nullptr, {-8, 448, 664, 88}, true},
        {u"超文本浏览框1", nullptr, {464, 72, 72, 16}, false},
        {u"编辑框1", nullptr, {312, 432, 24, 16}, false},
        {u"编辑框2", nullptr, {520, 72, 16, 16}, false},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf16(c.name);
        SCOPED_TRACE(name.toStdString());
        auto* widget = find<QWidget>(c.name);
        ASSERT_NE(widget, nullptr);
        QWidget* parent = c.parent ? find<QWidget>(c.parent) : window.get();
        EXPECT_EQ(widget->parentWidget(), parent);
        EXPECT_EQ(widget->geometry(), c.place);
        EXPECT_EQ(widget->isVisible(), c.shown);
    }
}

TEST_F(StartState, ControlsHoldTheirStartContents) {
    EXPECT_EQ(to_text(search_box()->text()), "关键字");
    EXPECT_EQ(search_box()->palette().color(QPalette::Text), QColor(0, 0, 128));
    EXPECT_TRUE(search_box()->isEnabled());
    EXPECT_EQ(to_text(start_button()->text()), "开始搜索");

    EXPECT_EQ(results()->rowCount(), 0);
    EXPECT_EQ(column_titles(), (std::vector<Text>{"资源文件名称", "文件大小", "地址"}));
    EXPECT_EQ(results()->columnWidth(0), 180);
    EXPECT_EQ(results()->columnWidth(1), 160);
    EXPECT_EQ(results()->columnWidth(2), 200);
    EXPECT_EQ(list_selected_row(), -1);

    EXPECT_EQ(to_text(find<QLabel>(u"状态条1.0")->text()), "状态：");
    EXPECT_EQ(find<QStatusBar>(u"状态条1")->findChildren<QLabel*>().size(), 1);

    EXPECT_EQ(to_text(find<HyperlinkLabel>(u"超级链接框1")->text()), "广告招租中..");
    EXPECT_EQ(link_target(Control::超级链接框1), "");
    EXPECT_EQ(control_text(Control::编辑框1), "");
    EXPECT_EQ(control_text(Control::编辑框2), "");

    EXPECT_EQ(find<ImageButton>(u"超级按钮1")->picture().size(), QSize(223, 84));
    auto* busy = find<BusyPicture>(u"图片框1");
    EXPECT_EQ(busy->frame_count(), 12);
    EXPECT_FALSE(busy->playing());

    for (const char16_t* name : {u"超文本浏览框1", u"超文本浏览框2", u"超文本浏览框3"}) {
        SCOPED_TRACE(QString::fromUtf16(name).toStdString());
        auto* view = find<QWebEngineView>(name);
        ASSERT_NE(view, nullptr);
        EXPECT_TRUE(view->url().isEmpty());
    }
}

TEST_F(StartState, SearchStateMatchesTheCheckedButtons) {
    EXPECT_EQ(search_state().search_mode, 1);
    EXPECT_EQ(search_state().current_source, 4);
    EXPECT_TRUE(mode_bar()->button(0)->isChecked());
    EXPECT_FALSE(mode_bar()->button(1)->isChecked());
    EXPECT_TRUE(source_bar()->button(0)->isChecked());
    EXPECT_EQ(to_text(source_bar()->button(0)->text()), "讯6");
}

TEST_F(StartState, EveryTimerIsStopped) {
    for (const char16_t* name : {u"时钟1", u"时钟2", u"时钟3", u"时钟4", u"时钟5"}) {
        SCOPED_TRACE(QString::fromUtf16(name).toStdString());
        auto* timer = find<PeriodTimer>(name);
        ASSERT_NE(timer, nullptr);
        EXPECT_FALSE(timer->running());
        EXPECT_EQ(timer->period(), 0);
    }
    EXPECT_EQ(find<PeriodTimer>(u"时钟4")->parent(), find<QGroupBox>(u"分组框2"));
}

TEST_F(StartState, ModeToolbarHasTwoCheckButtonsASeparatorAndThePageButton) {
    FlatToolbar* bar = mode_bar();
    ASSERT_EQ(bar->button_count(), 4);
    const char* captions[] = {"网盘搜索", "种子搜索", nullptr, "作者博客"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        QToolButton* b = bar->button(i);
        if (!captions[i]) {
            EXPECT_EQ(b, nullptr);  // the separator: no button, no click
            continue;
        }
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(to_text(b->text()), captions[i]);
        EXPECT_EQ(b->iconSize(), QSize(48, 48));
        EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_TRUE(b->toolTip().isEmpty());
        EXPECT_EQ(b->isCheckable(), i < 2);
    }
}

TEST_F(StartState, SourceToolbarHoldsOneButtonPerRowAndHidesHotfile) {
    FlatToolbar* bar = source_bar();
    ASSERT_EQ(bar->button_count(), 7);
    const char* captions[] = {"讯6", "115网盘", "纳米盘", "新浪爱问", "rayfile", "千脑", "hotfile"};
    int last_top = -1;
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        QToolButton* b = bar->button(i);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(to_text(b->text()), captions[i]);
        EXPECT_EQ(b->iconSize(), QSize(15, 15));
        EXPECT_TRUE(b->isCheckable());
        if (i == 6) {
            EXPECT_FALSE(b->isVisible());
            continue;
        }
        EXPECT_TRUE(b->isVisible());
        EXPECT_EQ(b->x(), 0);
        EXPECT_GT(b->y(), last_top);
        EXPECT_LE(b->geometry().bottom(), bar->height());
        last_top = b->y();
    }
}

TEST_F(StartState, CheckGroupsReportEveryClickAlsoOnTheCheckedButton) {
    std::vector<int> clicks;
    QObject::connect(source_bar(), &FlatToolbar::button_clicked,
                     [&](int index) { clicks.push_back(index); });
    click_source(2);
    click_source(2);
    click_source(0);
    EXPECT_EQ(clicks, (std::vector<int>{2, 2, 0}));
    EXPECT_TRUE(source_bar()->button(0)->isChecked());
    EXPECT_FALSE(source_bar()->button(2)->isChecked());
}

TEST_F(StartState, HyperlinkLabelOpensItsTargetOnlyWhenItIsAWebAddress) {
    auto* label = find<HyperlinkLabel>(u"超级链接框1");
    click(label);
    EXPECT_TRUE(opened.empty());  // no target yet

    set_link_target(Control::超级链接框1, "file:///etc/passwd");
    click(label);
    EXPECT_TRUE(opened.empty());

    set_link_target(Control::超级链接框1, "http://ad.example.invalid/");
    click(label);
    EXPECT_EQ(opened, std::vector<Text>{"http://ad.example.invalid/"});
}

TEST_F(StartState, AboutButtonShowsTheAboutBox) {
    click(find<QToolButton>(u"超级按钮2"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "友情提醒");
    EXPECT_EQ(messages[0].icon, MessageIcon::question);
    EXPECT_EQ(messages[0].buttons, 0);
    EXPECT_NE(messages[0].text.find(endpoints::kAuthorUrl), Text::npos);
    EXPECT_TRUE(opened.empty());
}

}  // namespace
}  // namespace tumbrix::testing
