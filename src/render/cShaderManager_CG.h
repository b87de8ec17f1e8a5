// The process-wide shader manager: owns the runtime context and every registered shader, binds
// shaders by registry name and keeps a stack of bound names so effects nest. Both profiles are
// enabled exactly while a shader is bound; "null_shader" means the fixed-function pipeline.
#pragma once

#include "base/Messages.h"
#include "base/Singleton.h"
#include "cShader_CG.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

class cShaderManager_CG {
public:
    static cShaderManager_CG* get_instance() { return &cSingleton<cShaderManager_CG>::get(); }

    // Reports the runtime version and the chosen profiles, creates the context, unbinds.
    void init();

    // Compiles T under `name` unless the name is taken; the first registration stays.
    // `more` goes to T's constructor after the profiles and the manager.
    template <class T, class... tMore>
    void register_shader(const std::string& name, const tMore&... more) {
        if (registry_.count(name)) {
            msg_err() << "# warning: shader \"" << name << "\" already exists! Skipping..."
                      << std::endl;
            return;
        }
        registry_[name] = new T(vertex_profile_, this, fragment_profile_, more...);
    }

    void bind(const std::string& name);
    void unbind();
    void push_shader();
    void pop_shader();
    // Stores the value in the named (registered) shader; the bound shader sends it at once.
    void set_parameter(const std::string& name, int index, cShaderParameterBase* parameter);

    // The registered pairs compiled from the file at this full path are compiled again:
    // `# reloaded shader "NAME"` for each that took, warning lines with the compiler's listing
    // for each that did not (it keeps its old programs). False if no pair reads the file.
    bool reload_file(const std::string& path);
    // The full paths of every program source in use.
    std::vector<std::string> source_files() const;

    CGcontext context() const { return context_; }
    const std::string& current() const { return current_; }
    cShader* find(const std::string& name) const;

    ~cShaderManager_CG();

private:
    static void error_callback();
    void choose_profiles();

    CGcontext context_ = nullptr;
    CGprofile vertex_profile_ = CG_PROFILE_UNKNOWN;
    CGprofile fragment_profile_ = CG_PROFILE_UNKNOWN;
    std::string current_ = "null_shader";
    std::map<std::string, cShader*> registry_;
    std::deque<std::string> saved_;
    bool reloading_ = false; // errors then warn: a broken edit never ends the demo
};

inline cShaderManager_CG& shader_manager() {
    return *cShaderManager_CG::get_instance();
}
