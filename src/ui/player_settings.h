#pragma once

#include <QString>

namespace lexo {

// The player's choices that outlive a game (whether words are spoken), kept by QSettings in
// $XDG_CONFIG_HOME/lexodrome/lexodrome.conf. When something other than a file is in that place
// (a FIFO Qt would wait on forever, a device), they last for this window only, and standard
// error says so once.
class PlayerSettings {
  public:
    PlayerSettings();

    bool Speech() const;
    void SetSpeech(bool speech);

  private:
    bool kept_ = true;
    bool speech_ = true;  // when not kept
};

// Whether QSettings may read the file: it is a regular file, or there is none yet.
bool SettingsFileReadable(const QString& path);

}  // namespace lexo
