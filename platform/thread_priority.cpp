#include "platform/thread_priority.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>

void LowerThreadPriority() {
    static const int normalNice = [] {
        errno = 0;
        const int nice = getpriority(PRIO_PROCESS, 0);
        return errno == 0 ? nice : 0;
    }();
    // On Linux a thread identifier addresses that thread alone.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), normalNice + 1);
}
