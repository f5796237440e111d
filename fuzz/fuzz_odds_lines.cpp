// The odds services' line conversions: the input is one line of a JRDB or
// a KOL odds file (both conversions take every input). Each gives a
// predicted-odds line of exactly 1459 characters, with either choice of
// KOL quinella block.

#include "fuzz_support.h"
#include "odds/jrdb_odds.h"
#include "odds/kol_odds.h"
#include "odds/yoz_line.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SjisView line = sjisBytes(fuzz::bytesOf(data, size));
    fuzz::check(jrdbYozLine(line, "240526").size() == kYozLineLength, "a JRDB line gives 1459 characters");
    for (const bool from2005 : {false, true}) {
        const SjisString yoz = kolYozLine(line, kolUsesHorsePairs(line, from2005));
        fuzz::check(yoz.size() == kYozLineLength, "a KOL line gives 1459 characters");
    }
    return 0;
}
