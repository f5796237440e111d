#pragma once
// The Qt application a painting command needs: offscreen unless the caller
// named a platform, with the program's font substitutes as on screen.

#include <QtGlobal>
#include <optional>

#include "painting/fonts.h"

namespace vantor::cli {

template <typename App>
class OffscreenApp {
public:
    OffscreenApp() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_.emplace(argc_, argv_);
        registerFontSubstitutes();
    }

private:
    // Qt keeps argc and argv for the application's whole life.
    int argc_ = 1;
    char name_[11] = "vantor-cli";
    char* argv_[2] = {name_, nullptr};
    std::optional<App> app_;
};

}  // namespace vantor::cli
