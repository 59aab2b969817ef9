# Included right after project() by the windows-x86 preset. The 32-bit program is
# quorvane-x86.exe, so that it can stand beside the 64-bit quorvane.exe; the name is set once
# the whole tree, the program's own folder included, has been read.
function(quorvane_name_x86_program)
  if(TARGET quorvane)
    set_target_properties(quorvane PROPERTIES OUTPUT_NAME quorvane-x86)
  endif()
endfunction()
cmake_language(DEFER CALL quorvane_name_x86_program)
