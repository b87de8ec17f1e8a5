// The interface of one step of the content pipeline: a module makes one
// family of data files (music, meshes, images ...) under the data directory.
// `bake` runs a fixed list of them; a failing module throws std::exception.
#pragma once

#include <string>

class iBakeModule {
public:
    virtual ~iBakeModule() = default;
    virtual std::string name() const = 0;
    virtual void bake(const std::string& data_dir) = 0;
};
