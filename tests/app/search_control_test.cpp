// The search controls on the real window, with stand-in page passes that
// wait in the event loop as the real ones do while their page loads.
#include <tumbrix/endpoints.h>

#include <QLabel>

#include "window_fixture.h"

namespace tumbrix::testing {
namespace {

class SearchControl : public WindowTest {
  protected:
    // Appends one row of `cells` as a pass writes it.
    static void add_row(const std::vector<Text>& cells) {
        const int row = list_insert_row();
        for (size_t c = 0; c < cells.size(); ++c) list_set_cell(row, static_cast<int>(c), cells[c]);
    }

    std::vector<Text> column(int c) const {
        std::vector<Text> texts;
        for (int row = 0; row < list_row_count(); ++row) texts.push_back(list_cell_text(row, c));
        return texts;
    }

    // Every pass of every kind is recorded; this one ends the search at once.
    void record_passes_that_end_at_once() {
        for (SearchKind kind : {SearchKind::portal, SearchKind::engine, SearchKind::bt}) {
            set_page_pass(kind, [this, kind] {
                passes.push_back(kind);
                running_flag(kind) = false;
            });
        }
    }

    std::vector<SearchKind> passes;
};

TEST_F(SearchControl, ModeButtonsClearTheListAndSetTheColumns) {
    struct Case {
        const char* name;
        std::vector<int> clicks;
        int mode;
        std::vector<Text> columns;
    };
    const std::vector<Text> three{"资源文件名称", "文件大小", "地址"};
    const std::vector<Text> two{"资源文件名称", "地址"};
    const Case cases[] = {
        {"BT", {1}, 2, two},
        {"BT twice", {1, 1}, 2, two},
        {"BT then cloud-disk", {1, 0}, 1, three},
        {"cloud-disk while in cloud-disk mode", {0}, 1, three},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        add_row({"a", "1 MB", "http://x.invalid/a"});
        for (int index : c.clicks) {
            add_row({"b"});
            click_mode(index);
            EXPECT_EQ(list_row_count(), 0);
        }
        EXPECT_EQ(search_state().search_mode, c.mode);
        EXPECT_EQ(column_titles(), c.columns);
        if (c.columns.size() == 3) {
            EXPECT_EQ(results()->columnWidth(1), 160);
        }
        EXPECT_TRUE(mode_bar()->button(c.mode - 1)->isChecked());
    }
}

TEST_F(SearchControl, AuthorPageButtonOpensThePageAndChangesNothingElse) {
    add_row({"a"});
    click_mode(3);
    EXPECT_EQ(opened, std::vector<Text>{endpoints::kAuthorUrl});
    EXPECT_EQ(list_row_count(), 1);
    EXPECT_EQ(search_state().search_mode, 1);
    EXPECT_TRUE(mode_bar()->button(0)->isChecked());
}

TEST_F(SearchControl, SourceButtonsSelectTheirSourceAndSinaShowsItsHintEveryTime) {
    const int32_t sources[] = {4, 2, 3, 6, 5, 1};
    add_row({"kept"});
    click_mode(1);  // the source is chosen whatever the mode
    add_row({"kept"});
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        messages.clear();
        click_source(index);
        EXPECT_EQ(search_state().current_source, sources[index]);
        EXPECT_EQ(messages.size(), index == 3 ? 1u : 0u);
    }
    messages.clear();
    click_source(3);
    click_source(3);  // already checked: the hint again
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text,
              "如果新浪爱问出现长时间没反应，就说明没有搜索到相关的内容，请更换关键字！");
    EXPECT_EQ(messages[1].buttons, 0);
    EXPECT_EQ(messages[1].title, "");  // the default title
    EXPECT_EQ(list_row_count(), 1);
    EXPECT_EQ(search_state().search_mode, 2);

    on_source_button_clicked(6);  // the hidden hotfile button
    EXPECT_EQ(search_state().current_source, 7);
}

TEST_F(SearchControl, EmptyKeywordShowsAMessageAndChangesNothing) {
    record_passes_that_end_at_once();
    add_row({"a"});
    for (const char* caption : {"开始搜索", "停止搜索"}) {
        SCOPED_TRACE(caption);
        messages.clear();
        set_control_text(Control::按钮1, caption);
        search_state().engine_running = caption == Text("停止搜索");
        search_box()->clear();
        click_start();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "关键字不能为空！");
        EXPECT_EQ(messages[0].buttons, 0);
        EXPECT_EQ(to_text(start_button()->text()), caption);
        EXPECT_EQ(search_state().engine_running, caption == Text("停止搜索"));
        EXPECT_EQ(list_row_count(), 1);
        EXPECT_TRUE(passes.empty());
    }
}

