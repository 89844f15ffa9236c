// Reads a text file line by line, without the line ends.
#include "robot/line_reader.h"

LineReader::LineReader(const std::string& path) : m_file(path, std::ios::in | std::ios::binary) {}

bool LineReader::Next(std::string& line) {
  line.clear();
  if (!m_file.is_open() || !std::getline(m_file, line)) {
    line.clear();
    return false;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}
