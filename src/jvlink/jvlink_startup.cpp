#include "jvlink/jvlink_startup.h"

#include "codes/jv_result_message.h"
#include "jvlink/version_text.h"
#include "text/encoding.h"

namespace vantor {
namespace {

std::string_view charAt(std::string_view text, std::size_t position) {
    return position < text.size() ? text.substr(position, 1) : std::string_view{};
}

}  // namespace

std::string jvLinkSid() { return "SA100140/SD100140/Vantor/" + std::string(kVersionText); }

std::string displayVersion(std::string_view version) {
    return std::string(charAt(version, 1)) + "." + std::string(charAt(version, 2)) + "." +
           std::string(charAt(version, 3));
}

std::optional<std::string> jvLinkVersionWarning(std::string_view version) {
    if (version >= kRequiredJVLinkVersion) return std::nullopt;
    return "ご利用中のJV-Linkのバージョンは[" + displayVersion(version) + "]です。\r\n" +
           "本ソフトのご利用にはバージョン[4.9.0]以上が必要です。\r\n" +
           "JRA-VANのホームページより最新のJV-Linkを入手し、インストールしてください。";
}

std::string jvInitErrorText(int code) { return "JVInitエラー：" + cp932ToUtf8(JVResultMessage("JVInit", code)); }

}  // namespace vantor
