// Writes and lists register files as text, byte by byte, for the golden
// runs of zteval.
//   register_tool write <list> <folder>: every line of <list> is
//     "<file> <rows> <columns> <elements...>"; the doubles are written as
//     they stand, so counts may also be damaged on purpose.
//   register_tool dump <folder>: one line per file whose name starts with
//     "Reg", in name order: the name and every double it holds (%.17g).

#include <bit>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

static_assert(std::endian::native == std::endian::little, "register files are little-endian");

namespace {

int Write(const char* listFile, const std::filesystem::path& folder) {
    std::ifstream list(listFile);
    std::string name;
    std::string line;
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        if (!(fields >> name)) continue;
        std::vector<double> values;
        for (double value; fields >> value;)
            values.push_back(value);
        std::ofstream file(folder / name, std::ios::binary);
        file.write(reinterpret_cast<const char*>(values.data()),
                   static_cast<std::streamsize>(values.size() * sizeof(double)));
        if (!file) return 1;
    }
    return 0;
}

int Dump(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("Reg"))
            names.insert(entry.path().filename().string());
    }
    for (const std::string& name : names) {
        std::ifstream file(folder / name, std::ios::binary);
        std::printf("%s", name.c_str());
        double value;
        while (file.read(reinterpret_cast<char*>(&value), sizeof value))
            std::printf(" %.17g", value);
        if (file.gcount() != 0) std::printf(" +%zu bytes", static_cast<std::size_t>(file.gcount()));
        std::printf("\n");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "write" && argc == 4) return Write(argv[2], argv[3]);
    if (command == "dump" && argc == 3) return Dump(argv[2]);
    std::cerr << "usage: register_tool write <list> <folder> | dump <folder>\n";
    return 2;
}
