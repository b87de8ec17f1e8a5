// A surface's fixed-function lighting: four colours, shininess, a lighting
// model and the names of up to five textures. Loaded materials carry their
// opacity in the alpha of every colour. `apply` sets the GL material state.
#pragma once

#include <cstdint>
#include <string>

class cMaterial {
public:
    enum eTextureName { kAmbientTex, kDiffuseTex, kSpecularTex, kFourthTex, kTiledTex, kTexNames };

    explicit cMaterial(const std::string& name_ = "");
    // Copies everything but the emission, which starts black.
    cMaterial(const cMaterial& other);
    virtual ~cMaterial() = default;
    // Takes the texture names and everything from ambient to extra; keeps
    // this material's name and emission.
    virtual cMaterial& operator=(const cMaterial& other);
    // Sets the GL material of front and back faces by lighting model.
    virtual void apply() const;
    // A lit surface without emission, for the meshes a scene draws without their own material.
    static cMaterial surface(const float ambient[4], const float diffuse[4],
                             const float specular[4], float shininess);

    std::string name;
    std::string texture_names[kTexNames];
    float emission[4] = {0, 0, 0, 0};
    float ambient[4] = {0, 0, 0, 0};
    float diffuse[4] = {0, 0, 0, 0};
    float specular[4] = {0, 0, 0, 0};
    float shininess = 0;
    int32_t illumination = 0; // 0 self-lit by diffuse, 1 no specular, 2 and 4 full
    float alpha = 1.0f;
    float extra = 1.0f;

protected:
    void copy_surface(const cMaterial& other);
};
