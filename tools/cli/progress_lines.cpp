#include "progress_lines.h"

#include <iostream>

namespace vantor::cli {

void ProgressLines::show(int done, int total) {
    if (terminal_) {
        if (done % 200 != 0 && done != total) return;
        std::cerr << '\r' << what_ << ' ' << done << "/" << total << std::flush;
        inPlace_ = done != total;
        if (done == total) std::cerr << '\n';
        return;
    }
    const int tenth = total > 0 ? static_cast<int>(10LL * done / total) : 10;
    if (tenth == shownTenth_) return;
    shownTenth_ = tenth;
    std::cerr << what_ << ' ' << done << "/" << total << '\n';
}

void ProgressLines::end() {
    if (inPlace_) std::cerr << '\n';
    inPlace_ = false;
}

}  // namespace vantor::cli
