// A vertex/fragment program pair compiled from two source files with the manager's profiles.
// Concrete shaders compile in their constructor; a program handle is null only before loading
// or after the manager's context has released it.
#pragma once

#include "cShader.h"
#include "platform/CgLayer.h"

class cShaderManager_CG;

class cShader_CG : public cShader {
public:
    cShader_CG(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile);

    bool load_from_files(const std::string& vertex_file, const std::string& fragment_file) override;
    void bind() override;
    // Throws: only shaders with parameters take them.
    void set_parameter(int index, cShaderParameterBase* parameter) override;
    ~cShader_CG() override;
    bool reload() override;
    std::vector<std::string> files() const override { return {vertex_path_, fragment_path_}; }

    // The manager's context released the programs already; the destructor must not again.
    void forget_programs() { vertex_program_ = fragment_program_ = nullptr; }

protected:
    // Names both programs are compiled with defined ("-DNAME" or "-DNAME=VALUE"); set before
    // loading, kept for reloading.
    void set_defines(std::vector<std::string> defines) { defines_ = std::move(defines); }

    cShaderManager_CG* manager_;
    CGprofile vertex_profile_;
    CGprofile fragment_profile_;
    CGprogram vertex_program_ = nullptr;
    CGprogram fragment_program_ = nullptr;
    std::string vertex_path_, fragment_path_; // as compiled, for reloading

private:
    CGprogram compile(const std::string& path, CGprofile profile) const;

    std::vector<std::string> defines_;
};
