#include "mesh_files/cMaterial.h"

#include <GL/gl.h>
#include <algorithm>

cMaterial::cMaterial(const std::string& name_) : name(name_) {}

cMaterial::cMaterial(const cMaterial& other) : name(other.name) {
    copy_surface(other);
}

cMaterial& cMaterial::operator=(const cMaterial& other) {
    if (this != &other)
        copy_surface(other);
    return *this;
}

void cMaterial::copy_surface(const cMaterial& o) {
    std::copy(std::begin(o.texture_names), std::end(o.texture_names), texture_names);
    std::copy(o.ambient, o.ambient + 4, ambient);
    std::copy(o.diffuse, o.diffuse + 4, diffuse);
    std::copy(o.specular, o.specular + 4, specular);
    shininess = o.shininess;
    illumination = o.illumination;
    alpha = o.alpha;
    extra = o.extra;
}

void cMaterial::apply() const {
    static const float kBlack[4] = {0, 0, 0, 1};
    switch (illumination) {
    case 0:
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, kBlack);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kBlack);
        glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, diffuse);
        break;
    case 1:
        glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kBlack);
        break;
    case 2:
    case 4:
        glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
        break;
    default:
        break; // other lighting models leave the material state alone
    }
}

cMaterial cMaterial::surface(const float ambient[4], const float diffuse[4],
                             const float specular[4], float shininess) {
    cMaterial m;
    std::copy_n(ambient, 4, m.ambient);
    std::copy_n(diffuse, 4, m.diffuse);
    std::copy_n(specular, 4, m.specular);
    m.shininess = shininess;
    m.illumination = 2;
    return m;
}
