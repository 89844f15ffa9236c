// The key-name table: every named virtual-key code, in code order, and the lookups over it.
#include "robot/key_names.h"

#include <iterator>

namespace {

struct KeyName {
  int m_code;
  const char* m_name;
};

// Names are case-sensitive and unique, and so are codes. Number-pad keys are "<0>" to "<9>";
// keys that type one character are named by that character, letters in capitals.
constexpr KeyName kKeyNames[] = {
    {1, "<MouseLeft>"}, {2, "<MouseRight>"}, {3, "<CtrlBreak>"}, {4, "<MouseMiddle>"}, {5, "<XButton1>"},
    {6, "<XButton2>"}, {8, "<BackSpace>"}, {9, "<Tab>"}, {12, "<Clear>"}, {13, "<Enter>"},
    {16, "<Shift>"}, {17, "<Ctrl>"}, {18, "<Alt>"}, {19, "<Pause>"}, {20, "<CapsLock>"}, {21, "<KANA>"},
    {23, "<JUNJA>"}, {25, "<KANJI>"}, {27, "<Esc>"}, {28, "<Convert>"}, {29, "<NonCovert>"},
    {30, "<Accept>"}, {31, "<ModeChange>"}, {32, "<Space>"}, {33, "<Prior>"}, {34, "<Next>"},
    {35, "<End>"}, {36, "<Home>"}, {37, "<Left>"}, {38, "<Up>"}, {39, "<Right>"}, {40, "<Down>"},
    {41, "<Select>"}, {42, "<Print>"}, {43, "<Execute>"}, {44, "<Snapshot>"}, {45, "<Insert>"},
    {46, "<Delete>"}, {47, "<Help>"}, {48, "0"}, {49, "1"}, {50, "2"}, {51, "3"}, {52, "4"}, {53, "5"},
    {54, "6"}, {55, "7"}, {56, "8"}, {57, "9"}, {65, "A"}, {66, "B"}, {67, "C"}, {68, "D"}, {69, "E"},
    {70, "F"}, {71, "G"}, {72, "H"}, {73, "I"}, {74, "J"}, {75, "K"}, {76, "L"}, {77, "M"}, {78, "N"},
    {79, "O"}, {80, "P"}, {81, "Q"}, {82, "R"}, {83, "S"}, {84, "T"}, {85, "U"}, {86, "V"}, {87, "W"},
    {88, "X"}, {89, "Y"}, {90, "Z"}, {91, "<L Win>"}, {92, "<R Win>"}, {93, "<Apps>"}, {95, "<Sleep>"},
    {96, "<0>"}, {97, "<1>"}, {98, "<2>"}, {99, "<3>"}, {100, "<4>"}, {101, "<5>"}, {102, "<6>"},
    {103, "<7>"}, {104, "<8>"}, {105, "<9>"}, {106, "<*>"}, {107, "<+>"}, {108, "<|>"}, {109, "<->"},
    {110, "<.>"}, {111, "</>"}, {112, "<F1>"}, {113, "<F2>"}, {114, "<F3>"}, {115, "<F4>"},
    {116, "<F5>"}, {117, "<F6>"}, {118, "<F7>"}, {119, "<F8>"}, {120, "<F9>"}, {121, "<F10>"},
    {122, "<F11>"}, {123, "<F12>"}, {124, "<F13>"}, {125, "<F14>"}, {126, "<F15>"}, {127, "<F16>"},
    {128, "<F17>"}, {129, "<F18>"}, {130, "<F19>"}, {131, "<F20>"}, {132, "<F21>"}, {133, "<F22>"},
    {134, "<F23>"}, {135, "<F24>"}, {144, "<NumLock>"}, {145, "<Scroll>"}, {146, "<NecEqual>"},
    {147, "<FjMasshou>"}, {148, "<FjTouroku>"}, {149, "<FjLoya>"}, {150, "<FjRoya>"}, {160, "<L Shift>"},
    {161, "<R Shift>"}, {162, "<L Ctrl>"}, {163, "<R Ctrl>"}, {164, "<L Menu>"}, {165, "<R Menu>"},
    {166, "<BrowserBack>"}, {167, "<BrowserForward>"}, {168, "<BrowserRefresh>"}, {169, "<BrowserStop>"},
    {170, "<BrowserSearch>"}, {171, "<BrowserFavorites>"}, {172, "<BrowserHome>"}, {173, "<VolumeMute>"},
    {174, "<VolumeDown>"}, {175, "<VolumeUp>"}, {176, "<MediaNextTrack>"}, {177, "<MediaPrevTrack>"},
    {178, "<MediaStop>"}, {179, "<MediaPlayPause>"}, {180, "<LaunchMail>"}, {181, "<LaunchMediaSelect>"},
    {182, "<LaunchApp1>"}, {183, "<LaunchApp2>"}, {186, ";"}, {187, "="}, {188, ","}, {189, "-"},
    {190, "."}, {191, "/"}, {192, "`"}, {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"}, {223, "<Oem8>"},
    {225, "<AX>"}, {226, "<Oem102>"}, {227, "<IcoHelp>"}, {228, "<Ico00>"}, {229, "<ProcessKey>"},
    {230, "<IcoClear>"}, {231, "<Packet>"}, {233, "<OemReset>"}, {234, "<OemJump>"}, {235, "<OemPa1>"},
    {236, "<OemPa2>"}, {237, "<OemPa3>"}, {238, "<OemWsctrl>"}, {239, "<OemCusel>"}, {240, "<OemAttn>"},
    {241, "<OemFinish>"}, {242, "<OemCopy>"}, {243, "<OemAuto>"}, {244, "<OemEnlw>"},
    {245, "<OemBackTab>"}, {246, "<Attn>"}, {247, "<Crsel>"}, {248, "<Exsel>"}, {249, "<Ereof>"},
    {250, "<Play>"}, {251, "<Zoom>"}, {252, "<NoName>"}, {253, "<Pa1>"}, {254, "<OemClear>"},
};
static_assert(std::size(kKeyNames) == 191, "one entry per named virtual-key code");

constexpr int kUnknownKeyCode = 57;  // the 9 key: what an unknown name has always meant

struct HotkeyPrefix {
  const char* m_text;
  const char* m_keyString;
};

// Tested in this order, longest combinations first, so "Ctrl + Shift + " never reads as "Ctrl + ".
constexpr HotkeyPrefix kHotkeyPrefixes[] = {
    {"Ctrl + Shift + Alt + ", "^+!"}, {"Ctrl + Shift + ", "^+"}, {"Ctrl + Alt + ", "^!"},
    {"Shift + Alt + ", "+!"},         {"Ctrl + ", "^"},          {"Shift + ", "+"},
    {"Alt + ", "!"},
};

}  // namespace

int KeyNameToCode(const std::string& name) {
  for (const KeyName& key : kKeyNames) {
    if (name == key.m_name) return key.m_code;
  }
  return kUnknownKeyCode;
}

std::string KeyCodeToName(int code) {
  for (const KeyName& key : kKeyNames) {
    if (code == key.m_code) return key.m_name;
  }
  return std::string();
}

std::string HotkeyTextToKeyString(const std::string& hotkeyText) {
  for (const HotkeyPrefix& prefix : kHotkeyPrefixes) {
    const std::string text = prefix.m_text;
    if (hotkeyText.compare(0, text.size(), text) == 0) return prefix.m_keyString + hotkeyText.substr(text.size());
  }
  return hotkeyText;
}
