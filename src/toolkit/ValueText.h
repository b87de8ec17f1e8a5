// How tweakable values read as text: integers and floats as a standard
// stream writes them by default, and the short two-decimal form that the
// sliders and vectors show. The texts never depend on the stream's locale.
#pragma once

#include "geometry/Vec3.h"

#include <string>

std::string value_text(int value);
std::string value_text(unsigned value);
std::string value_text(float value);
// "(x,y,z)", each component in the two-decimal form, no blanks.
std::string value_text(const Vec3f& value);

// The default text with exactly two digits behind the point (cut, or padded
// with "0"); a text without a point, such as 5, stays as it is. An exponent
// is kept, so 1234567 reads 1.23e+06 and not 1.23.
std::string two_decimals(float value);
