#include "cShader_CG.h"

#include "base/Messages.h"
#include "base/cResourcePath.h"
#include "cShaderManager_CG.h"
#include "platform/PathFunctions.h"

#include <cstdlib>
#include <stdexcept>

namespace {

// A name the search paths cannot resolve still goes to the runtime, so its read error names
// the file instead of an empty path.
std::string resolve(const std::string& name) {
    const std::string full = resource_path().get_fullpath(name);
    return full.empty() ? name : full;
}

} // namespace

cShader_CG::cShader_CG(CGprofile vertex_profile, cShaderManager_CG* manager,
                       CGprofile fragment_profile)
    : manager_(manager), vertex_profile_(vertex_profile), fragment_profile_(fragment_profile) {}

CGprogram cShader_CG::compile(const std::string& path, CGprofile profile) const {
    std::vector<const char*> args;
    for (const std::string& define : defines_)
        args.push_back(define.c_str());
    args.push_back(nullptr);
    return cgCreateProgramFromFile(manager_->context(), CG_SOURCE, path.c_str(), profile, nullptr,
                                   args.data());
}

bool cShader_CG::load_from_files(const std::string& vertex_file, const std::string& fragment_file) {
    vertex_path_ = file_identity(resolve(vertex_file));
    fragment_path_ = file_identity(resolve(fragment_file));
    vertex_program_ = compile(vertex_path_, vertex_profile_);
    fragment_program_ = compile(fragment_path_, fragment_profile_);
    for (const auto& [program, file] : {std::make_pair(vertex_program_, vertex_file),
                                        std::make_pair(fragment_program_, fragment_file)}) {
        if (!program) {
            msg_err() << "## ERROR: cShader_CG::load_from_files() failed on " << file << std::endl;
            std::exit(0);
        }
    }
    cgGLLoadProgram(vertex_program_);
    cgGLLoadProgram(fragment_program_);
    init_parameters();
    return true;
}

bool cShader_CG::reload() {
    CGprogram vertex = compile(vertex_path_, vertex_profile_);
    CGprogram fragment = vertex ? compile(fragment_path_, fragment_profile_) : nullptr;
    if (!vertex || !fragment || !cgLinkProgramPair(vertex, fragment)) {
        for (CGprogram program : {vertex, fragment})
            if (program)
                cgDestroyProgram(program);
        return false;
    }
    cgGLLoadProgram(vertex);
    cgGLLoadProgram(fragment);
    cgDestroyProgram(vertex_program_);
    cgDestroyProgram(fragment_program_);
    vertex_program_ = vertex;
    fragment_program_ = fragment;
    init_parameters(); // the class keeps the values; the new programs get them on bind
    return true;
}

void cShader_CG::bind() {
    if (vertex_program_) {
        cgGLBindProgram(vertex_program_);
        if (fragment_program_)
            cgGLBindProgram(fragment_program_);
    }
    upload_parameters();
}

void cShader_CG::set_parameter(int, cShaderParameterBase*) {
    throw std::runtime_error("set_parameter not implemented for this shader");
}

cShader_CG::~cShader_CG() {
    if (vertex_program_)
        cgDestroyProgram(vertex_program_);
    if (fragment_program_)
        cgDestroyProgram(fragment_program_);
}
