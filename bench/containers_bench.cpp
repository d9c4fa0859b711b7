// Lookups in the insertion-ordered hash map, the structure behind every template and name registry.
#include "base/hash_map.h"

#include <benchmark/benchmark.h>

namespace velmora {
namespace {

void BM_HashMapStringLookup(benchmark::State& state) {
    HashMap<std::wstring, int*> map;
    int value = 0;
    std::vector<std::wstring> keys;
    for (int i = 0; i < state.range(0); ++i) {
        keys.push_back(L"sptNode" + std::to_wstring(i));
        map.put(keys.back(), &value);
    }
    size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(map.get(keys[next]));
        next = (next + 1) % keys.size();
    }
}
BENCHMARK(BM_HashMapStringLookup)->Arg(64)->Arg(1024);

} // namespace
} // namespace velmora
