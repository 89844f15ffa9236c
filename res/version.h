// The program's version, shown in the about box and stamped into the version resource.
#pragma once

#define MORVANTA_VERSION_NUMBERS 1, 0, 0, 0
#define MORVANTA_VERSION_TEXT "1.0.0.0"
