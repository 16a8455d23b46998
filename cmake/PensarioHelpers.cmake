# Adds every CMakeLists.txt-bearing child folder of the current folder.
function(pensario_add_child_dirs)
    file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(child ${children})
        if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()

# A layer library from every source, header and form of its folder.
function(pensario_add_layer target)
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
    if(NOT sources)
        # a layer that has no code yet still links
        file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp "// no code in this layer yet\n")
        set(sources ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp)
    endif()
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# One QtTest executable per tst_*.cpp of the current folder, linked with LIBS.
function(pensario_add_tests)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    foreach(test_source ${tests})
        get_filename_component(name ${test_source} NAME_WE)
        set(target ${folder}_${name})
        add_executable(${target} ${test_source})
        target_link_libraries(${target} PRIVATE testsupport ${ARG_LIBS} Qt6::Test)
        add_test(NAME ${folder}/${name} COMMAND ${target})
        set_tests_properties(${folder}/${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
            TIMEOUT 300)
    endforeach()
endfunction()

# Embeds the files of the current resource folder that match the patterns in
# target, as the bundle named after the folder, under ":/<folder>/".
function(pensario_embed_folder target)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(files)
    foreach(pattern ${ARGN})
        file(GLOB found RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
        list(APPEND files ${found})
    endforeach()
    qt_add_resources(${target} ${folder} PREFIX /${folder} BASE ${CMAKE_CURRENT_SOURCE_DIR} FILES ${files})
endfunction()

# The path of an Oxygen theme file (oxygen-icon-theme), e.g. "48x48/actions/list-add.png".
function(pensario_oxygen_icon var relative)
    set(path /usr/share/icons/oxygen/base/${relative})
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "Missing ${path}: install oxygen-icon-theme")
    endif()
    set(${var} ${path} PARENT_SCOPE)
endfunction()
