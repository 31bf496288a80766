// kdr7-walk: the random walk on demand.
//   kdr7-walk [--seed S] [--steps N] [--seeds K] [--script FILE]
// Walks N steps from each of K seeds starting at S, each seed in a fresh process so that its
// walk starts from the instrument's start-up state. On a broken invariant it prints it, writes
// the driver script that reproduces it (default walk-failure.txt) and exits 1.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "walk.h"

static int WalkOneSeed(uint64_t seed, uint64_t steps, const std::string& scriptPath) {
    const WalkResult r = RunWalk(seed, steps);
    if (r.Ok) {
        printf("seed %llu: %llu steps, every invariant held\n", (unsigned long long)seed,
               (unsigned long long)r.Steps);
        return 0;
    }
    std::ofstream out(scriptPath);
    out << "on\n";
    for (uint64_t step = 0; step < r.Steps; ++step) out << WalkCommand(seed, step) << '\n';
    fprintf(stderr, "seed %llu: %s\nreproduce: kdr7-headless %s\n", (unsigned long long)seed,
            r.Failure.c_str(), scriptPath.c_str());
    return 1;
}

int main(int argc, char** argv) {
    uint64_t seed = 1, steps = 100000, seeds = 1;
    std::string scriptPath = "walk-failure.txt";
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!strcmp(argv[i], "--seed") && hasValue)
            seed = strtoull(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--steps") && hasValue)
            steps = strtoull(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--seeds") && hasValue)
            seeds = strtoull(argv[++i], nullptr, 10);
        else if (!strcmp(argv[i], "--script") && hasValue)
            scriptPath = argv[++i];
        else {
            fprintf(stderr, "usage: %s [--seed S] [--steps N] [--seeds K] [--script FILE]\n",
                    argv[0]);
            return 2;
        }
    }
    if (seeds == 1) return WalkOneSeed(seed, steps, scriptPath);
    for (uint64_t s = seed; s < seed + seeds; ++s) {
        fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            const int code = WalkOneSeed(s, steps, scriptPath);
            fflush(nullptr);
            _exit(code);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            fprintf(stderr, "seed %llu failed\n", (unsigned long long)s);
            return 1;
        }
    }
    return 0;
}
