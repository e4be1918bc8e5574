#include "ui/player_settings.h"

#include <sys/stat.h>

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>

namespace lexo {
namespace {

constexpr const char* kOrganisation = "lexodrome";
constexpr const char* kApplication = "lexodrome";
constexpr const char* kSpeechSetting = "speech/words";

}  // namespace

bool SettingsFileReadable(const QString& path) {
    struct stat info {};
    if (stat(QFile::encodeName(path).constData(), &info) != 0) return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

PlayerSettings::PlayerSettings() {
    // Where QSettings keeps an application's native settings on this system.
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         "/" + kOrganisation + "/" + kApplication + ".conf";
    kept_ = SettingsFileReadable(path);
    if (!kept_) {
        std::fprintf(stderr, "lexodrome: %s is not a regular file: settings are not kept\n",
                     QFile::encodeName(path).constData());
    }
}

bool PlayerSettings::Speech() const {
    if (!kept_) return speech_;
    return QSettings(kOrganisation, kApplication).value(kSpeechSetting, true).toBool();
}

void PlayerSettings::SetSpeech(bool speech) {
    speech_ = speech;
    if (kept_) QSettings(kOrganisation, kApplication).setValue(kSpeechSetting, speech);
}

}  // namespace lexo
