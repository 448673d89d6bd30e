# lutem_module_resources(target script): gives a module or program the
# resources of a resource script. windres compiles the same script for both
# builds: on Windows the linker puts the result into the image; here the
# bytes are embedded in a generated source that registers them with the
# stand-in's loader when the image loads (ModuleImage.h), so FindResourceW
# finds the same resources. Every file beside the script counts as its input.
function(lutem_module_resources target script)
  get_filename_component(_script ${script} ABSOLUTE)
  get_filename_component(_folder ${_script} DIRECTORY)
  if(WIN32)
    target_sources(${target} PRIVATE ${_script})
    return()
  endif()
  find_program(LUTEM_WINDRES NAMES x86_64-w64-mingw32-windres windres REQUIRED)
  get_filename_component(_name ${_script} NAME_WE)
  set(_res ${CMAKE_CURRENT_BINARY_DIR}/${target}-${_name}.res)
  set(_cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}-${_name}Resources.cpp)
  file(GLOB _inputs CONFIGURE_DEPENDS ${_folder}/*)
  add_custom_command(OUTPUT ${_res}
    COMMAND ${LUTEM_WINDRES} --preprocessor=cpp -I ${_folder} -O res -i ${_script} -o ${_res}
    DEPENDS ${_inputs}
    COMMENT "Compiling the resources of ${target}")
  add_custom_command(OUTPUT ${_cpp}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${_res} -DOUTPUT=${_cpp}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    DEPENDS ${_res} ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake)
  target_sources(${target} PRIVATE ${_cpp})
  target_link_libraries(${target} PRIVATE lutem_platform)
endfunction()
