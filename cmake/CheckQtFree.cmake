# Usage: cmake -DDIR=<folder> -P CheckQtFree.cmake
file(GLOB_RECURSE files ${DIR}/*.h ${DIR}/*.cpp)
foreach(f IN LISTS files)
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(hits)
    message(FATAL_ERROR "${f} includes Qt: ${hits}")
  endif()
endforeach()
