// The engine's numbered message texts (1 to 61); 1 is the caption of every error box.
#pragma once

constexpr int kMessageCount = 61;

// The text of message `number`, or "" outside 1..kMessageCount.
const char* MessageText(int number);