TEST_F(SearchControl, StartShowsTheRunningLookAndRunsTheKindTakenAtTheClick) {
    struct Case {
        int mode_button;
        int source_button;
        SearchKind kind;
    };
    const Case cases[] = {
        {0, 5, SearchKind::portal}, {0, 0, SearchKind::engine}, {0, 3, SearchKind::engine},
        {1, 5, SearchKind::bt},     {1, 0, SearchKind::bt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.mode_button << "/" << c.source_button);
        TearDown();
        SetUp();
        click_mode(c.mode_button);
        click_source(c.source_button);
        status_set_text(0, "状态：旧的状态");
        add_row({"old"});
        std::vector<int32_t> first_offsets;
        Text keyword;
        set_page_pass(c.kind, [&, kind = c.kind] {
            expect_running_look();
            EXPECT_EQ(to_text(find<QLabel>(u"状态条1.0")->text()), "状态：");
            EXPECT_EQ(list_row_count(), 0);
            keyword = control_text(Control::搜索框);
            page_counter(kind) += 10;  // as the URL builders do
            first_offsets.push_back(page_counter(kind));
            running_flag(kind) = false;
        });
        click_start();
        EXPECT_EQ(first_offsets, std::vector<int32_t>{0});
        EXPECT_EQ(keyword, "关键字");  // the start text is a keyword
    }
}

TEST_F(SearchControl, LoopRunsPassesUntilThePassClearsTheFlagAndEveryNewSearchStartsAtPageZero) {
    std::vector<int32_t> offsets;
    set_page_pass(SearchKind::bt, [&] {
        offsets.push_back(page_counter(SearchKind::bt) += 10);
        add_row({"row", "http://bt.invalid/"});
        if (offsets.size() % 3 == 0) {
            // The BT pass ends its own search with the idle look.
            running_flag(SearchKind::bt) = false;
            set_control_text(Control::按钮1, "开始搜索");
            set_control_enabled(Control::搜索框, true);
            set_control_visible(Control::图片框1, false);
        }
    });
    click_mode(1);
    click_start();
    expect_idle_look();
    EXPECT_EQ(list_row_count(), 3);
    click_start();
    EXPECT_EQ(offsets, (std::vector<int32_t>{0, 10, 20, 0, 10, 20}));
    EXPECT_EQ(list_row_count(), 3);
}

TEST_F(SearchControl, PortalRunOutKeepsTheRunningLookUntilTheNextClick) {
    record_passes_that_end_at_once();
    click_source(5);
    click_start();
    EXPECT_EQ(passes, std::vector<SearchKind>{SearchKind::portal});
    EXPECT_FALSE(search_state().portal_running);
    expect_running_look();

    click_start();  // the stop branch
    expect_idle_look();
    EXPECT_EQ(passes.size(), 1u);
    EXPECT_EQ(search_state().portal_offset, -10);

    click_start();  // a new search
    EXPECT_EQ(passes.size(), 2u);
}

TEST_F(SearchControl, StopClickInsideAWaitingPassShowsTheIdleLookAtOnceAndKeepsThePageRows) {
    int pass_count = 0;
    set_page_pass(SearchKind::engine, [&] {
        ++pass_count;
        during_next_wait([&] {
            click_start();
            expect_idle_look();  // at once, while the pass still waits
            EXPECT_FALSE(search_state().engine_running);
            EXPECT_EQ(search_state().engine_offset, -10);
        });
        wait_in_event_loop(100);
        add_row({"page row", "2 MB", "http://x.invalid/1"});
    });
    click_start();
    EXPECT_EQ(pass_count, 1);
    expect_idle_look();
    EXPECT_EQ(column(0), std::vector<Text>{"page row"});
}

