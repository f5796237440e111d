#include "odds/jrdb_odds.h"

#include "odds/yoz_line.h"

namespace vantor {

SjisString jrdbYozLine(SjisView line, SjisView date) {
    SjisString out;
    out.reserve(kYozLineLength);
    out += "20";
    out += date;
    appendSourceField(out, line, 1, 2);  // racecourse code
    out += '0';
    appendSourceField(out, line, 5, 1);  // meeting number
    out += '0';
    appendSourceField(out, line, 6, 3);  // day of meeting and race number
    out += 'J';
    appendSourceField(out, line, 9, 2);  // runners
    for (int i = 0; i < kYozHorses; ++i) {
        out += ' ';
        appendSourceField(out, line, 11 + 5 * i, 5);
    }
    for (int i = 0; i < kYozHorses; ++i) {
        out += ' ';
        appendSourceField(out, line, 101 + 5 * i, 5);
    }
    for (int k = 0; k < kYozHorsePairs; ++k) {
        out += "   ";
        appendSourceField(out, line, 191 + 5 * k, 5);
    }
    return out;
}

}  // namespace vantor
