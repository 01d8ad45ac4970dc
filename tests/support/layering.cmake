# Each folder may include only the folders beneath it. The game composes the layers in app/; the
# rows below name, for each folder, the folders it must never include.
#   cmake -DROOT=<repository> -P layering.cmake
set(rows
  "engine:app|graphics|gameplay|audio|levels|animation|tools|spine|serialization"
  "serialization:app|graphics|gameplay|audio|levels|animation|tools|spine"
  "spine:app|graphics|gameplay|audio|levels|animation|tools"
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
message(STATUS "${count} files include nothing from the layers above them")
