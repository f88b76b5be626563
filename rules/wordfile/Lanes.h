#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// The word file's vector loops are written once, for vectors of 32 bytes, in functions marked
// CLONED_FOR_AVX2: the compiler makes one copy for machines with AVX2, where such a vector is
// one register, and one for the others, where it is two SSE2 registers. Vectors are handed
// around by reference: how one is passed by value differs between the two.
// The choice between the copies is made when the program is loaded, through an ifunc, which
// only ELF systems have; a Windows program keeps the copy that runs everywhere.
#if defined(__ELF__)
#define CLONED_FOR_AVX2 __attribute__((target_clones("avx2", "default")))
#else
#define CLONED_FOR_AVX2
#endif

using Lanes = unsigned char __attribute__((vector_size(32)));
inline constexpr std::size_t kLanes = sizeof(Lanes);
// Sixteen UTF-16 code units.
using Units = std::uint16_t __attribute__((vector_size(32)));
using HalfLanes = unsigned char __attribute__((vector_size(16)));

template <typename Vector>
void load(Vector& vector, const char* bytes) {
    std::memcpy(&vector, bytes, sizeof vector);
}

// Whether any lane of the vector is not zero.
template <typename Vector>
bool anyLane(const Vector& vector) {
    std::uint64_t quarters[sizeof vector / sizeof(std::uint64_t)];
    std::memcpy(quarters, &vector, sizeof quarters);
    std::uint64_t any = 0;
    for (const std::uint64_t quarter : quarters) {
        any |= quarter;
    }
    return any != 0;
}
