// ComScope: COM started on the calling thread (single-threaded apartment) for as long as the
// object lives; a thread where COM already runs just keeps it. For the shell's and the picture
// loader's objects, which need COM on the thread that uses them. Windows builds only.
#pragma once

#include <objbase.h>

class ComScope {
 public:
  ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(m_result)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT m_result;
};
