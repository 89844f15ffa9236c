// RunOnLargeStack over POSIX threads (also provided by the MinGW runtime).
#include "engine/large_stack.h"

#include <pthread.h>

namespace {

void* RunBody(void* argument) {
  (*static_cast<const std::function<void()>*>(argument))();
  return nullptr;
}

}  // namespace

void RunOnLargeStack(const std::function<void()>& body, size_t stackBytes) {
  pthread_attr_t attributes;
  pthread_t thread;
  bool started = pthread_attr_init(&attributes) == 0 && pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
                 pthread_create(&thread, &attributes, RunBody, const_cast<std::function<void()>*>(&body)) == 0;
  pthread_attr_destroy(&attributes);
  if (started) pthread_join(thread, nullptr);
  else body();
}
