// What one real-time open delivers, for the Wine tests to compare:
//   realtime_delivery DATASPEC KEY --feed DIR
//   realtime_delivery DATASPEC KEY --wine WINE PREFIX BRIDGE
// reads it through the feed folder's JV-Link or through the bridge in
// stream mode, and writes the open's code, each record as "<length>\n" and
// its bytes, and the close's code. File changes are left out: the bridge's
// folder mode files a fetch in one file.

#include <iostream>
#include <memory>
#include <string>

#include "jvlink/bridge_jvlink.h"
#include "jvlink/feed_jvlink.h"

using namespace vantor;

int main(int argc, char** argv) {
    const std::string mode = argc > 3 ? argv[3] : "";
    std::unique_ptr<JVLink> link;
    if (mode == "--feed" && argc == 5)
        link = std::make_unique<FeedJVLink>(FeedSettings{argv[4], 0, "0490"});
    else if (mode == "--wine" && argc == 7)
        link = std::make_unique<BridgeJVLink>(WineSettings{argv[4], argv[5], argv[6]});
    if (!link) {
        std::cerr << "usage: realtime_delivery DATASPEC KEY --feed DIR | --wine WINE PREFIX BRIDGE\n";
        return 2;
    }
    if (const int init = link->JVInit("SA000000/SD000000/Vantor/Version 1.40"); init != jv::kOk) {
        std::cerr << "JVInit " << init << ": " << link->sourceProblem() << '\n';
        return 1;
    }
    const int opened = link->JVRTOpen(argv[1], argv[2]);
    std::cout << "open " << opened << '\n';
    std::string buff, name;
    int size = 100000;
    for (int r = opened == jv::kOk ? link->JVRead(buff, size, name) : jv::kEndOfAll; r != jv::kEndOfAll;
         r = link->JVRead(buff, size, name)) {
        if (r == jv::kFileSwitched || r == jv::kNoRecordNow) continue;
        if (r < 0) {
            std::cout << "read " << r << '\n';
            break;
        }
        std::cout << buff.size() << '\n' << buff;
    }
    std::cout << "close " << link->JVClose() << '\n';
    if (!link->sourceProblem().empty()) std::cerr << link->sourceProblem() << '\n';
    return 0;
}
