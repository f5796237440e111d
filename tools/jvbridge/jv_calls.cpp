#include "jv_calls.h"

#include "codes/jv_result_message.h"
#include "jvlink/jvlink_startup.h"
#include "text/encoding.h"

namespace vantor::jvbridge {

std::string jvErrorText(SjisView operation, int code) {
    return cp932ToUtf8(operation) + "エラー:" + cp932ToUtf8(JVResultMessage(operation, code));
}

bool initialise(JVLink& link, std::string_view sid, const BridgeIo& io) {
    if (const int r = link.JVInit(sid); r != jv::kOk) {
        io.complain(jvErrorText("JVInit", r));
        return false;
    }
    if (auto warning = jvLinkVersionWarning(link.version())) io.complain(*warning);
    return true;
}

bool close(JVLink& link, const BridgeIo& io) {
    if (const int r = link.JVClose(); r != jv::kOk) {
        io.complain(jvErrorText("JVClose", r));
        return false;
    }
    return true;
}

}  // namespace vantor::jvbridge
