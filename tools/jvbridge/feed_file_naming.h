#pragma once
// Names of the files the bridge puts into a feed folder. A delivered file
// becomes "<stamp>_<nnnnnn>_<name>.jvd": every file of one run carries the
// run's time stamp and its place in the delivery, so that name order is
// delivery order. A real-time fetch becomes one file named after its data
// dataspec and key, "<stamp>_<dataspec>_<key>.jvd"; the results command's fetch of
// a day's "0B12" keeps its shorter "<stamp>_0B12.jvd".

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

// The file a real-time answer of dataspec and key goes into.
struct RealtimeAnswerName {
    std::string dataspec;
    std::string key;
    bool resultsForm = false;  // "<stamp>_<dataspec>.jvd", the key being the folder's day

    std::string at(std::string_view stamp) const;
    // The stamp of a file name of this answer, or empty when name is none.
    std::string_view stampOf(std::string_view name) const;
};

}  // namespace vantor::jvbridge
