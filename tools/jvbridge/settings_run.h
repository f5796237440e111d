#pragma once
// "settings": JV-Link's own settings dialog (service key, save folder).

#include <string>

#include "bridge_io.h"
#include "jvlink/jvlink.h"

namespace vantor::jvbridge {

// 0 when the dialog ended well; 1 (reported) otherwise.
int runSettings(JVLink& link, const std::string& sid, const BridgeIo& io);

}  // namespace vantor::jvbridge
