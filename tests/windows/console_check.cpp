// Starts the game the ways Windows starts a GUI-subsystem program and reads what reached the
// console, which no pipe or file redirection can show:
//   - from a console window, as cmd.exe starts it: the game gets no standard handles and must
//     attach to this program's console itself ("--help": the usage line; "--level 99": the error
//     and the usage, status 2; "--check-content": its result line);
//   - with no console anywhere, as a double-click starts it: it ends (status 0) and prints nothing.
// This program owns a console of its own (it frees whatever console Wine or a terminal gave it and
// allocates a fresh one), so the screen buffer holds only what the game wrote. It reports on the
// standard output it was started with and ends with status 0 only when every check held.
//
// usage: console_check.exe PATH\TO\velkor.exe
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace {

HANDLE report = INVALID_HANDLE_VALUE;
int failures = 0;

void Say(const std::string& text) {
    DWORD written = 0;
    const std::string line = text + "\n";
    if (report != INVALID_HANDLE_VALUE && report != nullptr)
        WriteFile(report, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void Check(bool holds, const std::string& what) {
    Say((holds ? "ok:   " : "FAIL: ") + what);
    if (!holds) ++failures;
}

std::string Narrow(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size, nullptr, nullptr);
    return out;
}

HANDLE OpenScreen() {
    return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

// The console's screen buffer as text: one line per row, trailing blanks dropped, empty rows
// after the last written one left out.
std::string ScreenText(HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(screen, &info)) return "<no screen buffer>";
    const SHORT width = info.dwSize.X;
    std::vector<std::wstring> rows;
    for (SHORT y = 0; y < info.dwSize.Y; ++y) {
        std::wstring row(static_cast<size_t>(width), L' ');
        DWORD read = 0;
        if (!ReadConsoleOutputCharacterW(screen, row.data(), static_cast<DWORD>(width), COORD{0, y}, &read))
            return "<screen buffer unreadable>";
        row.resize(read);
        while (!row.empty() && (row.back() == L' ' || row.back() == L'\0')) row.pop_back();
        rows.push_back(row);
    }
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    std::string text;
    for (const std::wstring& row : rows) text += Narrow(row) + "\n";
    return text;
}

void ClearScreen(HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(screen, &info)) return;
    DWORD done = 0;
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    FillConsoleOutputCharacterW(screen, L' ', cells, COORD{0, 0}, &done);
    SetConsoleCursorPosition(screen, COORD{0, 0});
}

constexpr DWORD WaitLimitMs = 120000;
constexpr DWORD TimedOut = 0xFFFFFFFF;

// Starts a program with no STARTF_USESTDHANDLES and nothing inherited, waits for it and returns
// its exit status (TimedOut, after ending it, when it does not end in time).
DWORD Run(const std::wstring& commandLine, DWORD flags) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup, &process)) {
        Say("cannot start " + Narrow(commandLine) + ": error " + std::to_string(GetLastError()));
        return TimedOut - 1;
    }
    DWORD status = TimedOut;
    if (WaitForSingleObject(process.hProcess, WaitLimitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &status);
    else
        TerminateProcess(process.hProcess, TimedOut);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

void ShowScreen(const std::string& screen) {
    Say("--- console:");
    Say(screen + "---");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    report = GetStdHandle(STD_OUTPUT_HANDLE);
    if (argc == 3 && std::wstring(argv[1]) == L"--no-console") {
        // The double-click's parent: a process without a console starting the game.
        return static_cast<int>(Run(L"\"" + std::wstring(argv[2]) + L"\" --help", DETACHED_PROCESS));
    }
    if (argc != 2) {
        Say("usage: console_check.exe PATH\\TO\\velkor.exe");
        return 2;
    }
    const std::wstring game = L"\"" + std::wstring(argv[1]) + L"\"";

    FreeConsole();
    if (!AllocConsole()) {
        Say("FAIL: no console of its own: error " + std::to_string(GetLastError()));
        return 1;
    }
    const HANDLE screen = OpenScreen();
    if (screen == INVALID_HANDLE_VALUE) {
        Say("FAIL: the new console has no screen buffer: error " + std::to_string(GetLastError()));
        return 1;
    }
    // As cmd.exe gives a GUI program nothing: no standard handles to copy into the child. The game
    // then writes to the console only through its own attach, which its trace line confirms.
    SetStdHandle(STD_INPUT_HANDLE, nullptr);
    SetStdHandle(STD_OUTPUT_HANDLE, nullptr);
    SetStdHandle(STD_ERROR_HANDLE, nullptr);
    SetEnvironmentVariableW(L"VELKOR_TRACE", L"1");
    const std::string attached = "Console: attached to the parent's console";

    // Each start from this console: its arguments, its status and the lines it must leave here.
    struct Start {
        const wchar_t* arguments;
        const char* name;
        DWORD status;
        std::vector<std::pair<std::string, std::string>> lines;  // (text, what it shows)
    };
    const std::string usage = "usage: velkor.exe [--level N]";
    const Start starts[] = {
        {L" --help", "--help", 0, {{attached, "the game attached to the console itself"}, {usage, "the usage line is on the console"}}},
        {L" --level 99", "--level 99", 2,
         {{attached, "the game attached to the console itself"},
          {"velkor.exe: no level 99", "the error is on the console"},
          {usage, "the usage line is on the console"}}},
        // A longer run's own lines: the content check of the folder it is started in.
        {L" --check-content", "--check-content", 0, {{"content check: ", "its result is on the console"}, {" files, 0 problems", "its result is on the console"}}},
    };
    DWORD status = 0;
    std::string text;
    for (const Start& start : starts) {
        const std::string from = std::string(start.name) + " from a console: ";
        ClearScreen(screen);
        status = Run(game + start.arguments, 0);
        text = ScreenText(screen);
        ShowScreen(text);
        Check(status == start.status, from + "status " + std::to_string(status));
        for (const auto& [line, shows] : start.lines) Check(Contains(text, line), from + shows);
    }

    // A double-click: the game's parent has no console (started detached from this one), so the
    // game has none to attach to. It must still end normally, and nothing may reach this console.
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    ClearScreen(screen);
    status = Run(L"\"" + std::wstring(self) + L"\" --no-console " + std::wstring(argv[1]), DETACHED_PROCESS);
    text = ScreenText(screen);
    ShowScreen(text);
    Check(status == 0, "--help with no console anywhere: status " + std::to_string(status));
    Check(text.empty(), "--help with no console anywhere: nothing reached any console");

    Say(failures == 0 ? "console check: PASS" : "console check: " + std::to_string(failures) + " FAILED");
    return failures == 0 ? 0 : 1;
}
