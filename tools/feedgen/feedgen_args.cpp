#include "feedgen_args.h"

#include <charconv>
#include <cstdint>

namespace vantor::feedgen {
namespace {

// Digits only, no sign or blanks, within the type's range.
template <class T>
bool parseNumber(const std::string& text, T& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

const char* const kUsage =
    "usage: vantor-feedgen --out DIR [--odds DIR] [--seed S] [--to yyyymmdd] [--years N] [--replace]\n"
    "  --out DIR      feed folder to write (setup/, normal/, realtime/)\n"
    "  --odds DIR     also write the odds archives of the last eight weekends' race days there\n"
    "  --seed S       simulation seed, a whole number (default 1)\n"
    "  --to yyyymmdd  end with the last race weekend on or before this date (default: before today)\n"
    "  --years N      years of racing, 1 to 10 (default 3)\n"
    "  --replace      replace the .jvd files of a feed already in DIR\n";

ParsedArgs parseArgs(const std::vector<std::string>& args) {
    ParsedArgs p;
    const auto fail = [&p](std::string message) {
        p.error = std::move(message);
        return p;
    };
    bool haveOut = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            p.help = true;
            return p;
        }
        if (a == "--replace") {
            p.options.replace = true;
            continue;
        }
        if (a != "--out" && a != "--odds" && a != "--seed" && a != "--to" && a != "--years")
            return fail("unknown argument: " + a);
        if (i + 1 >= args.size()) return fail(a + " needs a value");
        const std::string& v = args[++i];
        if (a == "--out") {
            if (v.empty()) return fail("--out needs a folder");
            p.options.out = v;
            haveOut = true;
        } else if (a == "--odds") {
            if (v.empty()) return fail("--odds needs a folder");
            p.options.oddsOut = v;
        } else if (a == "--seed") {
            if (!parseNumber(v, p.options.seed)) return fail("--seed needs a whole number, not \"" + v + "\"");
        } else if (a == "--to") {
            if (v.size() != 8 || !parseNumber(v, p.options.toDate))
                return fail("--to needs a date yyyymmdd, not \"" + v + "\"");
        } else if (!parseNumber(v, p.options.years) || p.options.years < 1 || p.options.years > 10) {
            return fail("--years needs a number from 1 to 10, not \"" + v + "\"");
        }
    }
    if (!haveOut) return fail("--out DIR is required");
    return p;
}

}  // namespace vantor::feedgen
