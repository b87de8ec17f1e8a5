#include "cBakeManifest.h"

#include "cSha256.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader =
    "# The content pipeline's files in this folder: per module the key of the code\n"
    "# that baked them and its name, then one line per file: size in bytes, SHA-256, path.\n";

// The rest of the line after the words read so far, without the space before it.
std::string rest_of(std::istringstream& in) {
    std::string rest;
    std::getline(in >> std::ws, rest);
    return rest;
}

// One "module <key> <name>" or "<size> <sha256> <path>" line into the records.
void parse_line(const std::string& line, std::vector<sBakeRecord>& records) {
    std::istringstream in(line);
    std::string first;
    in >> first;
    if (first == "module") {
        sBakeRecord record;
        in >> record.key;
        record.module = rest_of(in);
        if (record.module.empty())
            throw std::runtime_error("a module line without its key and name");
        records.push_back(record);
        return;
    }
    sBakeOutput output;
    output.size = std::stoull(first);
    in >> output.sha256;
    output.path = rest_of(in);
    if (output.sha256.size() != 64 || output.path.empty())
        throw std::runtime_error("a file line without its digest and path");
    if (records.empty())
        throw std::runtime_error("a file line before any module line");
    records.back().outputs.push_back(output);
}

} // namespace

cBakeManifest cBakeManifest::read(const std::string& data_dir) {
    cBakeManifest manifest;
    std::ifstream in(fs::path(data_dir) / kFile);
    std::string line;
    int number = 0;
    try {
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line[0] != '#')
                parse_line(line, manifest.records_);
        }
    } catch (const std::exception& e) {
        std::cout << "# warning: " << kFile << " line " << number << ": " << e.what()
                  << "; baking everything again" << std::endl;
        manifest.records_.clear();
    }
    return manifest;
}

void cBakeManifest::write(const std::string& data_dir) const {
    const fs::path target = fs::path(data_dir) / kFile;
    const fs::path temporary = fs::path(data_dir) / (std::string(kFile) + ".new");
    {
        std::ofstream out(temporary);
        out << kHeader;
        for (const sBakeRecord& record : records_) {
            out << "module " << record.key << " " << record.module << "\n";
            for (const sBakeOutput& o : record.outputs)
                out << o.size << " " << o.sha256 << " " << o.path << "\n";
        }
        if (!out.flush())
            throw std::runtime_error("cannot write " + temporary.string());
    }
    fs::rename(temporary, target);
}

const sBakeRecord* cBakeManifest::find(const std::string& module) const {
    for (const sBakeRecord& record : records_)
        if (record.module == module)
            return &record;
    return nullptr;
}

bool cBakeManifest::up_to_date(const std::string& module, const std::string& key,
                               const std::string& data_dir) const {
    const sBakeRecord* record = find(module);
    if (key.empty() || !record || record->key != key)
        return false;
    for (const sBakeOutput& o : record->outputs) {
        std::error_code ec;
        if (fs::file_size(fs::path(data_dir) / o.path, ec) != o.size || ec)
            return false;
    }
    return true;
}

void cBakeManifest::forget(const std::string& module) {
    records_.erase(std::remove_if(records_.begin(), records_.end(),
                                  [&](const sBakeRecord& r) { return r.module == module; }),
                   records_.end());
}

void cBakeManifest::record(const std::string& module, const std::string& key,
                           const std::vector<std::string>& files, const std::string& data_dir) {
    forget(module);
    sBakeRecord record{module, key.empty() ? "-" : key, {}};
    for (const std::string& file : files) {
        const fs::path path = fs::path(data_dir) / file;
        record.outputs.push_back({file, fs::file_size(path), cSha256::of_file(path.string())});
    }
    records_.push_back(record);
}

void cBakeManifest::order_as(const std::vector<std::string>& modules) {
    std::vector<sBakeRecord> ordered;
    for (const std::string& module : modules)
        if (const sBakeRecord* record = find(module))
            ordered.push_back(*record);
    records_ = ordered;
}
