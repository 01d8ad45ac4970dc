// A recording editor for the replay test: shows what a recording holds, and plants one change.
//   recording_edit summary FILE               frames, fixed step, start level, key events
//   recording_edit drop-press FILE OUT KEY    removes the first press of KEY; prints its frame
//   recording_edit track FILE                 per frame: level, player state, position, velocity,
//                                             collected, time left (where a route goes, frame by frame)
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/recording.hpp"

using namespace velkor::replay;

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc < 3 || (command == "drop-press" && argc < 5)) {
        std::cerr << "usage: recording_edit summary FILE | drop-press FILE OUT KEY | track FILE\n";
        return 2;
    }
    DecodeResult read = ReadRecordingFile(argv[2]);
    if (!read.ok()) {
        std::cerr << read.error << '\n';
        return 2;
    }
    Recording& r = read.recording;
    if (command == "summary") {
        std::cout << "frames " << r.frames.size() << " fixed " << r.fixedStep << " level " << r.startLevel << '\n';
        for (std::size_t f = 0; f < r.frames.size(); ++f)
            for (const Item& item : r.frames[f].items)
                if (item.kind == ItemKind::Key)
                    std::cout << "frame " << f << " key " << item.i[0] << " action " << item.i[2] << '\n';
        return 0;
    }
    if (command == "track") {
        for (std::size_t f = 0; f < r.frames.size(); ++f) {
            const StateSummary& s = r.frames[f].state;
            std::cout << f << ' ' << s.level << ' ' << s.playerState << ' ' << s.playerPosition.x << ' '
                      << s.playerPosition.y << ' ' << s.playerVelocity.x << ' ' << s.playerVelocity.y << ' '
                      << s.collected << ' ' << s.timeLeft << '\n';
        }
        return 0;
    }
    if (command == "drop-press") {
        const int key = std::atoi(argv[4]);
        for (std::size_t f = 0; f < r.frames.size(); ++f) {
            auto& items = r.frames[f].items;
            for (auto it = items.begin(); it != items.end(); ++it) {
                if (it->kind != ItemKind::Key || it->i[0] != key || it->i[2] != 1) continue;
                items.erase(it);
                const auto bytes = Encode(r);
                std::ofstream(argv[3], std::ios::binary)
                    .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
                std::cout << f << '\n';
                return 0;
            }
        }
        std::cerr << "no press of key " << key << '\n';
        return 1;
    }
    std::cerr << "unknown command " << command << '\n';
    return 2;
}
