#include "tests/support/StackThread.h"

#include <pthread.h>

namespace {
void* Call(void* body) {
    (*static_cast<const std::function<void()>*>(body))();
    return nullptr;
}
} // namespace

bool StackThread::Run(size_t stackBytes, const std::function<void()>& body) {
    pthread_attr_t attributes;
    if (::pthread_attr_init(&attributes) != 0)
        return false;
    pthread_t thread;
    const bool started = ::pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
                         ::pthread_create(&thread, &attributes, Call,
                                          const_cast<std::function<void()>*>(&body)) == 0;
    ::pthread_attr_destroy(&attributes);
    if (started)
        ::pthread_join(thread, nullptr);
    return started;
}
