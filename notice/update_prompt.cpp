#include "notice/update_prompt.h"

#include "platform/controls.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/profile_file.h"

namespace tumbrix {

bool update_prompt_wanted() {
    const auto documents = folders::documents_folder();
    if (documents.empty()) return false;
    return read_profile_string(files::path_in(documents, "配置.ini"), "更新", "版本更新") == "1";
}

void offer_update(const TextList& update_pieces) {
    const int answer = show_message("版本更新了，是否进行更新？", 1, "提醒");
    if (answer == 0 && update_pieces.size() >= 2) open_in_browser(update_pieces[1]);
}

}  // namespace tumbrix
