#pragma once
// Tumbrix's own pictures, drawn with QPainter: nothing is loaded from files.
#include <QIcon>
#include <QPixmap>
#include <vector>

namespace tumbrix::pictures {

QIcon window_icon();

// The 48 x 48 pictures of the mode toolbar.
QPixmap cloud_search();  // "网盘搜索"
QPixmap seed_search();   // "种子搜索"
QPixmap author_blog();   // "作者博客"

// The 15 x 15 picture every source button shows.
QPixmap source();

// The 40 x 40 picture of the about button.
QPixmap about();

// The 223 x 84 placeholder of the picture advert button.
QPixmap advert_placeholder();

// The busy animation: 12 frames of 100 x 100.
std::vector<QPixmap> busy_frames();

}  // namespace tumbrix::pictures
