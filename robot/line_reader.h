// Reads a text file line by line, without the line ends (CR LF or LF). Owns its open file, which
// closes when the reader goes; single-threaded use.
#pragma once

#include <fstream>
#include <string>

class LineReader {
 public:
  explicit LineReader(const std::string& path);

  bool IsOpen() const { return m_file.is_open(); }

  // The next line into `line`; false at the end of the file (then `line` is empty).
  bool Next(std::string& line);

 private:
  std::ifstream m_file;
};
