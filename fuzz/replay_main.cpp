// Replays fuzz inputs without libFuzzer: every file named on the command line (or found in a
// named folder), then a fixed set of hostile inputs, so the sanitizers see them in every test run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static void runFile(const std::filesystem::path& path)
{
    // Named first, so the input behind a sanitizer's report is known.
    std::fprintf(stderr, "%s\n", path.c_str());
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto& entry : std::filesystem::directory_iterator(p)) {
                runFile(entry.path());
                ++inputs;
            }
        } else if (std::filesystem::exists(p)) {
            runFile(p);
            ++inputs;
        }
    }
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::mt19937 rng(7300);
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> bytes(rng() % 24000);
        for (auto& b : bytes)
            b = static_cast<uint8_t>(rng());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++inputs;
    }
    std::printf("replayed %d inputs\n", inputs);
    return 0;
}
