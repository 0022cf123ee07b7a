// kvor_make_project M N FILE: writes a project file (input only, decimal
// comma) with five influence lines of M points and five broken tendons of N
// points, every slot entered; kvor_make_project largest FILE gives the largest
// project the windows can build, and largest-staggered FILE the same with each
// tendon's points at stations of its own.
#include "largest_project.h"

#include "results/project_file.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    using namespace kvor;
    int m = bench::kLargestLinePoints;
    int n = bench::kLargestTendonPoints;
    const char* file = nullptr;
    bench::TendonStations stations = bench::TendonStations::Shared;
    if (argc == 3 && (std::string(argv[1]) == "largest" || std::string(argv[1]) == "largest-staggered")) {
        file = argv[2];
        if (std::string(argv[1]) == "largest-staggered")
            stations = bench::TendonStations::Staggered;
    } else if (argc == 4) {
        m = std::atoi(argv[1]);
        n = std::atoi(argv[2]);
        file = argv[3];
    }
    if (!file || m < 2 || n < 2) {
        std::fprintf(stderr, "usage: kvor_make_project largest FILE | largest-staggered FILE | M N FILE\n");
        return 2;
    }
    try {
        const auto project = bench::makeProject(m, n, ',', stations);
        const std::string bytes = encodeProjectFile(*project, SaveVariant::InputOnly, ',');
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", file);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
