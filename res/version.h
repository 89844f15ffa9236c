// The program's version, stamped into the version resource (which the about box reads).
#pragma once

#define MORVANTA_VERSION_NUMBERS 1, 0, 0, 0
#define MORVANTA_VERSION_TEXT "1.0.0.0"
