#include "win/change_notify.h"

#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <set>

#include "win/files.h"
#include "win/paths.h"

namespace {

struct Watch {
    int wd = -1;
    bool signalled = false;
};

// One inotify queue for the process: handles are numbered, each on a kernel watch that
// handles on the same folder share.
struct Notifier {
    std::mutex mutex;
    int fd = -2;  // -2: not opened yet, -1: the system refused one
    std::uintptr_t next = 1;
    std::map<HANDLE, Watch> handles;
    std::map<int, std::set<HANDLE>> byWatch;

    bool open() {
        if (fd == -2) fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        return fd >= 0;
    }
    void signal(int wd) {
        const auto it = byWatch.find(wd);
        if (it == byWatch.end()) return;
        for (HANDLE h : it->second) handles[h].signalled = true;
    }
    // Takes every queued event; an overflowing queue signals every handle.
    void drain() {
        alignas(inotify_event) char buffer[16384];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0) return;
            for (ssize_t p = 0; p < n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(buffer + p);
                if (e->mask & IN_Q_OVERFLOW) {
                    for (auto& [h, w] : handles) w.signalled = true;
                } else {
                    signal(e->wd);
                }
                p += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
            }
        }
    }
};

// Never destroyed: handles may be closed from other modules' exit handlers.
Notifier& notifier() {
    static Notifier* n = new Notifier;
    return *n;
}

constexpr std::uint32_t kMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ATTRIB |
                                IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

}  // namespace

HANDLE FindFirstChangeNotificationW(LPCWSTR folder, BOOL watchSubtree, DWORD) {
    if (!folder || !*folder || watchSubtree) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const std::string host = HostPathFromWindows(folder);
    struct stat st {};
    if (::stat(host.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    Notifier& n = notifier();
    std::lock_guard<std::mutex> lock(n.mutex);
    if (!n.open()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    const int wd = inotify_add_watch(n.fd, host.c_str(), kMask);
    if (wd < 0) {
        SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    // Changes queued before this watch was made belong to earlier handles.
    n.drain();
    HANDLE h = reinterpret_cast<HANDLE>(n.next++ << 4);
    n.handles[h] = Watch{wd, false};
    n.byWatch[wd].insert(h);
    return h;
}

BOOL FindNextChangeNotification(HANDLE change) {
    Notifier& n = notifier();
    std::lock_guard<std::mutex> lock(n.mutex);
    const auto it = n.handles.find(change);
    if (it == n.handles.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    n.drain();
    it->second.signalled = false;
    return TRUE;
}

BOOL FindCloseChangeNotification(HANDLE change) {
    Notifier& n = notifier();
    std::lock_guard<std::mutex> lock(n.mutex);
    const auto it = n.handles.find(change);
    if (it == n.handles.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const int wd = it->second.wd;
    n.handles.erase(it);
    auto& sharing = n.byWatch[wd];
    sharing.erase(change);
    if (sharing.empty()) {
        n.byWatch.erase(wd);
        inotify_rm_watch(n.fd, wd);  // fails harmlessly when the folder is gone
    }
    return TRUE;
}

namespace {

// WAIT_OBJECT_0 + index, WAIT_TIMEOUT, or WAIT_FAILED when a handle is unknown; the
// caller holds the notifier's lock and has drained the queue.
DWORD signalledAmong(Notifier& n, DWORD count, const HANDLE* handles, bool waitAll) {
    DWORD first = WAIT_TIMEOUT;
    bool all = true;
    for (DWORD i = 0; i < count; ++i) {
        const auto it = n.handles.find(handles[i]);
        if (it == n.handles.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return WAIT_FAILED;
        }
        if (it->second.signalled) {
            if (first == WAIT_TIMEOUT) first = WAIT_OBJECT_0 + i;
        } else {
            all = false;
        }
    }
    if (waitAll) return all ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
    return first;
}

}  // namespace

DWORD WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD milliseconds) {
    if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || !handles) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return WAIT_FAILED;
    }
    Notifier& n = notifier();
    std::unique_lock<std::mutex> lock(n.mutex);
    n.drain();
    DWORD r = signalledAmong(n, count, handles, waitAll != FALSE);
    if (r != WAIT_TIMEOUT || milliseconds == 0) return r;
    // Waits for queued changes until one answers or the time is up.
    using Clock = std::chrono::steady_clock;
    const bool forever = milliseconds == INFINITE;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        int wait = -1;
        if (!forever) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) return WAIT_TIMEOUT;
            wait = static_cast<int>(std::min<long long>(left, INT32_MAX));
        }
        const int fd = n.fd;
        lock.unlock();
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, wait);
        lock.lock();
        n.drain();
        r = signalledAmong(n, count, handles, waitAll != FALSE);
        if (r != WAIT_TIMEOUT) return r;
    }
}

DWORD WaitForSingleObject(HANDLE change, DWORD milliseconds) {
    Notifier& n = notifier();
    std::unique_lock<std::mutex> lock(n.mutex);
    auto it = n.handles.find(change);
    if (it == n.handles.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    n.drain();
    if (it->second.signalled || milliseconds == 0) return it->second.signalled ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
    const int fd = n.fd;
    lock.unlock();
    pollfd p{fd, POLLIN, 0};
    ::poll(&p, 1, milliseconds == INFINITE ? -1 : static_cast<int>(std::min<DWORD>(milliseconds, INT32_MAX)));
    lock.lock();
    it = n.handles.find(change);
    if (it == n.handles.end()) return WAIT_FAILED;
    n.drain();
    return it->second.signalled ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}
