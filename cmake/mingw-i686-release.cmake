# The shipped Tessel98.exe: the same cross build with the win32 thread model. The program runs
# on one thread, and the posix model would link in winpthreads, which imports GetTickCount64
# and so keeps the program off every Windows before Vista. This model has no std::mutex, which
# GoogleTest needs, so the tests stay with mingw-i686.cmake and this build makes the program only.
set(TESSEL_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
