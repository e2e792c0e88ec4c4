// Runs a fuzz target without libFuzzer (for compilers that lack it): each
// seed file given on the command line, then a fixed number of mutations
// of them from a fixed random seed, so that every run tries the same
// inputs.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Run(const std::string& input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

std::string Mutate(std::string input, std::mt19937& random)
{
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < edits; ++i) {
        const std::size_t at = input.empty() ? 0 : random() % input.size();
        switch (random() % 4) {
        case 0:
            if (!input.empty())
                input[at] = static_cast<char>(random());
            break;
        case 1:
            input.insert(at, 1, static_cast<char>(random() % 2 ? 0xFF : random()));
            break;
        case 2:
            if (!input.empty())
                input.erase(at, 1 + random() % 8);
            break;
        default:
            input.resize(at);
            break;
        }
    }
    return input;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> seeds;
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (seeds.empty())
        seeds.emplace_back();
    std::mt19937 random(20261211);
    for (const std::string& seed : seeds)
        Run(seed);
    const int mutations = 20000;
    for (int i = 0; i < mutations; ++i)
        Run(Mutate(seeds[random() % seeds.size()], random));
    std::printf("%d inputs passed\n", mutations + static_cast<int>(seeds.size()));
    return 0;
}
