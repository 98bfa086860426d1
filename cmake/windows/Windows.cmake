# A Windows build: the program in one folder with everything it loads, as
# Windows programs are laid out; its tests run here under Wine.

# The packages' names: <program>-<version>-win64.zip, -setup.exe, -win64.msi.
set(THORNAX_PACKAGE_NAME ${THORNAX_PROGRAM_FILE}-${PROJECT_VERSION})

# No path of the build machine goes into the program's files.
add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=." "-ffile-prefix-map=${PROJECT_BINARY_DIR}=.")

# Qt has included GNUInstallDirs already, so this overrides its cached "bin".
set(CMAKE_INSTALL_BINDIR .)

# The compiler's runtime DLLs, which every program file of the build loads.
set(THORNAX_MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(path "${path}" REALPATH)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler's runtime ${dll} was not found.")
    endif()
    list(APPEND THORNAX_MINGW_RUNTIME_DLLS ${path})
endforeach()

if(THORNAX_BUILD_TESTS AND CMAKE_CROSSCOMPILING)
    include(${CMAKE_CURRENT_LIST_DIR}/TestsUnderWine.cmake)
endif()
