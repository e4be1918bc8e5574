#include "app_icon.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "png_writer.h"
#include "wizard_art.h"

namespace lexo {

namespace {

// The icon is laid out in units of the wizard's 78 x 84 frame: a square of 88 units with the
// badge filling it and the wizard standing on the badge's lower part.
constexpr float kUnits = 88.0f;
constexpr Vec2 kWizardOffset{5.0f, 1.0f};
constexpr int kSizes[] = {48, 128, 256};
constexpr int kScalableSize = 512;

std::string Base64(const std::vector<uint8_t>& bytes) {
    static const char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        const uint32_t group = (uint32_t{bytes[i]} << 16) |
                               (left > 1 ? uint32_t{bytes[i + 1]} << 8 : 0) |
                               (left > 2 ? uint32_t{bytes[i + 2]} : 0);
        text += kDigits[(group >> 18) & 63];
        text += kDigits[(group >> 12) & 63];
        text += left > 1 ? kDigits[(group >> 6) & 63] : '=';
        text += left > 2 ? kDigits[group & 63] : '=';
    }
    return text;
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace

RgbaImage MakeAppIcon(int size) {
    SpriteCanvas canvas(size, size);
    const Transform toIcon = Transform::Scaling(static_cast<float>(size) / kUnits);
    canvas.SetTransform(toIcon);
    canvas.Fill(Circle({kUnits / 2, kUnits / 2}, kUnits / 2 - 1.0f),
                Paint{{120, 178, 92}, {52, 96, 44}, 2.0f, 30.0f});
    canvas.Fill(Ellipse({kUnits / 2, 82.0f}, 26.0f, 5.0f), Flat({88, 138, 70}));

    canvas.SetTransform(toIcon.After(Transform::Translation(kWizardOffset)));
    WizardPose pose;
    pose.reach = 1.0f;
    pose.glow = StaffGlow::Sparkle;
    DrawWizard(canvas, pose);
    return canvas.ResolveSmooth();
}

std::string MakeScalableAppIcon() {
    const std::string size = std::to_string(kScalableSize);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           "width=\"" +
           size + "\" height=\"" + size + "\" viewBox=\"0 0 " + size + " " + size +
           "\">\n"
           "  <title>Lexodrome</title>\n"
           "  <image width=\"" +
           size + "\" height=\"" + size + "\" xlink:href=\"data:image/png;base64," +
           Base64(EncodePng(MakeAppIcon(kScalableSize))) +
           "\"/>\n"
           "</svg>\n";
}

std::vector<std::string> WriteAppIcons(const std::string& iconsDir, const std::string& id) {
    namespace fs = std::filesystem;
    std::vector<std::string> written;
    for (int size : kSizes) {
        const std::string folder =
            "hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        fs::create_directories(iconsDir + "/" + folder);
        written.push_back(folder + "/" + id + ".png");
        WritePng(iconsDir + "/" + written.back(), MakeAppIcon(size));
    }
    fs::create_directories(iconsDir + "/hicolor/scalable/apps");
    written.push_back("hicolor/scalable/apps/" + id + ".svg");
    WriteText(iconsDir + "/" + written.back(), MakeScalableAppIcon());
    return written;
}

}  // namespace lexo
