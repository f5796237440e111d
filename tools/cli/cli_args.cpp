#include "cli_args.h"

namespace vantor::cli {

std::optional<std::string> Args::parse(const std::vector<std::string>& words,
                                       const std::set<std::string>& valueOptions) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (!w.starts_with("--")) {
            words_.push_back(w);
        } else if (valueOptions.contains(w)) {
            if (i + 1 >= words.size()) return w + " needs a value";
            values_[w] = words[++i];
        } else {
            switches_.insert(w);
        }
    }
    return std::nullopt;
}

std::optional<std::string> Args::value(const std::string& name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void Args::resolvePaths(const std::set<std::string>& names, const std::filesystem::path& base) {
    for (const std::string& name : names)
        if (const auto it = values_.find(name); it != values_.end() && !it->second.empty())
            it->second = (base / it->second).lexically_normal().string();
}

void Args::resolveProgram(const std::string& name, const std::filesystem::path& base) {
    if (const auto it = values_.find(name); it != values_.end() && it->second.find('/') != std::string::npos)
        resolvePaths({name}, base);
}

std::vector<std::string> Args::unknown(const std::set<std::string>& known) const {
    std::vector<std::string> out;
    for (const auto& [k, v] : values_)
        if (!known.contains(k)) out.push_back(k);
    for (const auto& s : switches_)
        if (!known.contains(s)) out.push_back(s);
    return out;
}

}  // namespace vantor::cli
