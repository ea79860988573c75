# Run by `cmake --install`: the desktop entry and icon go to the user's applications menu
# (XDG_DATA_HOME, ~/.local/share by default), pointing at the program in the install prefix.
if(DEFINED ENV{XDG_DATA_HOME} AND NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
    set(share "$ENV{XDG_DATA_HOME}")
else()
    set(share "$ENV{HOME}/.local/share")
endif()
set(EXEC "${CMAKE_INSTALL_PREFIX}/velbor-inventory")
set(PATH "${CMAKE_INSTALL_PREFIX}")
configure_file("${VELBOR_DATA}/velbor-inventory.desktop.in"
               "${VELBOR_BINARY}/velbor-inventory.desktop" @ONLY)
file(INSTALL "${VELBOR_BINARY}/velbor-inventory.desktop" DESTINATION "${share}/applications")
file(INSTALL "${VELBOR_DATA}/velbor-inventory.svg"
     DESTINATION "${share}/icons/hicolor/scalable/apps")
