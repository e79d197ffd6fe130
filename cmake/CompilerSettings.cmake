# Warnings, warnings-as-errors and sanitizers for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(LUMET_WERROR)
    add_compile_options(-Werror)
endif()
# windows.h without the old winsock.h (which clashes with winsock2.h) and without
# its min and max macros, which break std::min and std::max.
if(WIN32)
    add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
# GCC 12 reports overlapping copies inside std::string's own code when it inlines
# it at -O2 and above (GCC bug 105329); nothing in our code can silence it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    add_compile_options(-Wno-restrict)
endif()
if(LUMET_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Includes name their folder from the repository root: "probe/ProbeEngine.h". A
# target sees only the folders it offers itself and those of the libraries it links:
# its include root in the build tree holds a link to each of its folders and nothing
# else, so an include that crosses the layers against the link graph fails to build.
# lumet_include_folders(<target> PUBLIC|PRIVATE <folder>...)
function(lumet_include_folders target scope)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    foreach(folder IN LISTS ARGN)
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()

# lumet_library(<name> [FOLDERS <folder>...] <sources>...): a static library that
# offers the given folders, by default the one its CMakeLists.txt sits in.
function(lumet_library name)
    cmake_parse_arguments(ARG "" "" "FOLDERS" ${ARGN})
    add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
    if(NOT ARG_FOLDERS)
        file(RELATIVE_PATH ARG_FOLDERS ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    lumet_include_folders(${name} PUBLIC ${ARG_FOLDERS})
endfunction()
