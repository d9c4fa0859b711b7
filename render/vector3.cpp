#include "render/vector3.h"

#include "base/wide_string.h"
#include "render/trig_tables.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velmora {

float Vector3::length() const { return static_cast<float>(std::sqrt(static_cast<double>(lengthSquared()))); }

void Vector3::normalise() {
    const float len = length();
    if (len > 0.0f)
        scale(1.0f / len);
}

Vector3 Vector3::normalised() const {
    Vector3 result = *this;
    result.normalise();
    return result;
}

float angleBetween(const Vector3& a, const Vector3& b) {
    const float lengths = a.length() * b.length();
    if (lengths <= kEpsilon)
        return 0.0f;
    const float cosine = std::clamp(dot(a, b) / lengths, -1.0f, 1.0f);
    return static_cast<float>(std::acos(static_cast<double>(cosine)));
}

void lerp(Vector3& a, const Vector3& b, float t) { a += (b - a) * t; }

void moveToward(Vector3& a, const Vector3& b, float d) {
    const Vector3 toward = b - a;
    const float distance = toward.length();
    if (distance <= kEpsilon) {
        a = b;
        return;
    }
    a += toward * (d / distance);
}

Vector3 parseVector3(std::wstring_view text) {
    std::wstring cleaned(text);
    removeChars(cleaned, L" \t()");
    float values[3] = {0.0f, 0.0f, 0.0f};
    size_t start = 0;
    for (float& value : values) {
        if (start > cleaned.size())
            break;
        const size_t end = std::min(cleaned.find(L';', start), cleaned.size());
        value = static_cast<float>(parseDouble(std::wstring_view(cleaned).substr(start, end - start)));
        start = end + 1;
    }
    return {values[0], values[1], values[2]};
}

} // namespace velmora
