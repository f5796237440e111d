#include "raceday/live_combos.h"

#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"

namespace vantor {
namespace {

using namespace jvdata;

struct ComboFields {
    Field kumi, odds, oddsHigh, ninki;
    std::size_t length;
};

const ComboFields& fieldsOf(ComboKind kind) {
    static const ComboFields fields[] = {
        {o3::Kumi, o3::OddsLow, o3::OddsHigh, o3::Ninki, kO3Length},
        {o4::Kumi, o4::Odds, {}, o4::Ninki, kO4Length},
        {o5::Kumi, o5::Odds, {}, o5::Ninki, kO5Length},
        {o6::Kumi, o6::Odds, {}, o6::Ninki, kO6Length},
    };
    return fields[static_cast<std::size_t>(kind)];
}

}  // namespace

int comboEntryCount(ComboKind kind) { return fieldsOf(kind).kumi.count; }

int comboHorses(ComboKind kind) { return kind == ComboKind::trio || kind == ComboKind::trifecta ? 3 : 2; }

ComboOdds comboEntry(const ComboSnapshot& combo, ComboKind kind, int i) {
    const ComboFields& f = fieldsOf(kind);
    ComboOdds entry;
    const SjisView record = combo.record;
    // Only a record of the kind's length: the live state keeps no other.
    if (record.size() + 2 != f.length || i < 1 || i > f.kumi.count) return entry;
    const SjisView kumi = get(record, f.kumi, i);
    bool named = true;
    for (int h = 0; h < comboHorses(kind); ++h)
        named = named && liveHorseNumber(kumi.substr(static_cast<std::size_t>(h) * 2, 2)) > 0;
    if (named)
        for (int h = 0; h < comboHorses(kind); ++h)
            entry.horses[static_cast<std::size_t>(h)] =
                static_cast<std::uint8_t>(liveHorseNumber(kumi.substr(static_cast<std::size_t>(h) * 2, 2)));
    entry.odds = readOddsField(get(record, f.odds, i));
    if (f.oddsHigh.len > 0) entry.oddsHigh = readOddsField(get(record, f.oddsHigh, i));
    entry.ninki = readOddsField(get(record, f.ninki, i));
    return entry;
}

}  // namespace vantor
