#pragma once
// Names of the people around the horses: trainers' and jockeys' short
// names, owners with their racing colours, breeders and birthplaces.

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "demo/rng.h"
#include "text/sjis.h"

namespace vantor::demo {

class PeopleNamer {
public:
    explicit PeopleNamer(std::uint64_t seed);

    // "藤沢和" style: a family name, with a given name's first character
    // when the family name alone is taken; at most four characters. Never
    // the same short name twice from one namer.
    SjisString shortName();
    // A few jockeys from abroad go by a katakana name (a family name once
    // the katakana ones are used up).
    SjisString foreignShortName();
    // "(有)サンライズレーシング" or "山田太郎"; unique.
    SjisString ownerName();
    SjisString colours();
    // "ノーザンファーム" style or "山田牧場"; unique.
    SjisString breederName();
    // A town of the breeding region, or a country for foreign-bred horses.
    SjisString birthplace(bool foreign);

private:
    SjisString uniqueOf(SjisString (PeopleNamer::*make)());
    SjisString makeOwner();
    SjisString makeBreeder();
    const SjisString& draw(const std::vector<SjisString>& list) {
        return list[static_cast<std::size_t>(rng_.between(0, static_cast<int>(list.size()) - 1))];
    }

    Rng rng_;
    std::vector<SjisString> families_, initials_, givenNames_, foreign_, clubWords_, clubSuffixes_, companies_,
        ranchCompanies_, colours_, patterns_, towns_, countries_;
    std::unordered_set<SjisString> used_;
};

}  // namespace vantor::demo
