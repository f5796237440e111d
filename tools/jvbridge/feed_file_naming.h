#pragma once
// Names of the files the bridge puts into a feed folder. A delivered file
// becomes "<stamp>_<nnnnnn>_<name>.jvd": every file of one run carries the
// run's time stamp and its place in the delivery, so that name order is
// delivery order. A results fetch becomes "<stamp>_0B12.jvd".

#include <string>
#include <string_view>

namespace vantor::jvbridge {

// The highest sequence number six digits can hold.
inline constexpr int kMaxSequence = 999999;

// A file that is still being written ends in this; feed readers skip it.
inline constexpr std::string_view kTempSuffix = ".partial";

// The name JV-Link reported, made safe to stand inside a file name: letters,
// digits, '-', '_' and '.' stay, anything else (folder separators, drive
// colons, non-ASCII) becomes '_', leading dots and a ".jvd" ending go, and
// the result is at most 100 characters. An empty result becomes "file".
std::string safeNamePart(std::string_view reported);

// "<stamp>_<sequence in six digits>_<safe name>.jvd"; sequence 1 to kMaxSequence.
std::string runFileName(std::string_view stamp, int sequence, std::string_view reportedName);

// "<stamp>_0B12.jvd"
std::string resultsFileName(std::string_view stamp);

// The stamp of a results file name, or empty when name is not one.
std::string_view resultsFileStamp(std::string_view name);

}  // namespace vantor::jvbridge
