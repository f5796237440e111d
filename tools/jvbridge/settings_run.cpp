#include "settings_run.h"

#include "jv_calls.h"

namespace vantor::jvbridge {

int runSettings(JVLink& link, const std::string& sid, const BridgeIo& io) {
    if (!initialise(link, sid, io)) return 1;
    if (const int r = link.JVSetUIProperties(); r != jv::kOk) {
        io.complain(jvErrorText("JVSetUIProperties", r));
        return 1;
    }
    return 0;
}

}  // namespace vantor::jvbridge
