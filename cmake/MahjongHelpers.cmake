# Shared settings of every target of ours.
function(mahjong_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    target_compile_definitions(${target} PRIVATE
        QT_NO_CAST_FROM_BYTEARRAY
        QT_NO_URL_CAST_FROM_STRING
        QT_USE_QSTRINGBUILDER)
endfunction()

# mahjong_add_library(name LIBS ... )
# A static library of one layer; sources are added by the folders with target_sources.
function(mahjong_add_library name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_library(${name} STATIC)
    mahjong_target_defaults(${name})
    target_include_directories(${name} PUBLIC
        ${PROJECT_SOURCE_DIR}/src
        ${CMAKE_CURRENT_BINARY_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    target_precompile_headers(${name} PRIVATE
        <QtCore/QtCore>
        <memory>
        <string>
        <vector>
        <stdexcept>)
    # The folders add their forms after this: they are wired at the end of this folder.
    set_target_properties(${name} PROPERTIES AUTOUIC OFF)
    cmake_language(EVAL CODE "cmake_language(DEFER CALL mahjong_add_forms [[${name}]])")
endfunction()

# mahjong_add_forms(target)
# Each form (.ui) of the target's sources becomes a header ui_<form>.h of a build step
# of its own, which Ninja knows as the header's maker. AUTOUIC (CMake 3.25) names the
# header of a form outside the target's own folder where uic does not write it: Ninja
# then took the header for a source file, looked at it before the build rewrote it,
# and only the next build compiled the changed form.
function(mahjong_add_forms target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    set(form_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_forms)
    set(headers)
    foreach(source ${sources})
        if(source MATCHES "\\.ui$")
            get_filename_component(form ${source} ABSOLUTE BASE_DIR ${source_dir})
            get_filename_component(name ${source} NAME_WE)
            set(header ${form_dir}/ui_${name}.h)
            add_custom_command(OUTPUT ${header}
                COMMAND Qt6::uic -o ${header} ${form}
                MAIN_DEPENDENCY ${form}
                DEPENDS Qt6::uic
                COMMENT "Generating the form ui_${name}.h"
                VERBATIM)
            list(APPEND headers ${header})
        endif()
    endforeach()
    if(headers)
        target_sources(${target} PRIVATE ${headers})
        target_include_directories(${target} PRIVATE ${form_dir})
    endif()
    # Headers that AUTOUIC wrote before, in a build directory configured so, come first
    # in the include path and would stand for the forms.
    file(GLOB stale ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/include/ui_*.h)
    if(stale)
        file(REMOVE ${stale})
    endif()
endfunction()

# The precompiled Qt headers shared by the window tests of the current folder (their
# compile flags must be the same, down to the folder that Qt's test macros name): an
# object library of its own, made on first use; its name in out.
function(mahjong_window_test_pch out)
    file(RELATIVE_PATH folder ${PROJECT_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR})
    string(MAKE_C_IDENTIFIER "mahjong_test_pch_${folder}" pch)
    if(NOT TARGET ${pch})
        set(source ${CMAKE_CURRENT_BINARY_DIR}/${pch}.cpp)
        file(CONFIGURE OUTPUT ${source} CONTENT "// The window tests' precompiled headers.\n")
        add_library(${pch} OBJECT ${source})
        mahjong_target_defaults(${pch})
        target_link_libraries(${pch} PRIVATE mahjong_ui Qt6::Widgets Qt6::Test)
        target_precompile_headers(${pch} PRIVATE
            <QtWidgets/QtWidgets>
            <QtTest/QtTest>
            <functional>
            <memory>
            <string>
            <vector>)
    endif()
    set(${out} ${pch} PARENT_SCOPE)
endfunction()

# mahjong_test_environment(out name)
# The environment of the test of that name, which gets a home of its own inside the build
# directory: QtTest's test mode keeps settings and caches under the home directory, and
# two builds (or two tests) must not share them. A runtime folder too: without one Qt
# makes one in the temporary folder, and the sound system's client leaves a folder of
# its own there at every start.
function(mahjong_test_environment out name)
    set(home ${PROJECT_BINARY_DIR}/test-homes/${name})
    file(MAKE_DIRECTORY ${home} ${home}/runtime)
    file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    set(${out} "HOME=${home};XDG_CACHE_HOME=${home}/.cache;XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_RUNTIME_DIR=${home}/runtime;MAHJONG_SOURCE_DIR=${PROJECT_SOURCE_DIR};MAHJONG_BINARY_DIR=${PROJECT_BINARY_DIR}" PARENT_SCOPE)
endfunction()

# mahjong_fuzz_coverage(target ...)
# The fuzzers' coverage counters (MAHJONG_FUZZ_COVERAGE, set where the fuzzers are built
# under the sanitizers) in the code of those targets.
function(mahjong_fuzz_coverage)
    foreach(target ${ARGN})
        target_compile_options(${target} PRIVATE ${MAHJONG_FUZZ_COVERAGE})
    endforeach()
endfunction()

# mahjong_add_test(name SOURCES ... LIBS ... [SERVER] [LABELS ...] [TIMEOUT s])
# One QtTest executable registered with CTest, run headless and with
# QStandardPaths test mode (see tests/testmain.h).
function(mahjong_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    mahjong_target_defaults(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Widgets Qt6::Test)
    if(MAHJONG_TEST_PCH AND mahjong_ui IN_LIST ARG_LIBS)
        mahjong_window_test_pch(pch)
        target_precompile_headers(${name} REUSE_FROM ${pch})
        # The moc file of a test is mostly empty: loading the headers would cost more.
        set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/mocs_compilation.cpp
            PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    mahjong_test_environment(environment ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        LABELS "${ARG_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${environment};${ARG_ENVIRONMENT}")
endfunction()
