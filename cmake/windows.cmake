# The Windows clock: horatick.exe, the program's sources on the system's own
# API with src/platform/windows beside them, one executable that needs no
# library beside it. Included by the top level when building for Windows
# (cmake --preset windows); the Linux build never reads this file.

enable_language(C RC)

# A GUI program of its own: the runtime libraries are linked in, so a bare
# Windows runs it, and it opens no console.
set(HORATICK_WINDOWS_LINK_OPTIONS -mwindows -static -static-libgcc -static-libstdc++ $<$<CONFIG:MinSizeRel,Release>:-s>)

# The program itself, exactly as on Linux.
horatick_sources(PROGRAM_SOURCES src/base src/settings src/app src/display src/timers src/alarms src/datetime src/resources)
add_library(horatick_program STATIC ${PROGRAM_SOURCES})
target_include_directories(horatick_program PUBLIC src)
# Windows' "A" calls and the program's UTF-8 text meet through the manifest's
# code page; the program never asks for the wide calls.
target_compile_definitions(horatick_program PUBLIC _WIN32_WINNT=0x0A00 WINVER=0x0A00)
target_link_libraries(horatick_program PRIVATE horatick_warnings)

# The platform folder carries out what the program calls by the clock's own
# names; it is linked into the executable with the entry point, so the
# program's library finds it whatever the order.
horatick_sources(WINDOWS_SOURCES src/platform/windows)
# Text is cut to a buffer by the same rule as on Linux.
list(APPEND WINDOWS_SOURCES ${PROJECT_SOURCE_DIR}/src/platform/kernel/utf8_cut.cpp)

# The executable's resource script: the icon drawn by
# packaging/icons/render_icons.cpp, the manifest, the version.
set(HORATICK_VERSION_QUAD ${PROJECT_VERSION}.0)
string(REPLACE "." "," HORATICK_VERSION_COMMAS ${HORATICK_VERSION_QUAD})
set(HORATICK_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/horatick.ico)
set(HORATICK_MANIFEST ${PROJECT_BINARY_DIR}/horatick.exe.manifest)
configure_file(packaging/windows/horatick.exe.manifest ${HORATICK_MANIFEST} @ONLY)
configure_file(packaging/windows/horatick.rc.in ${PROJECT_BINARY_DIR}/horatick.rc @ONLY)

add_executable(horatick WIN32 ${WINDOWS_SOURCES} ${PROJECT_BINARY_DIR}/horatick.rc)
target_link_libraries(horatick PRIVATE horatick_program horatick_warnings comdlg32 shell32 advapi32)
target_link_options(horatick PRIVATE ${HORATICK_WINDOWS_LINK_OPTIONS})

# The program that uses the clock from outside under Wine
# (tests/windows/run_wine_checks.sh); it reads the templates from the
# program's own tables to know where each control belongs.
add_executable(horatick_wine_probe tests/windows/wine_probe.cpp)
target_link_libraries(horatick_wine_probe PRIVATE horatick_program horatick_warnings)
target_link_options(horatick_wine_probe PRIVATE -static -static-libgcc -static-libstdc++)

# The zip to unpack and run: `cpack -G ZIP` in the build folder gives
# horatick-VERSION-win64.zip with the executable, its help, the licence and
# a short read-me.
install(TARGETS horatick RUNTIME DESTINATION .)
install(FILES docs/help.html DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES packaging/windows/README.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME horatick)
set(CPACK_PACKAGE_VENDOR "The Horatick developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME horatick-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
