// What the shader manager asks of every GPU program pair: load it, bind it, take parameter
// values and send them. Only the manager calls these; clients go through it by registry name.
// A shader is constructed loaded and stays loaded until the manager is destroyed.
#pragma once

#include "cShaderParameter.h"

#include <string>
#include <vector>

class cShader {
public:
    virtual bool load_from_files(const std::string& vertex_file,
                                 const std::string& fragment_file) = 0;
    virtual void bind() = 0;
    virtual void init_parameters() = 0;
    virtual void set_parameter(int index, cShaderParameterBase* parameter) = 0;
    virtual void upload_parameters() = 0;
    // Called when the manager switches away from this shader.
    virtual void unbind() = 0;
    // The full paths of the files the pair was compiled from.
    virtual std::vector<std::string> files() const { return {}; }
    // Compiles the pair again from its files; on success the new pair takes the place of the
    // old one with the same values. False, the old pair kept, when it does not compile or link.
    virtual bool reload() { return false; }
    virtual ~cShader() = default;
};
