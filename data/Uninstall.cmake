# Removes what `cmake --install` put in place, as its manifest lists it: the program, the
# desktop entry and the icon. The data files the program wrote beside itself are not in the
# manifest and stay, and so does the folder that holds them.
set(manifest "${VELBOR_BINARY}/install_manifest.txt")
if(NOT EXISTS "${manifest}")
    message(FATAL_ERROR "Nothing to uninstall: ${manifest} is missing (run cmake --install first)")
endif()
file(STRINGS "${manifest}" files)
foreach(file IN LISTS files)
    if(EXISTS "${file}" OR IS_SYMLINK "${file}")
        message(STATUS "Removing ${file}")
        file(REMOVE "${file}")
    endif()
endforeach()
