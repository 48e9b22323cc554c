// The controls of the main window: kind, name, place, size and content at
// start. Positions are relative to the control's container (the window or the
// group box named as its parent).
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QWebEngineView>

#include "app/busy_picture.h"
#include "app/flat_toolbar.h"
#include "app/hyperlink_label.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/period_timer.h"
#include "app/pictures.h"
#include "app/qt_text.h"
#include "app/search_control.h"
#include "notice/adverts.h"
#include "platform/browser_box.h"

namespace tumbrix {
namespace {

QGroupBox* group_box(const QString& name, QWidget* parent, QRect place) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

QWebEngineView* browser_box(const QString& name, QWidget* parent, QRect place) {
    QWebEngineView* view = create_browser_box(parent);
    view->setObjectName(name);
    view->setGeometry(place);
    return view;
}

QPlainTextEdit* memo(const QString& name, QWidget* parent, QRect place) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->hide();
    return box;
}

}  // namespace

void MainWindow::build_controls() {
    using Kind = FlatToolbar::Kind;

    // Top area.
    group_box2_ = group_box(QStringLiteral(u"分组框2"), this, {0, 0, 544, 96});
    mode_bar_ =
        new FlatToolbar(QStringLiteral(u"工具条1"), {48, 48},
                        {{Kind::check, QStringLiteral(u"网盘搜索"), pictures::cloud_search(), true},
                         {Kind::check, QStringLiteral(u"种子搜索"), pictures::seed_search()},
                         {Kind::separator, {}, {}},
                         {Kind::plain, QStringLiteral(u"作者博客"), pictures::author_blog()}},
                        group_box2_, QSize(56, 69));
    mode_bar_->setGeometry(8, 16, 528, 69);
    connect(mode_bar_, &FlatToolbar::button_clicked, this,
            [](int i) { on_mode_button_clicked(i); });

    // The image buttons lie over the empty right-hand part of 工具条1.
    about_button_ = new QToolButton(group_box2_);
    about_button_->setObjectName(QStringLiteral(u"超级按钮2"));
    about_button_->setAutoRaise(true);
    about_button_->setFocusPolicy(Qt::NoFocus);
    about_button_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    about_button_->setIconSize({40, 40});
    about_button_->setIcon(QIcon(pictures::about()));
    about_button_->setText(QStringLiteral(u"关于作者"));
    about_button_->setGeometry(184, 19, 56, 70);
    connect(about_button_, &QToolButton::clicked, this, [] { on_about_clicked(); });

    advert_button_ = new ImageButton(QStringLiteral(u"超级按钮1"), group_box2_);
    advert_button_->set_picture(pictures::advert_placeholder());
    advert_button_->setGeometry(248, 16, 288, 72);
    connect(advert_button_, &ImageButton::clicked, this, [] { on_picture_ad_click(); });

    // Outside the group box's area, so it is never seen.
    popup_box_ = browser_box(QStringLiteral(u"超文本浏览框3"), group_box2_, {488, 464, 32, 24});

    // Search area.
    group_box1_ = group_box(QStringLiteral(u"分组框1"), this, {0, 96, 112, 328});
    std::vector<FlatToolbar::Button> sources;
    for (const char16_t* caption :
         {u"讯6", u"115网盘", u"纳米盘", u"新浪爱问", u"rayfile", u"千脑", u"hotfile"}) {
        sources.push_back({Kind::check, QString::fromUtf16(caption), pictures::source()});
    }
    sources.front().checked = true;
    sources.back().hidden = true;
    source_bar_ = new FlatToolbar(QStringLiteral(u"工具条2"), {15, 15}, sources, this);
    source_bar_->setGeometry(16, 110, 80, 312);
    connect(source_bar_, &FlatToolbar::button_clicked, this,
            [](int i) { on_source_button_clicked(i); });

    search_box_ = new QLineEdit(this);
    search_box_->setObjectName(QStringLiteral(u"搜索框"));
    search_box_->setGeometry(120, 104, 176, 26);
    search_box_->setText(QStringLiteral(u"关键字"));
    QPalette dark_blue = search_box_->palette();
    dark_blue.setColor(QPalette::Text, QColor(0, 0, 128));
    search_box_->setPalette(dark_blue);
    search_box_->installEventFilter(this);

    start_button_ = new QPushButton(QStringLiteral(u"开始搜索"), this);
    start_button_->setObjectName(QStringLiteral(u"按钮1"));
    start_button_->setGeometry(304, 104, 56, 24);
    connect(start_button_, &QPushButton::clicked, this, [] { on_start_button_clicked(); });

    results_ = new QTableWidget(0, 3, this);
    results_->setObjectName(QStringLiteral(u"超级列表框1"));
    results_->setGeometry(112, 136, 432, 288);
    results_->setHorizontalHeaderLabels(
        {QStringLiteral(u"资源文件名称"), QStringLiteral(u"文件大小"), QStringLiteral(u"地址")});
    for (auto [column, width] : {std::pair{0, 180}, {1, 160}, {2, 200}})
        results_->setColumnWidth(column, width);
    results_->verticalHeader()->hide();
    results_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    results_->verticalHeader()->setDefaultSectionSize(20);
    results_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    results_->horizontalHeader()->setHighlightSections(false);
    results_->setShowGrid(false);
    results_->setWordWrap(false);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->viewport()->installEventFilter(this);

    busy_picture_ = new BusyPicture(QStringLiteral(u"图片框1"), pictures::busy_frames(), this);
    busy_picture_->setGeometry(264, 208, 96, 96);
    busy_picture_->hide();

    // Bottom area.
    status_bar_ = new QStatusBar(this);
    status_bar_->setObjectName(QStringLiteral(u"状态条1"));
    status_bar_->setSizeGripEnabled(false);
    status_bar_->setGeometry(0, 426, 200, 20);
    status_part0_ = new QLabel(QStringLiteral(u"状态："), status_bar_);
    status_part0_->setObjectName(QStringLiteral(u"状态条1.0"));
    status_bar_->addWidget(status_part0_, 1);

    link_label_ = new HyperlinkLabel(QStringLiteral(u"超级链接框1"), this);
    link_label_->setText(QStringLiteral(u"广告招租中.."));
    link_label_->setGeometry(208, 424, 320, 24);
    connect(link_label_, &HyperlinkLabel::clicked, this, [this] { open_in_browser(link_target_); });

    web_advert_ = browser_box(QStringLiteral(u"超文本浏览框2"), this, {-8, 448, 664, 88});

    // Hidden and non-visual controls.
    reader_box_ = browser_box(QStringLiteral(u"超文本浏览框1"), this, {464, 72, 72, 16});
    reader_box_->hide();
    memo1_ = memo(QStringLiteral(u"编辑框1"), this, {312, 432, 24, 16});
    memo2_ = memo(QStringLiteral(u"编辑框2"), this, {520, 72, 16, 16});

    timers_[Control::时钟1] = new PeriodTimer(QStringLiteral(u"时钟1"), on_text_ad_roll_tick, this);
    timers_[Control::时钟2] = new PeriodTimer(QStringLiteral(u"时钟2"), on_next_text_ad_tick, this);
    timers_[Control::时钟3] = new PeriodTimer(QStringLiteral(u"时钟3"), nullptr, this);
    timers_[Control::时钟4] =
        new PeriodTimer(QStringLiteral(u"时钟4"), on_picture_ad_tick, group_box2_);
    timers_[Control::时钟5] = new PeriodTimer(QStringLiteral(u"时钟5"), on_web_ad_tick, this);
}

}  // namespace tumbrix
