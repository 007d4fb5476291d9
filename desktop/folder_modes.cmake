# Included last by the top-level CMakeLists.txt, so that its install step runs
# after every other: each folder that holds an installed file, up to the
# install prefix, is made readable and searchable by everyone (go+rx). CMake
# makes the folders it creates with the mode the install rules ask for, but
# under the umask of whoever installs, so a umask of 077 would leave the
# programs and their data to root alone; the .deb is built from the same
# install. Bits a folder has already (a set-group-id /usr/local) are kept.
if(UNIX)
  install(CODE [[
    cmake_policy(PUSH)
    cmake_policy(VERSION 3.25)
    set(orvik_root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    set(orvik_folders)
    # The manifest names the files without DESTDIR (cpack stages through it).
    foreach(orvik_file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
      cmake_path(GET orvik_file PARENT_PATH orvik_folder)
      set(orvik_folder "$ENV{DESTDIR}${orvik_folder}")
      while(NOT orvik_folder IN_LIST orvik_folders)
        cmake_path(IS_PREFIX orvik_root "${orvik_folder}" NORMALIZE orvik_inside)
        if(NOT orvik_inside)
          break()
        endif()
        list(APPEND orvik_folders "${orvik_folder}")
        cmake_path(GET orvik_folder PARENT_PATH orvik_folder)
      endwhile()
    endforeach()
    if(orvik_folders)
      execute_process(COMMAND chmod go+rx ${orvik_folders} COMMAND_ERROR_IS_FATAL ANY)
    endif()
    cmake_policy(POP)
  ]])
endif()