TEST_F(SearchControl, StartClickInsideThatWaitRunsANewSearchBeforeTheInterruptedPassResumes) {
    std::vector<Text> events;
    int pass_count = 0;
    set_page_pass(SearchKind::engine, [&] {
        const int pass = ++pass_count;
        if (pass == 1) {
            events.push_back("outer waits");
            during_next_wait([&] {
                click_start();  // stop
                click_start();  // start again, inside the wait
                events.push_back("inner search over");
            });
            wait_in_event_loop(100);
            add_row({"outer row"});
            events.push_back("outer resumes");
            return;
        }
        add_row({"inner row " + number_to_text(pass)});
        events.push_back("inner pass " + number_to_text(pass));
        if (pass == 3) running_flag(SearchKind::engine) = false;
    });
    click_start();
    EXPECT_EQ(events, (std::vector<Text>{"outer waits", "inner pass 2", "inner pass 3",
                                         "inner search over", "outer resumes"}));
    // The new search cleared the list; the interrupted pass appended its own
    // page afterwards, and its loop then saw the cleared flag.
    EXPECT_EQ(column(0), (std::vector<Text>{"inner row 2", "inner row 3", "outer row"}));
    EXPECT_EQ(pass_count, 3);
}

TEST_F(SearchControl, SwitchingTheModeWhileASearchRunsClearsTheListAndRowsKeepArriving) {
    set_page_pass(SearchKind::engine, [&] {
        during_next_wait([&] { click_mode(1); });
        wait_in_event_loop(50);
        add_row({"title", "3 MB", "http://x.invalid/3"});
        running_flag(SearchKind::engine) = false;
    });
    add_row({"before"});
    click_start();
    EXPECT_EQ(search_state().search_mode, 2);
    EXPECT_EQ(column_titles(), (std::vector<Text>{"资源文件名称", "地址"}));
    ASSERT_EQ(list_row_count(), 1);
    EXPECT_EQ(list_cell_text(0, 0), "title");
    EXPECT_EQ(list_cell_text(0, 1), "3 MB");  // written by column index
}

TEST_F(SearchControl, ClickAfterSwitchingKindActsOnTheNewKind) {
    int engine_passes = 0;
    set_page_pass(SearchKind::engine, [&] {
        ++engine_passes;
        if (engine_passes == 1) {
            during_next_wait([&] {
                click_mode(1);
                click_start();  // BT's stop branch: idle look, BT flag cleared
                EXPECT_TRUE(search_state().engine_running);
                expect_idle_look();
            });
            wait_in_event_loop(50);
            return;
        }
        running_flag(SearchKind::engine) = false;
    });
    click_start();
    EXPECT_EQ(engine_passes, 2);  // the engine search went on to its own end
}

TEST_F(SearchControl, DoubleClickOpensTheLinkColumnOfTheMode) {
    struct Case {
        int mode_button;
        std::vector<Text> row;
        Text opened;
    };
    const Case cases[] = {
        {0, {"title", "1 MB", "http://pan.invalid/1"}, "http://pan.invalid/1"},
        {1, {"title", "http://bt.invalid/2"}, "http://bt.invalid/2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode_button);
        TearDown();
        SetUp();
        click_mode(c.mode_button);
        add_row({"other", "x", "y"});
        add_row(c.row);
        const QRect second = results()->visualRect(results()->model()->index(1, 0));
        QTest::mouseClick(results()->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(results()->viewport(), Qt::LeftButton, {}, second.center());
        EXPECT_EQ(opened, std::vector<Text>{c.opened});
    }
}

TEST_F(SearchControl, DoubleClickHandsOverOnlyWebAddresses) {
    add_row({"title", "1 MB", "file:///etc/passwd"});
    on_results_double_clicked();  // no row selected: the empty text
    results()->selectRow(0);
    on_results_double_clicked();
    EXPECT_TRUE(opened.empty());
}

TEST_F(SearchControl, EveryLeftPressEmptiesTheSearchBox) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    click(search_box());
    EXPECT_EQ(to_text(search_box()->text()), "");
    QTest::keyClicks(search_box(), QStringLiteral(u"movie"));
    EXPECT_EQ(search_box()->text(), QStringLiteral(u"movie"));
    click(search_box());
    EXPECT_EQ(search_box()->text(), QString());
    EXPECT_TRUE(search_box()->hasFocus());

    search_box()->setText(QStringLiteral(u"kept"));
    search_box()->setContextMenuPolicy(Qt::NoContextMenu);
    QTest::mouseClick(search_box(), Qt::RightButton);
    EXPECT_EQ(search_box()->text(), QStringLiteral(u"kept"));
}

}  // namespace
}  // namespace tumbrix::testing
