#include "core/vector_unit.h"

namespace torvi::core {
namespace {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx"))) void clearUpperVectorHalves() {
    __builtin_ia32_vzeroupper();
}
#endif

}  // namespace

void prepareVectorUnit() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (__builtin_cpu_supports("avx")) clearUpperVectorHalves();
#endif
}

}  // namespace torvi::core
