// The values effects and scenes send to a shader through the shader manager: one float, or a
// pointer to a caller-owned float array whose length the receiving shader knows (2 for a
// direction, 3 for hue/saturation/brightness, 5 for levels). Shaders recover the type by cast.
#pragma once

class cShaderParameterBase {
public:
    virtual ~cShaderParameterBase() = default;
};

template <class T> class cShaderParameter : public cShaderParameterBase {
public:
    explicit cShaderParameter(T value) : value(value) {}
    T value;
};
