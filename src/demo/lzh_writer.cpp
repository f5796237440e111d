#include "demo/lzh_writer.h"

#include <string_view>
#include <utility>
#include <vector>

#include "codes/calendar.h"

namespace vantor::demo {
namespace {

constexpr std::string_view kStored = "-lh0-";
constexpr char kOsMsDos = 'M';
constexpr char kAttribute = 0x20;  // the archive bit, required from level 1 on
constexpr std::uint16_t kLinkMode = 0120777;
constexpr char kExtHeaderCrc = 0x00, kExtFileName = 0x01, kExtUnixMode = 0x50;

// CRC-16 of LHA: polynomial 0x8005 reflected, starting from 0.
std::uint16_t crc16(std::string_view bytes, std::uint16_t crc = 0) {
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
    }
    return crc;
}

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::uint32_t dosTime(std::int64_t unixTime) {
    const auto day = static_cast<int>(unixTime / 86400);
    const auto second = static_cast<std::uint32_t>(unixTime % 86400);
    const Ymd d = civil(day);
    const auto date = static_cast<std::uint32_t>(((d.y - 1980) << 9) | (d.m << 5) | d.d);
    const std::uint32_t time = (second / 3600) << 11 | (second / 60 % 60) << 5 | (second % 60) / 2;
    return date << 16 | time;
}

std::uint8_t byteSum(std::string_view bytes) {
    std::uint8_t sum = 0;
    for (unsigned char c : bytes) sum = static_cast<std::uint8_t>(sum + c);
    return sum;
}

using Extensions = std::vector<std::pair<char, std::string>>;

// The chain of extended headers from the size of the first one to the
// closing zero size; each is its type, its data and the size of the next.
std::string extensionChain(const Extensions& extensions) {
    std::string chain;
    for (const auto& [type, data] : extensions) {
        put16(chain, static_cast<std::uint32_t>(3 + data.size()));
        chain += type;
        chain += data;
    }
    put16(chain, 0);
    return chain;
}

std::string linkModeData() {
    std::string data;
    put16(data, kLinkMode);
    return data;
}

// Method, sizes and time: bytes 2 to 18 of every level.
void putSizes(std::string& h, std::uint32_t packed, std::uint32_t size, std::uint32_t time) {
    h += kStored;
    put32(h, packed);
    put32(h, size);
    put32(h, time);
}

std::string level0(const LzhMember& m, std::string_view name, std::int64_t unixTime) {
    std::string h(2, '\0');
    const auto size = static_cast<std::uint32_t>(m.data.size());
    putSizes(h, size, size, dosTime(unixTime));
    h += kAttribute;
    h += '\0';
    h += static_cast<char>(name.size());
    h += name;
    put16(h, crc16(m.data));
    if (!m.linkTarget.empty()) {  // the Unix extension of LHa for UNIX: mode, owner and time
        h += 'U';
        h += '\0';
        put32(h, static_cast<std::uint32_t>(unixTime));
        h += linkModeData();
        put32(h, 0);
    }
    h[0] = static_cast<char>(h.size() - 2);
    h[1] = static_cast<char>(byteSum(std::string_view(h).substr(2)));
    return h;
}

std::string level1(const LzhMember& m, std::string_view name, std::int64_t unixTime) {
    Extensions extensions;
    if (!m.linkTarget.empty()) extensions.emplace_back(kExtUnixMode, linkModeData());
    const std::string chain = extensionChain(extensions);
    std::string h(2, '\0');
    const auto size = static_cast<std::uint32_t>(m.data.size());
    // The packed size counts the extended headers after the base header.
    putSizes(h, size + static_cast<std::uint32_t>(chain.size() - 2), size, dosTime(unixTime));
    h += kAttribute;
    h += '\1';
    h += static_cast<char>(name.size());
    h += name;
    put16(h, crc16(m.data));
    h += kOsMsDos;
    h += chain.substr(0, 2);
    h[0] = static_cast<char>(h.size() - 2);
    h[1] = static_cast<char>(byteSum(std::string_view(h).substr(2)));
    return h + chain.substr(2);
}

std::string level2(const LzhMember& m, std::string_view name, std::int64_t unixTime) {
    Extensions extensions{{kExtHeaderCrc, std::string(2, '\0')}, {kExtFileName, std::string(name)}};
    if (!m.linkTarget.empty()) extensions.emplace_back(kExtUnixMode, linkModeData());
    std::string h(2, '\0');
    const auto size = static_cast<std::uint32_t>(m.data.size());
    putSizes(h, size, size, static_cast<std::uint32_t>(unixTime));
    h += kAttribute;
    h += '\2';
    put16(h, crc16(m.data));
    h += kOsMsDos;
    h += extensionChain(extensions);
    // A size whose low byte is 0 would read as the end mark: one byte more.
    if ((h.size() & 0xFF) == 0) h += '\0';
    h[0] = static_cast<char>(h.size() & 0xFF);
    h[1] = static_cast<char>(h.size() >> 8);
    // The header CRC covers the whole header with its own field as 0; it
    // sits in the first extended header, right after its type byte.
    std::string crc;
    put16(crc, crc16(h));
    h.replace(27, 2, crc);
    return h;
}

}  // namespace

std::string lzhArchive(std::span<const LzhMember> members, int level, std::int64_t unixTime) {
    std::string out;
    for (const LzhMember& m : members) {
        const std::string name = m.linkTarget.empty() ? m.name : m.name + "|" + m.linkTarget;
        out += level == 0   ? level0(m, name, unixTime)
               : level == 1 ? level1(m, name, unixTime)
                            : level2(m, name, unixTime);
        out += m.data;
    }
    out += '\0';
    return out;
}

}  // namespace vantor::demo
