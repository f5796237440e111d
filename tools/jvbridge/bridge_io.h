#pragma once
// What a bridge run needs from the world around it besides JV-Link: where
// its messages go, how it waits between two polls and what time it is.
// Texts are UTF-8.

#include <functional>
#include <string>
#include <string_view>

namespace vantor::jvbridge {

struct BridgeIo {
    std::function<void(std::string_view)> say;       // a line on standard output
    std::function<void(std::string_view)> complain;  // a line on standard error
    std::function<void(std::string_view)> progress;  // a status line the next one may overwrite
    std::function<void()> pause;                     // a short wait that lets JV-Link get on
    std::function<std::string()> now;                // Japan time as "yyyymmddhhnnss"
};

}  // namespace vantor::jvbridge
