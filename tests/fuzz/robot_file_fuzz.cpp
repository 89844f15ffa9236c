// Arbitrary bytes as a robot file: the robot record's reader, the runner's script-section reader,
// and writing back what was read (the writer must cope with whatever a reader let through).
#include <filesystem>

#include "fuzz_support.h"
#include "robot/robot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzz::ScratchFile file(std::string(reinterpret_cast<const char*>(data), size));
  Robot robot;
  robot.Load(file.Path());
  ScriptSource source(std::vector<std::string>{});
  source.LoadRobotScript(file.Path(), source.AddFile(file.Path()));
  source.BuildLineArray();

  const std::string folder = file.Path() + ".d";
  std::filesystem::create_directory(folder);
  if (robot.Save(folder)) {
    Robot reread;
    reread.Load(RobotFilePath(folder, robot.m_name));
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return 0;
}
