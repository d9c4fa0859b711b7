#pragma once
// Whether the tests run under the address sanitizer (the asan preset), where long tests keep to a
// short sample of their cases.

namespace velmora::test {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool underSanitizers = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool underSanitizers = true;
#else
inline constexpr bool underSanitizers = false;
#endif
#else
inline constexpr bool underSanitizers = false;
#endif

} // namespace velmora::test
