#include "platform/console.hpp"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <iostream>
#include <streambuf>

namespace velkor::platform {

namespace {

// Writes straight to a console handle. The C runtime gave the GUI program's stdout and stderr no
// file at start, and reopening those streams on "CONOUT$" depends on the runtime (Wine's msvcrt
// refuses a stream without a file and still reports success), so the C++ streams get this buffer
// instead. Line-sized writes through WriteFile: the console shows them in its own code page.
class ConsoleBuffer final : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) { setp(buffer_, buffer_ + sizeof buffer_); }

protected:
    int_type overflow(int_type c) override {
        if (Flush() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    int sync() override { return Flush(); }

private:
    int Flush() {
        const char* data = pbase();
        DWORD left = static_cast<DWORD>(pptr() - pbase());
        while (left > 0) {
            DWORD written = 0;
            if (!WriteFile(console_, data, left, &written, nullptr) || written == 0) break;
            data += written;
            left -= written;
        }
        setp(buffer_, buffer_ + sizeof buffer_);
        return left == 0 ? 0 : -1;
    }

    HANDLE console_;
    char buffer_[512];
};

bool Missing(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

}  // namespace

std::string UseParentConsole() {
    const bool out = Missing(STD_OUTPUT_HANDLE);
    const bool err = Missing(STD_ERROR_HANDLE);
    if (!(out || err)) return {};
    // Windows attaches a GUI program to no console; Wine already connects it to its parent's, and
    // then AttachConsole answers "access denied" (already attached): that console is ours too.
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return "Console: no standard output and no console to attach to\n";
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) return "Console: attached, but its screen cannot be opened\n";
    // Never freed: the standard streams flush into it while the process ends.
    static ConsoleBuffer* const buffer = new ConsoleBuffer(console);
    if (out) {
        SetStdHandle(STD_OUTPUT_HANDLE, console);
        std::cout.rdbuf(buffer);
        // The shell does not wait for a GUI program: each line goes out as it is written.
        std::cout.setf(std::ios::unitbuf);
    }
    if (err) {
        SetStdHandle(STD_ERROR_HANDLE, console);
        std::cerr.rdbuf(buffer);
        std::clog.rdbuf(buffer);
    }
    return std::string("Console: attached to the parent's console for standard ") +
           (out && err ? "output and error" : out ? "output" : "error") + "\n";
}

}  // namespace velkor::platform

#else

namespace velkor::platform {

std::string UseParentConsole() { return {}; }

}  // namespace velkor::platform

#endif
