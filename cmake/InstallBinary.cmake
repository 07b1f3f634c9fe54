# Install-time helper: copies a program or library into the release folder,
# strips it and keeps its debug information beside it in <file>.debug (linked
# back with a debug link), and copies its manifest when one exists.
#   orvane_install_binary(<built file> <destination folder> <objcopy> <strip>)
function(orvane_install_binary built destination objcopy strip)
  set(target_dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${destination}")
  get_filename_component(name "${built}" NAME)
  file(INSTALL "${built}" DESTINATION "${target_dir}")
  set(installed "${target_dir}/${name}")
  execute_process(COMMAND "${objcopy}" --only-keep-debug "${installed}" "${installed}.debug" RESULT_VARIABLE failed)
  if(NOT failed)
    execute_process(COMMAND "${strip}" --strip-all "${installed}" RESULT_VARIABLE failed)
  endif()
  if(NOT failed)
    execute_process(COMMAND "${objcopy}" "--add-gnu-debuglink=${name}.debug" "${name}"
                    WORKING_DIRECTORY "${target_dir}" RESULT_VARIABLE failed)
  endif()
  if(failed)
    message(FATAL_ERROR "could not split the debug information of ${installed}")
  endif()
  message(STATUS "Stripped: ${installed} (debug information in ${name}.debug)")
  # A program's manifest sits beside the built program or beside its sources.
  foreach(candidate "${built}.manifest" ${ARGN})
    if(EXISTS "${candidate}")
      file(INSTALL "${candidate}" DESTINATION "${target_dir}" RENAME "${name}.manifest")
      break()
    endif()
  endforeach()
endfunction()
