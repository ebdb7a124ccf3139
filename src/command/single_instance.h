// Only one Klaxora! runs per user: the first start holds a named, per-user object that the operating
// system releases when the process ends, however it ends.
#pragma once

#include <string>

namespace klaxora {

class SingleInstance {
public:
    // Looks the object up under `name` (the program uses "Klaxora"). On Linux it is a locked file in
    // `folder`, by default the user's runtime folder.
    explicit SingleInstance(const std::string& name, const std::string& folder = defaultFolder());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another process holds the object. When the object cannot be made at all the answer is
    // false: the program then runs without protection rather than not at all.
    bool alreadyRunning() const { return otherHolds_; }
    // True when this process holds the object.
    bool held() const
    {
#ifdef _WIN32
        return handle_ != nullptr;
#else
        return fd_ >= 0;
#endif
    }

    // The runtime folder when the session has one; otherwise a folder of the user's own.
    static std::string defaultFolder();
    // Without a runtime folder: "klaxora-<uid>" in the shared `temporary` folder, made private to the
    // user; when someone else made it first, or it is a link or open to others, "klaxora" in the user's
    // own `cache` folder instead; empty when neither is safe (the start then goes on without a lock).
    static std::string privateFolder(const std::string& temporary, const std::string& cache);

private:
    bool otherHolds_ = false;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace klaxora
