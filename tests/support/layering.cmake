# The engine and the data layer sit at the bottom: nothing in engine/ or serialization/ may include
# a header of the layers built on them. The game composes them in app/.
#   cmake -DROOT=<repository> -P layering.cmake
set(upper "app|graphics|gameplay|audio|levels|animation|tools")
file(GLOB_RECURSE files ${ROOT}/engine/*.hpp ${ROOT}/engine/*.cpp ${ROOT}/serialization/*.hpp ${ROOT}/serialization/*.cpp)
set(offenders "")
foreach(file ${files})
  file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](${upper})/")
  foreach(line ${includes})
    file(RELATIVE_PATH name ${ROOT} ${file})
    string(STRIP "${line}" line)
    string(APPEND offenders "\n  ${name}: ${line}")
  endforeach()
endforeach()
if(offenders)
  message(FATAL_ERROR "engine/ and serialization/ must not include the layers above them:${offenders}")
endif()
list(LENGTH files count)
message(STATUS "${count} files of engine/ and serialization/ include nothing from above them")
