#pragma once
// LZH archives of stored members (method "-lh0-", no compression), with
// header level 0, 1 or 2, as the odds services' archives are read: the demo
// packs its odds files with it. Checksums and CRC-16 are those LHA uses, so
// that any LHA tool reads the result.
//
// A member may also be a symbolic link (the Unix mode in the header, the
// name as "name|target"), which the extraction must refuse: tests build
// such archives with it.

#include <cstdint>
#include <span>
#include <string>

namespace vantor::demo {

struct LzhMember {
    std::string name;        // stored as given; "/" or "\" separate folders
    std::string data;        // the file's bytes
    std::string linkTarget;  // not empty: a symbolic link to this, without data
};

// The whole archive, end mark included. Every member carries the time
// stamp unixTime (seconds since 1970, UTC). Names must leave the header
// within 255 bytes at levels 0 and 1.
std::string lzhArchive(std::span<const LzhMember> members, int level, std::int64_t unixTime);

}  // namespace vantor::demo
