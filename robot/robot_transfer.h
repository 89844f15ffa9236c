// Copying every robot out to a folder as ".robo" files (a backup, or robots for another
// computer) and copying ".robo" files back in as robot files. The caller owns the questions:
// it answers each overwrite question through a callback, typically with a Yes/No/Cancel box.
// Plain functions; single-threaded use; nothing throws.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum class OverwriteAnswer { kYes, kNo, kCancel };

// Asked with the full question text whenever a copy would replace an existing file.
using OverwriteQuestion = std::function<OverwriteAnswer(const std::string& question)>;

struct TransferResult {
  std::vector<std::string> m_copied;     // robot names copied
  std::vector<std::string> m_failed;     // robot names whose copy failed
  std::vector<std::string> m_notRobots;  // import only: file names skipped because they hold no robot
  bool m_cancelled = false;              // the user answered Cancel; later files were not looked at
};

// Copies every robot file of the script folder to destinationFolder + name + ".robo".
TransferResult ExportRobots(const std::string& scriptFolder, const std::string& destinationFolder,
                            const OverwriteQuestion& ask);

// Copies every ".robo" file of sourceFolder that holds a robot to the script folder as name + ".txt".
TransferResult ImportRobots(const std::string& sourceFolder, const std::string& scriptFolder,
                            const OverwriteQuestion& ask);

// Whether the main window must rebuild its robot list after this import.
bool ImportNeedsReload(const TransferResult& result);

// The overwrite questions, for a robot name without extension.
std::string ExportOverwriteQuestion(const std::string& name);
std::string ImportOverwriteQuestion(const std::string& name);

// One message naming every failed copy and every skipped file; empty when all went well.
std::string TransferProblemsMessage(const TransferResult& result);
