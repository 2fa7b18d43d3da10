# The skin images: Skins/*.png of the source tree, drawn by scripts/make_skins.py and committed.

set(VELORA_SKIN_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/make_skins.py)
file(GLOB VELORA_SKIN_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Skins/*.png)

# The script needs Pillow, which Debian installs for its own python3 (python3-pil); a python3 found
# first on PATH (a version manager's) may lack it.
if(NOT VELORA_SKIN_PYTHON)
  find_program(_velora_path_python python3)
  foreach(candidate /usr/bin/python3 ${_velora_path_python})
    execute_process(COMMAND ${candidate} -c "import PIL" RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
    if(rc EQUAL 0)
      set(VELORA_SKIN_PYTHON ${candidate} CACHE FILEPATH "A python3 with Pillow, for scripts/make_skins.py")
      break()
    endif()
  endforeach()
  if(NOT VELORA_SKIN_PYTHON)
    message(FATAL_ERROR "No python3 with Pillow found: run scripts/setup.sh")
  endif()
endif()

# velora_skins_beside(TARGET): copies Skins/ into the folder of TARGET's program before it is built,
# as the program loads its images from there.
function(velora_skins_beside target)
  get_target_property(dir ${target} BINARY_DIR)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_skins.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/Skins
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VELORA_SKIN_FILES} ${dir}/Skins
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${VELORA_SKIN_FILES}
    COMMENT "Copying the skin images beside ${target}")
  add_custom_target(${target}_skins DEPENDS ${stamp})
  add_dependencies(${target} ${target}_skins)
endfunction()

# velora_flat_skins(): the test set (one flat colour per image, same names and sizes) in
# ${CMAKE_BINARY_DIR}/skins-flat and its header generated/skin_colours.h, made whenever the script
# changes. Tests link the interface library skin_colours to include the header.
function(velora_flat_skins)
  set(flat ${CMAKE_BINARY_DIR}/skins-flat)
  set(header ${CMAKE_BINARY_DIR}/generated/skin_colours.h)
  add_custom_command(OUTPUT ${header}
    COMMAND ${VELORA_SKIN_PYTHON} ${VELORA_SKIN_SCRIPT} --flat ${flat} --header ${header}
    DEPENDS ${VELORA_SKIN_SCRIPT}
    COMMENT "Drawing the flat test skins")
  add_custom_target(skins_flat ALL DEPENDS ${header})
  add_library(skin_colours INTERFACE)
  target_include_directories(skin_colours INTERFACE ${CMAKE_BINARY_DIR}/generated)
  add_dependencies(skin_colours skins_flat)
endfunction()
