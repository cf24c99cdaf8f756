# The -posix variants carry std::thread and std::mutex; the -win32 ones do not.
set(CMAKE_C_COMPILER ${TRV_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRV_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TRV_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TRV_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No runtime DLLs beside the programs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
