# Runs the Windows toolchains' programs under Wine.
find_program(wine wine NO_CACHE)
if(wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env
    # Not ~/.wine, nor another build's.
    WINEPREFIX=${CMAKE_BINARY_DIR}/wine
    # The tests expect only the program's messages on standard error.
    WINEDEBUG=-all
    # No display driver, which Wine 10 wants XDG_RUNTIME_DIR for.
    WINEDLLOVERRIDES=winex11.drv,winewayland.drv=d
    ${wine}
    CACHE STRING "Runs a Windows program on this machine")
endif()
