#include "VarnelCalcul.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return ExecuterVarnelCalcul(arguments, std::cout, std::cerr);
}
