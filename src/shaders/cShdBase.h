// The base of every shader class: a program pair that declares its named uniforms and their
// values before it compiles, takes one parameter record at index 1 and sends every value on
// bind. A wrong index or record is reported as a warning and changes nothing.
#pragma once

#include "render/cShader_CG.h"

#include <string>
#include <vector>

class cShdBase : public cShader_CG {
public:
    // The one index a record may come at; classes differ only in what the record holds.
    static constexpr int kIndex = 1;

    void init_parameters() final;
    // A class that declares no uniform takes no record at all and throws, as the base does.
    void set_parameter(int index, cShaderParameterBase* parameter) final;
    void upload_parameters() final;
    void unbind() final {}

protected:
    // `missing_report` is the error line printed when a declared uniform is not found; empty
    // for classes that leave a missing one silent.
    cShdBase(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
             const char* class_name = "", std::string missing_report = "");

    enum eStage { VERTEX, FRAGMENT };
    // Before loading: `values` points at `count` (1 to 4) floats the class owns.
    void uniform(eStage stage, const char* name, float* values, int count = 1);
    // Stores the record's values; false if the record is not of the class's type.
    virtual bool take(cShaderParameterBase*) { return false; }

    // The common records: `count` floats by pointer, or one float.
    static bool copy(cShaderParameterBase* parameter, float* into, int count);
    static bool copy(cShaderParameterBase* parameter, float& into);

private:
    struct sUniform {
        eStage stage;
        const char* name;
        float* values;
        int count;
        CGparameter handle;
    };
    const char* class_name_;
    std::string missing_report_;
    std::vector<sUniform> uniforms_;
};
