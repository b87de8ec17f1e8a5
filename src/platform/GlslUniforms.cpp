#include "GlslUniforms.h"

#include <cctype>
#include <sstream>

namespace {

std::string without_comments(const std::string& source) {
    std::string out;
    for (size_t i = 0; i < source.size(); ++i) {
        if (source.compare(i, 2, "//") == 0) {
            i = source.find('\n', i);
            if (i == std::string::npos)
                break;
            out += '\n';
        } else if (source.compare(i, 2, "/*") == 0) {
            i = source.find("*/", i + 2);
            if (i == std::string::npos)
                break;
            out += ' ';
            ++i;
        } else {
            out += source[i];
        }
    }
    return out;
}

bool is_word_char(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The bare name of one declarator: "weights[4]" and "k = 2.0" give "weights" and "k".
std::string declarator_name(const std::string& text) {
    std::string name;
    for (char c : text) {
        if (is_word_char(c))
            name += c;
        else if (!name.empty())
            break;
    }
    return name;
}

} // namespace

std::vector<sGlslUniform> glsl_uniforms(const std::string& source) {
    const std::string text = without_comments(source);
    std::vector<sGlslUniform> uniforms;
    for (size_t at = text.find("uniform"); at != std::string::npos;
         at = text.find("uniform", at + 1)) {
        const bool starts_word = at == 0 || !is_word_char(text[at - 1]);
        const size_t after = at + 7;
        if (!starts_word || after >= text.size() || is_word_char(text[after]))
            continue;
        const size_t end = text.find(';', after);
        std::istringstream declaration(text.substr(after, end - after));
        std::string type;
        declaration >> type;
        std::string declarator;
        while (std::getline(declaration, declarator, ',')) {
            const std::string name = declarator_name(declarator);
            if (!name.empty())
                uniforms.push_back({type, name});
        }
    }
    return uniforms;
}

int glsl_float_count(const std::string& type) {
    if (type == "float")
        return 1;
    if (type.size() == 4 && type.compare(0, 3, "vec") == 0 && type[3] >= '2' && type[3] <= '4')
        return type[3] - '0';
    return 0;
}

bool glsl_is_sampler(const std::string& type) {
    return type.compare(0, 7, "sampler") == 0;
}

int glsl_sampler_unit(const std::string& name, int place) {
    size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
        --digits;
    if (digits == name.size() || name.size() - digits > 2)
        return place;
    return std::stoi(name.substr(digits));
}

std::string glsl_with_defines(const std::string& source, const char* const* args) {
    std::string defines;
    for (; args && *args; ++args) {
        const std::string arg = *args;
        if (arg.size() < 3 || arg.compare(0, 2, "-D") != 0)
            continue;
        std::string definition = arg.substr(2);
        const size_t equals = definition.find('=');
        if (equals != std::string::npos)
            definition[equals] = ' ';
        defines += "#define " + definition + "\n";
    }
    if (defines.empty())
        return source;
    size_t first_line = 0; // the line the file's own text goes on from, counted from 1
    size_t at = 0;
    if (source.compare(0, 8, "#version") == 0) {
        at = source.find('\n');
        at = at == std::string::npos ? source.size() : at + 1;
        first_line = 1;
    }
    const std::string head = source.substr(0, at) + (at > 0 && source[at - 1] != '\n' ? "\n" : "");
    return head + defines + "#line " + std::to_string(first_line + 1) + "\n" + source.substr(at);
}
