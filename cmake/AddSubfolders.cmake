# Adds every direct subfolder of the current folder that has a CMakeLists.txt, so that
# each area of tests and benchmarks keeps its own build file.
function(sentrel_add_subfolders)
    file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(child ${children})
        if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()
