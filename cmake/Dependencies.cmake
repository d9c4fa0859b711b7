# Libraries of Debian 12 that the game, tools and tests link against.
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
pkg_check_modules(ZLIB REQUIRED IMPORTED_TARGET zlib)
find_package(JPEG REQUIRED)

# Content tools only: never linked into the game.
pkg_check_modules(CAIRO IMPORTED_TARGET cairo)
pkg_check_modules(GIFLIB IMPORTED_TARGET libgif)
find_library(LIB3DS_LIBRARY NAMES 3ds 3ds-1)

if(VELMORA_TESTS)
    find_package(GTest REQUIRED)
    include(GoogleTest)
endif()
if(VELMORA_BENCH)
    find_package(benchmark REQUIRED)
endif()
