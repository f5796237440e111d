#pragma once
// Whose record: a horse, jockey, trainer, owner or sire, found by its code
// or its name as the runners (the horse masters for a sire) carry it.

#include <string>
#include <vector>

#include "stats/stats_db.h"
#include "text/sjis.h"

namespace vantor::stats {

enum class SubjectKind { horse, jockey, trainer, owner, sire };

struct Subject {
    SubjectKind kind;
    std::string code;  // kettonum, kisyucode, chokyosicode, banusicode or the sire's hansyokunum
    SjisString name;   // the newest name the code ran under
    bool operator==(const Subject&) const = default;
};

// The subjects a text names: the one of a code (all digits, as long as the
// kind's codes); else those of exactly that name; else those whose names
// hold the text. Several when a name is shared; none when nothing matches.
std::vector<Subject> findSubjects(StatsDb& db, SubjectKind kind, SjisView codeOrName);

}  // namespace vantor::stats
