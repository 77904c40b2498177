// Saves the two settings of SettingsSaver.h in turn into FOLDER/Settings.ini
// until it is killed.
#include "state/SettingsFile.h"
#include "tests/state/SettingsSaver.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string path = std::string(argv[1]) + "/Settings.ini";
  for (unsigned n = 1;; ++n) {  // the test starts from settings 0
    const int which = static_cast<int>(n % 2);
    lumivra::WriteSettingsFile(path, lumivra::testing::SaverValues(which), lumivra::testing::SaverStamp(which));
  }
}
