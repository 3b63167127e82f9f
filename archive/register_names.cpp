#include "archive/register_names.h"

std::string RegisterFileName(std::string_view registerName) {
    const std::size_t first = registerName.find_first_not_of(" \t\r\n\v\f");
    registerName.remove_prefix(first == std::string_view::npos ? registerName.size() : first);
    if (registerName == "t") return kTemporaryRegisterFile;
    std::string name = kRegisterFilePrefix;
    name += registerName;
    return name;
}

std::string RegisterFileName(char letter) {
    return RegisterFileName(std::string_view(&letter, 1));
}
