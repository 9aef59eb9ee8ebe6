# The program on a Linux desktop: the application icon as PNGs for the hicolor theme, made from
# the icon file's bytes at build time, and the .desktop entry (packaging/ makes the package).

set(TESSEL_ICON_SIZES 16 32 48 64 128 256)
set(TESSEL_ICON_DIR ${CMAKE_BINARY_DIR}/packaging/icons/hicolor)
set(TESSEL_DESKTOP_FILE ${CMAKE_CURRENT_LIST_DIR}/tessel.desktop)

if(TARGET icon_to_png)
  set(icon_pngs)
  foreach(size IN LISTS TESSEL_ICON_SIZES)
    list(APPEND icon_pngs ${TESSEL_ICON_DIR}/${size}x${size}/apps/tessel.png)
  endforeach()
  add_custom_command(
    OUTPUT ${icon_pngs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:icon_to_png> ${TESSEL_ICON_DIR} ${TESSEL_ICON_SIZES}
    DEPENDS icon_to_png
    COMMENT "Making the application icon's PNGs"
    VERBATIM)
  add_custom_target(tessel_desktop_icons ALL DEPENDS ${icon_pngs})

  tessel_add_test(desktop_icon_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/desktop_icon_test.cpp
                  LIBS tessel_resources tessel_qt_picture_reader
                  DEFINITIONS TESSEL_ICON_DIR="${TESSEL_ICON_DIR}")
  if(BUILD_TESTING)
    add_dependencies(desktop_icon_test tessel_desktop_icons)
  endif()
endif()

# The function runs in the caller's directory; these say where the files above are.
set(TESSEL_DESKTOP_FILE ${TESSEL_DESKTOP_FILE} CACHE INTERNAL "")
set(TESSEL_ICON_DIR ${TESSEL_ICON_DIR} CACHE INTERNAL "")
set(TESSEL_ICON_SIZES ${TESSEL_ICON_SIZES} CACHE INTERNAL "")

# tessel_install_desktop_files(): installs the executable target `tessel` with its .desktop entry
# and icons. Call it once, after add_executable(tessel ...). A game goes to games/, as Debian
# policy asks of the programs in its games section.
function(tessel_install_desktop_files)
  include(GNUInstallDirs)
  install(TARGETS tessel RUNTIME DESTINATION games)
  install(FILES ${TESSEL_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  if(TARGET tessel_desktop_icons)
    add_dependencies(tessel tessel_desktop_icons)
    install(DIRECTORY ${TESSEL_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  endif()
endfunction()
