#include "VarnelCalcul.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments == std::vector<std::string>{"--version"}) {
        std::cout << "varnel-calcul (Le varnel) " VARNEL_VERSION "\n" << std::flush;
        return std::cout ? 0 : 1;
    }
    return ExecuterVarnelCalcul(arguments, std::cout, std::cerr);
}
