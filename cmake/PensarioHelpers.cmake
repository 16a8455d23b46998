# Adds every CMakeLists.txt-bearing child folder of the current folder.
function(pensario_add_child_dirs)
    file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(child ${children})
        if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()

# The folder and every subfolder below it that holds a header, so that a
# layer's files include each other by file name whatever folder they sit in.
function(pensario_header_dirs var root)
    file(GLOB_RECURSE headers ${root}/*.h)
    set(dirs ${root})
    foreach(header ${headers})
        get_filename_component(dir ${header} DIRECTORY)
        list(APPEND dirs ${dir})
    endforeach()
    list(REMOVE_DUPLICATES dirs)
    set(${var} ${dirs} PARENT_SCOPE)
endfunction()

# A layer library from every source, header and form of its folder and its
# subfolders (one folder per job inside the layer).
function(pensario_add_layer target)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
    if(NOT sources)
        # a layer that has no code yet still links
        file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp "// no code in this layer yet\n")
        set(sources ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp)
    endif()
    add_library(${target} STATIC ${sources})
    pensario_header_dirs(dirs ${CMAKE_CURRENT_SOURCE_DIR})
    target_include_directories(${target} PUBLIC ${dirs})
    # forms in subfolders are found from the sources beside them
    set_target_properties(${target} PROPERTIES AUTOUIC_SEARCH_PATHS "${dirs}")
endfunction()

# One QtTest executable per tst_*.cpp of the current folder and its
# subfolders, linked with LIBS. A test in tests/gui/students/tst_x.cpp is the
# target gui_students_tst_x and the CTest test gui/students/tst_x; the
# folder's shared test headers are found from every subfolder.
function(pensario_add_tests)
    cmake_parse_arguments(ARG "" "" "LIBS;INCLUDES" ${ARGN})
    file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    pensario_header_dirs(dirs ${CMAKE_CURRENT_SOURCE_DIR})
    foreach(test_source ${tests})
        get_filename_component(name ${test_source} NAME_WE)
        get_filename_component(dir ${test_source} DIRECTORY)
        file(RELATIVE_PATH sub ${CMAKE_CURRENT_SOURCE_DIR} ${dir})
        if(sub)
            set(path ${folder}/${sub}/${name})
        else()
            set(path ${folder}/${name})
        endif()
        string(REPLACE "/" "_" target ${path})
        add_executable(${target} ${test_source})
        target_link_libraries(${target} PRIVATE testsupport ${ARG_LIBS} Qt6::Test)
        target_include_directories(${target} PRIVATE ${dirs} ${ARG_INCLUDES})
        # Only failures are printed, so that a failing test's own lines are
        # not lost among every passing test's debug output.
        add_test(NAME ${path} COMMAND ${target} -silent)
        set_tests_properties(${path} PROPERTIES
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

# The C library's Spanish and Galician locales, compiled into the build folder
# from the sources of Debian's "locales" package, so that tests run under them
# (through LOCPATH) on machines that have only the C locale.
function(pensario_test_locales var)
    set(dir ${CMAKE_BINARY_DIR}/locales)
    set(outputs)
    foreach(name es_ES gl_ES)
        set(output ${dir}/${name}.UTF-8/LC_NUMERIC)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
            # warnings about the sources still give a usable locale
            COMMAND sh -c "localedef -i ${name} -f UTF-8 ${dir}/${name}.UTF-8 || test -f ${output}"
            COMMENT "Compiling the C locale ${name}.UTF-8"
            VERBATIM)
        list(APPEND outputs ${output})
    endforeach()
    add_custom_target(test_locales ALL DEPENDS ${outputs})
    set(${var} ${dir} PARENT_SCOPE)
endfunction()

# Runs the test functions FUNCTIONS of the CTest test NAME (target TARGET)
# once more under each of the real C locales es_ES and gl_ES, as the test
# NAME:es_ES and NAME:gl_ES.
function(pensario_add_locale_runs name target)
    foreach(locale es_ES gl_ES)
        add_test(NAME ${name}:${locale} COMMAND ${target} -silent ${ARGN})
        set_tests_properties(${name}:${locale} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LOCPATH=${PENSARIO_TEST_LOCALES};LC_ALL=${locale}.UTF-8;LANG=${locale}.UTF-8;LANGUAGE="
            TIMEOUT 300)
    endforeach()
endfunction()
