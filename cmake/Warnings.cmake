# Every target of ours gets the same strict warnings; KLAXORA_WERROR turns them into errors.
function(klaxora_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough -Wcast-qual -Wformat=2)
  if(KLAXORA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
