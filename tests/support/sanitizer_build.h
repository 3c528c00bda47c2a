#pragma once

// Whether this test executable is built with AddressSanitizer, whose instrumented (Debug) build
// runs the 100 MB input cases some ten times slower; those cases skip themselves there and run in
// the normal build.
namespace kelvane::test {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizerBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizerBuild = true;
#else
inline constexpr bool kAddressSanitizerBuild = false;
#endif
#else
inline constexpr bool kAddressSanitizerBuild = false;
#endif

} // namespace kelvane::test

// Skips a test of a very large input in the sanitizer build.
#define SKIP_LARGE_INPUT_UNDER_ASAN()                                                                        \
    do {                                                                                                     \
        if (::kelvane::test::kAddressSanitizerBuild)                                                         \
            GTEST_SKIP() << "100 MB input: runs in the normal build, too slow under AddressSanitizer";       \
    } while (false)
