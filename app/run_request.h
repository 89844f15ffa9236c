// The command line's run switch, and the index by which a second instance names a robot to the
// running one: the robot's position in the listing of the script folder.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The robot name of a run request: the command line lower-cased, when it begins with "-a ".
// Everything after the switch is the name, blanks included; one pair of double quotes around it
// is dropped, since a name is a file name and can hold none.
std::optional<std::string> RunRequestName(const std::string& commandLine);

// The position of the first robot file whose robot has `name` (any case) in the listing of the
// folder; one past the last file when none has.
std::size_t RobotIndexOfName(const std::string& scriptFolder, const std::string& name);

// The name of the robot at `index` in the listing; nullopt past the end.
std::optional<std::string> RobotNameAtIndex(const std::string& scriptFolder, std::size_t index);
