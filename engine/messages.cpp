// The message texts, by number.
#include "engine/messages.h"

namespace {

constexpr const char* kMessages[kMessageCount] = {
    "Internal Error",
    "Unable to allocate memory required for base objects.",
    "Unable to open the script file.",
    "Badly formatted \"Func\" statement.",
    "(Paused) ",
    "Unable to parse line.",
    "Missing right bracket ')' in expression.",
    "Missing operator in expression.",
    "Unbalanced brackets in expression.",
    "Error in expression.",
    "Error parsing function call.",
    "Incorrect number of parameters in function call.",
    "Unable to access the CPU performance counter.",
    "Illegal text at the end of statement (one statement per line).",
    "\"If\" statement has no matching \"EndIf\" statement.",
    "\"Else\" statement with no matching \"If\" statement.",
    "\"EndIf\" statement with no matching \"If\" statement.",
    "Too many \"Else\" statements for matching \"If\" statement.",
    "\"While\" statement has no matching \"Wend\" statement.",
    "\"Wend\" statement with no matching \"While\" statement.",
    "Variable used without being declared.",
    "Array variable has incorrect number of subscripts or subscript dimension range exceeded.",
    "Array variable subscript badly formatted.",
    "Subscript used with non-Array variable.",
    "Too many subscripts used for an array - 64 is the maximum.",
    "Missing subscript dimensions in \"Dim\" statement.",
    "No variable given for \"Dim\", \"Local\" or \"Global\" statement.",
    "Expected a \"=\" operator in assignment statement.",
    "Invalid keyword at the start of this line.",
    "Unable to allocate array - maximum total size is 16777216 elements.",
    "\"Func\" statement has no matching \"EndFunc\".",
    "Duplicate function name.",
    "Unknown function name.",
    "Unknown macro.",
    "Unable to execute the external program.",
    "Unable to get a list of running processes.  If running Windows NT4 then PSAPI.DLL is required - "
    "please see the documentation.",
    "Unable to read/write the requested registry key.",
    "Unknown option or bad parameter specified.",
    "Unable to load the internet libraries (requires Internet Explorer 3.0 or later).",
    "You must DIM an array before you can assign to it.",
    "Unable to open file, the maximum number of open files has been exceeded.",
    "File handle invalid.  Make sure that the FileOpen command succeeded.",
    "Invalid file filter given.",
    "Expected a variable in user function call.",
    "\"Do\" statement has no matching \"Until\" statement.",
    "\"Until\" statement with no matching \"Do\" statement.",
    "The requested picture file could not be loaded.",
    "\"Next\" statement with no matching \"For\" statement.",
    "\"ExitLoop/ContinueLoop\" statements only valid from inside a For/Do/While loop.",
    "\"For\" statement has no matching \"Next\" statement.",
    "\"Case\" statement with no matching \"Select\" statement.",
    "\"EndSelect\" statement with no matching \"Select\" statement.",
    "Recursion level has been exceeded - Tarvel will quit to prevent stack overflow.",
    "Unable to access RunAs API.",
    "String missing closing quote.",
    "Badly formated variable or macro.",
    "\"For\" statement is badly formatted.\n\nShould be:\n\nFor $varname = nn To nn [Step nn]",
    "\"Select\" statement is missing \"EndSelect\" or \"Case\" statement.",
    "\"If\" statements must have a \"Then\" keyword.",
    "Nested \"If\" statements are not allowed on a single line.",
    "This keyword cannot be used after a \"Then\" keyword.",
};
static_assert(kMessages[kMessageCount - 1] != nullptr, "one text per message number");

}  // namespace

const char* MessageText(int number) {
  return number >= 1 && number <= kMessageCount ? kMessages[number - 1] : "";
}
