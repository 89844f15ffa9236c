// The recorded-window check the engine makes before each line while a robot runs with RecWin on:
// it is to bring back the window an annotated line was recorded in. Window restoring is not built
// yet, so for now every line may run as if RecWin were off. Engine thread only.
#pragma once

#include "runner/script_source.h"

// True lets line `lineNumber` run; false ends the run.
bool RecWinCheck(ScriptSource& source, int lineNumber, bool useSimilarWin);
