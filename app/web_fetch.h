// Reads a small document from an http or https address with WinINet, fresh from the server (never
// from the cache), with connect, send and receive time-outs so a silent server cannot hold it for
// long. Blocks: call it on a worker thread. Safe on any thread; it owns every handle it opens.
#pragma once

#include <cstddef>
#include <string>

struct WebFetchResult {
  enum class Status { kOk, kUnreachable, kHttpError, kTooLarge };
  Status m_status = Status::kUnreachable;
  // The server's status code for kHttpError.
  unsigned long m_httpStatus = 0;
  // The document for kOk.
  std::string m_body;
};

// Documents longer than `maxBytes` are not read beyond that and give kTooLarge.
WebFetchResult FetchWebDocument(const std::string& address, std::size_t maxBytes);
