#include "engine/internal/run/ScanThread.h"

#include <system_error>

namespace {
void* Call(void* body) {
    (*static_cast<const std::function<void()>*>(body))();
    return nullptr;
}
} // namespace

ScanThread::ScanThread(const std::function<void()>& body) {
    pthread_attr_t attributes;
    int error = ::pthread_attr_init(&attributes);
    if (error == 0) {
        error = ::pthread_attr_setstacksize(&attributes, kStackBytes);
        if (error == 0)
            error = ::pthread_create(&m_thread, &attributes, Call,
                                     const_cast<std::function<void()>*>(&body));
        ::pthread_attr_destroy(&attributes);
    }
    if (error != 0)
        throw std::system_error(error, std::generic_category(), "pthread_create");
}

ScanThread::~ScanThread() {
    ::pthread_join(m_thread, nullptr);
}
