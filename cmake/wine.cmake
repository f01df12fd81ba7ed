# Included by the Windows toolchain files: the build's tests, and whatever
# else it runs of its own, run the program under Wine, set up as follows.
find_program(wine wine NO_CACHE)
if(wine)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env
    # A prefix of the build's own, made on first use, so that no run touches
    # the user's ~/.wine, nor another build's.
    WINEPREFIX=${CMAKE_BINARY_DIR}/wine
    # Wine's own messages go to standard error, where the tests expect the
    # program's alone.
    WINEDEBUG=-all
    # The program is a console program, so no display driver: Wine 10
    # complains on standard error where XDG_RUNTIME_DIR is not set.
    WINEDLLOVERRIDES=winex11.drv,winewayland.drv=d
    ${wine}
    CACHE STRING "Runs a Windows program on this machine")
endif()
