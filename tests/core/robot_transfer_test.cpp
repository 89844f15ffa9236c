// Export and import of robots: byte-for-byte round trips, the overwrite questions and their
// answers, files that hold no robot, and failed copies named in one message.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "robot/robot_transfer.h"
#include "robot_test_support.h"

namespace {

const std::string kRobotA = CrLf({"[General]", "Name=A", "StartKey=Ctrl + <F5>", "[Script]", "KEYSEND \"x\""});
const std::string kOlderCopy = CrLf({"[General]", "Name=older copy"});
const std::string kRobotDotted = CrLf({"[General]", "Name=Backup.old", "[Script]"});

// Answers each overwrite question by the robot name quoted in it, and records the questions.
class ScriptedAnswers {
 public:
  explicit ScriptedAnswers(std::map<std::string, OverwriteAnswer> answers) : m_answers(std::move(answers)) {}

  OverwriteQuestion Callback() {
    return [this](const std::string& question) {
      m_questions.push_back(question);
      const std::size_t open = question.find('"');
      const std::string name = question.substr(open + 1, question.find('"', open + 1) - open - 1);
      const auto found = m_answers.find(name);
      return found == m_answers.end() ? OverwriteAnswer::kYes : found->second;
    };
  }

  std::vector<std::string> m_questions;

 private:
  std::map<std::string, OverwriteAnswer> m_answers;
};

class RobotTransferTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    std::filesystem::create_directories(PathOf("script"));
    std::filesystem::create_directories(PathOf("out"));
  }
  std::string Script() const { return PathOf("script"); }
  std::string Out() const { return PathOf("out"); }
};

TEST_F(RobotTransferTest, ExportThenImportRoundTripsEveryRobotByteForByte) {
  WriteFile("script/A.txt", kRobotA);
  WriteFile("script/Backup.old.txt", kRobotDotted);
  WriteFile("script/notes.doc", "not a robot");
  std::filesystem::create_directories(PathOf("script/folder.txt"));
  ScriptedAnswers answers({});

  const TransferResult exported = ExportRobots(Script(), Out() + "/", answers.Callback());
  EXPECT_EQ(exported.m_copied.size(), 2u);
  EXPECT_EQ(ReadFile("out/A.robo"), kRobotA);
  EXPECT_EQ(ReadFile("out/Backup.old.robo"), kRobotDotted);
  EXPECT_FALSE(std::filesystem::exists(PathOf("out/folder.robo")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("out/notes.robo")));

  std::filesystem::remove_all(Script());
  std::filesystem::create_directories(Script());
  const TransferResult imported = ImportRobots(Out(), Script(), answers.Callback());
  EXPECT_EQ(ReadFile("script/A.txt"), kRobotA);
  EXPECT_EQ(ReadFile("script/Backup.old.txt"), kRobotDotted);
  EXPECT_TRUE(ImportNeedsReload(imported));
  EXPECT_TRUE(answers.m_questions.empty());
  EXPECT_EQ(TransferProblemsMessage(imported), "");
}

TEST_F(RobotTransferTest, EmptyScriptFolderExportsNothingAndAsksNothing) {
  ScriptedAnswers answers({});
  const TransferResult result = ExportRobots(Script(), Out(), answers.Callback());
  EXPECT_TRUE(result.m_copied.empty());
  EXPECT_TRUE(answers.m_questions.empty());
  EXPECT_FALSE(ImportNeedsReload(ImportRobots(Out(), Script(), answers.Callback())));
}

