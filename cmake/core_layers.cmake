# SPDX-License-Identifier: Apache-2.0
# The core is built as one static library per folder of src/, each linked only to the layers it
# builds on. The include root is src/ for all of them, so the link alone would not stop a file from
# including a header of a layer above its own: before a layer compiles, check_layer_includes.cmake
# reads the includes of every file of its folder and fails the build on a header from any folder
# the layer does not build on.
set(KORVANEX_LAYER_CHECK ${CMAKE_CURRENT_LIST_DIR}/check_layer_includes.cmake)

# korvanex_layer(NAME SOURCES file... [USES layer...]): the library NAME of the folder this is called
# from, built on the layers USES (and everything they build on).
function(korvanex_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "SOURCES;USES")
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(reachable ${folder})
    foreach(below ${layer_USES})
        get_property(below_reachable GLOBAL PROPERTY KORVANEX_REACHABLE_${below})
        list(APPEND reachable ${below_reachable})
    endforeach()
    list(REMOVE_DUPLICATES reachable)
    set_property(GLOBAL PROPERTY KORVANEX_REACHABLE_${name} ${reachable})

    file(GLOB files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    string(REPLACE ";" "," reachable_folders "${reachable}")
    set(checked ${CMAKE_CURRENT_BINARY_DIR}/${name}.includes-checked)
    add_custom_command(OUTPUT ${checked}
                       COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_CURRENT_SOURCE_DIR} -DLAYER=${name}
                               -DREACHABLE=${reachable_folders} -DCHECKED=${checked} -P ${KORVANEX_LAYER_CHECK}
                       DEPENDS ${files} ${KORVANEX_LAYER_CHECK}
                       COMMENT "Checking the includes of ${name}"
                       VERBATIM)
    add_library(${name} STATIC ${layer_SOURCES} ${checked})
    # Position-independent, its symbols hidden: the Python module links the core into a shared object,
    # where calls within the core then stay direct, as they are in the programs.
    set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden
                                             VISIBILITY_INLINES_HIDDEN ON)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${layer_USES})
endfunction()
