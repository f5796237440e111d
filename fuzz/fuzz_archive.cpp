// Archive extraction: the input is an archive. Whatever it holds, at most
// the one wanted file appears in the extraction folder, no larger than the
// budget, and nothing appears anywhere else. libFuzzer's -rss_limit_mb
// bounds the memory a run may take.

#include "fuzz_support.h"
#include "odds/archive_extract.h"

namespace fs = std::filesystem;
using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path root = fuzz::workFolder() / "archive";
    const fs::path into = root / "into";
    std::error_code error;
    fs::remove_all(root, error);
    fs::create_directories(into);
    {
        std::FILE* out = std::fopen((root / "a.lzh").c_str(), "wb");
        if (!out || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0) std::abort();
    }
    // A small budget, so that the fuzzer meets the limit too.
    const std::vector<std::string> wanted = {"Oz240526.txt", "kol_ods.kd2"};
    const MemberExtract result = extractWantedMember(root / "a.lzh", wanted, into, 4096);

    fuzz::check(fuzz::namesIn(root).size() == 2, "nothing lands beside the extraction folder");
    const std::vector<std::string> extracted = fuzz::namesIn(into);
    if (result.status == MemberExtract::Status::extracted) {
        fuzz::check(extracted == std::vector<std::string>{wanted[result.wantedIndex]}, "only the wanted file");
        fuzz::check(fs::file_size(into / extracted.front()) <= 4096, "within the budget");
    } else {
        fuzz::check(extracted.empty(), "nothing without an extracted file");
    }
    return 0;
}
