#include <iostream>

#include "commands.h"
#include "race_view.h"
#include "text/encoding.h"

namespace vantor::cli {

int races(const Context& ctx) {
    const auto view = openRace(ctx);
    if (!view) return 2;
    for (const auto& item : view->load.raceItems) std::cout << cp932ToUtf8(item) << '\n';
    return 0;
}

}  // namespace vantor::cli
