#pragma once
// The window's look: the Fusion style stands for the XP look of the standard
// controls, and one CJK-capable font serves every caption.
#include <QFont>

namespace tumbrix {

QFont ui_font();
// Switches the application to the look; the window's created event calls it.
void apply_look();

}  // namespace tumbrix
