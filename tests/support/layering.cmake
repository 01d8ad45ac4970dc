# Each folder may include only the folders beneath it. The game composes the layers in app/; the
# rows below name, for each folder, the folders it must never include.
#   cmake -DROOT=<repository> -P layering.cmake
set(rows
  "engine:app|platform|graphics|gameplay|audio|levels|animation|tools|spine|serialization"
  "serialization:app|platform|graphics|gameplay|audio|levels|animation|tools|spine"
  "spine:app|platform|graphics|gameplay|audio|levels|animation|tools"
  "platform:app|graphics|gameplay|audio|levels|animation|tools|spine"
  "graphics:app|gameplay|audio|levels|animation|tools|spine"
  "audio:app|gameplay|levels|animation|tools|spine"
  "animation:app|gameplay|levels|tools"
  "gameplay:app|levels|tools"
  "levels:app|tools"
  "tools:app")
set(offenders "")
set(count 0)
foreach(row ${rows})
  string(REPLACE ":" ";" row "${row}")
  list(GET row 0 folder)
  list(GET row 1 upper)
  file(GLOB_RECURSE files ${ROOT}/${folder}/*.hpp ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.c)
  list(LENGTH files n)
  math(EXPR count "${count} + ${n}")
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](${upper})/")
    foreach(line ${includes})
      file(RELATIVE_PATH name ${ROOT} ${file})
      string(STRIP "${line}" line)
      string(APPEND offenders "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(offenders)
  message(FATAL_ERROR "a folder includes a layer above it:${offenders}")
endif()

# The window system is the platform layer's: GLFW is included only there, and by the files named
# here that still talk to it directly.
set(glfw_allowed "^platform/")
list(APPEND glfw_allowed "^gameplay/input\\.cpp$" "^levels/(button|cursor|logo|menu_navigation|options_menu|pause_menu)\\.cpp$"
     "^tools/(imgui|input_script|replay)\\.cpp$")
foreach(folder app engine serialization platform graphics gameplay audio levels animation tools spine)
  file(GLOB_RECURSE files ${ROOT}/${folder}/*.hpp ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.c)
  foreach(file ${files})
    file(RELATIVE_PATH name ${ROOT} ${file})
    set(allowed FALSE)
    foreach(pattern ${glfw_allowed})
      if(name MATCHES "${pattern}")
        set(allowed TRUE)
      endif()
    endforeach()
    if(allowed)
      continue()
    endif()
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](GLFW/|backends/imgui_impl_glfw)")
    foreach(line ${includes})
      string(STRIP "${line}" line)
      string(APPEND offenders "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(offenders)
  message(FATAL_ERROR "GLFW is included outside the platform layer:${offenders}")
endif()
message(STATUS "${count} files include nothing from the layers above them")
