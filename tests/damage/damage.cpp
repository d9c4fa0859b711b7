#include "damage.h"

#include <algorithm>
#include <random>

namespace velmora::test {

const char* damageName(Damage damage) {
    switch (damage) {
    case Damage::Emptied:
        return "emptied";
    case Damage::CutInHalf:
        return "cut in half";
    case Damage::BytesChanged:
        return "bytes changed";
    case Damage::Garbage:
        return "garbage";
    case Damage::LongLine:
        return "long line";
    }
    return "?";
}

std::string damaged(const std::string& bytes, Damage damage, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> anyByte(0, 255);
    switch (damage) {
    case Damage::Emptied:
        return {};
    case Damage::CutInHalf:
        return bytes.substr(0, bytes.size() / 2);
    case Damage::BytesChanged: {
        std::string result = bytes;
        if (result.empty())
            return result;
        std::uniform_int_distribution<size_t> anywhere(0, result.size() - 1);
        for (size_t i = 0; i < std::max<size_t>(8, result.size() / 200); ++i)
            result[anywhere(random)] = static_cast<char>(anyByte(random));
        return result;
    }
    case Damage::Garbage: {
        std::string result(std::max<size_t>(bytes.size(), 64), '\0');
        for (char& c : result)
            c = static_cast<char>(anyByte(random));
        return result;
    }
    case Damage::LongLine: {
        size_t at = bytes.find('\n', bytes.size() / 2);
        at = at == std::string::npos ? bytes.size() / 2 : at + 1;
        return bytes.substr(0, at) + std::string(100000, 'x') + "\n" + bytes.substr(at);
    }
    }
    return bytes;
}

std::vector<DamageCase> allCases(const std::vector<DataFile>& files) {
    std::vector<DamageCase> cases;
    for (const DataFile& file : files) {
        for (Damage damage : allDamages)
            cases.push_back({file, damage, static_cast<uint32_t>(cases.size() + 1)});
    }
    return cases;
}

std::vector<DamageCase> sampleCases(const std::vector<DamageCase>& cases, size_t count, uint32_t seed) {
    std::vector<DamageCase> shuffled = cases;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(seed));
    // The first case of each kind of damage leads, then the rest in shuffled order.
    std::vector<DamageCase> firsts, rest;
    std::vector<bool> seen(std::size(allDamages));
    for (const DamageCase& c : shuffled) {
        const size_t kind = static_cast<size_t>(c.damage);
        (seen[kind] ? rest : firsts).push_back(c);
        seen[kind] = true;
    }
    shuffled = firsts;
    shuffled.insert(shuffled.end(), rest.begin(), rest.end());
    shuffled.resize(std::min(count, shuffled.size()));
    return shuffled;
}

} // namespace velmora::test
