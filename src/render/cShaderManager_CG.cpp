#include "cShaderManager_CG.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

const std::string kNullShader = "null_shader";
const char* const kSourceName = "cShaderManager_CG.cpp";
const std::string kRule(51, '-');

struct sProfileChoice {
    CGprofile profile;
    const char* name;
};

// Best first; the first the driver supports is taken.
CGprofile choose(std::initializer_list<sProfileChoice> choices, const char* report) {
    for (const sProfileChoice& choice : choices) {
        if (cgGLIsProfileSupported(choice.profile)) {
            msg_out() << report << choice.name << std::endl;
            return choice.profile;
        }
    }
    return CG_PROFILE_UNKNOWN;
}

} // namespace

void cShaderManager_CG::init() {
    msg_out() << "# cg: Cg compiletime version: " << CG_VERSION_NUM << std::endl;
    choose_profiles();
    cgSetErrorCallback(&cShaderManager_CG::error_callback);
    context_ = cgCreateContext();
    unbind();
}

void cShaderManager_CG::choose_profiles() {
    vertex_profile_ = choose({{CG_PROFILE_VP40, "CG_PROFILE_VP40"},
                              {CG_PROFILE_ARBVP1, "CG_PROFILE_ARBVP1"},
                              {CG_PROFILE_VP20, "CG_PROFILE_VP20"}},
                             "# cg: Chose cg vertex-profile:\t");
    if (vertex_profile_ == CG_PROFILE_UNKNOWN) {
        msg_out() << "## cg-ERROR: No vertex-programming capabilities detected - exiting"
                  << std::endl;
        std::exit(-1);
    }
    fragment_profile_ = choose({{CG_PROFILE_FP40, "CG_PROFILE_FP40"},
                                {CG_PROFILE_ARBFP1, "CG_PROFILE_ARBFP1"},
                                {CG_PROFILE_FP30, "CG_PROFILE_FP30"},
                                {CG_PROFILE_FP20, "CG_PROFILE_FP20"}},
                               "# cg:Chose cg fragment-profile:\t");
    if (fragment_profile_ == CG_PROFILE_UNKNOWN) {
        msg_out() << "## cg-ERROR: no fragment programming capabilities detected - exiting!"
                  << std::endl;
        std::exit(-1);
    }
    cgGLSetOptimalOptions(vertex_profile_);
    cgGLSetOptimalOptions(fragment_profile_);
}

void cShaderManager_CG::error_callback() {
    const CGerror error = cgGetError();
    if (error == CG_NO_ERROR)
        return;
    cShaderManager_CG& manager = shader_manager();
    if (manager.reloading_) {
        msg_err() << "# warning: " << cgGetErrorString(error) << std::endl;
        std::istringstream listing(cgGetLastListing(manager.context_));
        for (std::string line; std::getline(listing, line);)
            if (!line.empty())
                msg_err() << "# warning: " << line << std::endl;
        return;
    }
    msg_err() << "\n" << kRule << std::endl;
    msg_err() << cgGetErrorString(error) << std::endl;
    msg_err() << cgGetLastListing(manager.context_) << std::endl;
    msg_err() << kRule << std::endl;
    msg_err() << "last-shader: " << manager.current_ << std::endl;
    msg_err() << "Cg error, exiting..." << std::endl;
    std::exit(-1);
}

// An unknown name changes nothing: the shader bound before stays bound and in effect (or
// the fixed-function pipeline), so the current name always tells the truth about GL.
void cShaderManager_CG::bind(const std::string& name) {
    if (name == kNullShader)
        return unbind();
    const auto found = registry_.find(name);
    if (found == registry_.end()) {
        msg_err() << "#WARNING in "
                  << "cShaderManager_CG::bind"
                  << ": trying to bind unknown shader: \"" << name << "\"" << std::endl;
        return;
    }
    // From one shader to another the profiles stay on and only the programs change, so GL
    // switches once; from the fixed-function pipeline the programs are bound before the
    // profiles come on, so the pair bound last never reaches GL on the way.
    const bool profiles_on = current_ != kNullShader;
    if (profiles_on)
        registry_[current_]->unbind();
    current_ = name;
    found->second->bind();
    if (!profiles_on) {
        cgGLEnableProfile(vertex_profile_);
        cgGLEnableProfile(fragment_profile_);
    }
}

void cShaderManager_CG::unbind() {
    if (!context_) {
        msg_err() << "## ERROR in " << kSourceName << " line " << 87
                  << ": no current CG-context available!" << std::endl;
        return;
    }
    if (current_ == kNullShader)
        return;
    registry_[current_]->unbind();
    current_ = kNullShader;
    cgGLDisableProfile(vertex_profile_);
    cgGLDisableProfile(fragment_profile_);
}

void cShaderManager_CG::push_shader() {
    saved_.push_back(current_);
}

// Popping more than was pushed is a caller's slip; it must not read past the stack.
void cShaderManager_CG::pop_shader() {
    if (saved_.empty())
        return;
    const std::string name = saved_.back();
    bind(name);
    saved_.pop_back();
}

void cShaderManager_CG::set_parameter(const std::string& name, int index,
                                      cShaderParameterBase* parameter) {
    cShader* shader = registry_.at(name);
    shader->set_parameter(index, parameter);
    if (name == current_)
        shader->upload_parameters();
}

namespace {

bool reads(const cShader& shader, const std::string& path) {
    const std::vector<std::string> files = shader.files();
    return std::find(files.begin(), files.end(), path) != files.end();
}

} // namespace

bool cShaderManager_CG::reload_file(const std::string& path) {
    if (std::none_of(registry_.begin(), registry_.end(),
                     [&](const auto& entry) { return reads(*entry.second, path); }))
        return false;
    const std::string bound = current_;
    unbind(); // no pair is in use while its programs are replaced
    reloading_ = true;
    for (auto& [name, shader] : registry_) {
        if (!reads(*shader, path))
            continue;
        if (shader->reload())
            msg_out() << "# reloaded shader \"" << name << "\"" << std::endl;
        else
            msg_err() << "# warning: shader \"" << name << "\" kept its old programs" << std::endl;
    }
    reloading_ = false;
    bind(bound);
    return true;
}

std::vector<std::string> cShaderManager_CG::source_files() const {
    std::vector<std::string> files;
    for (const auto& [name, shader] : registry_)
        for (const std::string& file : shader->files())
            files.push_back(file);
    return files;
}

cShader* cShaderManager_CG::find(const std::string& name) const {
    const auto found = registry_.find(name);
    return found == registry_.end() ? nullptr : found->second;
}

cShaderManager_CG::~cShaderManager_CG() {
    if (context_) {
        unbind();
        cgDestroyContext(context_);
    }
    for (auto& [name, shader] : registry_) {
        static_cast<cShader_CG*>(shader)->forget_programs();
        delete shader;
    }
}
