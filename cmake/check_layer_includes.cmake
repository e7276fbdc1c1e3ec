# SPDX-License-Identifier: Apache-2.0
# Run by the build before a core layer compiles (see core_layers.cmake):
#   cmake -DFOLDER=dir -DLAYER=name -DREACHABLE=folder,folder,... -DCHECKED=file -P check_layer_includes.cmake
# Every quoted include of the folder's files must name a header of a reachable folder ("engine/x.h")
# or of the folder itself ("x.h"); anything else fails the build, naming the file and the include.
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" reachable "${REACHABLE}")
file(GLOB files ${FOLDER}/*.h ${FOLDER}/*.cpp)
set(wrong_way)
foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(include ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" header "${include}")
        if(NOT header MATCHES "/")
            continue()
        endif()
        string(REGEX MATCH "^[^/]*" header_folder "${header}")
        if(NOT header_folder IN_LIST reachable)
            list(APPEND wrong_way "  ${file}: #include \"${header}\"")
        endif()
    endforeach()
endforeach()
if(wrong_way)
    string(REPLACE ";" "\n" wrong_way "${wrong_way}")
    string(REPLACE ";" ", " reachable_list "${reachable}")
    message(FATAL_ERROR "${LAYER} may include only from ${reachable_list}; these includes run the wrong way:\n"
                        "${wrong_way}")
endif()
file(TOUCH ${CHECKED})
