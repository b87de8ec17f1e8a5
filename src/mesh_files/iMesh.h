// What every mesh offers its scene: upload its arrays to buffer objects
// once, then draw every frame. Scenes own their meshes through this
// interface and delete them through its virtual destructor.
#pragma once

class iMeshType {};

class iMesh : public iMeshType {
public:
    virtual ~iMesh() = default;
    virtual void draw() = 0;
    virtual void upload(bool release_client_arrays) = 0;
};
