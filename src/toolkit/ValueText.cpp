#include "toolkit/ValueText.h"

#include <algorithm>
#include <locale>
#include <sstream>

namespace {

template <class T> std::string stream_text(T value) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

} // namespace

std::string value_text(int value) {
    return stream_text(value);
}

std::string value_text(unsigned value) {
    return stream_text(value);
}

std::string value_text(float value) {
    return stream_text(value);
}

std::string value_text(const Vec3f& value) {
    return "(" + two_decimals(value.x) + "," + two_decimals(value.y) + "," + two_decimals(value.z) +
           ")";
}

std::string two_decimals(float value) {
    const std::string text = stream_text(value);
    const size_t point = text.find('.');
    if (point == std::string::npos)
        return text;
    const size_t exponent = text.find('e');
    const std::string tail = exponent == std::string::npos ? "" : text.substr(exponent);
    std::string head = text.substr(0, std::min(exponent, text.size()));
    head.resize(std::min(head.size(), point + 3));
    while (head.size() < point + 3)
        head += '0';
    return head + tail;
}
