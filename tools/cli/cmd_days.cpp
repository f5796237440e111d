#include <iostream>

#include "commands.h"
#include "store/day_list.h"

namespace vantor::cli {

int days(const Context& ctx) {
    for (const auto& day : listRaceDays(StorePaths(ctx.appDir))) std::cout << day << '\n';
    return 0;
}

}  // namespace vantor::cli
