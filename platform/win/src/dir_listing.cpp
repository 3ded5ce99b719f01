// Directory listings kept for case-insensitive name matching (see host_fs.h).
#include "host_fs.h"

#include <dirent.h>
#include <sys/stat.h>

#include <chrono>
#include <map>
#include <mutex>

namespace win::detail {

namespace {

// Keyed by the path as given; the device and inode tell a relative path in another
// current directory apart.
struct Listing {
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    std::shared_ptr<const std::vector<std::string>> names;
};

constexpr std::size_t kMaxListings = 256;
constexpr std::int64_t kSettledNanoseconds = 2'000'000'000;

std::mutex gListingMutex;
std::map<std::string, Listing>& listings() {
    static std::map<std::string, Listing> m;
    return m;
}

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

bool sameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

std::shared_ptr<const std::vector<std::string>> listNow(const std::string& dir) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return nullptr;
    auto names = std::make_shared<std::vector<std::string>>();
    while (dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names->push_back(name);
    }
    ::closedir(d);
    return names;
}

}  // namespace

std::shared_ptr<const std::vector<std::string>> DirectoryNames(const std::string& hostDir) {
    const std::string dir = hostDir.empty() ? "." : hostDir;
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0) return nullptr;
    {
        std::lock_guard<std::mutex> lock(gListingMutex);
        const auto it = listings().find(dir);
        if (it != listings().end() && it->second.device == st.st_dev && it->second.inode == st.st_ino &&
            sameTime(it->second.modified, st.st_mtim))
            return it->second.names;
    }
    auto names = listNow(dir);
    if (!names) return nullptr;
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    std::lock_guard<std::mutex> lock(gListingMutex);
    auto& all = listings();
    if (now - nanoseconds(st.st_mtim) >= kSettledNanoseconds) {
        if (all.size() >= kMaxListings) all.clear();
        all[dir] = Listing{st.st_dev, st.st_ino, st.st_mtim, names};
    } else {
        all.erase(dir);
    }
    return names;
}

}  // namespace win::detail
