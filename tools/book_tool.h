// The commands of varidel-book. Each takes the arguments after its name and
// returns the process exit code: 0 done, 1 a failure of the work itself,
// 2 bad arguments (with a one-line message on stderr and nothing on stdout).
#pragma once

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct BookCommand {
    const char* name;
    const char* usage;     // arguments, for --help
    const char* summary;   // one line, for --help
    int (*run)(int argc, char** argv);
};

int RunDates(int argc, char** argv);
