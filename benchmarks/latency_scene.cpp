#include "latency_scene.h"

#include <fstream>

#include "bmp_image.h"

namespace lexo::bench {
namespace {

// Two frames of a square in each sheet.
constexpr int kFrames = 2;

bool WriteSheet(const std::string& path, uint32_t colour) {
    return test::WriteBmp(path, test::RgbImage(kMarkerSide * kFrames, kMarkerSide, colour));
}

}  // namespace

bool WriteLatencyMonsters(const std::string& gameFolder) {
    const std::string data = gameFolder + "/data/";
    if (!WriteSheet(data + "marker_walk.bmp", kWalkingColour) ||
        !WriteSheet(data + "marker_die.bmp", kCorpseColour)) {
        return false;
    }
    const std::string side = std::to_string(kMarkerSide);
    const std::string sheet = "\n" + side + "\n" + side + "\n2\n1\n2\n";
    std::ofstream mon(data + "marker.mon", std::ios::binary);
    mon << "marker_walk.bmp" << sheet << "marker_die.bmp" << sheet;
    mon.close();
    std::ofstream kinds(gameFolder + "/monsters.txt", std::ios::binary);
    kinds << "marker\nmarker\n";
    kinds.close();
    return mon.good() && kinds.good();
}

}  // namespace lexo::bench
