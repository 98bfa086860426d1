# The tests of a Windows build run here under Wine: CTest starts every test
# program through a small script that finds Wine and the DLLs the program needs.

find_program(THORNAX_WINE_LOADER NAMES wine64 wine
    PATHS /usr/lib/wine NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_program(THORNAX_WINE_LOADER NAMES wine64 wine NO_CMAKE_FIND_ROOT_PATH)
if(NOT THORNAX_WINE_LOADER)
    message(STATUS "Wine not found: the tests of this Windows build cannot run here.")
    return()
endif()

# Qt's DLLs and the compiler's runtime, as Windows paths (Wine maps / to Z:).
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin_dir ${qt_core_dll} DIRECTORY)
set(wine_path_dirs ${qt_bin_dir})
foreach(runtime IN LISTS THORNAX_MINGW_RUNTIME_DLLS)
    get_filename_component(runtime_dir ${runtime} DIRECTORY)
    list(APPEND wine_path_dirs ${runtime_dir})
endforeach()
list(REMOVE_DUPLICATES wine_path_dirs)
set(THORNAX_WINE_PATH)
foreach(dir IN LISTS wine_path_dirs)
    get_filename_component(dir ${dir} REALPATH)
    string(REPLACE "/" "\\\\" dir "Z:${dir}")
    # Inside double quotes in run-under-wine.sh: a $ there stays a $.
    string(REPLACE "$" "\\$" dir "${dir}")
    string(APPEND THORNAX_WINE_PATH "${dir}\;")
endforeach()
set(THORNAX_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)

# Qt's offscreen platform on Windows reads fonts from one folder only; the tests
# get there the fonts the design's fonts stand in for on Linux, as on Linux.
set(THORNAX_TEST_FONTS_DIR ${PROJECT_BINARY_DIR}/fonts)
file(GLOB test_fonts /usr/share/fonts/truetype/liberation/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf)
file(MAKE_DIRECTORY ${THORNAX_TEST_FONTS_DIR})
foreach(font IN LISTS test_fonts)
    get_filename_component(name ${font} NAME)
    file(CREATE_LINK ${font} ${THORNAX_TEST_FONTS_DIR}/${name} SYMBOLIC)
endforeach()

string(REPLACE "/" "\\" THORNAX_TEST_FONTS_DIR_WINDOWS "Z:${THORNAX_TEST_FONTS_DIR}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh.in
    ${PROJECT_BINARY_DIR}/run-under-wine.sh @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/run-under-wine.sh)

# Left out of the Windows suite, and why (the folders that hold them are not
# added to a Windows build):
# - tst_webengineview: Qt's web engine cannot be built with MinGW, so there is
#   no web view module to test; the browser window's own tests still run.
# - playthrough_wayland: it needs a Wayland compositor, which Windows does not have.
# - desktop_entry_validates, metainfo_validates, installed_tree_validates,
#   man_page_formats_cleanly: the Linux desktop files and Debian's validators.
