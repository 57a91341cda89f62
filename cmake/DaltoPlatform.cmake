# Code that differs by platform lives in pairs of files, NAMEWindows.cpp and
# NAMEPosix.cpp; dalto_platform_sources(TARGET NAME...) adds this platform's half
# of each NAME (a path relative to the calling folder, or absolute).
function(dalto_platform_sources target)
  if(WIN32)
    set(suffix Windows)
  else()
    set(suffix Posix)
  endif()
  foreach(name ${ARGN})
    target_sources(${target} PRIVATE ${name}${suffix}.cpp)
  endforeach()
endfunction()
