// Whole-file reads and the atomic write every product write goes through.
#include "win/files.h"

#include "host_fs.h"
#include "win/file_faults.h"
#include "win/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <mutex>

namespace {

std::mutex gFaultMutex;
bool gFailNextWrite = false;
bool gFailNextRename = false;
bool gDiskFull = false;
std::size_t gDiskBytesFree = 0;
std::atomic<unsigned> gTempCounter{0};

std::string ParentDir(const std::string& hostPath) {
    const auto pos = hostPath.find_last_of('/');
    if (pos == std::string::npos) return ".";
    if (pos == 0) return "/";
    return hostPath.substr(0, pos);
}

std::string BaseName(const std::string& hostPath) {
    const auto pos = hostPath.find_last_of('/');
    return pos == std::string::npos ? hostPath : hostPath.substr(pos + 1);
}

bool WriteAll(int fd, std::string_view bytes, DWORD& error) {
    std::size_t limit = bytes.size();
    DWORD limitError = ERROR_SUCCESS;
    {
        std::lock_guard<std::mutex> lock(gFaultMutex);
        if (gFailNextWrite) {
            gFailNextWrite = false;
            limit = bytes.size() / 2;
            limitError = ERROR_WRITE_FAULT;
        } else if (gDiskFull && bytes.size() > gDiskBytesFree) {
            limit = gDiskBytesFree;
            limitError = ERROR_DISK_FULL;
        }
    }
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno == ENOSPC || errno == EDQUOT ? ERROR_DISK_FULL : ERROR_WRITE_FAULT;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (limitError != ERROR_SUCCESS) {
        error = limitError;
        return false;
    }
    return true;
}

}  // namespace

namespace win {

void FailNextWrite() {
    std::lock_guard<std::mutex> lock(gFaultMutex);
    gFailNextWrite = true;
}

void FailNextRename() {
    std::lock_guard<std::mutex> lock(gFaultMutex);
    gFailNextRename = true;
}

void SetDiskFull(std::size_t bytesFree) {
    std::lock_guard<std::mutex> lock(gFaultMutex);
    gDiskFull = true;
    gDiskBytesFree = bytesFree;
}

void ClearFileFaults() {
    std::lock_guard<std::mutex> lock(gFaultMutex);
    gFailNextWrite = gFailNextRename = gDiskFull = false;
    gDiskBytesFree = 0;
}

namespace detail {

DWORD ErrorFromErrno(int err, const std::string& hostPath) {
    switch (err) {
    case ENOENT: {
        struct stat st {};
        const std::string parent = ParentDir(hostPath);
        if (::stat(parent.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return ERROR_PATH_NOT_FOUND;
        return ERROR_FILE_NOT_FOUND;
    }
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case EBUSY: return ERROR_ACCESS_DENIED;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOSPC:
    case EDQUOT: return ERROR_DISK_FULL;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case ENAMETOOLONG: return ERROR_INVALID_NAME;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    default: return ERROR_ACCESS_DENIED;
    }
}

bool ReadHost(const std::string& hostPath, std::string& bytes, std::uint64_t maxBytes) {
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        SetLastError(ErrorFromErrno(errno, hostPath));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        // Directories, pipes and devices are not files to read whole.
        ::close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        SetLastError(ERROR_FILE_TOO_LARGE);
        return false;
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            SetLastError(err == EISDIR ? ERROR_ACCESS_DENIED : ERROR_READ_FAULT);
            return false;
        }
        if (n == 0) break;
        if (static_cast<std::uint64_t>(n) > maxBytes - data.size()) {
            // The file grew past the limit after it was measured.
            ::close(fd);
            SetLastError(ERROR_FILE_TOO_LARGE);
            return false;
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    bytes = std::move(data);
    SetLastError(ERROR_SUCCESS);
    return true;
}

bool WriteAtomicHost(const std::string& hostPathIn, std::string_view bytes, int mode) {
    std::string hostPath = hostPathIn;
    if (!hostPath.empty() && hostPath.back() == '/') {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    struct stat st {};
    bool exists = false;
    if (::lstat(hostPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // Replace the file a link points to, not the link itself.
        char resolved[PATH_MAX];
        if (::realpath(hostPath.c_str(), resolved)) hostPath = resolved;
    }
    if (::stat(hostPath.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return false;
        }
        exists = true;
    }
    const std::string dir = ParentDir(hostPath);
    const std::string temp = dir + "/." + BaseName(hostPath) + ".tmp-" + std::to_string(::getpid()) +
                             "-" + std::to_string(gTempCounter.fetch_add(1));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        SetLastError(ErrorFromErrno(errno, temp));
        return false;
    }
    const auto fail = [&](DWORD error) {
        ::close(fd);
        ::unlink(temp.c_str());
        SetLastError(error);
        return false;
    };
    if (mode >= 0) {
        ::fchmod(fd, static_cast<mode_t>(mode));
    } else if (exists) {
        ::fchmod(fd, st.st_mode & 07777);
    }
    DWORD error = ERROR_SUCCESS;
    if (!WriteAll(fd, bytes, error)) return fail(error);
    if (::fsync(fd) != 0 && errno != EINVAL) return fail(errno == ENOSPC ? ERROR_DISK_FULL : ERROR_WRITE_FAULT);
    if (::close(fd) != 0) {
        ::unlink(temp.c_str());
        SetLastError(ERROR_WRITE_FAULT);
        return false;
    }
    bool failRename = false;
    {
        std::lock_guard<std::mutex> lock(gFaultMutex);
        failRename = gFailNextRename;
        gFailNextRename = false;
    }
    if (failRename || ::rename(temp.c_str(), hostPath.c_str()) != 0) {
        const DWORD renameError = failRename ? ERROR_ACCESS_DENIED : ErrorFromErrno(errno, hostPath);
        ::unlink(temp.c_str());
        SetLastError(renameError);
        return false;
    }
    if (const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    SetLastError(ERROR_SUCCESS);
    return true;
}

}  // namespace detail
}  // namespace win

bool ReadFileBytes(std::wstring_view winPath, std::string& bytes, std::uint64_t maxBytes) {
    return win::detail::ReadHost(HostPathFromWindows(winPath), bytes, maxBytes);
}

bool ReadFileBytesA(std::string_view winPath, std::string& bytes, std::uint64_t maxBytes) {
    return win::detail::ReadHost(HostPathFromWindowsA(winPath), bytes, maxBytes);
}

bool WriteFileAtomic(std::wstring_view winPath, std::string_view bytes) {
    return win::detail::WriteAtomicHost(HostPathFromWindows(winPath), bytes);
}

bool WriteFileAtomicA(std::string_view winPath, std::string_view bytes) {
    return win::detail::WriteAtomicHost(HostPathFromWindowsA(winPath), bytes);
}
