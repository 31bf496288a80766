// kdr7-headless: runs the instrument without a window from a script of inputs.
//   kdr7-headless SCRIPT [OUTPUT-DIR]     ('-' reads the script from standard input)
#include <cstdio>
#include <fstream>
#include <iostream>

#include "driver.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: %s SCRIPT [OUTPUT-DIR]\n\n%s", argv[0], HeadlessUsage);
        return 2;
    }
    HeadlessSession session;
    if (argc == 3) session.BaseDir = argv[2];
    std::ifstream file;
    std::istream* in = &std::cin;
    if (std::string(argv[1]) != "-") {
        file.open(argv[1]);
        if (!file) {
            fprintf(stderr, "%s: cannot read script '%s'\n", argv[0], argv[1]);
            return 2;
        }
        in = &file;
    }
    std::string error;
    if (!HeadlessScript(session, *in, error)) {
        fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
