#pragma once
// The ways a data file of an installation is damaged, and the cases of a sweep: every data file
// (loose, or an entry of a resource archive) with every kind of damage.

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::test {

enum class Damage { Emptied, CutInHalf, BytesChanged, Garbage, LongLine };
inline constexpr Damage allDamages[] = {Damage::Emptied, Damage::CutInHalf, Damage::BytesChanged,
                                        Damage::Garbage, Damage::LongLine};

const char* damageName(Damage damage);

// The file's bytes damaged; the random changes follow seed, so that a case can be replayed.
// BytesChanged changes one byte in 200 (at least 8), Garbage replaces every byte (the file keeps
// its size, at least 64 bytes), LongLine puts a line of 100,000 characters after the first line
// break past the middle (at the middle when there is none).
std::string damaged(const std::string& bytes, Damage damage, uint32_t seed);

// A data file: a file under the resources folder, or an entry of one of its archives.
struct DataFile {
    std::string archive; // the archive's path under resources, or empty for a loose file
    std::string path;    // the file's path under resources, or the entry's name in the archive
    std::string label() const { return archive.empty() ? path : archive + ":" + path; }
};

struct DamageCase {
    DataFile file;
    Damage damage;
    uint32_t seed;
};

// Every file with every damage, in a fixed order.
std::vector<DamageCase> allCases(const std::vector<DataFile>& files);
// count cases drawn from all of them with the seed's shuffle (all of them when count is larger),
// every kind of damage among them while count allows.
std::vector<DamageCase> sampleCases(const std::vector<DamageCase>& cases, size_t count, uint32_t seed);

} // namespace velmora::test
