// Hands its one argument to openExternally and exits: open_externally_test.sh watches what
// reaches the Linux side.

#include <cstdio>

#include "platform/open_externally.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: open_externally_probe ADDRESS\n");
        return 2;
    }
    platform::openExternally(argv[1]);
    std::printf("openExternally returned\n");
    return 0;
}
