// Writes the global variables as text, one per line, in the order of the global scope:
// $NAME = 7, $NAME = "text", and $NAME = array[3][2] followed by each existing element.
#pragma once

#include <string>

#include "engine/variable_table.h"

std::string DumpGlobals(const VariableTable& variables);
