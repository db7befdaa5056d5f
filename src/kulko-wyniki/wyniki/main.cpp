// kulko-wyniki: the command-line front of the results tool.
#include <unistd.h>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "files/file_size_limit.hpp"
#include "platform/fetch_into_memory.hpp"
#include "wyniki/results_tool.hpp"

int main(int argc, char** argv) {
    kulko::TreatFileSizeLimitAsFullDisk();
    kulko::ToolEnvironment environment = kulko::LocalEnvironment();
    environment.inputIsTerminal = ::isatty(STDIN_FILENO) == 1;
    // Addresses are fetched under the limits of the program's own update.
    environment.fetch = [](const std::string& address) {
        kulko::MemoryFetch fetched = kulko::FetchIntoMemory(address);
        return kulko::FetchedInput{std::move(fetched.bytes), std::move(fetched.error)};
    };
    int status = kulko::kToolBadInput;
    try {
        status = kulko::RunResultsTool(std::vector<std::string>(argv + 1, argv + argc), std::cin,
                                       std::cout, std::cerr, environment);
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
