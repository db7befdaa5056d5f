// kulko-wyniki: the command-line front of the results tool.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "files/file_size_limit.hpp"
#include "wyniki/results_tool.hpp"

int main(int argc, char** argv) {
    kulko::TreatFileSizeLimitAsFullDisk();
    int status = kulko::kToolBadInput;
    try {
        status = kulko::RunResultsTool(std::vector<std::string>(argv + 1, argv + argc), std::cin,
                                       std::cout, std::cerr);
    } catch (const std::exception& error) {
        // Only running out of memory gets here; the files are untouched then.
        std::cerr << "kulko-wyniki: " << error.what() << "\n";
        return kulko::kToolBadInput;
    }
    // A summary or a count that never reached its reader is no success.
    if (!std::cout.flush() && status == kulko::kToolSuccess) {
        std::cerr << "kulko-wyniki: nie można zapisać wyniku na wyjście standardowe\n";
        return kulko::kToolBadInput;
    }
    return status;
}
