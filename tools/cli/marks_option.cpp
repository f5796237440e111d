#include "marks_option.h"

#include <charconv>
#include <iostream>

namespace vantor::cli {

bool readMarkSet(const Context& ctx, const char* option, std::optional<int>& set) {
    const auto text = ctx.args.value(option);
    if (!text) return true;
    int n = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), n);
    if (error != std::errc() || end != text->data() + text->size() || !isUserMarkSet(n)) {
        std::cerr << option << " must be 1 to " << kUserMarkSets << ", not \"" << *text << "\"\n";
        return false;
    }
    set = n;
    return true;
}

bool openMarksFile(const Context& ctx, bool make, std::optional<UserMarksFile>& file) {
    const auto path = userMarksPath(ctx.appDir);
    if (std::error_code error; !make && !std::filesystem::exists(path, error)) return true;
    auto opened = UserMarksFile::open(path);
    if (const auto* problem = std::get_if<std::string>(&opened)) {
        std::cerr << *problem << '\n';
        return false;
    }
    file.emplace(std::move(std::get<UserMarksFile>(opened)));
    if (!file->keptAside().empty()) std::cerr << file->keptAside() << '\n';
    return true;
}

}  // namespace vantor::cli
