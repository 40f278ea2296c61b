#pragma once

#include <unistd.h>

#include <cerrno>

#include "profile/atomic_write.h"

namespace tavro::testing {

// Lets the n-th write, sync or rename fail, as a full disk or a crash at that moment
// would: a write first puts down half of its bytes and then the disk is full for good.
// With a negative n nothing fails, which counts the calls of a complete save.
class FailingWriteCalls : public WriteCalls {
public:
    explicit FailingWriteCalls(int failAt = -1) : failAt_(failAt) {}

    int calls() const { return calls_; }

    ssize_t Write(int fd, const void* data, size_t size) override {
        if (diskFull_ || Due()) {
            const bool first = !diskFull_;
            diskFull_ = true;
            if (first && size / 2 > 0) {
                return WriteCalls::Write(fd, data, size / 2);
            }
            errno = ENOSPC;
            return -1;
        }
        return WriteCalls::Write(fd, data, size);
    }
    int Sync(int fd) override {
        if (Due()) {
            errno = EIO;
            return -1;
        }
        return WriteCalls::Sync(fd);
    }
    int SyncFileSystem(int fd) override {
        if (Due()) {
            errno = EIO;
            return -1;
        }
        return WriteCalls::SyncFileSystem(fd);
    }
    int Rename(int folderFd, const char* from, const char* to) override {
        if (Due()) {
            errno = EIO;
            return -1;
        }
        return WriteCalls::Rename(folderFd, from, to);
    }

private:
    bool Due() { return calls_++ == failAt_; }

    int failAt_;
    int calls_ = 0;
    bool diskFull_ = false;
};

}  // namespace tavro::testing
