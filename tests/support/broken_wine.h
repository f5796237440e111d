#pragma once
// Wine commands that cannot start Wine, as users meet them: Debian's wine
// script on a system that cannot execute Wine's 32-bit loader (status 126,
// "Exec format error"), and one whose loader is gone (status 127).

#include <filesystem>

#include "support/temp_dir.h"

namespace vantor::test {

struct BrokenWines {
    std::filesystem::path cannotExecute;  // ends with 126
    std::filesystem::path notFound;       // ends with 127
};

inline BrokenWines writeBrokenWines(const std::filesystem::path& folder) {
    const BrokenWines wines{folder / "wine-126", folder / "wine-127"};
    writeFile(wines.cannotExecute,
              "#!/bin/sh\necho \"/usr/bin/wine: 43: exec: /usr/lib/wine/wine: Exec format error\" >&2\nexit 126\n");
    writeFile(wines.notFound, "#!/bin/sh\nexec /no/such/wine/loader \"$@\"\n");
    for (const auto& wine : {wines.cannotExecute, wines.notFound})
        std::filesystem::permissions(wine, std::filesystem::perms::owner_all);
    return wines;
}

}  // namespace vantor::test
