#include "cBakeInputs.h"

#include "cSha256.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

cBakeInputs cBakeInputs::read(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read the input list " + path);
    cBakeInputs inputs;
    inputs.listed_ = true;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string folder, library;
        if (!(words >> folder))
            continue;
        std::vector<std::string>& libraries = inputs.libraries_[folder];
        while (words >> library)
            libraries.push_back(library);
    }
    return inputs;
}

std::string cBakeInputs::key(const std::string& folder) {
    if (!listed_)
        return "";
    const auto found = libraries_.find(folder);
    if (found == libraries_.end())
        throw std::runtime_error("the folder \"" + folder + "\" is not in the input list");
    std::string listing;
    for (const std::string& library : found->second) {
        std::string& digest = digests_[library];
        if (digest.empty())
            digest = cSha256::of_file(library);
        listing += digest + "\n";
    }
    return cSha256::of_text(listing);
}
