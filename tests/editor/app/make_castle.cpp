// Writes the sample zone: make_castle <path of the .rlm file>.

#include <iostream>

#include "editor/app/SampleZone.h"
#include "world/Document.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_castle <file.rlm>\n";
        return 2;
    }
    tarnholt::Document document;
    document.world() = tarnholt::test::buildCastle();
    std::string error = document.save(argv[1]);
    if (!error.empty()) {
        std::cerr << error << "\n";
        return 1;
    }
    return 0;
}
