#include "mesh_files/cMeshObj.h"

#include "base/Messages.h"
#include "mesh_files/cMeshFiles.h"
#include "platform/PathFunctions.h"
#include "render/GlExtensions.h"

#include <cstdlib>
#include <utility>

cMeshObj::cMeshObj() = default;

cMeshObj::~cMeshObj() {
    untrack_file();
}

void cMeshObj::track_file(const std::string& path) {
    untrack_file();
    source_file_ = file_identity(path);
    mesh_files().add(source_file_, this);
}

void cMeshObj::untrack_file() {
    if (!source_file_.empty() && cSingleton<cMeshFiles>::exists())
        mesh_files().remove(source_file_, this);
    source_file_.clear();
}

void cMeshObj::take_reloaded(cMeshObj_data data) {
    static_cast<cMeshObj_data&>(*this) = std::move(data);
    if (materials_dropped_)
        drop_materials();
    for (cMaterial_GL& material : materials)
        material.load_textures();
    if (uploaded_ != kNotUploaded)
        upload(uploaded_ == kUploadedReleased);
}

void cMeshObj::upload(bool release_client_arrays) {
    uploaded_ = release_client_arrays ? kUploadedReleased : kUploadedKept;
    position_vbo_.fill(static_cast<int32_t>(positions.size() / 3), positions.data());
    normal_vbo_.fill(static_cast<int32_t>(normals.size() / 3), normals.data());
    texcoord_vbo_.fill(static_cast<int32_t>(texcoords.size() / 2),
                       texcoords.empty() ? nullptr : texcoords.data());
    index_vbo_.fill(index_count(), indices.data(), GL_ELEMENT_ARRAY_BUFFER);
    if (release_client_arrays) {
        // Drawing needs only the indices, groups and materials from now on.
        positions.assign(1, 0.0f);
        normals.assign(1, 0.0f);
        texcoords.assign(1, 0.0f);
    }
}

void cMeshObj::drop_materials() {
    materials_dropped_ = true;
    flags &= static_cast<uint8_t>(~kPerGroup);
    materials.clear();
}

cVBO& cMeshObj::get_vbo(int kind) {
    switch (kind) {
    case kPositionBuffer:
        return position_vbo_;
    case kNormalBuffer:
        return normal_vbo_;
    case kTexCoordBuffer:
        return texcoord_vbo_;
    case kIndexBuffer:
        return index_vbo_;
    default:
        msg_err() << "# ERROR in ..\\src\\mesh_files\\cMeshObj line 152: Unknown vbo. Exiting..."
                  << std::endl;
        std::exit(-1);
    }
}

void cMeshObj::draw() {
    set_arrays();
    index_vbo_.bind(GL_ELEMENT_ARRAY_BUFFER);
    if (flags & kPerGroup)
        draw_groups();
    else
        glDrawElements(GL_TRIANGLES, index_count(), GL_UNSIGNED_INT, nullptr);
    unset_arrays();
}

void cMeshObj::draw_range(int32_t first, int32_t count) {
    set_arrays();
    index_vbo_.bind(GL_ELEMENT_ARRAY_BUFFER);
    glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(static_cast<intptr_t>(first) * 4));
    unset_arrays();
}

void cMeshObj::draw_triangles(const std::vector<uint32_t>& triangles) {
    if (triangles.empty())
        return;
    set_arrays();
    ext::glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0); // the indices are the caller's
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(triangles.size()), GL_UNSIGNED_INT,
                   triangles.data());
    unset_arrays();
}

void cMeshObj::set_arrays() {
    position_vbo_.set_as_vertex_array();
    if (flags & kNormals)
        normal_vbo_.set_as_normal_array();
    if (flags & kTexCoords) {
        ext::glClientActiveTextureARB(GL_TEXTURE0);
        texcoord_vbo_.set_as_texcoord_array();
    }
}

void cMeshObj::draw_groups() {
    for (size_t g = 0; g + 1 < group_starts.size(); ++g) {
        if (g < materials.size()) // the loader guarantees it for files
            materials[g].apply();
        const intptr_t offset = group_starts[g] * 4;
        glDrawElements(GL_TRIANGLES, group_starts[g + 1] - group_starts[g], GL_UNSIGNED_INT,
                       reinterpret_cast<const void*>(offset));
    }
    cMaterial_GL::reset_texture_units();
}

void cMeshObj::unset_arrays() {
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
    ext::glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER, 0);
    glDisableClientState(GL_VERTEX_ARRAY);
    if (flags & kTexCoords) {
        ext::glClientActiveTextureARB(GL_TEXTURE0);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    if (flags & kNormals)
        glDisableClientState(GL_NORMAL_ARRAY);
    ext::glClientActiveTextureARB(GL_TEXTURE0);
}
