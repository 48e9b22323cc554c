#include "notice/startup_sequence.h"

namespace tumbrix {

// Not built yet: no notice, no adverts.
void run_startup_sequence() {}

}  // namespace tumbrix
