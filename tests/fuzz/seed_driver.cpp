// Runs a fuzz target once on every file of the folders or files given, in name order,
// without libFuzzer: a seed that breaks a property aborts the run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i)
        if (!fs::is_directory(argv[i])) files.emplace_back(argv[i]);
        else for (const fs::directory_entry& e : fs::directory_iterator(argv[i])) if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& p : files) {
        std::ifstream in(p, std::ios::binary);
        if (!in) return std::fprintf(stderr, "cannot read %s\n", p.c_str()), 1;
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::fprintf(stderr, "%s (%zu bytes)\n", p.c_str(), bytes.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "%zu seeds run\n", files.size());
    return files.empty() ? 1 : 0;
}
