# Checks that every source under src/ includes only folders of its own layer
# or of the layers below, never a folder of another program, and that no two
# folders include each other. Run by the build's configure step and by the
# test "layers":
#
#   cmake -DKULKO_SOURCE_DIR=<top>/src -P cmake/CheckLayers.cmake
#
# Each folder is named by the path below src/ and may include the folders
# listed for it (and itself). docs/ARCHITECTURE.md draws the same table.

cmake_policy(VERSION 3.25)

set(base_folders files text game canvas)
set(lottery_folders results generator stats memory ledger settings update)

set(allowed_files "")
set(allowed_text "")
set(allowed_game "")
set(allowed_canvas "")
foreach(folder ${lottery_folders})
    set(allowed_${folder} ${base_folders} ${lottery_folders})
endforeach()
set(allowed_wheels ${base_folders})
set(allowed_analyses ${base_folders} ${lottery_folders})
set(allowed_import ${base_folders} ${lottery_folders})
set(allowed_platform ${base_folders})
set(allowed_qt_shared ${base_folders})
set(allowed_app ${base_folders} ${lottery_folders} platform)
set(allowed_app_qt ${base_folders} app platform qt_shared)
set(allowed_systemy ${base_folders} ${lottery_folders} wheels analyses import)
set(allowed_systemy_cli ${base_folders} ${lottery_folders} wheels analyses import systemy)
set(allowed_systemy_qt ${base_folders} systemy systemy_cli qt_shared platform)
set(allowed_wyniki ${base_folders} ${lottery_folders} import platform)

set(folder_paths
    base/files base/text base/game base/canvas
    lottery/results lottery/generator lottery/stats lottery/memory lottery/ledger
    lottery/settings lottery/update
    engines/wheels engines/analyses engines/import
    services/platform
    toolkit/qt_shared
    kulko/app kulko/app_qt
    kulko-systemy/systemy kulko-systemy/systemy_cli kulko-systemy/systemy_qt
    kulko-wyniki/wyniki)

set(problems "")
set(known_folders "")
foreach(path ${folder_paths})
    get_filename_component(folder ${path} NAME)
    list(APPEND known_folders ${folder})
endforeach()

# Folders on the disk that the table does not name.
file(GLOB layer_dirs LIST_DIRECTORIES true ${KULKO_SOURCE_DIR}/*/*)
foreach(dir ${layer_dirs})
    if(IS_DIRECTORY ${dir})
        file(RELATIVE_PATH path ${KULKO_SOURCE_DIR} ${dir})
        if(NOT path IN_LIST folder_paths)
            string(APPEND problems "  src/${path}: a folder the layer table does not name\n")
        endif()
    endif()
endforeach()

foreach(path ${folder_paths})
    get_filename_component(folder ${path} NAME)
    file(GLOB_RECURSE sources ${KULKO_SOURCE_DIR}/${path}/*.cpp ${KULKO_SOURCE_DIR}/${path}/*.hpp)
    set(included_${folder} "")
    foreach(source ${sources})
        file(STRINGS ${source} lines REGEX "^#include \"[a-z_]+/")
        foreach(line ${lines})
            string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" target "${line}")
            if(target STREQUAL folder)
                continue()
            endif()
            file(RELATIVE_PATH shown ${KULKO_SOURCE_DIR} ${source})
            if(NOT target IN_LIST known_folders)
                string(APPEND problems "  src/${shown}: includes \"${target}/\", which is no folder of src\n")
            elseif(NOT target IN_LIST allowed_${folder})
                string(APPEND problems "  src/${shown}: ${folder} may not include \"${target}/\"\n")
            endif()
            list(APPEND included_${folder} ${target})
        endforeach()
    endforeach()
endforeach()

# No two folders include each other.
foreach(folder ${known_folders})
    foreach(other ${included_${folder}})
        if(folder IN_LIST included_${other} AND folder STRLESS other)
            string(APPEND problems "  ${folder} and ${other} include each other\n")
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "Includes that break the layers:\n${problems}")
endif()
