# One static library per layer of the program, made of every source below the
# layer's folder. Layers may call each other in both directions (the widget
# library sounds the buzzer, the dialogs use the widgets), so the program, the
# tests and the benchmarks link the whole set through tamarind_all, which lets
# the linker rescan the group.

set_property(GLOBAL PROPERTY TAMARIND_LAYERS "")

function(tamarind_collect_include_dirs out)
    set(dirs "")
    foreach(root IN LISTS ARGN)
        file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${root}/*.h")
        foreach(h IN LISTS headers)
            get_filename_component(d "${h}" DIRECTORY)
            list(APPEND dirs "${d}")
        endforeach()
        list(APPEND dirs "${root}")
    endforeach()
    list(REMOVE_DUPLICATES dirs)
    set(${out} ${dirs} PARENT_SCOPE)
endfunction()

# tamarind_add_layer(name dir [RECURSE])
function(tamarind_add_layer name dir)
    cmake_parse_arguments(ARG "RECURSE" "" "" ${ARGN})
    if(ARG_RECURSE)
        file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h" "${dir}/*.ui")
    else()
        file(GLOB sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h" "${dir}/*.ui")
    endif()
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    # A folder of headers alone makes no library.
    set(cpp_sources ${sources})
    list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
    if(NOT cpp_sources)
        return()
    endif()
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC
        Qt5::Core Qt5::Gui Qt5::Widgets Qt5::Network Qt5::Xml Qt5::SerialPort Qwt::Qwt ${CMAKE_DL_LIBS})
    set_property(GLOBAL APPEND PROPERTY TAMARIND_LAYERS ${name})
endfunction()

# Called once every layer exists: the interface target everything links.
function(tamarind_finish_layers)
    get_property(layers GLOBAL PROPERTY TAMARIND_LAYERS)
    string(REPLACE ";" "," group "${layers}")
    add_library(tamarind_all INTERFACE)
    target_link_libraries(tamarind_all INTERFACE "$<LINK_GROUP:RESCAN,${group}>")
    foreach(l IN LISTS layers)
        target_link_libraries(tamarind_all INTERFACE
            $<TARGET_PROPERTY:${l},INTERFACE_LINK_LIBRARIES>)
    endforeach()
    if(TARGET tamarind_resources)
        target_sources(tamarind_all INTERFACE $<TARGET_OBJECTS:tamarind_resources>)
    endif()
endfunction()
