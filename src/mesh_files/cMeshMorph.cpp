#include "mesh_files/cMeshMorph.h"

#include "mesh_files/BzObjLoader.h"
#include "render/GlExtensions.h"
#include "render/cShaderManager_CG.h"
#include "shaders/cShdMorphDS.h"

namespace {
const char* const kMorphShader = "morph_shader";
constexpr int kWeightIndex = 1;
} // namespace

cMeshMorph::~cMeshMorph() {
    delete target_;
    delete base_;
}

void cMeshMorph::load(const std::string& base_file, const std::string& target_file) {
    delete base_;
    delete target_;
    base_ = BzObjLoader::create(base_file);
    target_ = BzObjLoader::create(target_file);
    shader_manager().register_shader<cShdMorphDS>(kMorphShader);
}

void cMeshMorph::set_weight(float weight) {
    cShaderParameter<float> parameter(weight);
    shader_manager().set_parameter(kMorphShader, kWeightIndex, &parameter);
}

void cMeshMorph::upload(bool release_client_arrays) {
    base_->upload(release_client_arrays);
    target_->upload(release_client_arrays);
}

void cMeshMorph::feed_target(GLenum unit, cMeshObj::eBuffer buffer) {
    ext::glClientActiveTextureARB(unit);
    target_->get_vbo(buffer).set_as_texcoord_array();
    ext::glClientActiveTextureARB(GL_TEXTURE0);
}

void cMeshMorph::draw() {
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    shaders.bind(kMorphShader);
    feed_target(GL_TEXTURE3, cMeshObj::kPositionBuffer);
    feed_target(GL_TEXTURE4, cMeshObj::kNormalBuffer);
    base_->draw();
    for (GLenum unit : {GL_TEXTURE3, GL_TEXTURE4}) {
        ext::glClientActiveTextureARB(unit);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    ext::glClientActiveTextureARB(GL_TEXTURE0);
    shaders.pop_shader();
}
