#pragma once
// Where a GBK text meets a widget: widgets speak UTF-16.
#include <QString>
#include <string_view>

#include "platform/codepage.h"
#include "text/text.h"

namespace tumbrix {

inline QString to_qstring(std::string_view gbk) {
    return QString::fromStdU16String(codepage::gbk_to_utf16(gbk));
}

inline Text to_text(const QString& text) {
    return codepage::utf16_to_gbk(text.toStdU16String());
}

}  // namespace tumbrix
