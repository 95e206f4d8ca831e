#include <iostream>
#include <string>
#include <vector>

#include "tools/skinpack/skinpack_commands.h"

int main(int argc, char** argv) {
  return hm::RunSkinpack(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