TEST_F(RobotTransferTest, ExistingCopiesAreReplacedOnlyOnYes) {
  WriteFile("script/Keep.txt", kRobotA);
  WriteFile("script/Replace.txt", kRobotA);
  WriteFile("out/Keep.robo", kOlderCopy);
  WriteFile("out/Replace.robo", kOlderCopy);
  ScriptedAnswers answers({{"Keep", OverwriteAnswer::kNo}, {"Replace", OverwriteAnswer::kYes}});

  ExportRobots(Script(), Out(), answers.Callback());
  EXPECT_EQ(ReadFile("out/Keep.robo"), kOlderCopy);
  EXPECT_EQ(ReadFile("out/Replace.robo"), kRobotA);
  ASSERT_EQ(answers.m_questions.size(), 2u);
  EXPECT_NE(std::find(answers.m_questions.begin(), answers.m_questions.end(),
                      "Morvanta robot \"Keep\" already exists in output folder. Do you wish to overwrite "
                      "existing robot in output folder?"),
            answers.m_questions.end());

  WriteFile("script/Keep.txt", "[General]\r\nName=Keep\r\n");
  answers.m_questions.clear();
  ImportRobots(Out(), Script(), answers.Callback());
  EXPECT_EQ(ReadFile("script/Keep.txt"), "[General]\r\nName=Keep\r\n");
  ASSERT_EQ(answers.m_questions.size(), 2u);
  EXPECT_NE(std::find(answers.m_questions.begin(), answers.m_questions.end(),
                      "Morvanta robot \"Keep\" already exists. Do you wish to overwrite existing robot?"),
            answers.m_questions.end());
}

TEST_F(RobotTransferTest, CancelStopsAtOnceAndAnImportThenNeedsNoReload) {
  for (const char* name : {"One", "Two", "Three"}) {
    WriteFile(std::string("out/") + name + ".robo", kRobotA);
    WriteFile(std::string("script/") + name + ".txt", "mine");
  }
  ScriptedAnswers answers({{"One", OverwriteAnswer::kCancel}, {"Two", OverwriteAnswer::kCancel},
                           {"Three", OverwriteAnswer::kCancel}});
  const TransferResult result = ImportRobots(Out(), Script(), answers.Callback());
  EXPECT_TRUE(result.m_cancelled);
  EXPECT_EQ(answers.m_questions.size(), 1u);
  EXPECT_FALSE(ImportNeedsReload(result));
  for (const char* name : {"One", "Two", "Three"}) EXPECT_EQ(ReadFile(std::string("script/") + name + ".txt"), "mine");
}

TEST_F(RobotTransferTest, ImportNeverTurnsAFileWithoutARobotIntoOne) {
  WriteFile("script/Mine.txt", kRobotA);
  WriteFile("out/Mine.robo", "just some text\r\n[General]\r\n");
  WriteFile("out/Empty.robo", "");
  WriteFile("out/Good.robo", kRobotDotted);
  ScriptedAnswers answers({});

  const TransferResult result = ImportRobots(Out(), Script(), answers.Callback());
  EXPECT_EQ(ReadFile("script/Mine.txt"), kRobotA);
  EXPECT_FALSE(std::filesystem::exists(PathOf("script/Empty.txt")));
  EXPECT_EQ(ReadFile("script/Good.txt"), kRobotDotted);
  EXPECT_TRUE(answers.m_questions.empty());
  const std::string message = TransferProblemsMessage(result);
  EXPECT_NE(message.find("Mine.robo"), std::string::npos) << message;
  EXPECT_NE(message.find("Empty.robo"), std::string::npos) << message;
  EXPECT_EQ(message.find("Good"), std::string::npos) << message;
}

TEST_F(RobotTransferTest, FailedCopiesAreNamedInOneMessage) {
  WriteFile("script/Blocked.txt", kRobotA);
  WriteFile("script/Fine.txt", kRobotA);
  std::filesystem::create_directories(PathOf("out/Blocked.robo"));  // nothing can be copied over a folder
  ScriptedAnswers answers({});

  const TransferResult result = ExportRobots(Script(), Out(), answers.Callback());
  EXPECT_EQ(result.m_failed, std::vector<std::string>{"Blocked"});
  EXPECT_EQ(result.m_copied, std::vector<std::string>{"Fine"});
  EXPECT_EQ(TransferProblemsMessage(result), "These robots could not be copied:\n    Blocked\n");

  const TransferResult missing = ExportRobots(Script(), PathOf("no such folder"), answers.Callback());
  EXPECT_EQ(missing.m_failed.size(), 2u);
}

}  // namespace
