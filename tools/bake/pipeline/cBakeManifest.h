// The record of what the bake wrote under the data folder, kept there as
// "bake_manifest.txt": per module the key of the code that baked it, then each
// file's size, SHA-256 and path. A build rebakes a module when its record is stale.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sBakeOutput {
    std::string path; // relative to the data folder, "/" between names
    uint64_t size = 0;
    std::string sha256;
};

struct sBakeRecord {
    std::string module;
    std::string key; // the module's input key; "-" when it was baked without one
    std::vector<sBakeOutput> outputs;
};

class cBakeManifest {
public:
    static constexpr const char* kFile = "bake_manifest.txt";

    // A missing manifest is empty; one that cannot be parsed is empty too, with a
    // "# warning:" line, so that every module bakes again.
    static cBakeManifest read(const std::string& data_dir);
    // Written to a temporary file and renamed, so a bake cut short never leaves half of it.
    void write(const std::string& data_dir) const;

    const std::vector<sBakeRecord>& records() const { return records_; }
    const sBakeRecord* find(const std::string& module) const;
    // True when the module was baked with this key and every file it wrote is still
    // there at the size it had. An empty key is never up to date.
    bool up_to_date(const std::string& module, const std::string& key,
                    const std::string& data_dir) const;
    // Forgets the module's record (before it bakes again, or when it failed).
    void forget(const std::string& module);
    // Records the module's files as they are on disk now.
    void record(const std::string& module, const std::string& key,
                const std::vector<std::string>& files, const std::string& data_dir);
    // Keeps the records of these modules only, in this order.
    void order_as(const std::vector<std::string>& modules);

private:
    std::vector<sBakeRecord> records_;
};
