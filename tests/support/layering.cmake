# Each folder may include only the folders beneath it. The game composes the layers in app/; the
# rows below name, for each folder, the folders it must never include.
#   cmake -DROOT=<repository> -P layering.cmake
# audio/ stands above graphics/: the ambient sounds grow quieter with their distance from the camera.
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

# Appends "file: line" to offenders for every line of the folder's code files that matches the
# expression, skipping files whose repository path matches one of the ARGN patterns.
set(offenders "")
set(count 0)
function(scan folder expression)
  file(GLOB_RECURSE files ${ROOT}/${folder}/*.hpp ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.c)
  list(LENGTH files n)
  math(EXPR count "${count} + ${n}")
  foreach(file ${files})
    file(RELATIVE_PATH name ${ROOT} ${file})
    set(skipped FALSE)
    foreach(pattern ${ARGN})
      if(name MATCHES "${pattern}")
        set(skipped TRUE)
      endif()
    endforeach()
    if(skipped)
      continue()
    endif()
    file(STRINGS ${file} lines REGEX "${expression}")
    foreach(line ${lines})
      string(STRIP "${line}" line)
      string(APPEND offenders "\n  ${name}: ${line}")
    endforeach()
  endforeach()
  set(offenders "${offenders}" PARENT_SCOPE)
  set(count ${count} PARENT_SCOPE)
endfunction()

foreach(row ${rows})
  string(REPLACE ":" ";" row "${row}")
  list(GET row 0 folder)
  list(GET row 1 upper)
  scan(${folder} "^[ \t]*#[ \t]*include[ \t]*[\"<](${upper})/")
endforeach()
if(offenders)
  message(FATAL_ERROR "a folder includes a layer above it:${offenders}")
endif()
set(layered ${count})

# The window system is the platform layer's: GLFW is included only there, and by the developer-tool
# host for Dear ImGui's GLFW back end, which it feeds from the platform layer's event queue.
foreach(folder app engine serialization graphics gameplay audio levels animation tools spine)
  scan(${folder} "^[ \t]*#[ \t]*include[ \t]*[\"<](GLFW/|backends/imgui_impl_glfw)|glfw[A-Z][A-Za-z]*\\("
       "^tools/imgui\\.cpp$")
endforeach()
if(offenders)
  message(FATAL_ERROR "GLFW is used outside the platform layer:${offenders}")
endif()
message(STATUS "${layered} files include nothing from the layers above them")
