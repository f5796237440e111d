// Archive reading: the input is an archive, read from memory. Whatever it
// holds, at most one wanted member is taken, under one of the wanted
// names, no larger than the budget, and a member that is not taken leaves
// no bytes. libFuzzer's -rss_limit_mb bounds the memory a run may take.

#include "fuzz_support.h"
#include "odds/archive_extract.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A small budget, so that the fuzzer meets the limit too.
    static const std::vector<std::string> wanted = {"Oz240526.txt", "kol_ods.kd2"};
    static std::string member;
    const MemberExtract result = readWantedMember(fuzz::bytesOf(data, size), wanted, member, 4096);
    fuzz::check(result.file.empty(), "nothing is written");
    if (result.status == MemberExtract::Status::extracted) {
        fuzz::check(result.wantedIndex < wanted.size(), "a wanted name");
        fuzz::check(member.size() <= 4096, "within the budget");
    } else {
        fuzz::check(member.empty(), "no bytes without a member taken");
    }
    return 0;
}
