#pragma once

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "jukebox/model/FileSystem.h"

namespace brambletune::testing {

// Files held in memory. A file's contents become visible when the stream that
// writes it is destroyed. Failures can be injected per path.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> unreadable;     // exist, but cannot be opened
    std::set<std::string> failingReads;   // open, but every read fails
    std::set<std::string> unwritable;     // OpenWrite fails
    std::set<std::string> failingWrites;  // open, but the stream goes bad
    std::set<std::string> partialWrites;  // OpenUpdate: a write stops halfway, its start kept
    bool failReplace = false;

    bool FileExists(const std::string& path) const override {
        return files.count(path) > 0 && folders.count(path) == 0;
    }
    std::unique_ptr<std::istream> OpenRead(const std::string& path) const override {
        if (folders.count(path) || unreadable.count(path)) return nullptr;
        const auto f = files.find(path);
        if (f == files.end()) return nullptr;
        if (failingReads.count(path)) return std::make_unique<FailingStream>(f->second.size());
        return std::make_unique<std::istringstream>(f->second, std::ios::in | std::ios::binary);
    }
    std::unique_ptr<std::ostream> OpenWrite(const std::string& path) override {
        if (unwritable.count(path) || folders.count(path)) return nullptr;
        auto out = std::make_unique<WritingStream>(files[path], failingWrites.count(path) > 0);
        return out;
    }
    bool Replace(const std::string& from, const std::string& to) override {
        if (failReplace) return false;
        const auto f = files.find(from);
        if (f == files.end()) return false;
        files[to] = f->second;
        files.erase(from);
        return true;
    }
    void Remove(const std::string& path) override { files.erase(path); }
    std::unique_ptr<std::iostream> OpenUpdate(const std::string& path) override {
        if (unwritable.count(path) || folders.count(path)) return nullptr;
        if (partialWrites.count(path)) return std::make_unique<HalfWritingStream>(files[path]);
        return std::make_unique<UpdatingStream>(files[path], failingWrites.count(path) > 0);
    }
    bool SetFileLength(const std::string& path, std::uint64_t length) override {
        if (unwritable.count(path) || folders.count(path)) return false;
        files[path].resize(static_cast<std::size_t>(length), '\0');
        return true;
    }

private:
    // Seeks succeed and report the given size; reads fail.
    class FailingBuf : public std::streambuf {
    public:
        explicit FailingBuf(std::size_t size) : size_(static_cast<off_type>(size)) {}

    protected:
        pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode) override {
            return dir == std::ios::end ? pos_type(size_ + off) : pos_type(off);
        }
        pos_type seekpos(pos_type pos, std::ios::openmode) override { return pos; }
        int_type underflow() override { return traits_type::eof(); }

    private:
        off_type size_;
    };
    class FailingStream : public std::istream {
    public:
        explicit FailingStream(std::size_t size) : std::istream(nullptr), buf_(size) {
            rdbuf(&buf_);
        }

    private:
        FailingBuf buf_;
    };
    // Reads and writes a copy of the file, which replaces it when the stream is
    // destroyed. A failing stream reads but cannot position for or make a write.
    class UpdatingStream : public std::stringstream {
    public:
        UpdatingStream(std::string& target, bool fail)
            : std::stringstream(target, fail ? std::ios::in | std::ios::binary
                                             : std::ios::in | std::ios::out | std::ios::binary),
              target_(target),
              fail_(fail) {}
        ~UpdatingStream() override {
            if (!fail_) target_ = str();
        }

    private:
        std::string& target_;
        bool fail_;
    };
    // Takes the first half of each write, then reports it short; what it took
    // reaches the file when the stream is destroyed, as a full disk leaves it.
    class HalfBuf : public std::stringbuf {
    public:
        explicit HalfBuf(const std::string& text)
            : std::stringbuf(text, std::ios::in | std::ios::out | std::ios::binary) {}

    protected:
        std::streamsize xsputn(const char* s, std::streamsize n) override {
            return std::stringbuf::xsputn(s, n / 2);
        }
    };
    class HalfWritingStream : public std::iostream {
    public:
        explicit HalfWritingStream(std::string& target)
            : std::iostream(nullptr), buf_(target), target_(target) {
            rdbuf(&buf_);
        }
        ~HalfWritingStream() override { target_ = buf_.str(); }

    private:
        HalfBuf buf_;
        std::string& target_;
    };
    class WritingStream : public std::ostringstream {
    public:
        WritingStream(std::string& target, bool fail)
            : std::ostringstream(std::ios::out | std::ios::binary), target_(target), fail_(fail) {
            target_.clear();
            if (fail_) setstate(std::ios::badbit);
        }
        ~WritingStream() override { target_ = fail_ ? std::string("partial") : str(); }

    private:
        std::string& target_;
        bool fail_;
    };
};

}  // namespace brambletune::testing
